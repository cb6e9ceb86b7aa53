// Keyboard focus, activation of top-level windows, and mouse capture.
#include "platform/win32/window_manager.h"

#include <algorithm>

using namespace win32::detail;

namespace win32::detail {

void BringToTop(HWND hwnd) {
    auto& tops = S().topLevels;
    if (std::find(tops.begin(), tops.end(), hwnd) == tops.end()) {
        return;
    }
    std::erase(tops, hwnd);
    tops.push_back(hwnd);
    // Windows it owns stay above it (message boxes and dialogs above their owners).
    std::vector<HWND> owned;
    for (HWND t : tops) {
        if (Window* w = Find(t); w && w->owner == hwnd) {
            owned.push_back(t);
        }
    }
    for (HWND o : owned) {
        BringToTop(o);
    }
}

void ActivateOtherThan(HWND hwnd) {
    auto& s = S();
    if (s.active != hwnd && s.active != nullptr) {
        return;
    }
    auto usable = [&](HWND h) {
        Window* w = Find(h);
        return w != nullptr && h != hwnd && !w->destroying && (w->style & WS_VISIBLE) != 0 &&
               (w->style & WS_DISABLED) == 0 && !IsDescendant(hwnd, h);
    };
    HWND next = nullptr;
    if (Window* w = Find(hwnd); w && usable(w->owner)) {
        next = w->owner;
    } else {
        for (auto it = s.topLevels.rbegin(); it != s.topLevels.rend(); ++it) {
            if (usable(*it) && *it != s.desktop) {
                next = *it;
                break;
            }
        }
    }
    if (next != nullptr) {
        SetActiveWindow(next);
        return;
    }
    HWND old = s.active;
    s.active = nullptr;
    if (old != nullptr) {
        Deliver(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0), 0);
    }
    if (s.focus != nullptr && IsDescendant(hwnd, s.focus)) {
        SetFocus(nullptr);
    }
}

bool FocusFollowsActivation(HWND hwnd) {
    HWND pending = S().focusAfterActivation;
    return pending == nullptr || TopLevelOf(pending) != hwnd;
}

} // namespace win32::detail

HWND SetFocus(HWND hwnd) {
    auto& s = S();
    HWND old = s.focus;
    if (hwnd == nullptr) {
        if (old != nullptr) {
            s.focus = nullptr;
            Deliver(old, WM_KILLFOCUS, 0, 0);
        }
        return old;
    }
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    if (hwnd == old) {
        return old;
    }
    HWND top = TopLevelOf(hwnd);
    if (top != s.active) {
        HWND before = s.focusAfterActivation;
        s.focusAfterActivation = hwnd;
        SetActiveWindow(top);
        s.focusAfterActivation = before;
        if (Find(hwnd) == nullptr) {
            return nullptr;
        }
        old = s.focus;
        if (hwnd == old) {
            return old;
        }
    }
    // The new focus is in place before WM_KILLFOCUS, so whatever the losing window does
    // (an editor hiding itself) does not move it again.
    s.focus = hwnd;
    if (old != nullptr) {
        Deliver(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    if (s.focus == hwnd && Find(hwnd) != nullptr) {
        Deliver(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(Find(old) ? old : nullptr), 0);
    }
    return Find(old) ? old : nullptr;
}

HWND GetFocus() {
    return S().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    auto& s = S();
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    hwnd = TopLevelOf(hwnd);
    HWND old = s.active;
    if (hwnd == old) {
        BringToTop(hwnd);
        return old;
    }
    s.active = hwnd;
    BringToTop(hwnd);
    if (old != nullptr && Find(old) != nullptr) {
        Deliver(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0),
                reinterpret_cast<LPARAM>(hwnd));
    }
    if (s.active == hwnd && Find(hwnd) != nullptr) {
        Deliver(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(hwnd) ? 1 : 0),
                reinterpret_cast<LPARAM>(Find(old) ? old : nullptr));
    }
    return Find(old) ? old : nullptr;
}

HWND GetActiveWindow() {
    return S().active;
}
HWND GetForegroundWindow() {
    return S().active;
}
BOOL SetForegroundWindow(HWND hwnd) {
    return SetActiveWindow(hwnd) != nullptr || S().active == hwnd;
}

HWND SetCapture(HWND hwnd) {
    auto& s = S();
    if (FindOrFail(hwnd) == nullptr) {
        return nullptr;
    }
    HWND old = s.capture;
    s.capture = hwnd;
    if (old != nullptr && old != hwnd) {
        Deliver(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    return old;
}

BOOL ReleaseCapture() {
    auto& s = S();
    HWND old = s.capture;
    s.capture = nullptr;
    if (old != nullptr) {
        Deliver(old, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() {
    return S().capture;
}
