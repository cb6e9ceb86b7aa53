// The C runtime extras of the Microsoft runtime that the system calls, in one include.
#pragma once

#include "platform/crt/direct.h"
#include "platform/crt/path.h"
#include "platform/crt/stdio_s.h"
#include "platform/crt/strftime.h"
#include "platform/crt/time64.h"
#include "platform/crt/wintypes.h"
