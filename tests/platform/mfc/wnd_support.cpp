#include "wnd_support.h"

namespace mfctest {

std::vector<Received>& ProbeLog() {
    static std::vector<Received> log;
    return log;
}

std::vector<HWND> ProbeReceivers(UINT message) {
    std::vector<HWND> out;
    for (const Received& r : ProbeLog()) {
        if (r.message == message) {
            out.push_back(r.hwnd);
        }
    }
    return out;
}

namespace {
LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ProbeLog().push_back({hwnd, message, wParam});
    if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        SendMessage(GetParent(hwnd), WM_COMMAND,
                    MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), BN_CLICKED),
                    reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}
} // namespace

void RegisterProbeClass() {
    WNDCLASS wc;
    if (GetClassInfo(nullptr, kProbeClass, &wc)) {
        return;
    }
    wc = WNDCLASS{};
    wc.lpfnWndProc = ProbeProc;
    wc.lpszClassName = kProbeClass;
    ASSERT_NE(RegisterClass(&wc), 0);
}

HWND MakeProbe(HWND parent, int id, DWORD style) {
    return CreateWindowEx(0, kProbeClass, "", WS_CHILD | style, 0, 0, 60, 26, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

HWND MakeTopLevelProbe(const char* title) {
    return CreateWindowEx(0, kProbeClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 240, 130,
                          nullptr, nullptr, nullptr, nullptr);
}

InputScript::InputScript(std::vector<std::function<void()>> steps) : m_steps(std::move(steps)) {
    m_previous = win32::SetIdleHandler([this] {
        if (m_next >= m_steps.size()) {
            return false;
        }
        m_steps[m_next++]();
        return true;
    });
}

InputScript::~InputScript() {
    win32::SetIdleHandler(std::move(m_previous));
}

void MfcWindowTest::SetUp() {
    win32::ResetWindowSystem();
    RegisterProbeClass();
    ProbeLog().clear();
}

void MfcWindowTest::TearDown() {
    win32::ResetWindowSystem();
    win32::ClearResources();
    mw::mfc::SweepTemporaries();
    ProbeLog().clear();
}

win32::RecordingDesktopService& MfcWindowTest::Service() {
    win32::RecordingDesktopService* service = win32::GetRecordingDesktopService();
    EXPECT_NE(service, nullptr);
    return *service;
}

} // namespace mfctest
