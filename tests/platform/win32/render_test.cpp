// Golden screens: what a window and its children look like as text, and which window a cell
// belongs to.
#include "message_log.h"

#include <cstring>

namespace win32test {
namespace {

// A top-level popup of 20 x 4 client cells at (6, 13) on the screen with a caption and a
// close box, and two children that paint themselves.
class RenderTest : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        RECT frame{0, 0, 20 * win32::kCellWidth, 4 * win32::kCellHeight};
        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        top = CreateWindowEx(0, kRecorderClass, "Hello", style, 6, 13, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, nullptr, nullptr);
        label = MakeChild(top, 1, WS_VISIBLE, {6, 0, 90, 13});    // cols 1..14, row 0
        button = MakeChild(top, 2, WS_VISIBLE, {48, 26, 96, 39}); // cols 8..15, row 2
        SetWindowText(label, "&Name: Lucy");
        SetWindowText(button, "OK");
        SetHandler([this](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (msg != WM_PAINT || (hwnd != label && hwnd != button)) {
                return std::nullopt;
            }
            ++paints;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            char text[32];
            GetWindowText(hwnd, text, sizeof text);
            RECT r{};
            GetClientRect(hwnd, &r);
            if (hwnd == button) {
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
                SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
                FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
                DrawText(dc, text, -1, &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
            } else {
                DrawText(dc, text, -1, &r, DT_LEFT | DT_SINGLELINE);
            }
            EndPaint(hwnd, &ps);
            return 0;
        });
        ShowWindow(top, SW_SHOW);
    }

public:
    HWND top = nullptr, label = nullptr, button = nullptr;
    int paints = 0;
};

TEST_F(RenderTest, WindowWithFrameCaptionAndChildren) {
    std::vector<std::string> expected{
        "+ Hello ----------[X]+", "| Name: Lucy         |", "|                    |",
        "|           OK       |", "|                    |", "+--------------------+",
    };
    EXPECT_EQ(win32::Desktop::Render(top), expected);
    win32::Canvas canvas = win32::Desktop::Compose(top);
    std::vector<std::string> attrs = canvas.AttrLines();
    EXPECT_EQ(attrs[0], " bbbbbbb              "); // the active window's caption
    EXPECT_EQ(attrs[1], "  u                   "); // the mnemonic
    EXPECT_EQ(attrs[3], "         rrrrrrrr     "); // drawn in highlight colours
}

TEST_F(RenderTest, OnlyInvalidWindowsPaintAgain) {
    win32::Desktop::Render(top);
    EXPECT_EQ(paints, 2);
    win32::Desktop::Render(top);
    EXPECT_EQ(paints, 2);
    SetWindowText(button, "Go");
    InvalidateRect(button, nullptr, TRUE);
    EXPECT_EQ(win32::Desktop::Render(top)[3], "|           Go       |");
    EXPECT_EQ(paints, 3);
}

TEST_F(RenderTest, HiddenChildrenAndClippingToTheParent) {
    ShowWindow(label, SW_HIDE);
    MoveWindow(button, 90, 26, 60, 13, TRUE); // sticks out on the right
    std::vector<std::string> lines = win32::Desktop::Render(top);
    EXPECT_EQ(lines[1], "|                    |");
    EXPECT_EQ(lines[3], "|                   O|"); // "OK" centred in 10 cells, 5 shown
    EXPECT_EQ(lines[0].size(), 22u);
}

TEST_F(RenderTest, TheScreenHasWindowsAtTheirPlacesAndCellsNameTheirWindows) {
    win32::Desktop::SetScreenSize(30, 8);
    std::vector<std::string> screen = win32::Desktop::ComposeScreen().Lines();
    ASSERT_EQ(screen.size(), 8u);
    EXPECT_EQ(screen[0], std::string(30, ' '));
    EXPECT_EQ(screen[1], " + Hello ----------[X]+       ");
    EXPECT_EQ(screen[4], " |           OK       |       ");
    struct Case {
        int col, row;
        HWND RenderTest::*window;
    };
    const Case cases[] = {
        {2, 1, &RenderTest::top},     // the caption
        {3, 2, &RenderTest::label},   // inside the label
        {12, 4, &RenderTest::button}, // inside the button
        {4, 3, &RenderTest::top},     // client area, no child
    };
    for (const Case& c : cases) {
        EXPECT_EQ(win32::Desktop::WindowAtCell(c.col, c.row), this->*c.window)
            << c.col << "," << c.row;
    }
    EXPECT_EQ(win32::Desktop::WindowAtCell(0, 0), nullptr);
}

} // namespace
} // namespace win32test
