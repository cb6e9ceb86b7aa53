// Window classes, window procedures, creation and destruction, and the questions one asks
// of a window (parent, owner, styles, text, rectangles, visibility, enabled state).
//
// Handles come from an allocator that never reuses a value; a call with a stale or unknown
// handle fails as Win32 fails (0 / FALSE / NULL, GetLastError() ==
// ERROR_INVALID_WINDOW_HANDLE) and never touches freed memory. Everything here is used from
// the one user-interface thread.
//
// Children are kept in z-order from the top, which is creation order: GW_CHILD is the first
// created and GW_HWNDNEXT the next, which is also a dialog's tab order. Where siblings
// overlap, the one nearer the top (created earlier, or moved up with SetWindowPos or
// SetParent) is drawn over the others.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"
#include "platform/win32/messages.h"
#include "platform/win32/styles.h"

using ATOM = WORD;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    LPCSTR lpszMenuName = nullptr;
    LPCSTR lpszClassName = nullptr;
};
using WNDCLASS = WNDCLASSA;
using LPWNDCLASS = WNDCLASS*;

struct CREATESTRUCTA {
    LPVOID lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    LPCSTR lpszName = nullptr; // may be an integer resource (MAKEINTRESOURCE), e.g. an icon
    LPCSTR lpszClass = nullptr;
    DWORD dwExStyle = 0;
};
using CREATESTRUCT = CREATESTRUCTA;
using LPCREATESTRUCT = CREATESTRUCT*;

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};
using LPWINDOWPOS = WINDOWPOS*;

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

// Classes. Names compare without regard to case, as on Windows.
ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(LPCSTR className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, LPCSTR className, WNDCLASS* wc);
int GetClassName(HWND hwnd, LPSTR buffer, int maxCount);

// Creation and destruction. A child (WS_CHILD) needs a parent; hMenu is its control id. A
// top-level window's hWndParent is its owner.
HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                    LPVOID param);
HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// Procedures.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);

// Family.
HWND GetParent(HWND hwnd); // the parent of a child, the owner of a popup
HWND SetParent(HWND child, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);
HWND GetNextWindow(HWND hwnd, UINT cmd);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDesktopWindow();
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);

// State.
BOOL ShowWindow(HWND hwnd, int cmdShow);   // returns whether it was visible before
BOOL IsWindowVisible(HWND hwnd);           // it and all its parents are visible
BOOL EnableWindow(HWND hwnd, BOOL enable); // returns whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);

// Text (through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH).
BOOL SetWindowText(HWND hwnd, LPCSTR text);
int GetWindowText(HWND hwnd, LPSTR buffer, int maxCount);
int GetWindowTextLength(HWND hwnd);

// Geometry, in pixels. Window rectangles are in screen coordinates.
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu);
HWND WindowFromPoint(POINT screenPoint);
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);
HWND ChildWindowFromPointEx(HWND parent, POINT clientPoint, UINT flags);

// Focus, activation and capture.
HWND SetFocus(HWND hwnd); // WM_KILLFOCUS (wParam: the new focus), then WM_SETFOCUS
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Rectangle helpers of user32.
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL IsRectEmpty(const RECT* rect);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL InflateRect(LPRECT rect, int dx, int dy);
BOOL IntersectRect(LPRECT out, const RECT* a, const RECT* b);
BOOL UnionRect(LPRECT out, const RECT* a, const RECT* b);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL CopyRect(LPRECT out, const RECT* in);

// Integer resources (MAKEINTRESOURCE) name classes, icons, dialogs and strings by number.
inline LPSTR MAKEINTRESOURCE(UINT_PTR id) {
    return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCSTR p) {
    return (reinterpret_cast<ULONG_PTR>(p) >> 16) == 0;
}
