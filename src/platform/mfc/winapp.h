// CWinThread and CWinApp: the one application object, its names and its message loop.
// AfxWinMain is the framework's entry point: it sets the names, runs InitInstance and then
// either ExitInstance (InitInstance returned FALSE) or Run.
//
// Without an explicit name the application is named after the program file: the part of
// GetModuleFileName after the last backslash, without its extension ("C:\x\tool.exe" ->
// "tool").
#pragma once

#include "platform/mfc/cstring.h"
#include "platform/mfc/wnd.h"

#include <string>

// The help command.
inline constexpr UINT ID_HELP = 0xE146;
// String resource of an explicit application title.
inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance() once WM_QUIT arrives.
    virtual int Run();
    // Walks PreTranslateMessage from the message's window up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

protected:
    MSG m_msgCur{};

    DECLARE_MESSAGE_MAP()
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The object registers itself as the application (AfxGetApp) until it is destroyed.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    HINSTANCE m_hInstance = nullptr;

    BOOL InitInstance() override;

    // Fills m_pszExeName and, when not given, m_pszAppName (AfxWinMain calls it).
    void SetCurrentHandles();

    afx_msg void OnHelp();

protected:
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    DECLARE_MESSAGE_MAP()

private:
    std::string m_appName;
    std::string m_exeName;
    std::string m_registryKey;
    std::string m_profileName;
};

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
// The application's name; the program file's base name while no application names itself.
LPCTSTR AfxGetAppName();
CWnd* AfxGetMainWnd();
// A box owned by the main window (none without one), with the application's name.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));
void AfxEnableControlContainer();
int AfxWinMain();

namespace mw::mfc {
// The base name of a Windows path without its extension: "C:\x\tool.exe" -> "tool".
std::string ProgramBaseName(const char* windowsPath);
} // namespace mw::mfc
