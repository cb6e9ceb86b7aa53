#include "platform/com/oledate.h"
#include "platform/com/regional_settings.h"
#include "platform/com/vardate.h"

#include <ctime>
#include <cwchar>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Expected {
    HRESULT hr = S_OK;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

constexpr Expected date(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return {S_OK, y, m, d, h, mi, s};
}
constexpr Expected mismatch{DISP_E_TYPEMISMATCH};
constexpr Expected overflow{DISP_E_OVERFLOW};

struct Case {
    const char* locale;
    const wchar_t* text;
    Expected expected;
};

// Each row runs under the regional settings of its locale.
const Case kCases[] = {
    // Month first, falling back to day first when that is no date.
    {"en_US", L"03-05-2011", date(2011, 3, 5)},
    {"en_US", L"3/5/2011", date(2011, 3, 5)},
    {"en_US", L"03.05.2011", date(2011, 3, 5)},
    {"en_US", L"03-14-2011", date(2011, 3, 14)},
    {"en_US", L"14/03/2011", date(2011, 3, 14)},
    {"en_US", L"  3/5/11\t", date(2011, 3, 5)},
    {"en_US", L"3/5/29", date(2029, 3, 5)},
    {"en_US", L"3/5/30", date(1930, 3, 5)},
    {"en_US", L"3/5/99", date(1999, 3, 5)},
    {"en_US", L"3/5/0", date(2000, 3, 5)},
    // Month names, full and short, and ISO.
    {"en_US", L"March 5, 2011", date(2011, 3, 5)},
    {"en_US", L"5 Mar 2011", date(2011, 3, 5)},
    {"en_US", L"5-mar-2011", date(2011, 3, 5)},
    {"en_US", L"SEPTEMBER 30 2011", date(2011, 9, 30)},
    {"en_US", L"Saturday, March 5, 2011", date(2011, 3, 5)},
    {"en_US", L"March 2011", date(2011, 3, 1)},
    {"en_US", L"2011-03-05", date(2011, 3, 5)},
    {"en_US", L"2011/3/5", date(2011, 3, 5)},
    // Times.
    {"en_US", L"03/05/2011 3:04:05 PM", date(2011, 3, 5, 15, 4, 5)},
    {"en_US", L"3/5/2011 3:04 am", date(2011, 3, 5, 3, 4)},
    {"en_US", L"3/5/2011 12:00 AM", date(2011, 3, 5, 0, 0)},
    {"en_US", L"3/5/2011 12:30 PM", date(2011, 3, 5, 12, 30)},
    {"en_US", L"3/5/2011 3PM", date(2011, 3, 5, 15)},
    {"en_US", L"2011-03-05 15:04:05", date(2011, 3, 5, 15, 4, 5)},
    {"en_US", L"15:04 March 5, 2011", date(2011, 3, 5, 15, 4)},
    // The limits of the range.
    {"en_US", L"1/1/100", date(100, 1, 1)},
    {"en_US", L"12/31/9999 11:59:59 PM", date(9999, 12, 31, 23, 59, 59)},
    {"en_US", L"1/1/10000", overflow},
    {"en_US", L"12/31/0099", overflow},
    {"en_US", L"December 31, 10000", overflow},
    {"en_US", L"2/29/10000", overflow},
    // Not a date: letters, numbers that are a date in no order, bad times.
    {"en_US", L"", mismatch},
    {"en_US", L"   ", mismatch},
    {"en_US", L"hello", mismatch},
    {"en_US", L"Saturday", mismatch},
    {"en_US", L"March", mismatch},
    {"en_US", L"5", mismatch},
    {"en_US", L"20110305", mismatch},
    {"en_US", L"13/32/2011", mismatch},
    {"en_US", L"2/30/2011", mismatch},
    {"en_US", L"2/29/2011", mismatch},
    {"en_US", L"3/5/2011/7", mismatch},
    {"en_US", L"3#5#2011", mismatch},
    {"en_US", L"March April 2011", mismatch},
    {"en_US", L"3/5/2011 25:00", mismatch},
    {"en_US", L"3/5/2011 3:60", mismatch},
    {"en_US", L"3/5/2011 13:00 PM", mismatch},
    {"en_US", L"3/5/2011 PM", mismatch},
    {"en_US", L"3/5/2011 1:2:3:4", mismatch},
    {"en_US", L"2/30/10000", mismatch},

    // Day first.
    {"en_GB", L"03-05-2011", date(2011, 5, 3)},
    {"en_GB", L"03-14-2011", date(2011, 3, 14)},
    {"en_GB", L"05/03/2011 15:04:05", date(2011, 3, 5, 15, 4, 5)},
    {"en_GB", L"5 March 2011", date(2011, 3, 5)},
    {"en_GB", L"March 5, 2011", date(2011, 3, 5)},
    {"en_GB", L"2011-03-05", date(2011, 3, 5)},
    {"de_DE", L"05.03.2011", date(2011, 3, 5)},
    {"de_DE", L"14.03.11", date(2011, 3, 14)},
    {"de_DE", L"5. M\u00e4rz 2011", date(2011, 3, 5)},
    {"de_DE", L"5. M\u00c4RZ 2011", date(2011, 3, 5)},
    {"de_DE", L"Montag, 14. M\u00e4rz 2011 15:30", date(2011, 3, 14, 15, 30)},
    {"de_DE", L"5 Mar 2011", date(2011, 3, 5)},
    {"de_DE", L"3/5/2011 3:04 PM", date(2011, 5, 3, 15, 4)},
    {"fr_FR", L"05/03/2011", date(2011, 3, 5)},
    {"fr_FR", L"5 mars 2011", date(2011, 3, 5)},
    {"fr_FR", L"1 f\u00e9vr. 2011", date(2011, 2, 1)},

    // Year first, then the other orders.
    {"sv_SE", L"2011-03-05", date(2011, 3, 5)},
    {"sv_SE", L"11-03-05", date(2011, 3, 5)},
    {"sv_SE", L"05/03/2011", date(2011, 5, 3)},
    {"sv_SE", L"5 mars 2011", date(2011, 3, 5)},
    {"sv_SE", L"11 Mar 5", date(2011, 3, 5)},
    {"ja_JP", L"2011/03/05", date(2011, 3, 5)},
    {"ja_JP", L"11/03/05", date(2011, 3, 5)},
    {"ja_JP", L"2011/03/05 \u5348\u5f8c 3:04", date(2011, 3, 5, 15, 4)},
    {"zh_CN", L"2011/3/5 \u4e0a\u5348 11:00", date(2011, 3, 5, 11)},
    {"zh_CN", L"2011/3/5 3:04 PM", date(2011, 3, 5, 15, 4)},
};

TEST(VarDateFromStr, ReadsDatesUnderEachLocale) {
    for (const Case& c : kCases) {
        const mw::com::ScopedRegionalSettings settings(c.locale);
        DATE result = -12345.0;
        const HRESULT hr = VarDateFromStr(c.text, LOCALE_USER_DEFAULT, 0, &result);
        const std::string where = std::string(c.locale) + " \"" +
                                  std::string(c.text, c.text + std::wcslen(c.text)) + "\"";
        EXPECT_EQ(hr, c.expected.hr) << where;
        if (hr != S_OK || c.expected.hr != S_OK)
            continue;
        const Expected& e = c.expected;
        const auto wanted =
            mw::com::parts_to_date(e.year, e.month, e.day, e.hour, e.minute, e.second);
        ASSERT_TRUE(wanted) << where;
        EXPECT_NEAR(result, *wanted, 1e-9) << where;
    }
}

TEST(VarDateFromStr, ATimeAloneIsDayZero) {
    struct TimeCase {
        const wchar_t* text;
        DATE expected;
    };
    const TimeCase cases[] = {
        {L"12:00", 0.5},
        {L"6:00 PM", 0.75},
        {L"12:00 AM", 0.0},
        {L"00:00:01", 1.0 / 86400},
    };
    const mw::com::ScopedRegionalSettings settings("en_US");
    for (const TimeCase& c : cases) {
        DATE result = -1;
        ASSERT_EQ(VarDateFromStr(c.text, LOCALE_USER_DEFAULT, 0, &result), S_OK) << c.text;
        EXPECT_NEAR(result, c.expected, 1e-9) << c.text;
    }
}

TEST(VarDateFromStr, BeforeTheEpochTheTimeCountsForward) {
    const mw::com::ScopedRegionalSettings settings("en_US");
    DATE result = 0;
    ASSERT_EQ(VarDateFromStr(L"12/29/1899 6:00 AM", LOCALE_USER_DEFAULT, 0, &result), S_OK);
    EXPECT_DOUBLE_EQ(result, -1.25);
}

TEST(VarDateFromStr, DayAndMonthAloneMeanThisYear) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int year = local.tm_year + 1900;
    struct ShortCase {
        const char* locale;
        const wchar_t* text;
        int month;
        int day;
    };
    const ShortCase cases[] = {
        {"en_US", L"3/5", 3, 5},
        {"en_GB", L"3/5", 5, 3},
        {"en_GB", L"3/14", 3, 14},
        {"en_US", L"5 March", 3, 5},
    };
    for (const ShortCase& c : cases) {
        const mw::com::ScopedRegionalSettings settings(c.locale);
        DATE result = 0;
        ASSERT_EQ(VarDateFromStr(c.text, LOCALE_USER_DEFAULT, 0, &result), S_OK) << c.text;
        EXPECT_DOUBLE_EQ(result, *mw::com::parts_to_date(year, c.month, c.day)) << c.text;
    }
}

TEST(VarDateFromStr, AnExplicitLocaleOverridesTheUsers) {
    const mw::com::ScopedRegionalSettings settings("en_US");
    DATE result = 0;
    ASSERT_EQ(VarDateFromStr(L"03-05-2011", 0x0809, 0, &result), S_OK);
    EXPECT_DOUBLE_EQ(result, *mw::com::parts_to_date(2011, 5, 3));
    ASSERT_EQ(VarDateFromStr(L"03-05-2011", LOCALE_SYSTEM_DEFAULT, 0, &result), S_OK);
    EXPECT_DOUBLE_EQ(result, *mw::com::parts_to_date(2011, 3, 5));
}

TEST(VarDateFromStr, FlagsDropTheOtherPart) {
    const mw::com::ScopedRegionalSettings settings("en_US");
    DATE result = 0;
    ASSERT_EQ(VarDateFromStr(L"3/14/2011 6:00 PM", 0x0400, VAR_DATEVALUEONLY, &result), S_OK);
    EXPECT_DOUBLE_EQ(result, 40616.0);
    ASSERT_EQ(VarDateFromStr(L"3/14/2011 6:00 PM", 0x0400, VAR_TIMEVALUEONLY, &result), S_OK);
    EXPECT_DOUBLE_EQ(result, 0.75);
    EXPECT_EQ(VarDateFromStr(L"3/14/2011", 0x0400, VAR_DATEVALUEONLY | VAR_TIMEVALUEONLY, &result),
              E_INVALIDARG);
}

TEST(VarDateFromStr, NullArguments) {
    DATE result = 0;
    EXPECT_EQ(VarDateFromStr(nullptr, LOCALE_USER_DEFAULT, 0, &result), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VarDateFromStr(L"3/5/2011", LOCALE_USER_DEFAULT, 0, nullptr), E_INVALIDARG);
}

} // namespace
