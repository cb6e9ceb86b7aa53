// The system menu, choosing from it, and the commands it sends.
#include "message_log.h"

#include <string>

namespace win32test {
namespace {

class MenuTest : public Win32Test {
protected:
    static std::vector<std::string> Texts(HMENU menu) {
        std::vector<std::string> out;
        for (const win32::MenuItem& item : win32::MenuItems(menu)) {
            out.push_back(item.flags & MF_SEPARATOR ? "-" : item.text);
        }
        return out;
    }
};

TEST_F(MenuTest, SystemMenuFollowsTheStyleAndTakesAppendedItems) {
    struct Case {
        DWORD style;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, {"&Move", "-", "&Close\tAlt+F4"}},
        {WS_OVERLAPPEDWINDOW,
         {"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "-", "&Close\tAlt+F4"}},
        {WS_POPUP | WS_CAPTION, {}},
    };
    for (const Case& c : cases) {
        HWND top = MakeTopLevel("T", c.style);
        HMENU menu = GetSystemMenu(top, FALSE);
        if (c.items.empty()) {
            EXPECT_EQ(menu, nullptr);
            continue;
        }
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(GetSystemMenu(top, FALSE), menu); // the window's own copy
        EXPECT_EQ(Texts(menu), c.items);
    }

    HWND dlg = MakeTopLevel("D", WS_POPUP | WS_CAPTION | WS_SYSMENU);
    HMENU menu = GetSystemMenu(dlg, FALSE);
    EXPECT_TRUE(AppendMenu(menu, MF_SEPARATOR, 0, nullptr));
    EXPECT_TRUE(AppendMenu(menu, MF_STRING, 16, "&About Marrowick..."));
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(menu, 4), 16u);
    char text[32];
    EXPECT_EQ(GetMenuString(menu, 16, text, sizeof text, MF_BYCOMMAND), 19);
    EXPECT_STREQ(text, "&About Marrowick...");
    EXPECT_EQ(GetSystemMenu(dlg, TRUE), nullptr); // back to the default
    EXPECT_EQ(GetMenuItemCount(menu), 3);

    DestroyWindow(dlg);
    EXPECT_FALSE(AppendMenu(menu, MF_STRING, 17, "x")); // went with its window
    EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
}

TEST_F(MenuTest, AltSpaceOpensTheSystemMenuAndTheChoiceArrivesAsASystemCommand) {
    HWND top = MakeTopLevel("T", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    HWND child = MakeChild(top, 1);
    SetFocus(child);
    HMENU menu = GetSystemMenu(top, FALSE);
    AppendMenu(menu, MF_STRING, 16, "&About");
    AppendMenu(menu, MF_STRING | MF_GRAYED, 32, "Grey");
    Service().QueueMenuChoice(16);
    Service().QueueMenuChoice(32); // a grey item cannot be chosen
    Log().Watch({WM_SYSCOMMAND, WM_INITMENUPOPUP, WM_MENUSELECT});
    win32::PostKeyPress(VK_SPACE, win32::Modifiers::Alt);
    win32::PostKeyPress(VK_SPACE, win32::Modifiers::Alt);
    Pump();
    EXPECT_EQ(Service().MenusShown(), 2);
    auto m = reinterpret_cast<WPARAM>(menu);
    EXPECT_TRUE(
        SequenceIs(Log().Entries(), {{top, WM_SYSCOMMAND, SC_KEYMENU, ' '},
                                     {top, WM_INITMENUPOPUP, m},
                                     {top, WM_MENUSELECT, MAKEWPARAM(16, MF_HILITE | MF_SYSMENU)},
                                     {top, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0},
                                     // posted, so ahead of the keys still waiting
                                     {top, WM_SYSCOMMAND, 16},
                                     {top, WM_SYSCOMMAND, SC_KEYMENU, ' '},
                                     {top, WM_INITMENUPOPUP, m},
                                     {top, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0}}));
}

TEST_F(MenuTest, CloseCommandClosesAPlainWindow) {
    HWND top = MakeTopLevel("T", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Log().Watch({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY});
    win32::PostKeyPress(VK_F4, win32::Modifiers::Alt);
    Pump();
    EXPECT_TRUE(SequenceIs(Log().Entries(),
                           {{top, WM_SYSCOMMAND, SC_CLOSE}, {top, WM_CLOSE}, {top, WM_DESTROY}}));
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(MenuTest, PopupMenuReturnsOrPostsTheChoice) {
    HWND top = MakeTopLevel("T", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HMENU popup = CreatePopupMenu();
    AppendMenu(popup, MF_STRING, 100, "One");
    Service().QueueMenuChoice(100);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, top, nullptr), 100);
    Service().QueueMenuChoice(100);
    Log().Watch({WM_COMMAND});
    EXPECT_TRUE(TrackPopupMenu(popup, 0, 0, 0, 0, top, nullptr));
    Pump();
    EXPECT_TRUE(SequenceIs(Log().Entries(), {{top, WM_COMMAND, 100}}));
    EXPECT_TRUE(DestroyMenu(popup));
    EXPECT_FALSE(TrackPopupMenu(popup, 0, 0, 0, 0, top, nullptr));
}

} // namespace
} // namespace win32test
