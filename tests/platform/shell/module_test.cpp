#include "platform/crt/path.h"
#include "platform/shell/module.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(GetModuleFileName, RunningProgramInWindowsForm) {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileName(nullptr, path, MAX_PATH);
    ASSERT_GT(n, 0u);
    std::string text(path);
    EXPECT_EQ(n, text.size());
    EXPECT_EQ(text.substr(text.rfind('\\') + 1), "test_platform_shell");
    EXPECT_TRUE(std::filesystem::equivalent(mw::crt::ToLinuxPath(text), "/proc/self/exe"));
}

TEST(GetModuleFileName, TruncatesAsWindowsDoes) {
    mw::shell::ModuleFileNameOverride name("C:\\Programs\\tool.exe"); // 20 characters
    struct Case {
        DWORD size;
        DWORD result;
        const char* text;
    };
    const Case cases[] = {
        {256, 20, "C:\\Programs\\tool.exe"},
        {21, 20, "C:\\Programs\\tool.exe"},
        {20, 20, "C:\\Programs\\tool.ex"},
        {5, 5, "C:\\P"},
        {1, 1, ""},
    };
    for (const auto& c : cases) {
        char buf[300];
        std::fill(std::begin(buf), std::end(buf), '#');
        EXPECT_EQ(GetModuleFileName(nullptr, buf, c.size), c.result) << c.size;
        EXPECT_STREQ(buf, c.text) << c.size;
        EXPECT_EQ(buf[c.size], '#') << "wrote past the buffer of " << c.size;
    }
    char untouched = '#';
    EXPECT_EQ(GetModuleFileName(nullptr, &untouched, 0), 0u);
    EXPECT_EQ(untouched, '#');
    EXPECT_EQ(GetModuleFileName(nullptr, nullptr, 10), 0u);
}

TEST(GetModuleFileName, OverridesNest) {
    char buf[300];
    std::string longPath = "\\" + std::string(280, 'd') + "\\Marrowick";
    {
        mw::shell::ModuleFileNameOverride outer("C:\\a\\tool.exe");
        {
            mw::shell::ModuleFileNameOverride inner(longPath);
            EXPECT_EQ(GetModuleFileName(nullptr, buf, sizeof buf), longPath.size());
        }
        GetModuleFileName(nullptr, buf, sizeof buf);
        EXPECT_STREQ(buf, "C:\\a\\tool.exe");
    }
    GetModuleFileName(nullptr, buf, sizeof buf);
    EXPECT_NE(std::string(buf), "C:\\a\\tool.exe");
}

} // namespace
