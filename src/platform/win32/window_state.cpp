// Visibility, enabled state, text and geometry of a window.
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <cstring>

using namespace win32;
using namespace win32::detail;

namespace {

bool IsShowCommand(int cmd) {
    return cmd != SW_HIDE;
}

bool ActivatesOnShow(int cmd) {
    return cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINNOACTIVE &&
           cmd != SW_MINIMIZE && cmd != SW_HIDE;
}

void SendSize(HWND hwnd) {
    Window* w = Find(hwnd);
    if (w == nullptr) {
        return;
    }
    SIZE size = ClientSize(*w);
    WPARAM kind = (w->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                  : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                             : SIZE_RESTORED;
    Deliver(hwnd, WM_SIZE, kind,
            MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
}

// Hiding: the focus leaves the window, activation moves on, the capture is released.
void AfterHide(HWND hwnd) {
    if (S().capture != nullptr && IsDescendant(hwnd, S().capture)) {
        ReleaseCapture();
    }
    MoveFocusOutOf(hwnd);
    Window* w = Find(hwnd);
    if (w != nullptr && !w->IsChild() && S().active == hwnd) {
        ActivateOtherThan(hwnd);
    }
}

} // namespace

namespace win32::detail {

void MoveFocusOutOf(HWND hwnd) {
    auto& s = S();
    if (s.focus == nullptr || !IsDescendant(hwnd, s.focus)) {
        return;
    }
    Window* w = Find(hwnd);
    // A child hands the focus to its parent; a top-level window's focus goes with its
    // activation.
    if (w != nullptr && w->IsChild() && Find(w->parent) != nullptr) {
        SetFocus(w->parent);
    } else {
        SetFocus(nullptr);
    }
}

} // namespace win32::detail

BOOL ShowWindow(HWND hwnd, int cmdShow) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (!IsShowCommand(cmdShow)) {
        if (!wasVisible) {
            return FALSE;
        }
        Deliver(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if ((w = Find(hwnd)) == nullptr) {
            return TRUE;
        }
        w->style &= ~WS_VISIBLE;
        AfterHide(hwnd);
        return TRUE;
    }

    DWORD sizeState = w->style & (WS_MINIMIZE | WS_MAXIMIZE);
    DWORD wanted = sizeState;
    switch (cmdShow) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        wanted = WS_MINIMIZE;
        break;
    case SW_SHOWMAXIMIZED:
        wanted = WS_MAXIMIZE;
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        wanted = 0;
        break;
    default:
        break;
    }
    if (!wasVisible) {
        Deliver(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if ((w = Find(hwnd)) == nullptr) {
            return FALSE;
        }
        w->style |= WS_VISIBLE;
        Invalidate(*w, nullptr, true);
    }
    if (wanted != sizeState) {
        w->style = (w->style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | wanted;
        Invalidate(*w, nullptr, true);
        SendSize(hwnd);
        if ((w = Find(hwnd)) == nullptr) {
            return wasVisible ? TRUE : FALSE;
        }
    }
    if (!w->IsChild() && ActivatesOnShow(cmdShow)) {
        SetActiveWindow(hwnd);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = Find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    for (; w != nullptr; w = w->IsChild() ? Find(w->parent) : nullptr) {
        if ((w->style & WS_VISIBLE) == 0) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) {
        return wasDisabled ? TRUE : FALSE;
    }
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        // A disabled window takes no input: it loses the focus and the capture.
        if (S().capture != nullptr && IsDescendant(hwnd, S().capture)) {
            ReleaseCapture();
        }
        if (S().focus != nullptr && IsDescendant(hwnd, S().focus)) {
            SetFocus(nullptr);
        }
    }
    if ((w = Find(hwnd)) != nullptr) {
        Invalidate(*w, nullptr, true);
        Deliver(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = Find(hwnd);
    return w != nullptr && (w->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* w = Find(hwnd);
    return w != nullptr && (w->style & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = Find(hwnd);
    return w != nullptr && (w->style & WS_MAXIMIZE) != 0 ? TRUE : FALSE;
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
    if (FindOrFail(hwnd) == nullptr) {
        return FALSE;
    }
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int maxCount) {
    if (FindOrFail(hwnd) == nullptr || buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                        reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (FindOrFail(hwnd) == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    if (!w->IsChild()) {
        *rect = w->rect;
        return TRUE;
    }
    POINT origin{0, 0};
    if (Window* p = Find(w->parent)) {
        origin = ClientOriginOnScreen(*p);
    }
    *rect = w->rect;
    OffsetRect(rect, origin.x, origin.y);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    SIZE size = ClientSize(*w);
    *rect = {0, 0, size.cx, size.cy};
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || hwnd == S().desktop) {
        return FALSE;
    }
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        pos.x = w->rect.left;
        pos.y = w->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = w->rect.right - w->rect.left;
        pos.cy = w->rect.bottom - w->rect.top;
    }
    if ((flags & SWP_NOSENDCHANGING) == 0) {
        Deliver(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if ((w = Find(hwnd)) == nullptr) {
            return FALSE;
        }
    }
    RECT old = w->rect;
    RECT now{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    UINT changed = pos.flags;
    if (now.left == old.left && now.top == old.top) {
        changed |= SWP_NOMOVE;
    }
    if (now.right - now.left == old.right - old.left &&
        now.bottom - now.top == old.bottom - old.top) {
        changed |= SWP_NOSIZE;
    }
    w->rect = now;
    ResizeCanvas(*w);

    if ((pos.flags & SWP_NOZORDER) == 0) {
        std::vector<HWND>& list = w->IsChild() ? Find(w->parent)->children : S().topLevels;
        std::erase(list, hwnd);
        // Children are listed from the top; top-level windows from the bottom.
        bool fromTop = w->IsChild();
        auto atTop = [&] {
            if (fromTop) {
                list.insert(list.begin(), hwnd);
            } else {
                list.push_back(hwnd);
            }
        };
        HWND after = pos.hwndInsertAfter;
        if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
            atTop();
        } else if (after == HWND_BOTTOM) {
            if (fromTop) {
                list.push_back(hwnd);
            } else {
                list.insert(list.begin(), hwnd);
            }
        } else {
            auto it = std::find(list.begin(), list.end(), after);
            if (it == list.end()) {
                atTop();
            } else {
                list.insert(fromTop ? it + 1 : it, hwnd); // just below `after`
            }
        }
    }
    bool hidden = false;
    if ((pos.flags & SWP_SHOWWINDOW) != 0 && (w->style & WS_VISIBLE) == 0) {
        w->style |= WS_VISIBLE;
        Invalidate(*w, nullptr, true);
    } else if ((pos.flags & SWP_HIDEWINDOW) != 0 && (w->style & WS_VISIBLE) != 0) {
        w->style &= ~WS_VISIBLE;
        hidden = true;
    }
    if ((pos.flags & (SWP_NOREDRAW)) == 0 && (changed & SWP_NOSIZE) == 0) {
        Invalidate(*w, nullptr, true);
    }
    pos.flags = changed;
    Deliver(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (hidden) {
        AfterHide(hwnd);
    }
    if ((w = Find(hwnd)) != nullptr && !w->IsChild() && (pos.flags & SWP_NOACTIVATE) == 0 &&
        (w->style & WS_VISIBLE) != 0) {
        SetActiveWindow(hwnd);
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = ClientOriginOnScreen(*w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = ClientOriginOnScreen(*w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a{0, 0};
    POINT b{0, 0};
    if (from != nullptr && from != S().desktop) {
        Window* w = FindOrFail(from);
        if (w == nullptr) {
            return 0;
        }
        a = ClientOriginOnScreen(*w);
    }
    if (to != nullptr && to != S().desktop) {
        Window* w = FindOrFail(to);
        if (w == nullptr) {
            return 0;
        }
        b = ClientOriginOnScreen(*w);
    }
    LONG dx = a.x - b.x;
    LONG dy = a.y - b.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD exStyle) {
    if (rect == nullptr) {
        return FALSE;
    }
    RECT nc = NonClientInsets(style, exStyle);
    rect->left -= nc.left;
    rect->top -= nc.top;
    rect->right += nc.right;
    rect->bottom += nc.bottom;
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}

namespace {

HWND ChildAt(HWND parent, POINT clientPoint, UINT skip) {
    Window* w = Find(parent);
    if (w == nullptr) {
        return nullptr;
    }
    for (HWND c : w->children) {
        Window* cw = Find(c);
        if (cw == nullptr) {
            continue;
        }
        if ((skip & CWP_SKIPINVISIBLE) && (cw->style & WS_VISIBLE) == 0) {
            continue;
        }
        if ((skip & CWP_SKIPDISABLED) && (cw->style & WS_DISABLED) != 0) {
            continue;
        }
        if ((skip & CWP_SKIPTRANSPARENT) && (cw->exStyle & WS_EX_TRANSPARENT) != 0) {
            continue;
        }
        if (PtInRect(&cw->rect, clientPoint)) {
            return c;
        }
    }
    return nullptr;
}

} // namespace

HWND ChildWindowFromPointEx(HWND parent, POINT clientPoint, UINT flags) {
    Window* w = FindOrFail(parent);
    if (w == nullptr) {
        return nullptr;
    }
    SIZE size = ClientSize(*w);
    RECT client{0, 0, size.cx, size.cy};
    if (!PtInRect(&client, clientPoint)) {
        return nullptr;
    }
    HWND child = ChildAt(parent, clientPoint, flags);
    return child ? child : parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
    return ChildWindowFromPointEx(parent, clientPoint, CWP_ALL);
}

HWND WindowFromPoint(POINT screenPoint) {
    auto& tops = S().topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* w = Find(*it);
        if (w == nullptr || (w->style & WS_VISIBLE) == 0 || !PtInRect(&w->rect, screenPoint)) {
            continue;
        }
        HWND hit = *it;
        // Down to the deepest visible child; a disabled child leaves the hit on its parent.
        while (true) {
            Window* hw = Find(hit);
            POINT origin = ClientOriginOnScreen(*hw);
            POINT local{screenPoint.x - origin.x, screenPoint.y - origin.y};
            HWND child = ChildAt(hit, local, CWP_SKIPINVISIBLE);
            if (child == nullptr || (Find(child)->style & WS_DISABLED) != 0) {
                break;
            }
            hit = child;
        }
        return hit;
    }
    return GetDesktopWindow();
}
