// Everything of the controls library, as <commctrl.h> and the control parts of <windows.h>
// give it to a Windows program.
//
// The line between the two surfaces: global names (LVM_*, NMLISTVIEW, PBM_SETPOS ...) are
// the platform's, with its numbers and layouts; the control classes behind the window
// procedures (win32::controls::ListView ...) are this stand-in's own, public so that tests
// and the MFC layer can look at them.
#pragma once

#include "platform/win32/controls/datetime_defs.h"
#include "platform/win32/controls/listview_defs.h"
#include "platform/win32/controls/progress_defs.h"
#include "platform/win32/controls/registration.h"
#include "platform/win32/controls/user_controls_defs.h"
