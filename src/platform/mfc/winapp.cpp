#include "platform/mfc/winapp.h"

#include "platform/shell/module.h"

#include <string>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

namespace {
CWinApp*& CurrentApp() {
    static CWinApp* app = nullptr;
    return app;
}

std::string LoadStringResource(UINT id) {
    char buffer[1024] = {};
    int length = ::LoadString(nullptr, id, buffer, static_cast<int>(sizeof buffer));
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string ModuleBaseName() {
    char path[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileName(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        path[MAX_PATH] = '\0';
    }
    return mw::mfc::ProgramBaseName(path);
}
} // namespace

namespace mw::mfc {
std::string ProgramBaseName(const char* windowsPath) {
    std::string name = windowsPath != nullptr ? windowsPath : "";
    if (auto slash = name.find_last_of('\\'); slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    if (auto dot = name.find_last_of('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}
} // namespace mw::mfc

BOOL CWinThread::InitInstance() {
    return TRUE;
}

int CWinThread::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    CWnd* pMainWnd = GetMainWnd();
    return CWnd::WalkPreTranslateTree(pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr, pMsg);
}

int CWinThread::Run() {
    for (;;) {
        mw::mfc::SweepTemporaries();
        if (!::GetMessage(&m_msgCur, nullptr, 0, 0)) {
            break;
        }
        if (!PreTranslateMessage(&m_msgCur)) {
            ::TranslateMessage(&m_msgCur);
            ::DispatchMessage(&m_msgCur);
        }
    }
    return ExitInstance();
}

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    if (lpszAppName != nullptr) {
        m_appName = lpszAppName;
        m_pszAppName = m_appName.c_str();
    }
    CurrentApp() = this;
}

CWinApp::~CWinApp() {
    if (CurrentApp() == this) {
        CurrentApp() = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

void CWinApp::SetCurrentHandles() {
    m_exeName = ModuleBaseName();
    m_pszExeName = m_exeName.c_str();
    if (m_pszAppName == nullptr) {
        m_appName = LoadStringResource(AFX_IDS_APP_TITLE);
        if (m_appName.empty()) {
            m_appName = m_exeName;
        }
        m_pszAppName = m_appName.c_str();
    }
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    m_registryKey = lpszRegistryKey != nullptr ? lpszRegistryKey : "";
    m_pszRegistryKey = m_registryKey.c_str();
    // Settings then live under the key, in a section named after the application.
    m_profileName = m_pszAppName != nullptr ? m_pszAppName : "";
    m_pszProfileName = m_profileName.c_str();
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
    std::string key = LoadStringResource(nIDRegistryKey);
    SetRegistryKey(key.c_str());
}

void CWinApp::OnHelp() {
    // No help file ships with the program: the command is accepted and does nothing.
}

CWinApp* AfxGetApp() {
    return CurrentApp();
}

CWinThread* AfxGetThread() {
    return CurrentApp();
}

LPCTSTR AfxGetAppName() {
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszAppName != nullptr) {
        return app->m_pszAppName;
    }
    static std::string fallback;
    fallback = ModuleBaseName();
    return fallback.c_str();
}

CWnd* AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    if (hWndOwner != nullptr && !::IsWindow(hWndOwner)) {
        hWndOwner = nullptr;
    }
    return ::MessageBox(hWndOwner, lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    std::string text = LoadStringResource(nIDPrompt);
    return AfxMessageBox(text.c_str(), nType, nIDHelp);
}

void AfxEnableControlContainer() {}

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    app->SetCurrentHandles();
    if (!app->InitInstance()) {
        if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
            app->m_pMainWnd->DestroyWindow();
        }
        return app->ExitInstance();
    }
    return app->Run();
}
