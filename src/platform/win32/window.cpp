// Creation, destruction and the family of a window.
#include "platform/win32/common_controls.h"
#include "platform/win32/desktop.h"
#include "platform/win32/hook.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <cstring>

using namespace win32;
using namespace win32::detail;

namespace win32::detail {
bool RegisterStandardClassesOnce();
}

namespace {

void Unlink(Window& w) {
    auto& s = S();
    if (w.IsChild()) {
        if (Window* p = Find(w.parent)) {
            std::erase(p->children, w.hwnd);
        }
    } else {
        std::erase(s.topLevels, w.hwnd);
    }
}

// The window and its subtree: WM_DESTROY top-down, WM_NCDESTROY bottom-up, then freed.
void SendDestroyMessages(HWND hwnd) {
    if (Window* self = Find(hwnd)) {
        self->destroyMessagesSent = true;
    }
    Deliver(hwnd, WM_DESTROY, 0, 0);
    while (true) {
        Window* w = Find(hwnd);
        if (w == nullptr) {
            return;
        }
        auto next = std::find_if(w->children.begin(), w->children.end(), [](HWND c) {
            Window* cw = Find(c);
            return cw != nullptr && !cw->destroyMessagesSent;
        });
        if (next == w->children.end()) {
            break;
        }
        HWND child = *next;
        if (Window* cw = Find(child)) {
            cw->destroying = true;
        }
        SendDestroyMessages(child);
    }
    Deliver(hwnd, WM_NCDESTROY, 0, 0);
    Window* w = Find(hwnd);
    if (w == nullptr) {
        return;
    }
    auto& s = S();
    if (s.focus == hwnd) {
        s.focus = nullptr;
    }
    if (s.active == hwnd) {
        s.active = nullptr;
    }
    if (s.capture == hwnd) {
        s.capture = nullptr;
    }
    KillWindowTimers(hwnd);
    DestroyWindowMenus(*w);
    Unlink(*w);
    w->cls->windows--;
    s.windows.erase(hwnd);
}

std::vector<HWND> Siblings(const Window& w) {
    if (w.IsChild()) {
        Window* p = Find(w.parent);
        return p ? p->children : std::vector<HWND>{};
    }
    auto& top = S().topLevels;
    return {top.rbegin(), top.rend()}; // from the top
}

} // namespace

BOOL IsWindow(HWND hwnd) {
    return Find(hwnd) != nullptr ? TRUE : FALSE;
}

HWND GetDesktopWindow() {
    auto& s = S();
    if (Find(s.desktop) == nullptr) {
        EnsureSystemClasses();
        auto w = std::make_unique<Window>();
        w->hwnd = NewHandle<HWND>();
        w->cls = FindClass("#32769");
        w->cls->windows++;
        w->proc = w->cls->proc;
        w->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        w->rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        s.desktop = w->hwnd;
        s.windows.emplace(w->hwnd, std::move(w));
    }
    return s.desktop;
}

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                    LPVOID param) {
    auto& s = S();
    WindowClass* cls = FindClass(className);
    if (cls == nullptr && RegisterStandardClassesOnce()) {
        cls = FindClass(className);
    }
    if (cls == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent != nullptr && parent == s.desktop) {
        parent = nullptr;
    }
    if (parent != nullptr && Find(parent) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    bool child = (style & WS_CHILD) != 0;
    if (child && parent == nullptr) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (x == CW_USEDEFAULT) {
        x = child ? 0 : kCellWidth * 2;
        y = child ? 0 : kCellHeight * 2;
    }
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
        height = child ? 0 : GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
    }

    auto owned = std::make_unique<Window>();
    Window& w = *owned;
    w.hwnd = NewHandle<HWND>();
    w.cls = cls;
    w.proc = cls->proc;
    w.style = style & ~WS_VISIBLE;
    w.exStyle = exStyle;
    w.instance = instance;
    w.rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
    w.extra.resize(static_cast<size_t>(std::max(cls->windowExtra, 0)));
    if (child) {
        w.parent = parent;
        w.id = reinterpret_cast<UINT_PTR>(menu);
    } else {
        w.owner = TopLevelOf(parent);
    }
    ResizeCanvas(w);
    Invalidate(w, nullptr, true);
    HWND hwnd = w.hwnd;
    cls->windows++;
    s.windows.emplace(hwnd, std::move(owned));
    if (child) {
        Find(parent)->children.push_back(hwnd);
    } else {
        s.topLevels.push_back(hwnd);
    }

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cy = height;
    cs.cx = width;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    LPARAM csParam = reinterpret_cast<LPARAM>(&cs);

    CBT_CREATEWND cbt{&cs, HWND_TOP};
    if (RunCbtHooks(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                    reinterpret_cast<LPARAM>(&cbt)) != 0) {
        if (Window* refused = Find(hwnd)) {
            Unlink(*refused);
            refused->cls->windows--;
            S().windows.erase(hwnd); // refused before it heard anything
        }
        return nullptr;
    }
    if (Find(hwnd) == nullptr) {
        return nullptr;
    }
    if (Deliver(hwnd, WM_NCCREATE, 0, csParam) == 0) {
        if (Find(hwnd) != nullptr) {
            Find(hwnd)->destroying = true;
            SendDestroyMessages(hwnd);
        }
        return nullptr;
    }
    if (Find(hwnd) == nullptr) {
        return nullptr;
    }
    if (Deliver(hwnd, WM_CREATE, 0, csParam) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Window* created = Find(hwnd);
    if (created == nullptr) {
        return nullptr;
    }
    SIZE size = ClientSize(*created);
    Deliver(hwnd, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
    if ((created = Find(hwnd)) == nullptr) {
        return nullptr;
    }
    Deliver(
        hwnd, WM_MOVE, 0,
        MAKELPARAM(static_cast<WORD>(created->rect.left), static_cast<WORD>(created->rect.top)));
    if (Find(hwnd) == nullptr) {
        return nullptr;
    }
    if (child && (exStyle & WS_EX_NOPARENTNOTIFY) == 0) {
        Deliver(parent, WM_PARENTNOTIFY,
                MAKEWPARAM(static_cast<WORD>(WM_CREATE), static_cast<WORD>(w.id)),
                reinterpret_cast<LPARAM>(hwnd));
    }
    if ((style & WS_VISIBLE) != 0 && Find(hwnd) != nullptr) {
        if (child) {
            Find(hwnd)->style |= WS_VISIBLE;
        } else {
            ShowWindow(hwnd, SW_SHOW);
        }
    }
    return Find(hwnd) ? hwnd : nullptr;
}

HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu,
                          instance, param);
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || hwnd == S().desktop) {
        return FALSE;
    }
    if (w->destroying) {
        return TRUE; // already on its way out
    }
    w->destroying = true;
    RunCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0);
    if ((w = Find(hwnd)) == nullptr) {
        return TRUE;
    }
    bool child = w->IsChild();
    HWND parent = w->parent;
    UINT_PTR id = w->id;
    DWORD exStyle = w->exStyle;

    // Owned windows go first, as on Windows.
    if (!child) {
        std::vector<HWND> owned;
        for (HWND t : S().topLevels) {
            if (Window* tw = Find(t); tw && tw->owner == hwnd) {
                owned.push_back(t);
            }
        }
        for (HWND o : owned) {
            DestroyWindow(o);
        }
    }
    if ((w = Find(hwnd)) == nullptr) {
        return TRUE;
    }
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    w->style &= ~WS_VISIBLE;
    if (S().capture != nullptr && IsDescendant(hwnd, S().capture)) {
        ReleaseCapture();
    }
    MoveFocusOutOf(hwnd);
    if (!child && (wasVisible || S().active == hwnd)) {
        ActivateOtherThan(hwnd);
    }
    if (child && (exStyle & WS_EX_NOPARENTNOTIFY) == 0 && Find(parent) != nullptr) {
        Deliver(parent, WM_PARENTNOTIFY,
                MAKEWPARAM(static_cast<WORD>(WM_DESTROY), static_cast<WORD>(id)),
                reinterpret_cast<LPARAM>(hwnd));
    }
    if (Find(hwnd) != nullptr) {
        SendDestroyMessages(hwnd);
    }
    return TRUE;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (proc == nullptr) {
        return 0;
    }
    return proc(hwnd, msg, wParam, lParam);
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return 0;
    }
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsChild() ? w->parent : w->owner);
    case GWLP_ID:
        return static_cast<LONG_PTR>(w->id);
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    default:
        break;
    }
    if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR value = 0;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return 0;
    }
    LONG_PTR old = 0;
    switch (index) {
    case GWLP_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(w->instance);
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_HWNDPARENT:
        if (w->IsChild()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        old = reinterpret_cast<LONG_PTR>(w->owner);
        w->owner = TopLevelOf(reinterpret_cast<HWND>(value));
        if (w->owner == hwnd) {
            w->owner = nullptr; // a window cannot own itself
        }
        return old;
    case GWLP_ID:
        old = static_cast<LONG_PTR>(w->id);
        w->id = static_cast<UINT_PTR>(value);
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
        old = static_cast<LONG_PTR>(field);
        STYLESTRUCT ss{field, static_cast<DWORD>(value)};
        Deliver(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        if ((w = Find(hwnd)) == nullptr) {
            return old;
        }
        DWORD& again = index == GWL_STYLE ? w->style : w->exStyle;
        // Visibility and the child bit are not changed behind the window system's back.
        DWORD keep = index == GWL_STYLE ? (WS_VISIBLE | WS_CHILD) : 0;
        again = (ss.styleNew & ~keep) | (again & keep);
        ss.styleOld = static_cast<DWORD>(old);
        ResizeCanvas(*w);
        Invalidate(*w, nullptr, true);
        Deliver(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
        return old;
    }
    case GWLP_USERDATA:
        old = w->userData;
        w->userData = value;
        return old;
    default:
        break;
    }
    if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    std::memcpy(&old, w->extra.data() + index, sizeof old);
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
}

LONG GetWindowLong(HWND hwnd, int index) {
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}
LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

HWND GetParent(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    if (w->IsChild()) {
        return w->parent;
    }
    return (w->style & WS_POPUP) != 0 ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
    Window* w = FindOrFail(child);
    if (w == nullptr || child == S().desktop) {
        return nullptr;
    }
    if (newParent == S().desktop) {
        newParent = nullptr;
    }
    if (newParent != nullptr) {
        if (FindOrFail(newParent) == nullptr) {
            return nullptr;
        }
        // A window inside its own subtree would make a loop that every walk up would follow.
        if (IsDescendant(child, newParent)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    }
    HWND old = w->IsChild() ? w->parent : S().desktop;
    Unlink(*w);
    if (newParent != nullptr) {
        w->parent = newParent;
        w->owner = nullptr;
        w->style |= WS_CHILD;
        w->style &= ~WS_POPUP;
        Find(newParent)->children.insert(Find(newParent)->children.begin(), child);
    } else {
        w->parent = nullptr;
        w->style &= ~WS_CHILD;
        S().topLevels.push_back(child);
    }
    Invalidate(*w, nullptr, true);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || hwnd == S().desktop) {
        return nullptr;
    }
    switch (flags) {
    case GA_PARENT:
        return w->IsChild() ? w->parent : GetDesktopWindow();
    case GA_ROOT:
        return TopLevelOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = TopLevelOf(hwnd);
        while (Window* r = Find(root)) {
            if (r->owner == nullptr) {
                break;
            }
            root = r->owner;
        }
        return root;
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    if (hwnd == S().desktop) {
        if (cmd == GW_CHILD) {
            return S().topLevels.empty() ? nullptr : S().topLevels.back();
        }
        return nullptr;
    }
    switch (cmd) {
    case GW_CHILD:
        return w->children.empty() ? nullptr : w->children.front();
    case GW_OWNER:
        return w->IsChild() ? nullptr : w->owner;
    case GW_ENABLEDPOPUP:
        return nullptr;
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
        std::vector<HWND> sibs = Siblings(*w);
        if (sibs.empty()) {
            return nullptr;
        }
        if (cmd == GW_HWNDFIRST) {
            return sibs.front();
        }
        if (cmd == GW_HWNDLAST) {
            return sibs.back();
        }
        auto it = std::find(sibs.begin(), sibs.end(), hwnd);
        if (it == sibs.end()) {
            return nullptr;
        }
        if (cmd == GW_HWNDNEXT) {
            return ++it == sibs.end() ? nullptr : *it;
        }
        return it == sibs.begin() ? nullptr : *--it;
    }
    default:
        SetLastError(ERROR_INVALID_GW_COMMAND);
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD);
}
HWND GetNextWindow(HWND hwnd, UINT cmd) {
    return GetWindow(hwnd, cmd);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    if (parent == nullptr || parent == hwnd || Find(parent) == nullptr) {
        return FALSE;
    }
    return IsDescendant(parent, hwnd) ? TRUE : FALSE;
}

namespace {
bool EnumDescendants(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    Window* w = Find(parent);
    if (w == nullptr) {
        return true;
    }
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        if (Find(c) == nullptr) {
            continue;
        }
        if (!proc(c, lParam) || !EnumDescendants(c, proc, lParam)) {
            return false;
        }
    }
    return true;
}
} // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    if (proc == nullptr) {
        return FALSE;
    }
    if (parent == nullptr || parent == S().desktop) {
        std::vector<HWND> tops(S().topLevels.rbegin(), S().topLevels.rend());
        for (HWND t : tops) {
            if (Find(t) && (!proc(t, lParam) || !EnumDescendants(t, proc, lParam))) {
                break;
            }
        }
        return TRUE;
    }
    if (FindOrFail(parent) == nullptr) {
        return FALSE;
    }
    EnumDescendants(parent, proc, lParam);
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = FindOrFail(dialog);
    if (w == nullptr) {
        return nullptr;
    }
    for (HWND c : w->children) {
        if (Window* cw = Find(c); cw && static_cast<int>(cw->id) == id) {
            return c;
        }
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || !w->IsChild()) {
        return 0;
    }
    return static_cast<int>(w->id);
}
