#include "platform/com/oledate.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using mw::com::date_to_parts;
using mw::com::parts_to_date;

struct DateCase {
    DATE date;
    int year, month, day, hour, minute, second;
    DATE canonical = date; // what the parts give back
};

// Negative dates count the day backwards but the time forwards from its start.
const DateCase kDates[] = {
    {0.0, 1899, 12, 30, 0, 0, 0},        {1.0, 1899, 12, 31, 0, 0, 0},
    {2.0, 1900, 1, 1, 0, 0, 0},          {60.0, 1900, 2, 28, 0, 0, 0},
    {61.0, 1900, 3, 1, 0, 0, 0},         {40616.0, 2011, 3, 14, 0, 0, 0},
    {40616.5, 2011, 3, 14, 12, 0, 0},    {40616.645833333336, 2011, 3, 14, 15, 30, 0},
    {-1.0, 1899, 12, 29, 0, 0, 0},       {-1.25, 1899, 12, 29, 6, 0, 0},
    {-0.5, 1899, 12, 30, 12, 0, 0, 0.5}, // the same moment as 0.5
    {-657434.0, 100, 1, 1, 0, 0, 0},     {2958465.0, 9999, 12, 31, 0, 0, 0},
    {36585.0, 2000, 2, 29, 0, 0, 0},
};

TEST(OleDate, DatesToPartsAndBack) {
    for (const DateCase& c : kDates) {
        const auto parts = date_to_parts(c.date);
        ASSERT_TRUE(parts) << c.date;
        EXPECT_EQ(parts->year, c.year) << c.date;
        EXPECT_EQ(parts->month, c.month) << c.date;
        EXPECT_EQ(parts->day, c.day) << c.date;
        EXPECT_EQ(parts->hour, c.hour) << c.date;
        EXPECT_EQ(parts->minute, c.minute) << c.date;
        EXPECT_EQ(parts->second, c.second) << c.date;
        const auto back = parts_to_date(c.year, c.month, c.day, c.hour, c.minute, c.second);
        ASSERT_TRUE(back) << c.date;
        EXPECT_NEAR(*back, c.canonical, 1e-9) << c.date;
    }
}

TEST(OleDate, RoundsToTheNearestSecondAcrossMidnight) {
    const auto parts = date_to_parts(40616.0 - 1e-7); // 13 March 23:59:59.99
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->day, 14);
    EXPECT_EQ(parts->hour, 0);
    const auto last = date_to_parts(mw::com::kMaxDate);
    ASSERT_TRUE(last) << "the last instant of 9999 stays in range";
    EXPECT_EQ(last->year, 9999);
    EXPECT_EQ(last->second, 59);
}

TEST(OleDate, WeekdayAndDayOfYear) {
    const auto parts = date_to_parts(40616.0);
    EXPECT_EQ(parts->day_of_week, 1); // Monday
    EXPECT_EQ(parts->day_of_year, 73);
    EXPECT_EQ(date_to_parts(-1.0)->day_of_week, 5);
}

TEST(OleDate, OutsideTheRangeIsRefused) {
    EXPECT_FALSE(date_to_parts(-657435.0));
    EXPECT_FALSE(date_to_parts(2958466.0));
    EXPECT_FALSE(date_to_parts(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(parts_to_date(99, 12, 31));
    EXPECT_FALSE(parts_to_date(10000, 1, 1));
    EXPECT_FALSE(parts_to_date(2011, 2, 29));
    EXPECT_FALSE(parts_to_date(2011, 13, 1));
    EXPECT_FALSE(parts_to_date(2011, 1, 1, 24, 0, 0));
}

TEST(OleDate, SystemTimeConversions) {
    SYSTEMTIME st{};
    st.wYear = 2011;
    st.wMonth = 3;
    st.wDay = 14;
    st.wHour = 15;
    st.wMinute = 30;
    st.wMilliseconds = 900; // ignored
    DATE date = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&st, &date));
    EXPECT_NEAR(date, 40616.645833333336, 1e-9);

    SYSTEMTIME back{};
    ASSERT_TRUE(VariantTimeToSystemTime(date, &back));
    EXPECT_EQ(back.wYear, 2011);
    EXPECT_EQ(back.wDayOfWeek, 1);
    EXPECT_EQ(back.wHour, 15);
    EXPECT_EQ(back.wMinute, 30);
    EXPECT_EQ(back.wMilliseconds, 0);

    st.wMonth = 2;
    st.wDay = 30;
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &date));
    EXPECT_FALSE(VariantTimeToSystemTime(3e6, &back));
}

} // namespace
