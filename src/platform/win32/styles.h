// Window, class and dialog style bits and the flags of the window-placement calls, with the
// values Windows gives them. Control styles (BS_*, ES_*, LVS_* ...) live with the controls.
#pragma once

#include "platform/crt/wintypes.h"

// clang-format off
inline constexpr DWORD WS_OVERLAPPED   = 0x00000000;
inline constexpr DWORD WS_POPUP        = 0x80000000;
inline constexpr DWORD WS_CHILD        = 0x40000000;
inline constexpr DWORD WS_MINIMIZE     = 0x20000000;
inline constexpr DWORD WS_VISIBLE      = 0x10000000;
inline constexpr DWORD WS_DISABLED     = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE     = 0x01000000;
inline constexpr DWORD WS_CAPTION      = 0x00C00000; // WS_BORDER | WS_DLGFRAME
inline constexpr DWORD WS_BORDER       = 0x00800000;
inline constexpr DWORD WS_DLGFRAME     = 0x00400000;
inline constexpr DWORD WS_VSCROLL      = 0x00200000;
inline constexpr DWORD WS_HSCROLL      = 0x00100000;
inline constexpr DWORD WS_SYSMENU      = 0x00080000;
inline constexpr DWORD WS_THICKFRAME   = 0x00040000;
inline constexpr DWORD WS_GROUP        = 0x00020000; // on a child: starts a group
inline constexpr DWORD WS_TABSTOP      = 0x00010000; // on a child: Tab stops here
inline constexpr DWORD WS_MINIMIZEBOX  = 0x00020000; // on a top-level window
inline constexpr DWORD WS_MAXIMIZEBOX  = 0x00010000; // on a top-level window
inline constexpr DWORD WS_TILED        = WS_OVERLAPPED;
inline constexpr DWORD WS_ICONIC       = WS_MINIMIZE;
inline constexpr DWORD WS_SIZEBOX      = WS_THICKFRAME;
inline constexpr DWORD WS_CHILDWINDOW  = WS_CHILD;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD WS_TILEDWINDOW  = WS_OVERLAPPEDWINDOW;
inline constexpr DWORD WS_POPUPWINDOW  = WS_POPUP | WS_BORDER | WS_SYSMENU;

inline constexpr DWORD WS_EX_DLGMODALFRAME  = 0x00000001;
inline constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;
inline constexpr DWORD WS_EX_TOPMOST        = 0x00000008;
inline constexpr DWORD WS_EX_ACCEPTFILES    = 0x00000010;
inline constexpr DWORD WS_EX_TRANSPARENT    = 0x00000020;
inline constexpr DWORD WS_EX_MDICHILD       = 0x00000040;
inline constexpr DWORD WS_EX_TOOLWINDOW     = 0x00000080;
inline constexpr DWORD WS_EX_WINDOWEDGE     = 0x00000100;
inline constexpr DWORD WS_EX_CLIENTEDGE     = 0x00000200;
inline constexpr DWORD WS_EX_CONTEXTHELP    = 0x00000400;
inline constexpr DWORD WS_EX_LEFT           = 0x00000000;
inline constexpr DWORD WS_EX_RIGHT          = 0x00001000;
inline constexpr DWORD WS_EX_LTRREADING     = 0x00000000;
inline constexpr DWORD WS_EX_RTLREADING     = 0x00002000;
inline constexpr DWORD WS_EX_RIGHTSCROLLBAR = 0x00000000;
inline constexpr DWORD WS_EX_LEFTSCROLLBAR  = 0x00004000;
inline constexpr DWORD WS_EX_CONTROLPARENT  = 0x00010000;
inline constexpr DWORD WS_EX_STATICEDGE     = 0x00020000;
inline constexpr DWORD WS_EX_APPWINDOW      = 0x00040000; // shown on the taskbar
inline constexpr DWORD WS_EX_LAYERED        = 0x00080000;
inline constexpr DWORD WS_EX_NOACTIVATE     = 0x08000000;
inline constexpr DWORD WS_EX_OVERLAPPEDWINDOW = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE;

inline constexpr DWORD DS_ABSALIGN      = 0x0001; // template position is in screen units
inline constexpr DWORD DS_SYSMODAL      = 0x0002;
inline constexpr DWORD DS_3DLOOK        = 0x0004;
inline constexpr DWORD DS_FIXEDSYS      = 0x0008;
inline constexpr DWORD DS_NOFAILCREATE  = 0x0010; // keep the dialog when a control fails
inline constexpr DWORD DS_LOCALEDIT     = 0x0020;
inline constexpr DWORD DS_SETFONT       = 0x0040;
inline constexpr DWORD DS_MODALFRAME    = 0x0080;
inline constexpr DWORD DS_NOIDLEMSG     = 0x0100;
inline constexpr DWORD DS_SETFOREGROUND = 0x0200;
inline constexpr DWORD DS_CONTROL       = 0x0400;
inline constexpr DWORD DS_CENTER        = 0x0800; // centred on the owner (or the screen)
inline constexpr DWORD DS_CENTERMOUSE   = 0x1000;
inline constexpr DWORD DS_CONTEXTHELP   = 0x2000;
inline constexpr DWORD DS_SHELLFONT     = DS_SETFONT | DS_FIXEDSYS;

inline constexpr UINT CS_VREDRAW     = 0x0001;
inline constexpr UINT CS_HREDRAW     = 0x0002;
inline constexpr UINT CS_DBLCLKS     = 0x0008; // the class receives double-click messages
inline constexpr UINT CS_OWNDC       = 0x0020;
inline constexpr UINT CS_CLASSDC     = 0x0040;
inline constexpr UINT CS_PARENTDC    = 0x0080;
inline constexpr UINT CS_NOCLOSE     = 0x0200;
inline constexpr UINT CS_SAVEBITS    = 0x0800;
inline constexpr UINT CS_GLOBALCLASS = 0x4000;

// ShowWindow
inline constexpr int SW_HIDE            = 0;
inline constexpr int SW_SHOWNORMAL      = 1;
inline constexpr int SW_NORMAL          = 1;
inline constexpr int SW_SHOWMINIMIZED   = 2;
inline constexpr int SW_SHOWMAXIMIZED   = 3;
inline constexpr int SW_MAXIMIZE        = 3;
inline constexpr int SW_SHOWNOACTIVATE  = 4;
inline constexpr int SW_SHOW            = 5;
inline constexpr int SW_MINIMIZE        = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA          = 8;
inline constexpr int SW_RESTORE         = 9;
inline constexpr int SW_SHOWDEFAULT     = 10;

// SetWindowPos
inline constexpr UINT SWP_NOSIZE         = 0x0001;
inline constexpr UINT SWP_NOMOVE         = 0x0002;
inline constexpr UINT SWP_NOZORDER       = 0x0004;
inline constexpr UINT SWP_NOREDRAW       = 0x0008;
inline constexpr UINT SWP_NOACTIVATE     = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED   = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW     = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW     = 0x0080;
inline constexpr UINT SWP_NOCOPYBITS     = 0x0100;
inline constexpr UINT SWP_NOOWNERZORDER  = 0x0200;
inline constexpr UINT SWP_NOSENDCHANGING = 0x0400;
inline constexpr UINT SWP_DRAWFRAME      = SWP_FRAMECHANGED;
inline constexpr UINT SWP_NOREPOSITION   = SWP_NOOWNERZORDER;
inline constexpr UINT SWP_DEFERERASE     = 0x2000;
inline constexpr UINT SWP_ASYNCWINDOWPOS = 0x4000;

// GetWindow
inline constexpr UINT GW_HWNDFIRST    = 0;
inline constexpr UINT GW_HWNDLAST     = 1;
inline constexpr UINT GW_HWNDNEXT     = 2;
inline constexpr UINT GW_HWNDPREV     = 3;
inline constexpr UINT GW_OWNER        = 4;
inline constexpr UINT GW_CHILD        = 5;
inline constexpr UINT GW_ENABLEDPOPUP = 6;

// GetAncestor
inline constexpr UINT GA_PARENT    = 1;
inline constexpr UINT GA_ROOT      = 2;
inline constexpr UINT GA_ROOTOWNER = 3;

// GetWindowLongPtr / SetWindowLongPtr; non-negative indexes address the class's extra bytes.
inline constexpr int GWLP_WNDPROC    = -4;
inline constexpr int GWLP_HINSTANCE  = -6;
inline constexpr int GWLP_HWNDPARENT = -8; // the owner of a top-level window
inline constexpr int GWLP_ID         = -12;
inline constexpr int GWL_ID          = -12;
inline constexpr int GWL_STYLE       = -16;
inline constexpr int GWL_EXSTYLE     = -20;
inline constexpr int GWLP_USERDATA   = -21;
inline constexpr int GWL_USERDATA    = -21;

// ChildWindowFromPointEx
inline constexpr UINT CWP_ALL             = 0x0000;
inline constexpr UINT CWP_SKIPINVISIBLE   = 0x0001;
inline constexpr UINT CWP_SKIPDISABLED    = 0x0002;
inline constexpr UINT CWP_SKIPTRANSPARENT = 0x0004;

inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);
// clang-format on

// SetWindowPos insert-after values.
inline const HWND HWND_TOP = reinterpret_cast<HWND>(0);
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(-3);
