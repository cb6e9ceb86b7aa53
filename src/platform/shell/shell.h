// The shell and module calls of the system, in one include. Shell names are global; the
// test override of the module file name is in mw::shell.
#pragma once

#include "platform/shell/folders.h"
#include "platform/shell/module.h"
