// CWnd: dispatch through the message map, reflection, creation and the window wrappers.
#include "platform/mfc/wnd.h"

#include "platform/mfc/handle_map.h"
#include "platform/mfc/winapp.h"

#include <utility>
#include <vector>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        if (FromHandlePermanent(m_hWnd) == this && ::IsWindow(m_hWnd)) {
            DestroyWindow();
        }
        Detach();
    }
    if (CWinThread* pThread = AfxGetThread(); pThread != nullptr && pThread->m_pMainWnd == this) {
        pThread->m_pMainWnd = nullptr;
    }
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

namespace {
void RegisterAfxWndClass() {
    WNDCLASS wc;
    if (::GetClassInfo(nullptr, AFX_WND_CLASS, &wc)) {
        return;
    }
    wc = WNDCLASS{};
    wc.lpfnWndProc = &AfxWndProc;
    wc.lpszClassName = AFX_WND_CLASS;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    ::RegisterClass(&wc);
}
} // namespace

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    if (lpszClassName == nullptr) {
        RegisterAfxWndClass();
        lpszClassName = AFX_WND_CLASS;
    }
    auto& maps = mw::mfc::detail::Maps();
    CWnd* previous = std::exchange(maps.pWndInit, this);
    HWND hWnd = ::CreateWindowEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                                 nHeight, hWndParent, nIDorHMenu, nullptr, lpParam);
    if (maps.pWndInit == this) {
        maps.pWndInit = previous;
    }
    if (hWnd == nullptr) {
        if (m_hWnd != nullptr) {
            Detach(); // the window was bound and then failed its creation
        }
        return FALSE;
    }
    // A class with its own procedure never ran AfxWndProc: take it over now.
    if (m_hWnd == nullptr && !SubclassWindow(hWnd)) {
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr) {
        return FALSE;
    }
    BOOL result = ::DestroyWindow(hWnd);
    // WM_NCDESTROY detached a subclassed object and may have deleted it: compare the
    // pointer only, and touch the object only when it is still bound to the dead window.
    if (FromHandlePermanent(hWnd) == this && !::IsWindow(hWnd)) {
        Detach();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) {
        lResult = DefWindowProc(message, wParam, lParam);
    }
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) {
            return FALSE;
        }
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        if (!OnNotify(wParam, lParam, &lResult)) {
            return FALSE;
        }
    } else {
        const AFX_MSGMAP_ENTRY* e = mw::mfc::FindMessageEntry(GetMessageMap(), message, 0, 0);
        // The handler may destroy the window and delete this object: nothing below touches
        // the object after it ran.
        if (e == nullptr || !e->pfn(this, wParam, lParam, &lResult)) {
            return FALSE;
        }
    }
    if (pResult != nullptr) {
        *pResult = lResult;
    }
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
        return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG* m = GetCurrentMessage();
    if (m == nullptr) {
        return 0;
    }
    return DefWindowProc(m->message, m->wParam, m->lParam);
}

BOOL CWnd::ReflectToChild(HWND hWndParent, HWND hWndChild, UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT* pResult) {
    if (hWndChild == hWndParent) {
        return FALSE;
    }
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == nullptr) {
        return FALSE;
    }
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    const MSG* m = GetCurrentMessage();
    if (m == nullptr) {
        return FALSE;
    }
    return ReflectToChild(m->hwnd, hWndChild, m->message, m->wParam, m->lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        nCode = CN_COMMAND; // menus and accelerators
    } else if (ReflectToChild(m_hWnd, hWndCtrl, WM_COMMAND, wParam, lParam, nullptr)) {
        return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == nullptr) {
        return FALSE;
    }
    LRESULT local = 0;
    if (pResult == nullptr) {
        pResult = &local;
    }
    if (pNMHDR->hwndFrom != nullptr &&
        ReflectToChild(m_hWnd, pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult)) {
        return TRUE;
    }
    AFX_NOTIFY notify{pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(LOWORD(pNMHDR->code), WM_NOTIFY),
                    &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT nCode = 0;
    if (message == WM_COMMAND) {
        nCode = HIWORD(wParam);
    } else if (message == WM_NOTIFY && lParam != 0) {
        nCode = LOWORD(reinterpret_cast<NMHDR*>(lParam)->code);
    } else {
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* e =
        mw::mfc::FindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + message, nCode, 0);
    if (e == nullptr) {
        return FALSE;
    }
    LRESULT local = 0;
    return e->pfn(this, wParam, lParam, pResult != nullptr ? pResult : &local) ? TRUE : FALSE;
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    if (pMsg == nullptr) {
        return FALSE;
    }
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        // A handler may destroy hWnd; GetParent of a dead window ends the walk.
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
        if (hWnd == hWndStop) {
            break;
        }
    }
    return FALSE;
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
    int length = ::GetWindowTextLength(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowText(m_hWnd, buffer.data(), length + 1);
    rString = CString(buffer.data(), copied);
}

void CWnd::SetRedraw(BOOL bRedraw) {
    ::SendMessage(m_hWnd, WM_SETREDRAW, static_cast<WPARAM>(bRedraw), 0);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessage(
        m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
    return reinterpret_cast<HICON>(
        ::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
    if (phWnd != nullptr) {
        *phWnd = ::GetDlgItem(m_hWnd, nID);
    }
}

int CWnd::SetDlgCtrlID(int nID) {
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, nID));
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
    return FromHandle(
        ::SetParent(m_hWnd, pWndNewParent != nullptr ? pWndNewParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetOwner() const {
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd) {
    m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    return FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL ModifyStyleOf(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    auto dwStyle = static_cast<DWORD>(::GetWindowLong(hWnd, index));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) {
        return FALSE;
    }
    ::SetWindowLong(hWnd, index, static_cast<LONG>(dwNewStyle));
    if (nFlags != 0) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleOf(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleOf(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                          y, cx, cy, nFlags);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    if (lpRect != nullptr) {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                   lpRect->bottom - lpRect->top, bRepaint);
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    if (lpszCaption == nullptr) {
        lpszCaption = AfxGetAppName();
    }
    return ::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
}
