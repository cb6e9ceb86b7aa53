// Registering the control classes. The library hands the core a registrar when it is
// linked in (and again through RegisterControlClasses, for programs that want to be sure);
// InitCommonControlsEx then registers the groups asked for.
#pragma once

#include "platform/crt/wintypes.h"

namespace win32::controls {

// Installs the registrar with the core; returns true. Safe to call more than once.
bool InstallControlClasses();
// Registers the classes of the ICC_* groups given; true when all of them are registered.
bool RegisterControlClasses(DWORD icc);

} // namespace win32::controls
