// Everything of the Win32 stand-in, as <windows.h> gives it to a Windows program.
//
// The line between the two surfaces: global names (CreateWindowEx, SendMessage, WM_*, ...)
// are Win32's and keep its signatures; names in namespace win32 (Canvas, Desktop, the
// resource registry, input helpers) are this stand-in's own.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/canvas.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/desktop.h"
#include "platform/win32/dialog.h"
#include "platform/win32/gdi.h"
#include "platform/win32/geometry.h"
#include "platform/win32/hook.h"
#include "platform/win32/kernel.h"
#include "platform/win32/menu.h"
#include "platform/win32/messages.h"
#include "platform/win32/queue.h"
#include "platform/win32/resources.h"
#include "platform/win32/styles.h"
#include "platform/win32/window.h"
