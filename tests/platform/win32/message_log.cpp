#include "message_log.h"

#include <iomanip>
#include <map>
#include <sstream>

namespace win32test {

namespace {

Handler& CurrentHandler() {
    static Handler handler;
    return handler;
}

LRESULT RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Log().Record(hwnd, msg, wParam, lParam);
    if (CurrentHandler()) {
        if (std::optional<LRESULT> answer = CurrentHandler()(hwnd, msg, wParam, lParam)) {
            return *answer;
        }
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

std::string Describe(HWND hwnd, UINT message, std::optional<WPARAM> wp, std::optional<LPARAM> lp) {
    std::ostringstream out;
    out << hwnd << ' ' << MessageName(message);
    out << " w=" << (wp ? std::to_string(*wp) : std::string("*"));
    out << " l=" << (lp ? std::to_string(*lp) : std::string("*"));
    return out.str();
}

bool Matches(const Logged& a, const Expect& e) {
    return a.hwnd == e.hwnd && a.message == e.message && (!e.wParam || *e.wParam == a.wParam) &&
           (!e.lParam || *e.lParam == a.lParam);
}

} // namespace

std::string MessageName(UINT message) {
    static const std::map<UINT, const char*> names{
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_INITDIALOG, "WM_INITDIALOG"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_TIMER, "WM_TIMER"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_USER, "WM_USER"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MENUSELECT, "WM_MENUSELECT"},
        {WM_INITMENU, "WM_INITMENU"},
        {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {BM_SETSTYLE, "BM_SETSTYLE"},
    };
    auto it = names.find(message);
    if (it != names.end()) {
        return it->second;
    }
    std::ostringstream out;
    out << "0x" << std::hex << message;
    return out.str();
}

void MessageLog::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_watch.empty() || m_watch.count(message) != 0) {
        m_entries.push_back({hwnd, message, wParam, lParam});
    }
}

MessageLog& Log() {
    static MessageLog log;
    return log;
}

::testing::AssertionResult SequenceIs(const std::vector<Logged>& actual,
                                      const std::vector<Expect>& expected) {
    size_t a = 0;
    bool ok = true;
    for (const Expect& e : expected) {
        if (a < actual.size() && Matches(actual[a], e)) {
            ++a;
        } else if (!e.optional) {
            ok = false;
            break;
        }
    }
    if (ok && a == actual.size()) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    out << "message sequence differs\n"
        << std::left << std::setw(48) << "expected"
        << "actual\n";
    size_t rows = std::max(actual.size(), expected.size());
    for (size_t i = 0; i < rows; ++i) {
        std::string left = i < expected.size() ? Describe(expected[i].hwnd, expected[i].message,
                                                          expected[i].wParam, expected[i].lParam) +
                                                     (expected[i].optional ? " (optional)" : "")
                                               : "";
        std::string right = i < actual.size() ? Describe(actual[i].hwnd, actual[i].message,
                                                         actual[i].wParam, actual[i].lParam)
                                              : "";
        out << std::setw(48) << left << right << '\n';
    }
    return ::testing::AssertionFailure() << out.str();
}

void SetHandler(Handler handler) {
    CurrentHandler() = std::move(handler);
}

void RegisterRecorderClass() {
    WNDCLASS wc;
    if (GetClassInfo(nullptr, kRecorderClass, &wc)) {
        return;
    }
    wc = WNDCLASS{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecorderProc;
    wc.lpszClassName = kRecorderClass;
    ASSERT_NE(RegisterClass(&wc), 0);
}

HWND MakeTopLevel(const char* title, DWORD style, HWND owner) {
    return CreateWindowEx(0, kRecorderClass, title, style, 0, 0, 240, 130, owner, nullptr, nullptr,
                          nullptr);
}

HWND MakeChild(HWND parent, int id, DWORD style, RECT r) {
    return CreateWindowEx(0, kRecorderClass, "", WS_CHILD | style, r.left, r.top, r.right - r.left,
                          r.bottom - r.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void Win32Test::SetUp() {
    win32::ResetWindowSystem();
    RegisterRecorderClass();
    SetHandler(nullptr);
    Log().Watch({});
    Log().Clear();
}

void Win32Test::TearDown() {
    SetHandler(nullptr);
    win32::ResetWindowSystem();
    win32::ClearResources();
    Log().Clear();
}

win32::RecordingDesktopService& Win32Test::Service() {
    win32::RecordingDesktopService* service = win32::GetRecordingDesktopService();
    EXPECT_NE(service, nullptr);
    return *service;
}

void Win32Test::Pump(HWND dialog) {
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        if (dialog == nullptr || !IsDialogMessage(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

} // namespace win32test
