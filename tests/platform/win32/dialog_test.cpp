// Dialogs from templates, the dialog manager's keys, and modal loops that nest.
#include "message_log.h"

#include <array>

namespace win32test {
namespace {

// Stand-ins for the real controls, which live in a layer above: a push button that answers
// WM_GETDLGCODE the way a button does, and a field that can keep keys for itself.
constexpr const char* kButton = "TestButton";
constexpr const char* kField = "TestField";
constexpr DWORD kWantsAllKeys = 0x0001; // field style bit for these tests

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Log().Record(hwnd, msg, wp, lp);
    auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_BUTTON | ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON
                                                                        : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        SetWindowLongPtr(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | (wp & BS_TYPEMASK));
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK FieldProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Log().Record(hwnd, msg, wp, lp);
    if (msg == WM_GETDLGCODE) {
        auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
        return DLGC_WANTCHARS | DLGC_HASSETSEL | ((style & kWantsAllKeys) ? DLGC_WANTALLKEYS : 0);
    }
    return DefWindowProc(hwnd, msg, wp, lp);
}

void RegisterControlStandIns() {
    for (auto [name, proc] : {std::pair<const char*, WNDPROC>{kButton, ButtonProc},
                              std::pair<const char*, WNDPROC>{kField, FieldProc}}) {
        WNDCLASS wc;
        if (!GetClassInfo(nullptr, name, &wc)) {
            wc = WNDCLASS{};
            wc.lpfnWndProc = proc;
            wc.lpszClassName = name;
            RegisterClass(&wc);
        }
    }
}

constexpr DWORD kVis = WS_VISIBLE;
constexpr std::array<DLGITEMTEMPLATE, 6> kItems{{
    {kVis | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 225, 198, 73, 14, 1007, kButton, "Close"},
    {kVis | WS_TABSTOP, 0, 308, 198, 64, 14, IDCANCEL, kButton, "Exit"},
    {kVis | WS_TABSTOP, 0, 7, 7, 372, 146, 1001, kField, ""},
    {kVis, 0, 95, 167, 55, 8, IDC_STATIC, kField, "label"}, // no tab stop
    {kVis | WS_TABSTOP, 0, 303, 162, 69, 14, 1005, kButton, "Get"},
    {WS_TABSTOP, 0, 107, 94, 40, 14, 1006, kField, ""}, // hidden
}};
constexpr DLGTEMPLATE kTemplate{DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                WS_EX_APPWINDOW,
                                0,
                                0,
                                386,
                                219,
                                "Marrowick",
                                "MS Shell Dlg",
                                8,
                                kItems};

std::vector<std::pair<HWND, WPARAM>> g_commands;
std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> g_dialogHandler;

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) {
        g_commands.emplace_back(dlg, wp);
    }
    if (g_dialogHandler) {
        return g_dialogHandler(dlg, msg, wp, lp);
    }
    if (msg == WM_INITDIALOG) {
        return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

class DialogTest : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        RegisterControlStandIns();
        g_commands.clear();
        g_dialogHandler = nullptr;
    }
    void TearDown() override {
        g_dialogHandler = nullptr;
        Win32Test::TearDown();
    }
    HWND Open() {
        HWND dlg = CreateDialogIndirectParam(nullptr, &kTemplate, nullptr, DialogProc, 0);
        EXPECT_NE(dlg, nullptr);
        return dlg;
    }
    static std::vector<WORD> CommandIds() {
        std::vector<WORD> ids;
        for (auto& [dlg, wp] : g_commands) {
            ids.push_back(LOWORD(wp));
        }
        return ids;
    }
};

TEST_F(DialogTest, TemplateGivesIdsClassesTextsAndPositionsInCells) {
    HWND dlg = Open();
    char text[32];
    GetWindowText(dlg, text, sizeof text);
    EXPECT_STREQ(text, "Marrowick");
    RECT client{};
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, 579);  // 386 * 6 / 4
    EXPECT_EQ(client.bottom, 356); // 219 * 13 / 8, rounded
    struct Case {
        int id;
        const char* text;
        win32::CellRect cells; // in the dialog's client area
    };
    const Case cases[] = {
        {1007, "Close", {56, 24, 74, 26}}, // 225/4, 198/8 ...
        {IDCANCEL, "Exit", {77, 24, 93, 26}},
        {1001, "", {1, 0, 94, 19}},
        {1005, "Get", {75, 20, 93, 22}},
    };
    for (const Case& c : cases) {
        HWND item = GetDlgItem(dlg, c.id);
        ASSERT_NE(item, nullptr) << c.id;
        GetWindowText(item, text, sizeof text);
        EXPECT_STREQ(text, c.text);
        RECT r{};
        GetWindowRect(item, &r);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(win32::PixelsToCells(r), c.cells) << c.id;
    }
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, 1006)));
    EXPECT_EQ(SendMessage(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(1007, DC_HASDEFID));
}

TEST_F(DialogTest, InitDialogGetsTheFirstTabStopAndFocusGoesThereUnlessItSaysNo) {
    for (INT_PTR answer : {TRUE, FALSE}) {
        HWND firstSeen = nullptr;
        g_dialogHandler = [&](HWND, UINT msg, WPARAM wp, LPARAM) -> INT_PTR {
            if (msg == WM_INITDIALOG) {
                firstSeen = reinterpret_cast<HWND>(wp);
                return answer;
            }
            return FALSE;
        };
        HWND dlg = Open();
        EXPECT_EQ(firstSeen, GetDlgItem(dlg, 1007));
        if (answer) {
            EXPECT_EQ(GetFocus(), GetDlgItem(dlg, 1007));
        } else {
            // Shown and activated, the dialog still puts the focus on a control.
            EXPECT_TRUE(IsChild(dlg, GetFocus()));
        }
        DestroyWindow(dlg);
    }
}

TEST_F(DialogTest, TabAndShiftTabSkipDisabledHiddenAndNonStopControls) {
    HWND dlg = Open();
    EnableWindow(GetDlgItem(dlg, IDCANCEL), FALSE);
    SetFocus(GetDlgItem(dlg, 1007));
    struct Step {
        win32::Modifiers mods;
        int expected;
    };
    const Step steps[] = {
        {win32::Modifiers::None, 1001}, // Cancel is disabled
        {win32::Modifiers::None, 1005}, // the label has no tab stop
        {win32::Modifiers::None, 1007}, // 1006 is hidden; wraps around
        {win32::Modifiers::Shift, 1005}, {win32::Modifiers::Shift, 1001},
        {win32::Modifiers::Shift, 1007},
    };
    for (const Step& s : steps) {
        win32::PostKeyPress(VK_TAB, s.mods);
        Pump(dlg);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), s.expected);
    }
}

TEST_F(DialogTest, TabIntoAFieldSelectsItsTextAndAPushButtonLooksDefaultWhileFocused) {
    HWND dlg = Open();
    HWND field = GetDlgItem(dlg, 1001);
    HWND get = GetDlgItem(dlg, 1005);
    HWND close = GetDlgItem(dlg, 1007);
    SetFocus(GetDlgItem(dlg, IDCANCEL));
    Log().Watch({EM_SETSEL});
    win32::PostKeyPress(VK_TAB);
    Pump(dlg);
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{field, EM_SETSEL, 0, -1}}));

    SetFocus(get);
    SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(get), TRUE);
    auto type = [](HWND h) { return GetWindowLongPtr(h, GWL_STYLE) & BS_TYPEMASK; };
    EXPECT_EQ(type(get), static_cast<LONG_PTR>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(type(close), static_cast<LONG_PTR>(BS_PUSHBUTTON));
    SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    EXPECT_EQ(type(get), static_cast<LONG_PTR>(BS_PUSHBUTTON));
    EXPECT_EQ(type(close), static_cast<LONG_PTR>(BS_DEFPUSHBUTTON)); // back to the default id
}

TEST_F(DialogTest, EnterEscapeAndCloseBecomeCommands) {
    struct Case {
        const char* what;
        int focus;
        int disabled; // control id, 0 for none
        std::function<void(HWND)> act;
        std::vector<WORD> commands;
        int beeps;
    };
    auto enter = [](HWND) { win32::PostKeyPress(VK_RETURN); };
    auto escape = [](HWND) { win32::PostKeyPress(VK_ESCAPE); };
    auto close = [](HWND dlg) { PostMessage(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); };
    const Case cases[] = {
        {"Enter in the field presses the default button", 1001, 0, enter, {1007}, 0},
        {"Enter on a push button presses that one", 1005, 0, enter, {1005}, 0},
        {"Enter with the default button disabled does nothing", 1001, 1007, enter, {}, 1},
        {"Escape is Cancel", 1001, 0, escape, {IDCANCEL}, 0},
        {"the close command is Cancel", 1001, 0, close, {IDCANCEL}, 0},
        {"Escape with Cancel disabled does nothing", 1001, IDCANCEL, escape, {}, 1},
        {"close with Cancel disabled does nothing", 1001, IDCANCEL, close, {}, 1},
    };
    for (const Case& c : cases) {
        g_commands.clear();
        Service().Clear();
        g_dialogHandler = [](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR {
            return msg == WM_INITDIALOG ? TRUE : FALSE; // records commands, ends nothing
        };
        HWND dlg = Open();
        if (c.disabled != 0) {
            EnableWindow(GetDlgItem(dlg, c.disabled), FALSE);
        }
        SetFocus(GetDlgItem(dlg, c.focus));
        c.act(dlg);
        Pump(dlg);
        EXPECT_EQ(CommandIds(), c.commands) << c.what;
        EXPECT_EQ(Service().Beeps(), c.beeps) << c.what;
        if (!c.commands.empty()) {
            auto [target, wp] = g_commands.front();
            EXPECT_EQ(target, dlg);
            EXPECT_EQ(HIWORD(wp), BN_CLICKED) << c.what;
        }
        DestroyWindow(dlg);
    }
}

TEST_F(DialogTest, AControlThatWantsAllKeysKeepsEnterAndEscape) {
    HWND dlg = Open();
    HWND field = GetDlgItem(dlg, 1001);
    SetWindowLongPtr(field, GWL_STYLE, GetWindowLongPtr(field, GWL_STYLE) | kWantsAllKeys);
    SetFocus(field);
    Log().Watch({WM_KEYDOWN});
    win32::PostKeyPress(VK_RETURN);
    win32::PostKeyPress(VK_ESCAPE);
    Pump(dlg);
    EXPECT_TRUE(g_commands.empty());
    EXPECT_TRUE(SequenceIs(Log().Entries(),
                           {{field, WM_KEYDOWN, VK_RETURN}, {field, WM_KEYDOWN, VK_ESCAPE}}));
}

TEST_F(DialogTest, SetDefIdMovesTheDefaultLook) {
    HWND dlg = Open();
    SetFocus(GetDlgItem(dlg, 1001));
    SendMessage(dlg, DM_SETDEFID, 1005, 0);
    EXPECT_EQ(SendMessage(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(1005, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtr(GetDlgItem(dlg, 1005), GWL_STYLE) & BS_TYPEMASK,
              static_cast<LONG_PTR>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(GetWindowLongPtr(GetDlgItem(dlg, 1007), GWL_STYLE) & BS_TYPEMASK,
              static_cast<LONG_PTR>(BS_PUSHBUTTON));
    win32::PostKeyPress(VK_RETURN);
    Pump(dlg);
    EXPECT_EQ(CommandIds(), (std::vector<WORD>{1005}));
}

TEST_F(DialogTest, ModalDialogDisablesItsOwnerAndReturnsTheEndDialogResult) {
    HWND owner = MakeTopLevel("Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    bool ownerEnabledInside = true;
    g_dialogHandler = [&](HWND dlg, UINT msg, WPARAM wp, LPARAM) -> INT_PTR {
        if (msg == WM_INITDIALOG) {
            return TRUE;
        }
        if (msg == WM_COMMAND && LOWORD(wp) == 1007) {
            ownerEnabledInside = IsWindowEnabled(owner) != FALSE;
            EndDialog(dlg, 4242);
            return TRUE;
        }
        return FALSE;
    };
    win32::PostKeyPress(VK_RETURN);
    EXPECT_EQ(DialogBoxIndirect(nullptr, &kTemplate, owner, DialogProc), 4242);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(win32::Desktop::TopLevelWindows(), (std::vector<HWND>{owner}));
}

TEST_F(DialogTest, ModalLoopsNest) {
    INT_PTR innerResult = 0;
    HWND outer = nullptr;
    g_dialogHandler = [&](HWND dlg, UINT msg, WPARAM wp, LPARAM) -> INT_PTR {
        if (msg == WM_INITDIALOG) {
            return TRUE;
        }
        if (msg != WM_COMMAND) {
            return FALSE;
        }
        if (LOWORD(wp) == 1007 && outer == nullptr) {
            outer = dlg;
            innerResult = DialogBoxIndirect(nullptr, &kTemplate, dlg, DialogProc);
            EXPECT_TRUE(IsWindowEnabled(dlg));
        } else if (LOWORD(wp) == IDCANCEL) {
            EXPECT_EQ(g_commands.size() == 2, dlg != outer); // inner first, then outer
            EndDialog(dlg, dlg == outer ? 2 : 3);
        }
        return TRUE;
    };
    win32::PostKeyPress(VK_RETURN); // outer: opens the inner dialog
    win32::PostKeyPress(VK_ESCAPE); // inner: ends it
    win32::PostKeyPress(VK_ESCAPE); // outer again: ends it
    EXPECT_EQ(DialogBoxIndirect(nullptr, &kTemplate, nullptr, DialogProc), 2);
    EXPECT_EQ(innerResult, 3);
    ASSERT_EQ(g_commands.size(), 3u);
    EXPECT_NE(g_commands[1].first, outer);
    EXPECT_EQ(g_commands[2].first, outer);
    EXPECT_TRUE(win32::Desktop::TopLevelWindows().empty());
}

TEST_F(DialogTest, QuitEndsEveryModalLoopAndIsSeenOutside) {
    g_dialogHandler = [&](HWND dlg, UINT msg, WPARAM wp, LPARAM) -> INT_PTR {
        if (msg == WM_COMMAND && LOWORD(wp) == 1007) {
            PostQuitMessage(5);
        }
        (void)dlg;
        return msg == WM_INITDIALOG;
    };
    win32::PostKeyPress(VK_RETURN);
    EXPECT_EQ(DialogBoxIndirect(nullptr, &kTemplate, nullptr, DialogProc), -1);
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(DialogTest, DialogProcedureAnswersThroughMsgResult) {
    g_dialogHandler = [](HWND dlg, UINT msg, WPARAM, LPARAM) -> INT_PTR {
        if (msg == WM_APP) {
            SetWindowLongPtr(dlg, DWLP_MSGRESULT, 99);
            return TRUE;
        }
        return msg == WM_INITDIALOG || msg == WM_APP + 1; // handled, result not set
    };
    HWND dlg = Open();
    EXPECT_EQ(SendMessage(dlg, WM_APP, 0, 0), 99);
    EXPECT_EQ(SendMessage(dlg, WM_APP + 1, 0, 0), 0); // the earlier answer does not leak
}

TEST_F(DialogTest, TemplatesRegisteredByIdAndControlsThatFail) {
    win32::RegisterDialogTemplate(102, &kTemplate);
    HWND dlg = CreateDialogParam(nullptr, MAKEINTRESOURCE(102), nullptr, DialogProc, 0);
    ASSERT_NE(dlg, nullptr);
    DestroyWindow(dlg);
    EXPECT_EQ(CreateDialogParam(nullptr, MAKEINTRESOURCE(103), nullptr, DialogProc, 0), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);

    static constexpr std::array<DLGITEMTEMPLATE, 1> bad{
        {{kVis, 0, 0, 0, 10, 10, 5, "NoSuchControl", ""}}};
    static constexpr DLGTEMPLATE broken{WS_POPUP, 0, 0, 0, 50, 50, "X", nullptr, 8, bad};
    EXPECT_EQ(CreateDialogIndirect(nullptr, &broken, nullptr, DialogProc), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_TRUE(win32::Desktop::TopLevelWindows().empty());
}

TEST_F(DialogTest, DialogItemHelpers) {
    HWND dlg = Open();
    EXPECT_TRUE(SetDlgItemInt(dlg, 1001, static_cast<UINT>(-12), TRUE));
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(dlg, 1001, &ok, TRUE)), -12);
    EXPECT_TRUE(ok);
    SetDlgItemText(dlg, 1001, "12x");
    EXPECT_EQ(GetDlgItemInt(dlg, 1001, &ok, TRUE), 0u);
    EXPECT_FALSE(ok);
    char text[8] = "junk";
    EXPECT_EQ(GetDlgItemText(dlg, 4711, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(SetDlgItemText(dlg, 4711, "x"));
}

} // namespace
} // namespace win32test
