// Sent and posted messages, the order the queue hands them out, keys and timers.
#include "message_log.h"

namespace win32test {
namespace {

class QueueTest : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        top = MakeTopLevel("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        Pump(); // the first paint
        Log().Clear();
    }
    HWND top = nullptr;
};

TEST_F(QueueTest, SendRunsAtOncePostWaitsForTheLoop) {
    Log().Watch({WM_USER, WM_USER + 1, WM_USER + 2});
    PostMessage(top, WM_USER + 1, 1, 0);
    SendMessage(top, WM_USER, 0, 0);
    PostMessage(top, WM_USER + 2, 2, 0);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_USER}}));
    Pump();
    EXPECT_TRUE(SequenceIs(Log().Entries(),
                           {{top, WM_USER}, {top, WM_USER + 1, 1}, {top, WM_USER + 2, 2}}));
}

TEST_F(QueueTest, PostedMessagesComeBeforeInputAndQuitAfterBoth) {
    win32::PostKeyDown('A');
    PostMessage(top, WM_USER, 0, 0);
    PostQuitMessage(3);
    PostMessage(top, WM_USER + 1, 0, 0);
    std::vector<UINT> order;
    MSG msg;
    BOOL more = TRUE;
    while ((more = GetMessage(&msg, nullptr, 0, 0)) != FALSE) {
        order.push_back(msg.message);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_KEYDOWN}));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(QueueTest, PeekWithoutRemoveLeavesTheMessageAndFiltersApply) {
    PostMessage(top, WM_USER, 0, 0);
    PostMessage(top, WM_USER + 5, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(QueueTest, WithoutInputALoopEndsInsteadOfWaiting) {
    int idleCalls = 0;
    win32::SetIdleHandler([&] {
        // The first time the queue runs dry the "terminal" types once; then it has no more.
        if (++idleCalls == 1) {
            PostMessage(top, WM_USER, 0, 0);
            return true;
        }
        return false;
    });
    Log().Watch({WM_USER});
    Pump();
    EXPECT_EQ(idleCalls, 2);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_USER}}));
}

TEST_F(QueueTest, TranslateTurnsKeysIntoCharactersWithTheShiftState) {
    SetFocus(top);
    Log().Watch({WM_KEYDOWN, WM_CHAR});
    Log().Clear();
    win32::PostText("a1A!");
    win32::PostKeyPress(VK_RETURN);
    win32::PostKeyPress(VK_LEFT); // no character
    Pump();
    std::string typed;
    for (const Logged& e : Log().Entries()) {
        if (e.message == WM_CHAR) {
            typed += static_cast<char>(e.wParam);
        }
    }
    EXPECT_EQ(typed, "a1A!\r");
    EXPECT_EQ(Log().Entries().front().message, WM_KEYDOWN);
    EXPECT_EQ(Log().Entries()[1].message, WM_CHAR); // right after its key
}

TEST_F(QueueTest, KeyStateFollowsTheMessagesTakenFromTheQueue) {
    SetFocus(top);
    bool shiftDuringTab = false;
    SetHandler([&](HWND, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_KEYDOWN && wp == VK_TAB) {
            shiftDuringTab = (GetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000) != 0;
        }
        return std::nullopt;
    });
    win32::PostKeyPress(VK_TAB, win32::Modifiers::Shift);
    // Posted, not yet taken: the state has not changed.
    EXPECT_EQ(GetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState(static_cast<int>(VK_SHIFT)) & 0x8000, 0); // released again
    Pump();
    EXPECT_TRUE(shiftDuringTab);
    EXPECT_EQ(GetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000, 0);
}

TEST_F(QueueTest, KeysGoToTheWindowThatHasTheFocusWhenTheyAreTaken) {
    HWND a = MakeChild(top, 1);
    HWND b = MakeChild(top, 2);
    SetFocus(a);
    Log().Watch({WM_KEYDOWN});
    Log().Clear();
    SetHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == a && msg == WM_KEYDOWN) {
            SetFocus(b); // the next key, already queued, follows the focus
        }
        return std::nullopt;
    });
    win32::PostKeyDown('X');
    win32::PostKeyDown('Y');
    Pump();
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{a, WM_KEYDOWN, 'X'}, {b, WM_KEYDOWN, 'Y'}}));
}

TEST_F(QueueTest, TimersFireWhenDueOnTheInstalledClock) {
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    win32::SetClock([&] { return now; });
    ASSERT_EQ(SetTimer(top, 9, 100, nullptr), 9u);
    Log().Watch({WM_TIMER});
    Pump();
    EXPECT_TRUE(Log().Entries().empty());
    now += std::chrono::milliseconds(100);
    Pump(); // one WM_TIMER, then the next is 100 ms away
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_TIMER, 9}}));
    EXPECT_TRUE(KillTimer(top, 9));
    now += std::chrono::seconds(1);
    Pump();
    EXPECT_EQ(Log().Entries().size(), 1u);
    EXPECT_FALSE(KillTimer(top, 9));
}

TEST_F(QueueTest, AForgedTimerMessageDoesNotCallAnArbitraryAddress) {
    static int calls = 0;
    calls = 0;
    TIMERPROC proc = [](HWND, UINT, UINT_PTR, DWORD) { ++calls; };
    MSG forged{top, WM_TIMER, 1, reinterpret_cast<LPARAM>(proc), 0, {}};
    DispatchMessage(&forged);
    EXPECT_EQ(calls, 0);
    SetTimer(top, 1, 10, proc);
    DispatchMessage(&forged);
    EXPECT_EQ(calls, 1);
}

TEST_F(QueueTest, MouseInputGoesToTheWindowUnderThePointOrTheCapture) {
    HWND a = MakeChild(top, 1, WS_VISIBLE, {0, 0, 60, 26});
    HWND b = MakeChild(top, 2, WS_VISIBLE, {60, 0, 120, 26});
    RECT ra{};
    GetWindowRect(b, &ra);
    Log().Watch({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED});
    Log().Clear();
    win32::PostMouse(WM_LBUTTONDOWN, {ra.left + 7, ra.top + 2}, MK_LBUTTON);
    Pump();
    SetCapture(a);
    win32::PostMouse(WM_LBUTTONUP, {ra.left + 7, ra.top + 2});
    Pump();
    ReleaseCapture();
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 2)},
                                             {a, WM_LBUTTONUP, 0, MAKELPARAM(67, 2)},
                                             {a, WM_CAPTURECHANGED, 0, 0}}));
}

TEST_F(QueueTest, ClicksOnADisabledWindowBeepAndGoNowhere) {
    EnableWindow(top, FALSE);
    RECT r{};
    GetWindowRect(top, &r);
    Log().Watch({WM_LBUTTONDOWN});
    win32::PostMouse(WM_LBUTTONDOWN, {r.left + 20, r.top + 20});
    Pump();
    EXPECT_TRUE(Log().Entries().empty());
    EXPECT_EQ(Service().Beeps(), 1);
}

} // namespace
} // namespace win32test
