#include "platform/crt/guards.h"
#include "platform/crt/path.h"
#include "platform/mfc/cfile.h"
#include "platform/mfc/ctime.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

constexpr __time64_t kMarch14 = 1300120889; // 14 March 2011 12:41:29 in New York

TEST(CTime, FormatsLocalTime) {
    mw::testing_env::TimeZoneGuard tz("America/New_York");
    CTime t(kMarch14);
    EXPECT_EQ(t.Format("%#c"), "Monday, March 14, 2011 12:41:29");
    EXPECT_EQ(t.Format("%m-%d-%y-%H%M%S"), "03-14-11-124129");
    EXPECT_EQ(t.FormatGmt("%H:%M"), "16:41");
    EXPECT_EQ(t.GetYear(), 2011);
    EXPECT_EQ(t.GetHour(), 12);
    EXPECT_EQ(t.GetDayOfWeek(), 2);
    EXPECT_EQ(CTime(2011, 3, 14, 12, 41, 29).GetTime(), kMarch14);
    SYSTEMTIME st{};
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(CTime(st), t);
}

TEST(CTime, UnconvertibleTimeFormatsAsEmpty) {
    for (__time64_t bad : {__time64_t{-1}, kMaxTime64 + 1}) {
        CTime t(bad);
        EXPECT_EQ(t.Format("%#c"), "") << bad;
        EXPECT_EQ(t.GetYear(), -1) << bad;
    }
    EXPECT_EQ(CTime(2011, 2, 30 + 10, 0, 0, 0).GetTime(), -1);
    EXPECT_EQ(CTime(2011, 13, 1, 0, 0, 0).Format("%Y"), "");
}

TEST(CFileGetStatus, FilesAndFolders) {
    mw::testing_env::TempDir dir;
    std::ofstream(dir / "log.txt") << "12345";
    std::string windowsDir = mw::crt::ToWindowsPath(dir.path().string());

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus((windowsDir + "\\log.txt").c_str(), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);
    EXPECT_STREQ(status.m_szFullName, (windowsDir + "\\log.txt").c_str());
    EXPECT_GT(status.m_mtime.GetTime(), 0);

    ASSERT_TRUE(CFile::GetStatus(windowsDir.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::directory, 0);

    for (const std::string& missing :
         {windowsDir + "\\Ferncastle", windowsDir + "\\log.txt\\x", std::string()}) {
        EXPECT_FALSE(CFile::GetStatus(missing.c_str(), status)) << missing;
    }
    EXPECT_FALSE(CFile::GetStatus(nullptr, status));
}

} // namespace
