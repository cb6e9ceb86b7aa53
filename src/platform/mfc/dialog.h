// CDialog with its own modal loop, and dialog data exchange (CDataExchange, DDX_Control).
//
// DoModal makes the dialog from its registered template with AfxDlgProc, which binds the
// window to the object on WM_INITDIALOG and then calls OnInitDialog. The loop offers every
// message to PreTranslateMessage from the message's window up to the dialog (where
// CDialog::PreTranslateMessage hands input to IsDialogMessage) before dispatching it.
#pragma once

#include "platform/mfc/wnd.h"

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Thrown inside dialog data exchange and caught by UpdateData.
class CException : public CObject {
    DECLARE_DYNAMIC(CException)
};
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};
class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
};

class CDataExchange {
public:
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The dialog's control with that id; a missing control ends the exchange.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange (UpdateData then returns FALSE).
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
};

// Binds control to the dialog's child nIDC by subclassing it, unless it already has a window.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or EndDialog's value; -1 when the dialog could not be made or its loop
    // ended without EndDialog (WM_QUIT, which is posted again for the loops outside).
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    virtual void OnOK();
    virtual void OnCancel();

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    CDialog() = default;
    virtual void DoDataExchange(CDataExchange* pDX);
    // The modal loop; returns the modal result.
    int RunModalLoop();
    BOOL ContinueModal();
    void EndModalLoop(int nResult);

    int m_nModalResult = -1;
    bool m_bInModalLoop = false;

    DECLARE_MESSAGE_MAP()
};
