// String table, icons, message boxes and the registration of control classes.
#include "message_log.h"

#include <array>
#include <cstring>

namespace win32test {
namespace {

class ResourcesTest : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        static constexpr std::array<win32::StringResource, 3> strings{
            {{101, "&About Marrowick..."}, {102, "Ref Number"}, {129, ""}}};
        win32::RegisterStrings(strings);
    }
};

TEST_F(ResourcesTest, LoadStringCopiesTruncatesAndReportsMissingIds) {
    struct Case {
        UINT id;
        int size;
        int length;
        const char* text;
    };
    const Case cases[] = {
        {101, 64, 19, "&About Marrowick..."},
        {102, 4, 3, "Ref"}, // truncated to the buffer
        {129, 64, 0, ""},   // present but empty
        {130, 64, 0, ""},   // missing
    };
    for (const Case& c : cases) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(LoadString(nullptr, c.id, buffer, c.size), c.length) << c.id;
        EXPECT_STREQ(buffer, c.text) << c.id;
    }
    EXPECT_EQ(LoadString(nullptr, 101, nullptr, 10), 0);
}

TEST_F(ResourcesTest, IconsAreSharedAndMissingOnesFail) {
    win32::RegisterIcon({128, {"/MW\\", "\\__/"}});
    HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(128));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(128)), icon);
    EXPECT_NE(LoadIcon(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(129)), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);

    HWND top = MakeTopLevel("T");
    EXPECT_EQ(SendMessage(top, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(SendMessage(top, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(SendMessage(top, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(SendMessage(top, WM_SETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
}

TEST_F(ResourcesTest, MessageBoxesAreRecordedAndAnsweredWithTheDefaultButton) {
    HWND owner = MakeTopLevel("Owner");
    EXPECT_EQ(MessageBox(owner, "Ready", "Marrowick", MB_OK), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "No owner", nullptr, MB_OK | MB_ICONERROR), IDOK);
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {MB_OKCANCEL, IDOK},
        {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_RETRYCANCEL | MB_DEFBUTTON3, IDRETRY}, // no third button: the first
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageBox(owner, "q", "c", c.type), c.answer) << c.type;
    }
    Service().QueueAnswer(IDCANCEL);
    EXPECT_EQ(MessageBox(owner, "q", "c", MB_OKCANCEL), IDCANCEL);

    ASSERT_GE(Service().Boxes().size(), 2u);
    EXPECT_EQ(Service().Boxes()[0], (win32::MessageBoxRecord{owner, "Ready", "Marrowick", MB_OK}));
    EXPECT_EQ(Service().Boxes()[1],
              (win32::MessageBoxRecord{nullptr, "No owner", "Error", MB_OK | MB_ICONERROR}));
}

TEST_F(ResourcesTest, CommonControlsRegisterThroughTheRegistrar) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    EXPECT_EQ(sizeof(INITCOMMONCONTROLSEX), 8u);
    EXPECT_FALSE(InitCommonControlsEx(&init)); // nothing to register with

    std::vector<DWORD> asked;
    win32::ControlClassRegistrar previous = win32::SetControlClassRegistrar([&](DWORD icc) {
        asked.push_back(icc);
        if (icc & ICC_STANDARD_CLASSES) {
            WNDCLASS wc{};
            wc.lpfnWndProc = DefWindowProc;
            wc.lpszClassName = "LateButton";
            RegisterClass(&wc);
        }
        return true;
    });
    INITCOMMONCONTROLSEX wrongSize{4, ICC_WIN95_CLASSES};
    EXPECT_FALSE(InitCommonControlsEx(&wrongSize));
    EXPECT_TRUE(InitCommonControlsEx(&init));
    // user32's classes appear the first time one is asked for, and only once.
    HWND top = MakeTopLevel("T");
    EXPECT_NE(
        CreateWindowEx(0, "latebutton", "", WS_CHILD, 0, 0, 1, 1, top, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(
        CreateWindowEx(0, "Missing", "", WS_CHILD, 0, 0, 1, 1, top, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(asked, (std::vector<DWORD>{ICC_WIN95_CLASSES, ICC_STANDARD_CLASSES}));
    DestroyWindow(top);
    UnregisterClass("LateButton", nullptr);
    win32::SetControlClassRegistrar(previous);
}

} // namespace
} // namespace win32test
