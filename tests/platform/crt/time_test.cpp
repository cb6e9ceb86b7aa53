#include "platform/crt/guards.h"
#include "platform/crt/strftime.h"
#include "platform/crt/time64.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

// 14 March 2011 12:41:29 in New York (EDT, UTC-4) is 16:41:29 UTC.
constexpr __time64_t kMarch14 = 1300120889;

std::tm LocalTime(__time64_t t) {
    std::tm tm{};
    EXPECT_EQ(_localtime64_s(&tm, &t), 0);
    return tm;
}

TEST(FormatTime, MicrosoftCodesInTheCLocale) {
    mw::testing_env::TimeZoneGuard tz("America/New_York");
    std::tm tm = LocalTime(kMarch14);
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"%#c", "Monday, March 14, 2011 12:41:29"},
        {"%#x", "Monday, March 14, 2011"},
        {"%c", "03/14/11 12:41:29"},
        {"%x|%X", "03/14/11|12:41:29"},
        {"%m-%d-%y-%H%M%S", "03-14-11-124129"},
        {"%a %A %b %B", "Mon Monday Mar March"},
        {"%I %p %j %w %U %W", "12 PM 073 1 11 11"},
        {"%y %Y %%", "11 2011 %"},
        {"%Z", "EDT"},
        // Unknown codes and a trailing "%" are kept.
        {"%Q %#Q 100%", "%Q %#Q 100%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mw::crt::FormatTime(c.format, tm), c.expected) << c.format;
    }
}

TEST(FormatTime, HashFlagDropsLeadingZeros) {
    mw::testing_env::TimeZoneGuard tz("UTC");
    std::tm tm = LocalTime(1325725385); // Thursday 5 January 2012 01:03:05 UTC
    EXPECT_EQ(mw::crt::FormatTime("%#d/%#m/%#y %#H:%#M:%#S %#j %#I", tm), "5/1/12 1:3:5 5 1");
    EXPECT_EQ(mw::crt::FormatTime("%d/%m/%y %H:%M:%S %j %I", tm), "05/01/12 01:03:05 005 01");
    // The long forms keep the day's two digits, as the runtime's C locale writes them.
    EXPECT_EQ(mw::crt::FormatTime("%#c", tm), "Thursday, January 05, 2012 01:03:05");
}

TEST(FormatTime, TimeThatCannotBeSplitGivesEmptyText) {
    std::tm tm{};
    __time64_t bad = -1;
    EXPECT_EQ(_localtime64_s(&tm, &bad), EINVAL);
    EXPECT_EQ(tm.tm_mon, -1);
    EXPECT_EQ(mw::crt::FormatTime("%#c", tm), "");
}

TEST(Time64, RangeOfTheWindowsRuntime) {
    mw::testing_env::TimeZoneGuard tz("UTC");
    std::tm tm{};
    struct Case {
        __time64_t t;
        errno_t expected;
    };
    const Case cases[] = {{0, 0}, {kMaxTime64, 0}, {kMaxTime64 + 1, EINVAL}, {-1, EINVAL}};
    for (const auto& c : cases) {
        EXPECT_EQ(_localtime64_s(&tm, &c.t), c.expected) << c.t;
        EXPECT_EQ(_gmtime64_s(&tm, &c.t), c.expected) << c.t;
    }
    EXPECT_EQ(_localtime64_s(nullptr, &cases[0].t), EINVAL);
    EXPECT_EQ(_localtime64_s(&tm, nullptr), EINVAL);

    tm = LocalTime(kMarch14);
    EXPECT_EQ(_mktime64(&tm), kMarch14);
    __time64_t now = 0;
    EXPECT_EQ(_time64(&now), now);
    EXPECT_GT(now, kMarch14);
}

} // namespace
