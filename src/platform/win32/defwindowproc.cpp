// The default window procedure: what a window does with a message its class leaves alone.
#include "platform/win32/gdi.h"
#include "platform/win32/menu.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <cstring>

using namespace win32::detail;

namespace {

LRESULT SetText(HWND hwnd, LPCSTR text) {
    Window* w = Find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    w->text = (text != nullptr && !IS_INTRESOURCE(text)) ? text : "";
    if (!w->IsChild()) {
        Invalidate(*w, nullptr, false); // the caption shows it
    }
    return TRUE;
}

void ShowSystemMenu(HWND hwnd) {
    HWND top = TopLevelOf(hwnd);
    HMENU menu = GetSystemMenu(top, FALSE);
    if (menu == nullptr) {
        return;
    }
    SendMessage(top, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    RECT r{};
    GetWindowRect(top, &r);
    UINT_PTR id = static_cast<UINT_PTR>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, r.left, r.top, 0, top, nullptr));
    if (id != 0) {
        PostMessage(top, WM_SYSCOMMAND, id, 0);
    }
}

LRESULT SysCommand(HWND hwnd, WPARAM wParam, LPARAM) {
    switch (static_cast<UINT>(wParam) & 0xFFF0) {
    case SC_CLOSE:
        return SendMessage(hwnd, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_KEYMENU:
    case SC_MOUSEMENU:
        ShowSystemMenu(hwnd);
        return 0;
    default:
        return 0;
    }
}

HBRUSH ClassBackground(HWND hwnd) {
    Window* w = Find(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    if (w->cls->background != nullptr) {
        return w->cls->background;
    }
    return w->dialog ? GetSysColorBrush(COLOR_BTNFACE) : nullptr;
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return 0;
    }
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs != nullptr) {
            SetText(hwnd, cs->lpszName);
        }
        return TRUE;
    }
    case WM_SETTEXT:
        return SetText(hwnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<char*>(lParam);
        if (buffer == nullptr || wParam == 0) {
            return 0;
        }
        size_t n = std::min<size_t>(w->text.size(), wParam - 1);
        std::memcpy(buffer, w->text.data(), n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = ClassBackground(hwnd);
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 brush ? brush : GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    case WM_ICONERASEBKGND:
        return 1;
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? w->bigIcon : w->smallIcon;
        HICON old = slot;
        slot = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
        if (wParam == ICON_BIG) {
            return reinterpret_cast<LRESULT>(w->bigIcon);
        }
        if (wParam == ICON_SMALL2 && w->smallIcon == nullptr) {
            return reinterpret_cast<LRESULT>(w->bigIcon);
        }
        return reinterpret_cast<LRESULT>(w->smallIcon);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(w->cls->icon);
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, wParam, lParam);
    case WM_SYSCHAR:
        if (wParam == ' ') {
            SendMessage(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (GetKeyState(static_cast<int>(VK_MENU)) & 0x8000) != 0) {
            SendMessage(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (pos == nullptr) {
            return 0;
        }
        UINT flags = pos->flags;
        if ((flags & SWP_NOMOVE) == 0) {
            Deliver(hwnd, WM_MOVE, 0,
                    MAKELPARAM(static_cast<WORD>(pos->x), static_cast<WORD>(pos->y)));
        }
        if ((flags & SWP_NOSIZE) == 0 && Find(hwnd) != nullptr) {
            SIZE size = ClientSize(*Find(hwnd));
            Deliver(hwnd, WM_SIZE, IsIconic(hwnd) ? SIZE_MINIMIZED : SIZE_RESTORED,
                    MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && FocusFollowsActivation(hwnd) &&
            (S().focus == nullptr || !IsDescendant(hwnd, S().focus))) {
            SetFocus(hwnd);
        }
        return 0;
    case WM_CANCELMODE:
        if (S().capture == hwnd) {
            ReleaseCapture();
        }
        return 0;
    case WM_SETREDRAW:
        w->noRedraw = wParam == 0;
        return 0;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        // Passed up until a window handles it.
        if (w->IsChild() && Find(w->parent) != nullptr) {
            return SendMessage(w->parent, msg, wParam, lParam);
        }
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_NOTIFYFORMAT:
        return 1; // NFR_ANSI
    default:
        return 0;
    }
}
