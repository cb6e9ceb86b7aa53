// Messages, styles and notification codes of the user32 controls: button, static, edit and
// combo box, with the numbers Windows gives them. The few the dialog manager itself sends
// (BM_*, BS_PUSHBUTTON, BS_DEFPUSHBUTTON, EM_SETSEL) come from the core's dialog.h.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/dialog.h"

inline constexpr const char* WC_BUTTON = "Button";
inline constexpr const char* WC_STATIC = "Static";
inline constexpr const char* WC_EDIT = "Edit";
inline constexpr const char* WC_COMBOBOX = "ComboBox";
inline constexpr const char* WC_COMBOLBOX = "ComboLBox";

// clang-format off
inline constexpr DWORD BS_CHECKBOX        = 0x00000002;
inline constexpr DWORD BS_AUTOCHECKBOX    = 0x00000003;
inline constexpr DWORD BS_RADIOBUTTON     = 0x00000004;
inline constexpr DWORD BS_3STATE          = 0x00000005;
inline constexpr DWORD BS_AUTO3STATE      = 0x00000006;
inline constexpr DWORD BS_GROUPBOX        = 0x00000007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x00000009;
inline constexpr DWORD BS_LEFTTEXT        = 0x00000020;
inline constexpr DWORD BS_NOTIFY          = 0x00004000;
inline constexpr UINT BST_PUSHED          = 0x0004;
inline constexpr UINT BST_FOCUS           = 0x0008;

inline constexpr DWORD SS_LEFT           = 0x00000000;
inline constexpr DWORD SS_CENTER         = 0x00000001;
inline constexpr DWORD SS_RIGHT          = 0x00000002;
inline constexpr DWORD SS_ICON           = 0x00000003;
inline constexpr DWORD SS_SIMPLE         = 0x0000000B;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x0000000C;
inline constexpr DWORD SS_TYPEMASK       = 0x0000001F;
inline constexpr DWORD SS_NOPREFIX       = 0x00000080;

inline constexpr DWORD ES_LEFT        = 0x0000;
inline constexpr DWORD ES_CENTER      = 0x0001;
inline constexpr DWORD ES_RIGHT       = 0x0002;
inline constexpr DWORD ES_MULTILINE   = 0x0004;
inline constexpr DWORD ES_UPPERCASE   = 0x0008;
inline constexpr DWORD ES_LOWERCASE   = 0x0010;
inline constexpr DWORD ES_PASSWORD    = 0x0020;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080; // typing past the right edge scrolls
inline constexpr DWORD ES_NOHIDESEL   = 0x0100;
inline constexpr DWORD ES_READONLY    = 0x0800;
inline constexpr DWORD ES_NUMBER      = 0x2000;

inline constexpr UINT EM_GETSEL       = 0x00B0;
inline constexpr UINT EM_SCROLLCARET  = 0x00B7;
inline constexpr UINT EM_REPLACESEL   = 0x00C2;
inline constexpr UINT EM_LIMITTEXT    = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_SETREADONLY  = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;

inline constexpr WORD EN_SETFOCUS  = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE    = 0x0300;
inline constexpr WORD EN_UPDATE    = 0x0400;
inline constexpr WORD EN_MAXTEXT   = 0x0501;

inline constexpr DWORD CBS_SIMPLE       = 0x0001;
inline constexpr DWORD CBS_DROPDOWN     = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;

inline constexpr UINT CB_ADDSTRING       = 0x0143;
inline constexpr UINT CB_DELETESTRING    = 0x0144;
inline constexpr UINT CB_GETCOUNT        = 0x0146;
inline constexpr UINT CB_GETCURSEL       = 0x0147;
inline constexpr UINT CB_GETLBTEXT       = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN    = 0x0149;
inline constexpr UINT CB_INSERTSTRING    = 0x014A;
inline constexpr UINT CB_RESETCONTENT    = 0x014B;
inline constexpr UINT CB_SETCURSEL       = 0x014E;
inline constexpr UINT CB_SHOWDROPDOWN    = 0x014F;
inline constexpr UINT CB_GETITEMDATA     = 0x0150;
inline constexpr UINT CB_SETITEMDATA     = 0x0151;
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
inline constexpr LRESULT CB_ERR          = -1;

inline constexpr WORD CBN_SELCHANGE = 1;
inline constexpr WORD CBN_DROPDOWN  = 7;
inline constexpr WORD CBN_CLOSEUP   = 8;
// clang-format on
