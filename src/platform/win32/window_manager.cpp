#include "platform/win32/window_manager.h"

#include "platform/win32/dialog.h"
#include "platform/win32/geometry.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

thread_local DWORD t_lastError = 0;

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

LRESULT DesktopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        return 0; // the desktop stays
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

DWORD GetLastError() {
    return t_lastError;
}
void SetLastError(DWORD error) {
    t_lastError = error;
}

DWORD GetCurrentThreadId() {
    static std::atomic<DWORD> next{1};
    thread_local DWORD id = next++;
    return id;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    long long product = static_cast<long long>(number) * numerator;
    long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    bool negative = (product < 0) != (denominator < 0);
    long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    long long result = negative ? -magnitude : magnitude;
    if (result > 0x7FFFFFFF || result < -0x7FFFFFFFLL - 1) {
        return -1;
    }
    return static_cast<int>(result);
}

namespace win32::detail {

State& S() {
    static State state;
    return state;
}

std::uintptr_t NewHandleValue() {
    // Never reused, so a stale handle can only miss. Starts above the small values that name
    // system colour brushes and the HWND_* constants.
    static std::uintptr_t next = 0x10000;
    next += 4;
    return next;
}

Window* Find(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    auto& windows = S().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second.get();
}

Window* FindOrFail(HWND hwnd) {
    Window* w = Find(hwnd);
    if (w == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    }
    return w;
}

WindowClass* FindClass(LPCSTR name) {
    EnsureSystemClasses();
    if (name == nullptr) {
        return nullptr;
    }
    for (auto& c : S().classes) {
        if (IS_INTRESOURCE(name) ? c->atom == reinterpret_cast<ULONG_PTR>(name)
                                 : SameName(c->name, name)) {
            return c.get();
        }
    }
    return nullptr;
}

void EnsureSystemClasses() {
    auto& s = S();
    if (!s.classes.empty()) {
        return;
    }
    auto add = [&](const char* name, WNDPROC proc, int extra) {
        auto c = std::make_unique<WindowClass>();
        c->name = name;
        c->atom = s.nextAtom++;
        c->proc = proc;
        c->windowExtra = extra;
        c->style = CS_DBLCLKS;
        c->system = true;
        s.classes.push_back(std::move(c));
    };
    add(WC_DIALOG, DefDlgProc, DLGWINDOWEXTRA);
    add("#32769", DesktopProc, 0);
}

LRESULT Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return 0;
    }
    WNDPROC proc = w->proc;
    RunCallWndProcHooks(hwnd, msg, wParam, lParam);
    LRESULT result = proc ? proc(hwnd, msg, wParam, lParam) : 0;
    // The procedure may have destroyed the window: only the handle value is used from here.
    RunCallWndProcRetHooks(result, hwnd, msg, wParam, lParam);
    return result;
}

HWND TopLevelOf(HWND hwnd) {
    Window* w = Find(hwnd);
    while (w != nullptr && w->IsChild()) {
        Window* p = Find(w->parent);
        if (p == nullptr) {
            break;
        }
        w = p;
    }
    return w ? w->hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
    for (Window* w = Find(hwnd); w != nullptr; w = w->IsChild() ? Find(w->parent) : nullptr) {
        if (w->hwnd == ancestor) {
            return true;
        }
    }
    return false;
}

RECT NonClientInsets(DWORD style, DWORD exStyle) {
    if ((style & WS_CHILD) != 0) {
        return {};
    }
    bool framed = (style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0 ||
                  (exStyle & WS_EX_DLGMODALFRAME) != 0;
    if (!framed) {
        return {};
    }
    return {kFrameWidth, kCaptionHeight, kFrameWidth, kFrameBottom};
}

POINT ClientOriginOnScreen(const Window& w) {
    if (!w.IsChild()) {
        RECT nc = NonClientInsets(w.style, w.exStyle);
        return {w.rect.left + nc.left, w.rect.top + nc.top};
    }
    POINT origin{w.rect.left, w.rect.top};
    if (Window* p = Find(w.parent)) {
        POINT po = ClientOriginOnScreen(*p);
        origin.x += po.x;
        origin.y += po.y;
    }
    return origin;
}

SIZE ClientSize(const Window& w) {
    RECT nc = NonClientInsets(w.style, w.exStyle);
    LONG cx = (w.rect.right - w.rect.left) - nc.left - nc.right;
    LONG cy = (w.rect.bottom - w.rect.top) - nc.top - nc.bottom;
    return {std::max<LONG>(cx, 0), std::max<LONG>(cy, 0)};
}

void ResizeCanvas(Window& w) {
    SIZE size = ClientSize(w);
    int cols = size.cx / kCellWidth;
    int rows = size.cy / kCellHeight;
    if (cols != w.canvas.Width() || rows != w.canvas.Height()) {
        w.canvas.Resize(cols, rows);
        Invalidate(w, nullptr, true);
    }
}

void Invalidate(Window& w, const RECT* rect, bool erase) {
    SIZE size = ClientSize(w);
    RECT all{0, 0, size.cx, size.cy};
    RECT r = rect ? *rect : all;
    IntersectRect(&r, &r, &all);
    if (w.needsPaint && !IsRectEmpty(&w.update)) {
        UnionRect(&w.update, &w.update, &r);
    } else if (!IsRectEmpty(&r)) {
        w.update = r;
    } else if (!w.needsPaint) {
        return;
    }
    w.needsPaint = true;
    w.needsErase = w.needsErase || erase;
}

DWORD ClassStyleOf(HWND hwnd) {
    Window* w = Find(hwnd);
    return w && w->cls ? w->cls->style : 0;
}

} // namespace win32::detail

using namespace win32::detail;

ATOM RegisterClass(const WNDCLASS* wc) {
    if (wc == nullptr || wc->lpszClassName == nullptr || wc->lpfnWndProc == nullptr ||
        IS_INTRESOURCE(wc->lpszClassName) || wc->cbWndExtra < 0 || wc->cbClsExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (FindClass(wc->lpszClassName) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto c = std::make_unique<WindowClass>();
    c->name = wc->lpszClassName;
    c->atom = S().nextAtom++;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->classExtra = wc->cbClsExtra;
    c->windowExtra = wc->cbWndExtra;
    c->instance = wc->hInstance;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    ATOM atom = c->atom;
    S().classes.push_back(std::move(c));
    return atom;
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE) {
    WindowClass* c = FindClass(className);
    if (c == nullptr || c->system) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (c->windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    auto& classes = S().classes;
    classes.erase(
        std::find_if(classes.begin(), classes.end(), [c](const auto& p) { return p.get() == c; }));
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR className, WNDCLASS* wc) {
    WindowClass* c = FindClass(className);
    if (c == nullptr || wc == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->classExtra;
    wc->cbWndExtra = c->windowExtra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = c->name.c_str();
    return TRUE;
}

int GetClassName(HWND hwnd, LPSTR buffer, int maxCount) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    const std::string& name = w->cls->name;
    int n = std::min<int>(static_cast<int>(name.size()), maxCount - 1);
    std::memcpy(buffer, name.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}
