// The C runtime extras of the Microsoft runtime that the system calls, in one include.
// Runtime names are global; our own helpers (path mapping, time formatting) are in mw::crt.
#pragma once

#include "platform/crt/direct.h"
#include "platform/crt/path.h"
#include "platform/crt/stdio_s.h"
#include "platform/crt/strftime.h"
#include "platform/crt/time64.h"
#include "platform/crt/wintypes.h"
