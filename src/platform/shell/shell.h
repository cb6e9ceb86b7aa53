// The shell and module calls of the system, in one include.
#pragma once

#include "platform/shell/folders.h"
#include "platform/shell/module.h"
