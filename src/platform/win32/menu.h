// Menus: enough for the system menu and small pop-up menus. Which item the user picks is
// asked of the desktop service (desktop.h), since that is where a menu is shown.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"

#include <string>
#include <vector>

// clang-format off
inline constexpr UINT MF_STRING       = 0x0000;
inline constexpr UINT MF_ENABLED      = 0x0000;
inline constexpr UINT MF_UNCHECKED    = 0x0000;
inline constexpr UINT MF_BYCOMMAND    = 0x0000;
inline constexpr UINT MF_GRAYED       = 0x0001;
inline constexpr UINT MF_DISABLED     = 0x0002;
inline constexpr UINT MF_CHECKED      = 0x0008;
inline constexpr UINT MF_POPUP        = 0x0010;
inline constexpr UINT MF_HILITE       = 0x0080;
inline constexpr UINT MF_BYPOSITION   = 0x0400;
inline constexpr UINT MF_SEPARATOR    = 0x0800;
inline constexpr UINT MF_SYSMENU      = 0x2000;

inline constexpr UINT TPM_LEFTALIGN   = 0x0000;
inline constexpr UINT TPM_LEFTBUTTON  = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN  = 0x0008;
inline constexpr UINT TPM_NONOTIFY    = 0x0080;
inline constexpr UINT TPM_RETURNCMD   = 0x0100;
// clang-format on

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position); // -1 for a pop-up or a bad position
int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int maxCount, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags); // -1 when there is no such item
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
HMENU GetSubMenu(HMENU menu, int position);

// The window's own copy of the system menu (made on first use; NULL without WS_SYSMENU).
// revert = TRUE goes back to the default menu and returns NULL.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

// Asks the desktop service for a choice. With TPM_RETURNCMD returns the chosen id (0 for
// none); otherwise posts WM_COMMAND (WM_SYSCOMMAND for a system menu) and returns TRUE.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);

namespace win32 {

struct MenuItem {
    UINT flags = 0; // MF_* state and kind
    UINT_PTR id = 0;
    std::string text;
    HMENU subMenu = nullptr;
};
// The items of a menu, for showing it; empty for a bad handle.
std::vector<MenuItem> MenuItems(HMENU menu);

} // namespace win32
