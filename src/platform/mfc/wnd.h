// CWnd: an object bound to a window through the thread's handle map, its message map
// dispatch (WindowProc -> OnWndMsg -> the map, else DefWindowProc), reflected notifications
// and the wrappers of the window calls. AfxWndProc is the window procedure of every window a
// CWnd created or subclassed.
//
// Handle map: a CWnd attached with Attach, SubclassWindow or Create is permanent. FromHandle
// of a window nobody attached gives a temporary CWnd that the framework owns; temporaries
// are freed only after their window is gone and only between messages, so a pointer a
// handler got stays valid for the rest of that message.
//
// After WM_NCDESTROY the object is detached (m_hWnd is null) and PostNcDestroy runs; an
// override may delete the object there. Code that may destroy the window it runs in must
// not touch the object afterwards.
#pragma once

#include "platform/mfc/cmdtarget.h"
#include "platform/mfc/cstring.h"
#include "platform/mfc/gdi_wrappers.h"
#include "platform/win32/windows.h"

// The class of the windows CWnd::Create makes.
inline constexpr const char* AFX_WND_CLASS = "AfxWnd";

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    // The handle map.
    static CWnd* FromHandle(HWND hWnd);          // temporary when nobody attached it
    static CWnd* FromHandlePermanent(HWND hWnd); // nullptr when nobody attached it
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Creation and destruction.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                          HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Message processing.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to PreTranslateMessage of its window and then of each parent, up to and
    // including hWndStop. TRUE when one of them took it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The message being processed, as AfxWndProc received it.
    static const MSG* GetCurrentMessage();

    // Window state.
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
    void SetRedraw(BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    CMenu* GetSystemMenu(BOOL bRevert) const;
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // Family.
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int nID);
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    // MFC's own owner: the window this one reports to; the parent unless SetOwner was used.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;

    // Styles.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Returns FALSE when the style stays the same; nFlags != 0 adds a SetWindowPos.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Geometry.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;

    // Painting.
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }

    // A null caption is the application's name; the owner is this window (none when it has
    // no window).
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    WNDPROC m_pfnSuper = nullptr; // the procedure a subclassed window had before
    HWND m_hWndOwner = nullptr;

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the current message.
    LRESULT Default();

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Asked by the parent first when this control sent it WM_COMMAND or WM_NOTIFY.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Asks the permanent CWnd of hWndChild to handle its own notification.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    static BOOL ReflectToChild(HWND hWndParent, HWND hWndChild, UINT message, WPARAM wParam,
                               LPARAM lParam, LRESULT* pResult);

    // Runs after Attach and before the window procedure changes.
    virtual void PreSubclassWindow();
    // Runs after the window is gone and the object detached; may delete the object.
    virtual void PostNcDestroy();

    // Default handlers: the default processing of the message.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnTimer(UINT_PTR nIDEvent);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()
};

namespace mw::mfc {
// Frees the temporary CWnd and CMenu objects whose windows and menus are gone. Message loops
// call it between messages; it does nothing while a message is being processed.
void SweepTemporaries();
// Number of temporary CWnd objects alive (tests).
int TemporaryWindowCount();
} // namespace mw::mfc
