// Dialog templates as C++ data, dialog creation (modeless and modal) and the dialog manager.
//
// A template gives positions and sizes in dialog units; MapDialogRect turns them into pixels
// with the dialog font's base units (6 x 13 pixels), so one dialog unit horizontally is a
// quarter of a cell column and vertically an eighth of a cell row.
//
// The dialog window class ("#32770") runs DefDlgProc, which calls the dialog's DLGPROC
// first and does the dialog's default processing when that returns FALSE.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"
#include "platform/win32/messages.h"
#include "platform/win32/queue.h"
#include "platform/win32/styles.h"

#include <span>

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// One control of a template. windowClass is a class name ("Button", "Static", "Edit",
// "SysListView32", "SysDateTimePick32", "msctls_progress32", "ComboBox"); title may be an
// integer resource (MAKEINTRESOURCE), e.g. the icon of an SS_ICON static. WS_CHILD is
// implied.
struct DLGITEMTEMPLATE {
    DWORD style = 0;
    DWORD dwExtendedStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    int id = 0; // -1 (IDC_STATIC) for controls nobody addresses
    LPCSTR windowClass = nullptr;
    LPCSTR title = nullptr;
};

struct DLGTEMPLATE {
    DWORD style = 0;
    DWORD dwExtendedStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    LPCSTR caption = nullptr;
    LPCSTR fontName = nullptr; // "MS Shell Dlg"; the font's metrics are fixed (see geometry.h)
    WORD pointSize = 8;
    std::span<const DLGITEMTEMPLATE> items; // in tab order
};
using LPCDLGTEMPLATE = const DLGTEMPLATE*;

// clang-format off
inline constexpr int IDOK       = 1;
inline constexpr int IDCANCEL   = 2;
inline constexpr int IDABORT    = 3;
inline constexpr int IDRETRY    = 4;
inline constexpr int IDIGNORE   = 5;
inline constexpr int IDYES      = 6;
inline constexpr int IDNO       = 7;
inline constexpr int IDCLOSE    = 8;
inline constexpr int IDHELP     = 9;
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;
inline constexpr int IDC_STATIC = -1;

inline constexpr UINT DM_GETDEFID   = WM_USER + 0;
inline constexpr UINT DM_SETDEFID   = WM_USER + 1;
inline constexpr UINT DM_REPOSITION = WM_USER + 2;
inline constexpr WORD DC_HASDEFID   = 0x534B; // high word of a DM_GETDEFID answer

// Extra window bytes of the dialog class (GetWindowLongPtr indexes).
inline constexpr int DWLP_MSGRESULT = 0;
inline constexpr int DWLP_DLGPROC   = 8;
inline constexpr int DWLP_USER      = 16;
inline constexpr int DLGWINDOWEXTRA = 30;

// Button messages, notifications and styles the dialog manager itself uses; the button
// control uses these same definitions.
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK    = 0x00F5;
inline constexpr UINT BST_UNCHECKED     = 0x0000;
inline constexpr UINT BST_CHECKED       = 0x0001;
inline constexpr UINT BST_INDETERMINATE = 0x0002;
inline constexpr WORD BN_CLICKED     = 0;
inline constexpr DWORD BS_PUSHBUTTON    = 0x00000000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD BS_TYPEMASK      = 0x0000000F;
// Selecting an edit's text when Tab moves into it (DLGC_HASSETSEL).
inline constexpr UINT EM_SETSEL = 0x00B1;
// clang-format on

// The dialog window class's name.
inline constexpr const char* WC_DIALOG = "#32770";

HWND CreateDialogIndirectParam(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc,
                               LPARAM initParam);
HWND CreateDialogIndirect(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc);
// Templates registered by id (see resources.h).
HWND CreateDialogParam(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                       LPARAM initParam);
HWND CreateDialog(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc);

// A nested message loop that disables the owner and ends with EndDialog's result. -1 when
// the dialog could not be made or its loop ended without EndDialog (WM_QUIT, which is posted
// again for the loops outside, or the dialog destroyed).
INT_PTR DialogBoxIndirectParam(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc,
                               LPARAM initParam);
INT_PTR DialogBoxIndirect(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc);
INT_PTR DialogBoxParam(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                       LPARAM initParam);
INT_PTR DialogBox(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc);
BOOL EndDialog(HWND dialog, INT_PTR result);

LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Keyboard navigation for the dialog; translates and dispatches every other message for the
// dialog or its controls. TRUE when the message was for the dialog.
BOOL IsDialogMessage(HWND dialog, LPMSG msg);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
LONG GetDialogBaseUnits();

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int maxCount);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

namespace win32 {
// Whether EndDialog was called for the window, and with what result (for modal loops other
// than DialogBox's own, such as a framework's).
bool DialogEnded(HWND dialog, INT_PTR* result = nullptr);
} // namespace win32
