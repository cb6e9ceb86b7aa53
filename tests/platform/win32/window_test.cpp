// Creation and destruction, the family of a window, and what stale handles do.
#include "message_log.h"

#include <cstring>

namespace win32test {
namespace {

class WindowTest : public Win32Test {};

TEST_F(WindowTest, CreationSendsNcCreateCreateSizeMoveThenParentNotify) {
    HWND top = MakeTopLevel("Top");
    Log().Watch({WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY});
    Log().Clear();
    HWND child = MakeChild(top, 7, WS_VISIBLE, {12, 13, 72, 39});
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{child, WM_NCCREATE},
                                             {child, WM_CREATE},
                                             {child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(60, 26)},
                                             {child, WM_MOVE, 0, MAKELPARAM(12, 13)},
                                             {top, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 7),
                                              reinterpret_cast<LPARAM>(child)}}));
}

TEST_F(WindowTest, DestroyGoesToTheWindowThenChildrenDepthFirstAndNcDestroyLast) {
    HWND top = MakeTopLevel("Top");
    HWND a = MakeChild(top, 1);
    HWND a1 = MakeChild(a, 11);
    HWND b = MakeChild(top, 2);
    HWND owned = MakeTopLevel("Owned", WS_POPUP, top);
    Log().Watch({WM_DESTROY, WM_NCDESTROY});
    Log().Clear();

    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{owned, WM_DESTROY},
                                             {owned, WM_NCDESTROY},
                                             {top, WM_DESTROY},
                                             {a, WM_DESTROY},
                                             {a1, WM_DESTROY},
                                             {a1, WM_NCDESTROY},
                                             {a, WM_NCDESTROY},
                                             {b, WM_DESTROY},
                                             {b, WM_NCDESTROY},
                                             {top, WM_NCDESTROY}}));
    for (HWND h : {top, a, a1, b, owned}) {
        EXPECT_FALSE(IsWindow(h));
    }
}

TEST_F(WindowTest, ChildrenAreStillThereDuringTheParentsDestroy) {
    HWND top = MakeTopLevel("Top");
    HWND child = MakeChild(top, 5);
    bool childAlive = false;
    SetHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == top && msg == WM_DESTROY) {
            childAlive = IsWindow(child) && GetDlgItem(top, 5) == child;
        }
        return std::nullopt;
    });
    DestroyWindow(top);
    EXPECT_TRUE(childAlive);
}

TEST_F(WindowTest, ProcedureMayDestroyItsOwnWindowWhileHandlingAMessage) {
    HWND top = MakeTopLevel("Top");
    HWND child = MakeChild(top, 1);
    SetHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == child && msg == WM_USER) {
            DestroyWindow(hwnd);
            DestroyWindow(hwnd); // again, from the same handler: nothing left to touch
            return 42;
        }
        return std::nullopt;
    });
    EXPECT_EQ(SendMessage(child, WM_USER, 0, 0), 42);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetWindow(top, GW_CHILD), nullptr);
}

TEST_F(WindowTest, RefusedCreationLeavesNoWindow) {
    struct Case {
        UINT refuse;
        LRESULT answer;
    };
    for (Case c : {Case{WM_NCCREATE, FALSE}, Case{WM_CREATE, -1}}) {
        HWND seen = nullptr;
        SetHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            seen = hwnd;
            if (msg == c.refuse) {
                return c.answer;
            }
            return std::nullopt;
        });
        EXPECT_EQ(MakeTopLevel("No"), nullptr) << MessageName(c.refuse);
        EXPECT_FALSE(IsWindow(seen));
        EXPECT_TRUE(win32::Desktop::TopLevelWindows().empty());
    }
}

TEST_F(WindowTest, CreationFailsAsWin32Fails) {
    HWND top = MakeTopLevel("Top");
    HWND stale = MakeTopLevel("Stale");
    DestroyWindow(stale);
    struct Case {
        const char* what;
        LPCSTR cls;
        DWORD style;
        HWND parent;
        DWORD error;
    };
    const Case cases[] = {
        {"unknown class", "NoSuchClass", 0, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
        {"child without parent", kRecorderClass, WS_CHILD, nullptr, ERROR_TLW_WITH_WSCHILD},
        {"stale parent", kRecorderClass, WS_CHILD, stale, ERROR_INVALID_WINDOW_HANDLE},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(CreateWindowEx(0, c.cls, "", c.style, 0, 0, 10, 10, c.parent, nullptr, nullptr,
                                 nullptr),
                  nullptr)
            << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_TRUE(IsWindow(top));
}

TEST_F(WindowTest, StaleHandlesFailWithInvalidWindowHandle) {
    HWND top = MakeTopLevel("Top");
    HWND gone = MakeChild(top, 3);
    DestroyWindow(gone);
    HWND fresh = MakeChild(top, 3); // a new window never reuses the old handle
    ASSERT_NE(fresh, gone);
    RECT r{};
    POINT p{};
    char buffer[8] = "x";
    struct Case {
        const char* call;
        std::function<LONG_PTR()> run;
    };
    const Case cases[] = {
        {"SendMessage", [&] { return SendMessage(gone, WM_USER, 0, 0); }},
        {"PostMessage", [&] { return static_cast<LONG_PTR>(PostMessage(gone, WM_USER, 0, 0)); }},
        {"DestroyWindow", [&] { return static_cast<LONG_PTR>(DestroyWindow(gone)); }},
        {"ShowWindow", [&] { return static_cast<LONG_PTR>(ShowWindow(gone, SW_SHOW)); }},
        {"EnableWindow", [&] { return static_cast<LONG_PTR>(EnableWindow(gone, FALSE)); }},
        {"SetWindowText", [&] { return static_cast<LONG_PTR>(SetWindowText(gone, "x")); }},
        {"GetWindowText", [&] { return static_cast<LONG_PTR>(GetWindowText(gone, buffer, 8)); }},
        {"GetWindowRect", [&] { return static_cast<LONG_PTR>(GetWindowRect(gone, &r)); }},
        {"ScreenToClient", [&] { return static_cast<LONG_PTR>(ScreenToClient(gone, &p)); }},
        {"GetParent", [&] { return reinterpret_cast<LONG_PTR>(GetParent(gone)); }},
        {"GetWindowLongPtr", [&] { return GetWindowLongPtr(gone, GWL_STYLE); }},
        {"SetFocus", [&] { return reinterpret_cast<LONG_PTR>(SetFocus(gone)); }},
        {"SetParent", [&] { return reinterpret_cast<LONG_PTR>(SetParent(gone, top)); }},
        {"GetDlgCtrlID", [&] { return static_cast<LONG_PTR>(GetDlgCtrlID(gone)); }},
        {"SetWindowPos",
         [&] { return static_cast<LONG_PTR>(SetWindowPos(gone, nullptr, 0, 0, 1, 1, 0)); }},
        {"InvalidateRect", [&] { return static_cast<LONG_PTR>(InvalidateRect(gone, nullptr, 1)); }},
        {"EndDialog", [&] { return static_cast<LONG_PTR>(EndDialog(gone, 1)); }},
        {"MessageBox", [&] { return static_cast<LONG_PTR>(MessageBox(gone, "t", "c", MB_OK)); }},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(c.run(), 0) << c.call;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE) << c.call;
    }
    EXPECT_FALSE(IsWindow(gone));
    EXPECT_EQ(GetDlgItem(top, 3), fresh);
    EXPECT_STREQ(buffer, "x");
    EXPECT_TRUE(Service().Boxes().empty());
}

TEST_F(WindowTest, FamilyQueries) {
    HWND owner = MakeTopLevel("Owner");
    HWND popup = MakeTopLevel("Popup", WS_POPUP | WS_CAPTION, owner);
    HWND overlapped = MakeTopLevel("Overlapped", WS_OVERLAPPED | WS_CAPTION, owner);
    HWND a = MakeChild(owner, 1);
    HWND b = MakeChild(owner, 2);
    HWND inner = MakeChild(a, 3);

    EXPECT_EQ(GetParent(a), owner);
    EXPECT_EQ(GetParent(popup), owner); // a popup's parent is its owner
    EXPECT_EQ(GetParent(overlapped), nullptr);
    EXPECT_EQ(GetWindow(overlapped, GW_OWNER), owner);
    EXPECT_EQ(GetWindow(owner, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
    EXPECT_TRUE(IsChild(owner, inner));
    EXPECT_FALSE(IsChild(owner, popup)); // owned, not a child
    EXPECT_FALSE(IsChild(inner, owner));
    EXPECT_EQ(GetAncestor(inner, GA_ROOT), owner);
    EXPECT_EQ(GetAncestor(owner, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetDlgItem(owner, 2), b);
    EXPECT_EQ(GetDlgItem(owner, 3), nullptr); // only direct children
    EXPECT_EQ(GetDlgCtrlID(inner), 3);

    char name[32];
    EXPECT_EQ(GetClassName(a, name, sizeof name), static_cast<int>(std::strlen(kRecorderClass)));
    EXPECT_STREQ(name, kRecorderClass);
}

TEST_F(WindowTest, SetParentRefusesToMakeALoop) {
    HWND top = MakeTopLevel("Top");
    HWND a = MakeChild(top, 1);
    HWND b = MakeChild(a, 2);
    EXPECT_EQ(SetParent(a, b), nullptr);
    EXPECT_EQ(SetParent(a, a), nullptr);
    EXPECT_EQ(GetParent(a), top);

    HWND other = MakeTopLevel("Other");
    EXPECT_EQ(SetParent(b, other), a);
    EXPECT_EQ(GetParent(b), other);
    EXPECT_EQ(GetWindow(a, GW_CHILD), nullptr);
}

TEST_F(WindowTest, TextGoesThroughTheMessagesAndTruncatesToTheBuffer) {
    HWND top = MakeTopLevel("Initial");
    char small[4];
    EXPECT_EQ(GetWindowText(top, small, sizeof small), 3);
    EXPECT_STREQ(small, "Ini");
    Log().Watch({WM_SETTEXT, WM_GETTEXT});
    Log().Clear();
    EXPECT_TRUE(SetWindowText(top, "Changed"));
    EXPECT_EQ(GetWindowTextLength(top), 7);
    char text[16];
    EXPECT_EQ(GetWindowText(top, text, sizeof text), 7);
    EXPECT_STREQ(text, "Changed");
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_SETTEXT}, {top, WM_GETTEXT, 16}}));
}

TEST_F(WindowTest, SubclassingThroughTheWindowProcedureSlot) {
    HWND top = MakeTopLevel("Top");
    static WNDPROC previous = nullptr;
    static int seen = 0;
    seen = 0;
    WNDPROC subclass = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_USER) {
            ++seen;
        }
        return CallWindowProc(previous, hwnd, msg, wp, lp);
    };
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass)));
    Log().Watch({WM_USER});
    Log().Clear();
    SendMessage(top, WM_USER, 1, 2);
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_USER, 1, 2}})); // the original ran too
    EXPECT_EQ(GetWindowLongPtr(top, 64), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
}

TEST_F(WindowTest, GeometryInPixelsWithTheFrameAroundTopLevelWindows) {
    HWND top = CreateWindowEx(0, kRecorderClass, "T", WS_POPUP | WS_CAPTION, 60, 26, 132, 91,
                              nullptr, nullptr, nullptr, nullptr);
    HWND child = MakeChild(top, 1, WS_VISIBLE, {12, 13, 72, 39});
    RECT r{};
    GetClientRect(top, &r);
    EXPECT_EQ(r.right, 132 - 2 * win32::kFrameWidth);
    EXPECT_EQ(r.bottom, 91 - win32::kCaptionHeight - win32::kFrameBottom);
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 60 + win32::kFrameWidth + 12);
    EXPECT_EQ(r.top, 26 + win32::kCaptionHeight + 13);
    POINT p{r.left, r.top};
    ScreenToClient(child, &p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    POINT q{0, 0};
    MapWindowPoints(child, top, &q, 1);
    EXPECT_EQ(q.x, 12);
    EXPECT_EQ(q.y, 13);

    RECT frame{0, 0, 120, 52};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION, FALSE, 0);
    EXPECT_EQ(frame.right - frame.left, 132);
    EXPECT_EQ(frame.bottom - frame.top, 78);
}
} // namespace
} // namespace win32test
