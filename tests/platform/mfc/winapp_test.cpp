// The application object: its names from the program file, and message boxes without an
// owner window.
#include "platform/shell/module.h"
#include "wnd_support.h"

namespace mfctest {
namespace {

class WinAppTest : public MfcWindowTest {};

TEST_F(WinAppTest, TheApplicationIsNamedAfterTheProgramFileUnlessItNamesItself) {
    struct Case {
        const char* path;
        const char* given;
        const char* appName;
        const char* exeName;
    };
    const Case cases[] = {
        {"C:\\x\\tool.exe", nullptr, "tool", "tool"},
        {"C:\\Program Files\\Marrowick\\Marrowick.exe", nullptr, "Marrowick", "Marrowick"},
        {"C:\\a.b\\noext", nullptr, "noext", "noext"},
        {"C:\\x\\tool.exe", "Given", "Given", "tool"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        mw::shell::ModuleFileNameOverride module(c.path);
        CWinApp app(c.given);
        app.SetCurrentHandles();
        EXPECT_STREQ(app.m_pszAppName, c.appName);
        EXPECT_STREQ(app.m_pszExeName, c.exeName);
        EXPECT_STREQ(AfxGetAppName(), c.appName);
    }
}

TEST_F(WinAppTest, AMessageBoxOfAWindowlessObjectHasNoOwnerAndTheAppNameAsCaption) {
    mw::shell::ModuleFileNameOverride module("C:\\x\\tool.exe");
    CWnd gateway; // never created
    EXPECT_EQ(gateway.MessageBox("Could not connect"), IDOK);
    const std::vector<win32::MessageBoxRecord> expected = {
        {nullptr, "Could not connect", "tool", MB_OK}};
    EXPECT_EQ(Service().Boxes(), expected);
}

} // namespace
} // namespace mfctest
