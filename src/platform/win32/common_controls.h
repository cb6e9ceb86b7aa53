// Registering the common control classes. The controls library tells the core how to
// register them (SetControlClassRegistrar); InitCommonControlsEx then registers the groups
// asked for. The same registrar is used once, with ICC_STANDARD_CLASSES, when a window of an
// unknown class is created, the way user32's own classes (button, edit, static, combo box)
// exist without anybody registering them.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"

#include <functional>

struct INITCOMMONCONTROLSEX {
    DWORD dwSize = 0;
    DWORD dwICC = 0;
};
using LPINITCOMMONCONTROLSEX = INITCOMMONCONTROLSEX*;

// clang-format off
inline constexpr DWORD ICC_LISTVIEW_CLASSES   = 0x00000001; // list view, header
inline constexpr DWORD ICC_TREEVIEW_CLASSES   = 0x00000002;
inline constexpr DWORD ICC_BAR_CLASSES        = 0x00000004;
inline constexpr DWORD ICC_TAB_CLASSES        = 0x00000008;
inline constexpr DWORD ICC_UPDOWN_CLASS       = 0x00000010;
inline constexpr DWORD ICC_PROGRESS_CLASS     = 0x00000020;
inline constexpr DWORD ICC_HOTKEY_CLASS       = 0x00000040;
inline constexpr DWORD ICC_ANIMATE_CLASS      = 0x00000080;
inline constexpr DWORD ICC_WIN95_CLASSES      = 0x000000FF;
inline constexpr DWORD ICC_DATE_CLASSES       = 0x00000100; // date picker, month calendar
inline constexpr DWORD ICC_USEREX_CLASSES     = 0x00000200;
inline constexpr DWORD ICC_COOL_CLASSES       = 0x00000400;
inline constexpr DWORD ICC_STANDARD_CLASSES   = 0x00004000; // button, edit, static, combo box
// clang-format on

// FALSE for a wrong dwSize or when no registrar was set or it failed.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
void InitCommonControls();

namespace win32 {
// Registers the classes of the groups given; returns false on failure.
using ControlClassRegistrar = std::function<bool(DWORD icc)>;
ControlClassRegistrar SetControlClassRegistrar(ControlClassRegistrar registrar);
} // namespace win32
