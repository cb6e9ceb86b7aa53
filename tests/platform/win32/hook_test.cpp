// WH_CALLWNDPROCRET hooks: what they see, in which order, and unhooking.
#include "message_log.h"

#include <string>

namespace win32test {
namespace {

struct HookCall {
    int hook;
    CWPRETSTRUCT record;
};
std::vector<HookCall> g_calls;
HHOOK g_hooks[3] = {};
bool g_passOn[3] = {true, true, true};
bool g_unhookSelf = false;

template <int N>
LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam != 0) {
        g_calls.push_back({N, *reinterpret_cast<CWPRETSTRUCT*>(lParam)});
        // The procedure has already run when the hook sees the message.
        Log().Record(nullptr, WM_APP + N, 0, 0);
    }
    HHOOK self = g_hooks[N];
    if (g_unhookSelf) {
        UnhookWindowsHookEx(self);
    }
    return g_passOn[N] ? CallNextHookEx(self, code, wParam, lParam) : 0;
}

class HookTest : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        g_calls.clear();
        std::fill(std::begin(g_passOn), std::end(g_passOn), true);
        g_unhookSelf = false;
        top = MakeTopLevel("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        edit = MakeChild(top, 1);
        Pump();
        g_hooks[0] =
            SetWindowsHookEx(WH_CALLWNDPROCRET, HookProc<0>, nullptr, GetCurrentThreadId());
        ASSERT_NE(g_hooks[0], nullptr);
        Log().Clear();
        g_calls.clear();
    }
    std::vector<UINT> Seen(int hook) const {
        std::vector<UINT> out;
        for (const HookCall& c : g_calls) {
            if (c.hook == hook) {
                out.push_back(c.record.message);
            }
        }
        return out;
    }
    HWND top = nullptr;
    HWND edit = nullptr;
};

TEST_F(HookTest, SeesASentMessageAfterTheProcedureWithItsResult) {
    SetHandler([&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_USER) {
            return 77;
        }
        return std::nullopt;
    });
    Log().Watch({WM_USER, WM_APP});
    EXPECT_EQ(SendMessage(edit, WM_USER, 5, 6), 77);
    ASSERT_EQ(g_calls.size(), 1u);
    const CWPRETSTRUCT& r = g_calls[0].record;
    EXPECT_EQ(r.lResult, 77);
    EXPECT_EQ(r.lParam, 6);
    EXPECT_EQ(r.wParam, 5u);
    EXPECT_EQ(r.message, WM_USER);
    EXPECT_EQ(r.hwnd, edit);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{edit, WM_USER}, {nullptr, WM_APP}}));
}

TEST_F(HookTest, SeesMessagesDispatchedFromTheQueue) {
    SetFocus(edit);
    g_calls.clear();
    win32::PostKeyPress(VK_ESCAPE);
    RECT r{};
    GetWindowRect(edit, &r);
    win32::PostMouse(WM_LBUTTONDOWN, {r.left + 1, r.top + 1}, MK_LBUTTON);
    Pump();
    std::vector<UINT> seen = Seen(0);
    for (UINT m : {WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_LBUTTONDOWN}) {
        EXPECT_NE(std::find(seen.begin(), seen.end(), m), seen.end()) << MessageName(m);
    }
}

TEST_F(HookTest, SeesFocusLossWithTheNewFocusAndTheDestroyOfAWindow) {
    HWND other = MakeChild(top, 2);
    SetFocus(edit);
    g_calls.clear();
    SetFocus(other);
    DestroyWindow(edit);
    auto kill = std::find_if(g_calls.begin(), g_calls.end(),
                             [](const HookCall& c) { return c.record.message == WM_KILLFOCUS; });
    ASSERT_NE(kill, g_calls.end());
    EXPECT_EQ(kill->record.hwnd, edit);
    EXPECT_EQ(kill->record.wParam, reinterpret_cast<WPARAM>(other));
    auto destroy = std::find_if(g_calls.begin(), g_calls.end(),
                                [](const HookCall& c) { return c.record.message == WM_DESTROY; });
    ASSERT_NE(destroy, g_calls.end());
    EXPECT_EQ(destroy->record.hwnd, edit);
}

TEST_F(HookTest, LatestHookRunsFirstAndEachPassesOn) {
    g_hooks[1] = SetWindowsHookEx(WH_CALLWNDPROCRET, HookProc<1>, nullptr, 0);
    g_hooks[2] = SetWindowsHookEx(WH_CALLWNDPROCRET, HookProc<2>, nullptr, 0);
    SendMessage(edit, WM_USER, 0, 0);
    std::vector<int> order;
    for (const HookCall& c : g_calls) {
        order.push_back(c.hook);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1, 0}));

    g_calls.clear();
    g_passOn[1] = false; // a hook that does not call the next one ends the chain
    SendMessage(edit, WM_USER, 0, 0);
    order.clear();
    for (const HookCall& c : g_calls) {
        order.push_back(c.hook);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

TEST_F(HookTest, UnhookedHooksSeeNothingMoreAndUnhookingTwiceFails) {
    g_hooks[1] = SetWindowsHookEx(WH_CALLWNDPROCRET, HookProc<1>, nullptr, 0);
    EXPECT_TRUE(UnhookWindowsHookEx(g_hooks[1]));
    EXPECT_FALSE(UnhookWindowsHookEx(g_hooks[1]));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_HANDLE);
    SendMessage(edit, WM_USER, 0, 0);
    EXPECT_TRUE(Seen(1).empty());
    EXPECT_EQ(Seen(0), (std::vector<UINT>{WM_USER}));
}

TEST_F(HookTest, AHookThatUnhooksItselfStillReachesTheNextOne) {
    g_hooks[1] = SetWindowsHookEx(WH_CALLWNDPROCRET, HookProc<1>, nullptr, 0);
    g_unhookSelf = true;
    SendMessage(edit, WM_USER, 0, 0);
    std::vector<int> order;
    for (const HookCall& c : g_calls) {
        order.push_back(c.hook);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 0}));
    g_calls.clear();
    SendMessage(edit, WM_USER, 0, 0);
    EXPECT_TRUE(g_calls.empty());
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        auto* cbt = reinterpret_cast<CBT_CREATEWND*>(lParam);
        Log().Record(reinterpret_cast<HWND>(wParam), WM_APP + 50, 0, 0);
        if (std::string(cbt->lpcs->lpszName) == "refused") {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HookTest, CbtHookHearsOfANewWindowBeforeItsFirstMessageAndMayRefuseIt) {
    HHOOK cbt = SetWindowsHookEx(WH_CBT, CbtProc, nullptr, 0);
    ASSERT_NE(cbt, nullptr);
    Log().Watch({WM_APP + 50, WM_NCCREATE});
    HWND child = MakeChild(top, 9);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{child, WM_APP + 50}, {child, WM_NCCREATE}}));
    Log().Watch({WM_NCCREATE});
    EXPECT_EQ(CreateWindowEx(0, kRecorderClass, "refused", WS_CHILD, 0, 0, 1, 1, top, nullptr,
                             nullptr, nullptr),
              nullptr);
    EXPECT_TRUE(Log().Entries().empty());
    EXPECT_EQ(GetDlgItem(top, 0), nullptr);
    EXPECT_TRUE(UnhookWindowsHookEx(cbt));
}

TEST_F(HookTest, OnlyThisThreadsWindowProcedureHooksAreSupported) {
    struct Case {
        int type;
        HOOKPROC proc;
        DWORD thread;
        DWORD error;
    };
    const Case cases[] = {
        {2 /* WH_KEYBOARD */, HookProc<1>, 0, ERROR_INVALID_HOOK_FILTER},
        {WH_CALLWNDPROCRET, nullptr, 0, ERROR_INVALID_FILTER_PROC},
        {WH_CALLWNDPROCRET, HookProc<1>, GetCurrentThreadId() + 1000, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(SetWindowsHookEx(c.type, c.proc, nullptr, c.thread), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

} // namespace
} // namespace win32test
