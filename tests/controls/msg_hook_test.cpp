// CMsgHook through a dialog made from a template: focus moves, keys and clicks delivered
// through the queue, drop-downs opening and closing, editors destroyed.
#include "controls/msg_hook.h"
#include "platform/win32/controls/commctrl.h"
#include "platform/win32/windows.h"

#include <array>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using mw::controls::kEndEditMessage;

constexpr const char* kListClass = "HookTestList";
constexpr const char* kFieldClass = "HookTestField";

// What each list window heard from the hook: (list, wParam).
std::vector<std::pair<HWND, WPARAM>> g_endEdits;
// Answers of the fields to CB_GETDROPPEDSTATE and DTM_GETMONTHCAL.
LRESULT g_comboDropped = 0;
LRESULT g_calendarOpen = 0;

LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kEndEditMessage) {
        g_endEdits.emplace_back(hwnd, wp);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK FieldProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case CB_GETDROPPEDSTATE:
        return g_comboDropped;
    case DTM_GETMONTHCAL:
        return g_calendarOpen;
    default:
        return DefWindowProc(hwnd, msg, wp, lp);
    }
}

void RegisterClasses() {
    for (auto [name, proc] : {std::pair<const char*, WNDPROC>{kListClass, ListProc},
                              std::pair<const char*, WNDPROC>{kFieldClass, FieldProc}}) {
        WNDCLASS wc{};
        if (!GetClassInfo(nullptr, name, &wc)) {
            wc = WNDCLASS{};
            wc.lpfnWndProc = proc;
            wc.lpszClassName = name;
            RegisterClass(&wc);
        }
    }
}

constexpr int kList = 1001;
constexpr int kOther = 1005;
constexpr int kSecondList = 1008;
constexpr DWORD kVis = WS_VISIBLE | WS_TABSTOP;
constexpr std::array<DLGITEMTEMPLATE, 3> kItems{{
    {kVis, 0, 7, 7, 200, 100, kList, kListClass, ""},
    {kVis, 0, 7, 120, 60, 14, kOther, kFieldClass, ""},
    {kVis, 0, 220, 7, 100, 100, kSecondList, kListClass, ""},
}};
constexpr DLGTEMPLATE kTemplate{
    WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 340, 150, "Hook", "MS Shell Dlg", 8, kItems};

INT_PTR CALLBACK DialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

class MsgHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        RegisterClasses();
        g_endEdits.clear();
        g_comboDropped = 0;
        g_calendarOpen = 0;
        dialog = CreateDialogIndirectParam(nullptr, &kTemplate, nullptr, DialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        list = GetDlgItem(dialog, kList);
        other = GetDlgItem(dialog, kOther);
        editor = MakeField(list, 2000);
        Pump();
    }
    void TearDown() override { win32::ResetWindowSystem(); }

    static HWND MakeField(HWND parent, int id) {
        return CreateWindowEx(0, kFieldClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 13, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    void Pump() const {
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            if (!IsDialogMessage(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
    }
    // Opens the editor the way the list control does: focus first, then the hook.
    void Open(CMsgHook& hook, HWND wnd) {
        SetFocus(wnd);
        ASSERT_TRUE(hook.Attach(wnd, GetParent(wnd), nullptr));
        g_endEdits.clear();
    }
    void Key(HWND to, WPARAM vk) {
        PostMessage(to, WM_KEYDOWN, vk, 0);
        Pump();
    }
    void Click(HWND to) {
        PostMessage(to, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessage(to, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        Pump();
    }
    using Ends = std::vector<std::pair<HWND, WPARAM>>;

    HWND dialog = nullptr;
    HWND list = nullptr;
    HWND other = nullptr;
    HWND editor = nullptr;
};

TEST_F(MsgHookTest, FocusLeavingTheEditorEndsTheEditingButNotIntoItsOwnChild) {
    CMsgHook hook;
    Open(hook, editor);
    HWND inner = MakeField(editor, 1);
    SetFocus(inner);
    EXPECT_EQ(g_endEdits, Ends{});
    // The focus now leaves from the editor's child: its owning hook is still the editor's.
    SetFocus(other);
    EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
}

TEST_F(MsgHookTest, EnterKeepsAndEscapeDropsEvenWhileDroppedDown) {
    struct Case {
        WPARAM key;
        bool droppedDown;
        WPARAM expected;
    };
    for (const Case& c : {Case{VK_RETURN, false, 1}, Case{VK_ESCAPE, false, 0},
                          Case{VK_RETURN, true, 1}, Case{VK_ESCAPE, true, 0}}) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " dropped " << c.droppedDown);
        CMsgHook hook;
        Open(hook, editor);
        hook.m_bDroppedDown = c.droppedDown;
        Key(editor, c.key);
        EXPECT_EQ(g_endEdits, (Ends{{list, c.expected}}));
        hook.Detach();
    }
}

TEST_F(MsgHookTest, OtherKeysAndKeysOutsideTheEditorEndNothing) {
    CMsgHook hook;
    Open(hook, editor);
    Key(editor, 'A');
    SetFocus(other);
    g_endEdits.clear();
    ASSERT_TRUE(hook.Attach(editor, list, nullptr));
    Key(other, VK_ESCAPE);
    EXPECT_EQ(g_endEdits, Ends{});
}

TEST_F(MsgHookTest, ClicksElsewhereEndTheEditingAndClicksInsideDoNot) {
    CMsgHook hook;
    Open(hook, editor);
    HWND inner = MakeField(editor, 1);
    Click(editor);
    Click(inner);
    EXPECT_EQ(g_endEdits, Ends{});
    Click(list);
    EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
}

TEST_F(MsgHookTest, TheNotifyWindowIsTheTargetWhenGiven) {
    CMsgHook hook;
    HWND second = GetDlgItem(dialog, kSecondList);
    SetFocus(editor);
    ASSERT_TRUE(hook.Attach(editor, list, second));
    Key(editor, VK_RETURN);
    EXPECT_EQ(g_endEdits, (Ends{{second, 1}}));
}

// A dropped-down combo or calendar holds the editing open against focus loss and clicks.
TEST_F(MsgHookTest, AnOpenDropDownKeepsTheEditingUntilItClosesUp) {
    struct Case {
        const char* name;
        void (*open)(HWND dialog, HWND editor);
        void (*close)(HWND dialog, HWND editor);
    };
    static const Case cases[] = {
        {"combo notification",
         [](HWND dlg, HWND ed) {
             SendMessage(dlg, WM_COMMAND, MAKEWPARAM(2000, CBN_DROPDOWN),
                         reinterpret_cast<LPARAM>(ed));
         },
         [](HWND dlg, HWND ed) {
             SendMessage(dlg, WM_COMMAND, MAKEWPARAM(2000, CBN_CLOSEUP),
                         reinterpret_cast<LPARAM>(ed));
         }},
        {"date picker notification",
         [](HWND dlg, HWND ed) {
             NMHDR hdr{ed, 2000, DTN_DROPDOWN};
             SendMessage(dlg, WM_NOTIFY, 2000, reinterpret_cast<LPARAM>(&hdr));
         },
         [](HWND dlg, HWND ed) {
             NMHDR hdr{ed, 2000, DTN_CLOSEUP};
             SendMessage(dlg, WM_NOTIFY, 2000, reinterpret_cast<LPARAM>(&hdr));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMsgHook hook;
        Open(hook, editor);
        c.open(dialog, editor);
        EXPECT_TRUE(hook.m_bDroppedDown);
        SetFocus(other);
        Click(list);
        EXPECT_EQ(g_endEdits, Ends{});
        SetFocus(editor);
        c.close(dialog, editor);
        EXPECT_FALSE(hook.m_bDroppedDown);
        SetFocus(other);
        EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
        hook.Detach();
    }
}

// The control's own answer counts even when no notification was seen.
TEST_F(MsgHookTest, AClickKeepsTheEditingWhileTheEditorReportsAnOpenList) {
    for (LRESULT* answer : {&g_comboDropped, &g_calendarOpen}) {
        CMsgHook hook;
        Open(hook, editor);
        *answer = 1;
        Click(list);
        EXPECT_EQ(g_endEdits, Ends{});
        *answer = 0;
        Click(list);
        EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
        hook.Detach();
    }
}

TEST_F(MsgHookTest, DestroyingTheEditorRemovesItsEntry) {
    CMsgHook hook;
    Open(hook, editor);
    DestroyWindow(editor);
    EXPECT_EQ(hook.m_hWnd, nullptr);
    EXPECT_EQ(CMsgHook::m_mapHookedWindows.GetCount(), 0);
    EXPECT_FALSE(hook.Detach());
}

TEST_F(MsgHookTest, AttachWithAMissingWindowLeavesTheObjectAsItWas) {
    CMsgHook hook;
    Open(hook, editor);
    HWND gone = MakeField(list, 3);
    DestroyWindow(gone);
    EXPECT_FALSE(hook.Attach(gone, list, nullptr));
    EXPECT_FALSE(hook.Attach(editor, gone, nullptr));
    EXPECT_EQ(hook.m_hWnd, editor);
    EXPECT_EQ(hook.m_hParent, list);
    Key(editor, VK_RETURN);
    EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
}

TEST_F(MsgHookTest, AttachingElsewhereMovesTheEntry) {
    CMsgHook hook;
    Open(hook, editor);
    HWND next = MakeField(list, 3);
    ASSERT_TRUE(hook.Attach(next, list, nullptr));
    Key(editor, VK_RETURN);
    EXPECT_EQ(g_endEdits, Ends{});
    Key(next, VK_RETURN);
    EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
}

TEST_F(MsgHookTest, TwoObjectsShareOneHookThatGoesWithTheLast) {
    auto first = std::make_unique<CMsgHook>();
    HHOOK installed = CMsgHook::m_hHook;
    ASSERT_NE(installed, nullptr);
    auto second = std::make_unique<CMsgHook>();
    EXPECT_EQ(CMsgHook::m_hHook, installed);
    Open(*second, editor);
    first.reset();
    Key(editor, VK_RETURN);
    EXPECT_EQ(g_endEdits, (Ends{{list, 1}}));
    second.reset();
    EXPECT_EQ(CMsgHook::m_hHook, nullptr);
    // Already removed: a second removal fails.
    EXPECT_FALSE(UnhookWindowsHookEx(installed));
}

// Ending one editor may close another from inside the hook; every open editor still gets
// exactly one notice and a destroyed object is never reached through the map.
TEST_F(MsgHookTest, AClickEndsEveryOpenEditorOnceWhileTheyDetach) {
    HWND second = GetDlgItem(dialog, kSecondList);
    HWND secondEditor = MakeField(second, 2001);
    CMsgHook a;
    CMsgHook b;
    ASSERT_TRUE(a.Attach(editor, list, nullptr));
    ASSERT_TRUE(b.Attach(secondEditor, second, nullptr));
    static CMsgHook* s_all[2];
    s_all[0] = &a;
    s_all[1] = &b;
    // Each list closes both editors, as a dialog that ends all editing at once would.
    SetWindowLongPtr(list, GWLP_WNDPROC,
                     reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                         if (m == kEndEditMessage) {
                             s_all[0]->Detach();
                             s_all[1]->Detach();
                         }
                         return ListProc(h, m, w, l);
                     }));
    g_endEdits.clear();
    Click(other);
    EXPECT_EQ(g_endEdits.size(), 1u);
    EXPECT_EQ(CMsgHook::m_mapHookedWindows.GetCount(), 0);
}

TEST_F(MsgHookTest, DestroyingAnAttachedObjectRemovesItsEntry) {
    {
        CMsgHook hook;
        Open(hook, editor);
    }
    EXPECT_EQ(CMsgHook::m_mapHookedWindows.GetCount(), 0);
    CMsgHook later;
    Key(editor, VK_RETURN);
    Click(list);
    EXPECT_EQ(g_endEdits, Ends{});
}

} // namespace
