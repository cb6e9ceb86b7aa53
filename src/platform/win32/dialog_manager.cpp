// The dialog manager's keyboard interface: Tab and Shift+Tab through the tab stops, arrows
// within a group, Enter to the default push button, Escape to Cancel.
#include "platform/win32/desktop.h"
#include "platform/win32/dialog.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <vector>

using namespace win32;
using namespace win32::detail;

namespace {

bool Usable(HWND control) {
    Window* w = Find(control);
    return w != nullptr && (w->style & WS_VISIBLE) != 0 && (w->style & WS_DISABLED) == 0;
}

bool IsTabStop(HWND control) {
    Window* w = Find(control);
    return Usable(control) && (w->style & WS_TABSTOP) != 0;
}

// The direct child of the dialog that holds hwnd.
HWND DirectChild(HWND dialog, HWND hwnd) {
    for (Window* w = Find(hwnd); w != nullptr && w->IsChild(); w = Find(w->parent)) {
        if (w->parent == dialog) {
            return w->hwnd;
        }
    }
    return nullptr;
}

std::vector<HWND> Controls(HWND dialog) {
    Window* w = Find(dialog);
    return w ? w->children : std::vector<HWND>{};
}

// Walks the controls cyclically from start (exclusive) and returns the first accepted one,
// or start itself when no other is.
template <typename Accept>
HWND Cycle(const std::vector<HWND>& controls, HWND start, bool previous, Accept accept) {
    if (controls.empty()) {
        return nullptr;
    }
    auto n = static_cast<long>(controls.size());
    auto found = std::find(controls.begin(), controls.end(), start);
    // Without a start, a forward walk begins after the last control, a backward one before
    // the first.
    long at = found == controls.end() ? (previous ? 0 : n - 1) : found - controls.begin();
    for (long step = 1; step <= n; ++step) {
        long i = ((at + (previous ? -step : step)) % n + n) % n;
        if (controls[static_cast<size_t>(i)] == start) {
            break;
        }
        if (accept(controls[static_cast<size_t>(i)])) {
            return controls[static_cast<size_t>(i)];
        }
    }
    return found == controls.end() ? nullptr : start;
}

LRESULT DialogCode(HWND control, MSG* msg) {
    return SendMessage(control, WM_GETDLGCODE, msg ? msg->wParam : 0,
                       reinterpret_cast<LPARAM>(msg));
}

void Click(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control != nullptr && !IsWindowEnabled(control)) {
        MessageBeep(0); // a disabled button cannot be pressed from the keyboard either
        return;
    }
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(control));
}

bool ShiftDown() {
    return (GetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000) != 0;
}

} // namespace

namespace win32::detail {

HWND FirstTabStop(HWND dialog) {
    for (HWND c : Controls(dialog)) {
        if (IsTabStop(c)) {
            return c;
        }
    }
    return nullptr;
}

// Moves the focus the way the dialog manager does: selects an edit's text and lets a push
// button that takes the focus look like the default one.
void DlgSetFocus(HWND dialog, HWND control) {
    LRESULT code = SendMessage(control, WM_GETDLGCODE, 0, 0);
    SetFocus(control);
    if (GetFocus() != control) {
        return;
    }
    if (code & DLGC_HASSETSEL) {
        SendMessage(control, EM_SETSEL, 0, -1);
    }
    bool pushButton = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
    LRESULT def = SendMessage(dialog, DM_GETDEFID, 0, 0);
    HWND defButton = HIWORD(static_cast<DWORD_PTR>(def)) == DC_HASDEFID
                         ? GetDlgItem(dialog, LOWORD(def))
                         : nullptr;
    HWND wanted = pushButton ? control : defButton;
    for (HWND c : Controls(dialog)) {
        LRESULT cc = SendMessage(c, WM_GETDLGCODE, 0, 0);
        if (c == wanted && (cc & DLGC_UNDEFPUSHBUTTON)) {
            SendMessage(c, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        } else if (c != wanted && (cc & DLGC_DEFPUSHBUTTON)) {
            SendMessage(c, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
    }
}

} // namespace win32::detail

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (FindOrFail(dialog) == nullptr) {
        return nullptr;
    }
    HWND start = control ? DirectChild(dialog, control) : nullptr;
    return Cycle(Controls(dialog), start, previous != FALSE, IsTabStop);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (FindOrFail(dialog) == nullptr) {
        return nullptr;
    }
    std::vector<HWND> all = Controls(dialog);
    HWND start = control ? DirectChild(dialog, control) : nullptr;
    auto at = std::find(all.begin(), all.end(), start);
    if (at == all.end()) {
        return Cycle(all, nullptr, previous != FALSE, Usable);
    }
    // The group runs from the WS_GROUP control at or before the start to the next one.
    auto first = at;
    while (first != all.begin() && (GetWindowLongPtr(*first, GWL_STYLE) & WS_GROUP) == 0) {
        --first;
    }
    auto last = at + 1;
    while (last != all.end() && (GetWindowLongPtr(*last, GWL_STYLE) & WS_GROUP) == 0) {
        ++last;
    }
    return Cycle(std::vector<HWND>(first, last), start, previous != FALSE, Usable);
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg) {
    if (msg == nullptr || FindOrFail(dialog) == nullptr) {
        return FALSE;
    }
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) {
        return FALSE;
    }
    if (msg->message == WM_KEYDOWN) {
        LRESULT code = DialogCode(msg->hwnd, msg);
        if (!Find(dialog)) {
            return TRUE;
        }
        bool wantsAll = (code & DLGC_WANTALLKEYS) != 0;
        HWND focus = GetFocus();
        switch (msg->wParam) {
        case VK_TAB:
            if (wantsAll || (code & DLGC_WANTTAB)) {
                break;
            }
            if (HWND next = GetNextDlgTabItem(dialog, focus, ShiftDown() ? TRUE : FALSE)) {
                DlgSetFocus(dialog, next);
            }
            return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (wantsAll || (code & DLGC_WANTARROWS)) {
                break;
            }
            bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
            HWND next = GetNextDlgGroupItem(dialog, focus, back ? TRUE : FALSE);
            if (next != nullptr && next != focus) {
                DlgSetFocus(dialog, next);
                if (SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
                    SendMessage(next, BM_CLICK, 0, 0);
                }
            }
            return TRUE;
        }
        case VK_RETURN: {
            if (wantsAll) {
                break;
            }
            int id = IDOK;
            LRESULT focusCode = focus && IsChild(dialog, focus) ? DialogCode(focus, nullptr) : 0;
            if (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
                id = GetDlgCtrlID(focus);
            } else {
                LRESULT def = SendMessage(dialog, DM_GETDEFID, 0, 0);
                if (HIWORD(static_cast<DWORD_PTR>(def)) == DC_HASDEFID) {
                    id = LOWORD(def);
                }
            }
            Click(dialog, id);
            return TRUE;
        }
        case VK_ESCAPE:
            if (wantsAll) {
                break;
            }
            Click(dialog, IDCANCEL);
            return TRUE;
        default:
            break;
        }
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}
