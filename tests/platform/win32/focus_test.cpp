// Focus, activation and where the focus goes when its window hides, is disabled or dies.
#include "message_log.h"

namespace win32test {
namespace {

class FocusTest : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        top = MakeTopLevel("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        a = MakeChild(top, 1);
        b = MakeChild(top, 2);
        inner = MakeChild(a, 3);
    }

public:
    HWND top = nullptr, a = nullptr, b = nullptr, inner = nullptr;
};

TEST_F(FocusTest, KillFocusNamesTheNewFocusAndSetFocusTheOld) {
    SetFocus(a);
    Log().Watch({WM_SETFOCUS, WM_KILLFOCUS});
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(SetFocus(b), b); // no change, no messages
    SetFocus(nullptr);
    auto w = [](HWND h) { return reinterpret_cast<WPARAM>(h); };
    EXPECT_TRUE(SequenceIs(
        Log().Entries(), {{a, WM_KILLFOCUS, w(b)}, {b, WM_SETFOCUS, w(a)}, {b, WM_KILLFOCUS, 0}}));
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(FocusTest, TheNewFocusIsInPlaceWhileTheOldOneHearsItLostIt) {
    SetFocus(a);
    HWND focusSeen = nullptr;
    SetHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == a && msg == WM_KILLFOCUS) {
            focusSeen = GetFocus();
            ShowWindow(a, SW_HIDE); // an editor closing itself must not take the focus away
        }
        return std::nullopt;
    });
    SetFocus(b);
    EXPECT_EQ(focusSeen, b);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(FocusTest, FocusLeavesAWindowThatIsHiddenDisabledOrDestroyed) {
    struct Case {
        const char* what;
        std::function<void(FocusTest&)> act;
        HWND FocusTest::*expected;
    };
    const Case cases[] = {
        {"hidden child", [](FocusTest& t) { ShowWindow(t.a, SW_HIDE); }, &FocusTest::top},
        {"destroyed child", [](FocusTest& t) { DestroyWindow(t.a); }, &FocusTest::top},
        {"hidden parent", [](FocusTest& t) { ShowWindow(t.a, SW_HIDE); }, &FocusTest::top},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        ShowWindow(a, SW_SHOW);
        SetFocus(c.what == std::string("hidden parent") ? inner : a);
        c.act(*this);
        EXPECT_EQ(GetFocus(), this->*c.expected) << c.what;
    }
    TearDown();
    SetUp();
    SetFocus(inner);
    Log().Watch({WM_KILLFOCUS, WM_ENABLE});
    EnableWindow(a, FALSE); // disabling takes the focus away entirely
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{inner, WM_KILLFOCUS, 0}, {a, WM_ENABLE, FALSE}}));
}

TEST_F(FocusTest, FocusInAnotherTopLevelWindowActivatesIt) {
    HWND other = MakeTopLevel("Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND field = MakeChild(other, 9);
    ASSERT_EQ(GetActiveWindow(), other);
    SetActiveWindow(top);
    SetFocus(a);
    Log().Watch({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    SetFocus(field);
    auto w = [](HWND h) { return reinterpret_cast<WPARAM>(h); };
    auto l = [](HWND h) { return reinterpret_cast<LPARAM>(h); };
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_ACTIVATE, WA_INACTIVE, l(other)},
                                             {other, WM_ACTIVATE, WA_ACTIVE, l(top)},
                                             {a, WM_KILLFOCUS, w(field)},
                                             {field, WM_SETFOCUS, w(a)}}));
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(win32::Desktop::TopLevelWindows().back(), other);
}

TEST_F(FocusTest, ClosingTheActiveWindowActivatesItsOwner) {
    HWND box = MakeTopLevel("Box", WS_POPUP | WS_CAPTION | WS_VISIBLE, top);
    ASSERT_EQ(GetActiveWindow(), box);
    EXPECT_EQ(win32::Desktop::TopLevelWindows().back(), box);
    SetActiveWindow(top); // an owned window stays above its owner
    EXPECT_EQ(win32::Desktop::TopLevelWindows().back(), box);
    SetActiveWindow(box);
    DestroyWindow(box);
    EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(FocusTest, CaptureChangesAreAnnounced) {
    Log().Watch({WM_CAPTURECHANGED});
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(SetCapture(b), a);
    DestroyWindow(b);
    EXPECT_EQ(GetCapture(), nullptr);
    auto l = [](HWND h) { return reinterpret_cast<LPARAM>(h); };
    EXPECT_TRUE(SequenceIs(Log().Entries(),
                           {{a, WM_CAPTURECHANGED, 0, l(b)}, {b, WM_CAPTURECHANGED, 0, 0}}));
}

} // namespace
} // namespace win32test
