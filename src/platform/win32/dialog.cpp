// Dialog creation from templates, modal loops, EndDialog and the dialog procedure's defaults.
#include "platform/win32/dialog.h"

#include "platform/win32/desktop.h"
#include "platform/win32/resources.h"
#include "platform/win32/window_manager.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace win32;
using namespace win32::detail;

namespace win32::detail {
void DlgSetFocus(HWND dialog, HWND control);
HWND FirstTabStop(HWND dialog);
} // namespace win32::detail

namespace {

DialogState* StateOf(HWND dialog) {
    Window* w = Find(dialog);
    return w != nullptr && w->dialog ? &*w->dialog : nullptr;
}

// Messages whose answer is the dialog procedure's return value itself, not DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case 0x002E: // WM_VKEYTOITEM
    case 0x002F: // WM_CHARTOITEM
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

void RestoreFocus(HWND dialog) {
    DialogState* d = StateOf(dialog);
    if (d == nullptr) {
        return;
    }
    HWND saved = d->savedFocus;
    if (saved != nullptr && IsChild(dialog, saved) && IsWindowEnabled(saved) &&
        (GetWindowLongPtr(saved, GWL_STYLE) & WS_VISIBLE) != 0) {
        DlgSetFocus(dialog, saved);
        return;
    }
    if (HWND first = FirstTabStop(dialog)) {
        DlgSetFocus(dialog, first);
    } else {
        SetFocus(dialog);
    }
}

void SaveFocus(HWND dialog) {
    DialogState* d = StateOf(dialog);
    HWND focus = GetFocus();
    if (d != nullptr && focus != nullptr && IsChild(dialog, focus)) {
        d->savedFocus = focus;
    }
}

void SetDefaultButtonLook(HWND button, bool isDefault) {
    LRESULT code = SendMessage(button, WM_GETDLGCODE, 0, 0);
    if (isDefault && (code & DLGC_UNDEFPUSHBUTTON)) {
        SendMessage(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    } else if (!isDefault && (code & DLGC_DEFPUSHBUTTON)) {
        SendMessage(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
}

LRESULT DefaultDialogProcessing(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogState* d = StateOf(dialog);
    if (d == nullptr) {
        return DefWindowProc(dialog, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case DM_GETDEFID:
        return d->hasDefId ? MAKELRESULT(static_cast<WORD>(d->defId), DC_HASDEFID) : 0;
    case DM_SETDEFID: {
        int old = d->hasDefId ? d->defId : 0;
        d->defId = static_cast<int>(wParam);
        d->hasDefId = true;
        HWND focus = GetFocus();
        bool focusOnButton =
            focus != nullptr && IsChild(dialog, focus) &&
            (SendMessage(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
        if (!focusOnButton) {
            if (HWND oldButton = old ? GetDlgItem(dialog, old) : nullptr) {
                SetDefaultButtonLook(oldButton, false);
            }
            if (HWND newButton = GetDlgItem(dialog, static_cast<int>(wParam))) {
                SetDefaultButtonLook(newButton, true);
            }
        }
        return TRUE;
    }
    case WM_NEXTDLGCTL: {
        HWND target = nullptr;
        if (LOWORD(lParam) != 0) {
            target = reinterpret_cast<HWND>(wParam);
        } else {
            target = GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
        }
        if (target != nullptr && IsChild(dialog, target)) {
            DlgSetFocus(dialog, target);
        }
        return 0;
    }
    case WM_CLOSE: {
        // The close command is the cancel command; a disabled Cancel button refuses it.
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (cancel != nullptr && !IsWindowEnabled(cancel)) {
            MessageBeep(0);
            return 0;
        }
        PostMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            SaveFocus(dialog);
        } else if (FocusFollowsActivation(dialog)) {
            RestoreFocus(dialog);
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(dialog);
        return 0;
    case WM_SHOWWINDOW:
        if (wParam == FALSE) {
            SaveFocus(dialog);
        }
        return DefWindowProc(dialog, msg, wParam, lParam);
    default:
        return DefWindowProc(dialog, msg, wParam, lParam);
    }
}

POINT DialogPosition(const DLGTEMPLATE& t, HWND owner, SIZE windowSize) {
    POINT p{MulDiv(t.x, kDialogBaseUnitX, 4), MulDiv(t.y, kDialogBaseUnitY, 8)};
    if ((t.style & WS_CHILD) != 0) {
        return p;
    }
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) {
        GetWindowRect(owner, &area);
    }
    if ((t.style & DS_CENTER) != 0) {
        return {area.left + ((area.right - area.left) - windowSize.cx) / 2,
                area.top + ((area.bottom - area.top) - windowSize.cy) / 2};
    }
    if ((t.style & DS_ABSALIGN) == 0 && owner != nullptr) {
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        p.x += origin.x;
        p.y += origin.y;
    }
    return p;
}

} // namespace

namespace win32 {
bool DialogEnded(HWND dialog, INT_PTR* result) {
    DialogState* d = StateOf(dialog);
    if (d == nullptr || !d->ended) {
        return false;
    }
    if (result != nullptr) {
        *result = d->result;
    }
    return true;
}
} // namespace win32

LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindOrFail(dialog);
    if (w == nullptr) {
        return 0;
    }
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(dialog, DWLP_DLGPROC));
    if (proc != nullptr) {
        // A stale result of an earlier message must not answer this one.
        SetWindowLongPtr(dialog, DWLP_MSGRESULT, 0);
        INT_PTR handled = proc(dialog, msg, wParam, lParam);
        if (ReturnsDirectly(msg)) {
            if (handled != 0 || msg == WM_INITDIALOG || Find(dialog) == nullptr) {
                return handled;
            }
        } else if (handled != 0) {
            return Find(dialog) ? GetWindowLongPtr(dialog, DWLP_MSGRESULT) : 0;
        }
        if (Find(dialog) == nullptr) {
            return 0; // the procedure destroyed its own window
        }
    }
    return DefaultDialogProcessing(dialog, msg, wParam, lParam);
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    if (rect == nullptr || (dialog != nullptr && FindOrFail(dialog) == nullptr)) {
        return FALSE;
    }
    rect->left = MulDiv(rect->left, kDialogBaseUnitX, 4);
    rect->right = MulDiv(rect->right, kDialogBaseUnitX, 4);
    rect->top = MulDiv(rect->top, kDialogBaseUnitY, 8);
    rect->bottom = MulDiv(rect->bottom, kDialogBaseUnitY, 8);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    return MAKELONG(kDialogBaseUnitX, kDialogBaseUnitY);
}

HWND CreateDialogIndirectParam(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc,
                               LPARAM initParam) {
    if (tmpl == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (parent != nullptr && FindOrFail(parent) == nullptr) {
        return nullptr;
    }
    DWORD style = tmpl->style;
    RECT client{0, 0, tmpl->cx, tmpl->cy};
    MapDialogRect(nullptr, &client);
    RECT frame = client;
    AdjustWindowRectEx(&frame, style, FALSE, tmpl->dwExtendedStyle);
    SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    HWND owner = (style & WS_CHILD) ? parent : (parent ? GetAncestor(parent, GA_ROOT) : nullptr);
    POINT at = DialogPosition(*tmpl, owner, size);

    HWND dialog = CreateWindowEx(tmpl->dwExtendedStyle, WC_DIALOG,
                                 tmpl->caption ? tmpl->caption : "", style & ~WS_VISIBLE, at.x,
                                 at.y, size.cx, size.cy, owner, nullptr, instance, nullptr);
    if (dialog == nullptr) {
        return nullptr;
    }
    Find(dialog)->dialog.emplace();
    SetWindowLongPtr(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));

    for (const DLGITEMTEMPLATE& item : tmpl->items) {
        RECT r{item.x, item.y, item.x + item.cx, item.y + item.cy};
        MapDialogRect(nullptr, &r);
        HWND control = CreateWindowEx(
            item.dwExtendedStyle | WS_EX_NOPARENTNOTIFY, item.windowClass, item.title,
            item.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        if (Find(dialog) == nullptr) {
            return nullptr;
        }
        if (control == nullptr && (style & DS_NOFAILCREATE) == 0) {
            DWORD error = GetLastError();
            DestroyWindow(dialog);
            SetLastError(error);
            return nullptr;
        }
    }
    // The template's default push button is the dialog's default id.
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (SendMessage(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            if (DialogState* d = StateOf(dialog)) {
                d->defId = GetDlgCtrlID(c);
                d->hasDefId = true;
            }
            break;
        }
    }
    if (Find(dialog) == nullptr) {
        return nullptr;
    }
    HWND first = FirstTabStop(dialog);
    LRESULT setFocus =
        SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (Find(dialog) == nullptr) {
        return nullptr;
    }
    if (setFocus != 0 && first != nullptr && IsChild(dialog, first)) {
        DlgSetFocus(dialog, first);
    }
    if ((style & WS_VISIBLE) != 0 && Find(dialog) != nullptr && !win32::DialogEnded(dialog)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return Find(dialog) ? dialog : nullptr;
}

HWND CreateDialogIndirect(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc) {
    return CreateDialogIndirectParam(instance, tmpl, parent, proc, 0);
}

HWND CreateDialogParam(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM init) {
    const DLGTEMPLATE* tmpl = win32::FindDialogTemplate(name);
    if (tmpl == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogIndirectParam(instance, tmpl, parent, proc, init);
}

HWND CreateDialog(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc) {
    return CreateDialogParam(instance, name, parent, proc, 0);
}

INT_PTR DialogBoxIndirectParam(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc,
                               LPARAM initParam) {
    if (parent != nullptr && FindOrFail(parent) == nullptr) {
        return 0;
    }
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    HWND dialog = CreateDialogIndirectParam(instance, tmpl, owner, proc, initParam);
    if (dialog == nullptr) {
        return -1;
    }
    StateOf(dialog)->modal = true;
    HWND disabledByUs = nullptr;
    if (!win32::DialogEnded(dialog)) {
        if (owner != nullptr && IsWindowEnabled(owner)) {
            EnableWindow(owner, FALSE);
            disabledByUs = owner;
            if (DialogState* d = StateOf(dialog)) {
                d->disabledOwner = owner;
            }
        }
        if (Find(dialog) != nullptr && !win32::DialogEnded(dialog)) {
            ShowWindow(dialog, SW_SHOWNORMAL);
        }
    }
    INT_PTR result = -1;
    while (true) {
        if (Find(dialog) == nullptr) {
            break;
        }
        if (win32::DialogEnded(dialog, &result)) {
            break;
        }
        MSG msg;
        BOOL got = GetMessage(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The loops outside see the quit too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (!IsDialogMessage(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    // Whatever ended the loop, the owner we disabled is enabled again.
    if (DialogState* d = StateOf(dialog)) {
        d->disabledOwner = nullptr;
    }
    if (disabledByUs != nullptr && IsWindow(disabledByUs) && !IsWindowEnabled(disabledByUs)) {
        EnableWindow(disabledByUs, TRUE);
    }
    if (Find(dialog) != nullptr) {
        DestroyWindow(dialog);
    }
    return result;
}

INT_PTR DialogBoxIndirect(HINSTANCE instance, LPCDLGTEMPLATE tmpl, HWND parent, DLGPROC proc) {
    return DialogBoxIndirectParam(instance, tmpl, parent, proc, 0);
}

INT_PTR DialogBoxParam(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM init) {
    const DLGTEMPLATE* tmpl = win32::FindDialogTemplate(name);
    if (tmpl == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    return DialogBoxIndirectParam(instance, tmpl, parent, proc, init);
}

INT_PTR DialogBox(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc) {
    return DialogBoxParam(instance, name, parent, proc, 0);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    if (FindOrFail(dialog) == nullptr) {
        return FALSE;
    }
    DialogState* d = StateOf(dialog);
    if (d == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    d->ended = true;
    d->result = result;
    // The owner is enabled before the dialog hides, so activation returns to it.
    HWND owner = d->disabledOwner;
    d->disabledOwner = nullptr;
    if (owner != nullptr && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
    }
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowText(item, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int maxCount) {
    if (buffer != nullptr && maxCount > 0) {
        buffer[0] = '\0';
    }
    HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(GetWindowText(item, buffer, maxCount)) : 0;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    if (isSigned) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    } else {
        std::snprintf(text, sizeof text, "%u", value);
    }
    return SetDlgItemText(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    char text[64];
    if (translated != nullptr) {
        *translated = FALSE;
    }
    if (GetDlgItemText(dialog, id, text, sizeof text) == 0) {
        return 0;
    }
    char* end = nullptr;
    long long value = std::strtoll(text, &end, 10);
    while (end != nullptr && *end == ' ') {
        ++end;
    }
    bool ok = end != text && end != nullptr && *end == '\0' &&
              (isSigned ? (value >= -0x80000000LL && value <= 0x7FFFFFFF)
                        : (value >= 0 && value <= 0xFFFFFFFFLL));
    if (!ok) {
        return 0;
    }
    if (translated != nullptr) {
        *translated = TRUE;
    }
    return static_cast<UINT>(value);
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessage(item, msg, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) {
        return FALSE;
    }
    SendMessage(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessage(item, BM_GETCHECK, 0, 0)) : 0;
}
