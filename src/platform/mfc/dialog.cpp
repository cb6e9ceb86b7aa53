#include "platform/mfc/dialog.h"

#include "platform/mfc/winapp.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (hWndCtrl == nullptr) {
        throw CNotSupportedException(); // the template has no such control
    }
    m_hWndLastControl = hWndCtrl;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    return PrepareCtrl(nIDC);
}

void CDataExchange::Fail() {
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) {
        return; // already bound by an earlier exchange
    }
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) {
        throw CNotSupportedException(); // another object has the control
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    }
}

CDialog::~CDialog() = default;

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE; // the dialog manager's default processing
    }
    auto* pInit = reinterpret_cast<CDialog*>(lParam);
    if (CWnd::FromHandlePermanent(hWnd) == nullptr && pInit != nullptr &&
        pInit->m_hWnd == nullptr && !pInit->SubclassWindow(hWnd)) {
        return TRUE;
    }
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    return pDlg != nullptr ? pDlg->OnInitDialog() : TRUE;
}

namespace {
// The window a dialog without a parent belongs to: the main window, when it has one that is
// not the dialog itself; always its top-level window.
HWND SafeOwner(CWnd* pParent, const CWnd* pDialog) {
    CWnd* pOwner = pParent;
    if (pOwner == nullptr) {
        pOwner = AfxGetMainWnd();
        if (pOwner == pDialog) {
            pOwner = nullptr;
        }
    }
    HWND hWnd = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    if (hWnd == nullptr || !::IsWindow(hWnd)) {
        return nullptr;
    }
    HWND root = ::GetAncestor(hWnd, GA_ROOT);
    return root != nullptr ? root : hWnd;
}
} // namespace

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr || m_bInModalLoop) {
        return -1; // already running
    }
    const DLGTEMPLATE* pTemplate = win32::FindDialogTemplate(m_lpszTemplateName);
    if (pTemplate == nullptr) {
        return -1;
    }
    HWND hWndParent = SafeOwner(m_pParentWnd, this);
    bool bEnableParent = false;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = true;
    }

    m_nModalResult = -1;
    m_bInModalLoop = true;
    HWND hWnd = ::CreateDialogIndirectParam(nullptr, pTemplate, hWndParent, &AfxDlgProc,
                                            reinterpret_cast<LPARAM>(this));
    if (hWnd != nullptr && m_hWnd == hWnd) {
        if (m_bInModalLoop && !::IsWindowVisible(hWnd) && !win32::DialogEnded(hWnd)) {
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        }
        RunModalLoop();
    }
    m_bInModalLoop = false;

    if (bEnableParent && ::IsWindow(hWndParent)) {
        ::EnableWindow(hWndParent, TRUE);
    }
    if (hWndParent != nullptr && hWnd != nullptr && ::GetActiveWindow() == hWnd) {
        ::SetActiveWindow(hWndParent);
    }
    if (m_hWnd != nullptr) {
        DestroyWindow();
    } else if (hWnd != nullptr && ::IsWindow(hWnd)) {
        ::DestroyWindow(hWnd); // made, but never bound to this object
    }
    return m_nModalResult;
}

BOOL CDialog::ContinueModal() {
    if (!m_bInModalLoop || m_hWnd == nullptr) {
        return FALSE;
    }
    INT_PTR result = 0;
    if (win32::DialogEnded(m_hWnd, &result)) {
        // Someone called ::EndDialog on the window directly.
        m_nModalResult = static_cast<int>(result);
        m_bInModalLoop = false;
        return FALSE;
    }
    return TRUE;
}

void CDialog::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    m_bInModalLoop = false;
}

int CDialog::RunModalLoop() {
    MSG msg{};
    while (ContinueModal()) {
        mw::mfc::SweepTemporaries();
        if (!::GetMessage(&msg, nullptr, 0, 0)) {
            // The loops outside must end too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            m_bInModalLoop = false;
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_bInModalLoop) {
        EndModalLoop(nResult);
    } else {
        m_nModalResult = nResult;
    }
    if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CException&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg == nullptr || m_hWnd == nullptr) {
        return FALSE;
    }
    const bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (!bInput || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))) {
        return FALSE;
    }
    return ::IsDialogMessage(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    // Commands nobody in the dialog handles go on to the application (ID_HELP); system
    // command ids and notifications do not.
    if (nCode != CN_COMMAND || nID >= 0xF000) {
        return FALSE;
    }
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) : FALSE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return; // the data stays for the user to correct
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
