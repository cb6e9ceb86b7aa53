#include "controls/msg_hook.h"

#include "platform/win32/controls/commctrl.h"

#include <vector>

CMap<HWND, HWND, CMsgHook*, CMsgHook*> CMsgHook::m_mapHookedWindows;
HHOOK CMsgHook::m_hHook = nullptr;
int CMsgHook::m_nInstances = 0;

CMsgHook::CMsgHook() {
    if (m_nInstances == 0) {
        m_hHook = SetWindowsHookEx(WH_CALLWNDPROCRET, &CMsgHook::CallWndRetProc, nullptr,
                                   GetCurrentThreadId());
    }
    ++m_nInstances;
}

CMsgHook::~CMsgHook() {
    Detach();
    if (--m_nInstances == 0 && m_hHook != nullptr) {
        UnhookWindowsHookEx(m_hHook);
        m_hHook = nullptr;
    }
}

void CMsgHook::Clear() {
    m_hWnd = nullptr;
    m_hParent = nullptr;
    m_hNotify = nullptr;
    m_bDroppedDown = FALSE;
}

BOOL CMsgHook::Attach(HWND hWnd, HWND hParent, HWND hNotify) {
    if (!IsWindow(hWnd) || !IsWindow(hParent)) {
        return FALSE;
    }
    Detach();
    m_hWnd = hWnd;
    m_hParent = hParent;
    m_hNotify = hNotify;
    m_mapHookedWindows.SetAt(hWnd, this);
    m_bDroppedDown = FALSE;
    return TRUE;
}

BOOL CMsgHook::Detach() {
    CMsgHook* entry = nullptr;
    // An entry another object took over under the same window is that object's to remove.
    if (m_hWnd == nullptr || !m_mapHookedWindows.Lookup(m_hWnd, entry) || entry != this) {
        return FALSE;
    }
    m_mapHookedWindows.RemoveKey(m_hWnd);
    Clear();
    return TRUE;
}

CMsgHook* CMsgHook::OwningHook(HWND hWnd) {
    for (; hWnd != nullptr; hWnd = GetParent(hWnd)) {
        CMsgHook* hook = nullptr;
        if (m_mapHookedWindows.Lookup(hWnd, hook)) {
            return hook;
        }
    }
    return nullptr;
}

void CMsgHook::OnKillFocus(HWND hWnd, HWND hWndGetFocus) {
    CMsgHook* hook = OwningHook(hWnd);
    if (hook == nullptr || hook->m_bDroppedDown) {
        return;
    }
    if (hWndGetFocus != nullptr &&
        (hWndGetFocus == hook->m_hWnd || IsChild(hook->m_hWnd, hWndGetFocus))) {
        return;
    }
    SendMessage(hook->Target(), mw::controls::kEndEditMessage, 1, 0);
}

void CMsgHook::OnClickElsewhere(HWND hWnd) {
    if (OwningHook(hWnd) != nullptr) {
        return;
    }
    // Ending one editor detaches it and may close others: walk a copy, and skip entries that
    // are gone by the time their turn comes.
    std::vector<HWND> editors;
    POSITION pos = m_mapHookedWindows.GetStartPosition();
    while (pos != nullptr) {
        HWND key = nullptr;
        CMsgHook* hook = nullptr;
        m_mapHookedWindows.GetNextAssoc(pos, key, hook);
        editors.push_back(key);
    }
    for (HWND editor : editors) {
        CMsgHook* hook = nullptr;
        if (!m_mapHookedWindows.Lookup(editor, hook) || !IsWindow(editor) || hook->m_bDroppedDown) {
            continue;
        }
        if (SendMessage(editor, CB_GETDROPPEDSTATE, 0, 0) != 0 ||
            SendMessage(editor, DTM_GETMONTHCAL, 0, 0) != 0) {
            continue;
        }
        // The queries above ran through the hook too: look the entry up once more.
        if (m_mapHookedWindows.Lookup(editor, hook)) {
            SendMessage(hook->Target(), mw::controls::kEndEditMessage, 1, 0);
        }
    }
}

void CMsgHook::SetDroppedDown(HWND hWnd, bool bDroppedDown) {
    if (CMsgHook* hook = OwningHook(hWnd)) {
        hook->m_bDroppedDown = bDroppedDown ? TRUE : FALSE;
    }
}

LRESULT CALLBACK CMsgHook::CallWndRetProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) {
        const CWPRETSTRUCT& msg = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        switch (msg.message) {
        case WM_KILLFOCUS:
            OnKillFocus(msg.hwnd, reinterpret_cast<HWND>(msg.wParam));
            break;
        case WM_DESTROY: {
            CMsgHook* hook = nullptr;
            if (m_mapHookedWindows.Lookup(msg.hwnd, hook)) {
                hook->Detach();
            }
            break;
        }
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(msg.lParam);
            if (hdr != nullptr && (hdr->code == DTN_DROPDOWN || hdr->code == DTN_CLOSEUP)) {
                SetDroppedDown(hdr->hwndFrom, hdr->code == DTN_DROPDOWN);
            }
            break;
        }
        case WM_COMMAND: {
            WORD code = HIWORD(msg.wParam);
            if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) {
                SetDroppedDown(reinterpret_cast<HWND>(msg.lParam), code == CBN_DROPDOWN);
            }
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) {
                if (CMsgHook* hook = OwningHook(msg.hwnd)) {
                    SendMessage(hook->Target(), mw::controls::kEndEditMessage,
                                msg.wParam == VK_RETURN ? 1 : 0, 0);
                }
            }
            break;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_MENUSELECT:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_MOUSEWHEEL:
            OnClickElsewhere(msg.hwnd);
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(m_hHook, nCode, wParam, lParam);
}
