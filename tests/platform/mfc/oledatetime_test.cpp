#include "platform/com/regional_settings.h"
#include "platform/crt/guards.h"
#include "platform/mfc/oledatetime.h"

#include <gtest/gtest.h>

namespace {

COleDateTime WithStatus(DATE dt, COleDateTime::DateTimeStatus status) {
    COleDateTime d(dt);
    d.SetStatus(status);
    return d;
}

TEST(COleDateTime, ConstructionFromCalendarParts) {
    COleDateTime d(2011, 3, 14, 15, 30, 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_DOUBLE_EQ(d.m_dt, 40616.0 + 15.5 / 24.0);
    EXPECT_EQ(d.GetYear(), 2011);
    EXPECT_EQ(d.GetMonth(), 3);
    EXPECT_EQ(d.GetDay(), 14);
    EXPECT_EQ(d.GetHour(), 15);
    EXPECT_EQ(d.GetMinute(), 30);
    EXPECT_EQ(d.GetDayOfWeek(), 2); // Monday; Sunday is 1
    EXPECT_EQ(d.GetDayOfYear(), 73);

    SYSTEMTIME st{};
    ASSERT_TRUE(d.GetAsSystemTime(st));
    EXPECT_EQ(COleDateTime(st), d);

    struct Parts {
        int y, m, day, h, min, s;
    };
    const Parts notDates[] = {{2011, 2, 29, 0, 0, 0}, {2011, 13, 1, 0, 0, 0},
                              {2011, 1, 0, 0, 0, 0},  {2011, 1, 1, 24, 0, 0},
                              {2011, 1, 1, 0, 60, 0}, {10000, 1, 1, 0, 0, 0},
                              {99, 12, 31, 0, 0, 0}};
    for (const auto& p : notDates) {
        COleDateTime bad(p.y, p.m, p.day, p.h, p.min, p.s);
        EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid) << p.y << "-" << p.m << "-" << p.day;
        EXPECT_EQ(bad.GetYear(), AFX_OLE_DATETIME_ERROR);
    }
    COleDateTime leap;
    EXPECT_EQ(leap.SetDate(2012, 2, 29), COleDateTime::valid);
    EXPECT_EQ(leap.SetDate(2012, 2, 30), COleDateTime::invalid);
}

TEST(COleDateTime, FromLocalTime) {
    mw::testing_env::TimeZoneGuard tz("America/New_York");
    COleDateTime d(static_cast<__time64_t>(1300120889)); // 16:41:29 UTC
    EXPECT_EQ(d.Format("%Y-%m-%d %H:%M:%S"), "2011-03-14 12:41:29");
    EXPECT_EQ(COleDateTime(static_cast<__time64_t>(-1)).GetStatus(), COleDateTime::invalid);
}

TEST(COleDateTime, FormatWithStrftimeCodes) {
    struct Case {
        COleDateTime date;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {COleDateTime(2011, 3, 14, 15, 30, 0), "%m-%d-%Y", "03-14-2011"},
        {COleDateTime(2012, 1, 5, 0, 0, 0), "%m-%d-%Y", "01-05-2012"},
        {COleDateTime(2011, 3, 14, 15, 30, 0), "%#c", "Monday, March 14, 2011 15:30:00"},
        {COleDateTime(100, 1, 1, 0, 0, 0), "%Y-%m-%d %A", "0100-01-01 Friday"},
        {COleDateTime(9999, 12, 31, 23, 59, 59), "%Y-%m-%d %H:%M:%S", "9999-12-31 23:59:59"},
        // Before day 0 the fraction still counts forward: 29 December 1899, 06:00.
        {COleDateTime(-1.25), "%Y-%m-%d %H:%M", "1899-12-29 06:00"},
        {WithStatus(40616.0, COleDateTime::null), "%m-%d-%Y", ""},
        {WithStatus(40616.0, COleDateTime::invalid), "%m-%d-%Y", "Invalid DateTime"},
        {COleDateTime(2958466.0), "%m-%d-%Y", "Invalid DateTime"}, // 1 January 10000
        {COleDateTime(-700000.0), "%m-%d-%Y", "Invalid DateTime"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.date.Format(c.format), c.expected) << c.date.m_dt << " " << c.format;
    }
}

TEST(COleDateTime, DefaultFormatFollowsRegionalSettings) {
    mw::com::ScopedRegionalSettings us("en_US");
    EXPECT_EQ(COleDateTime(2011, 3, 14, 0, 0, 0).Format(), "3/14/2011");
    EXPECT_EQ(COleDateTime(2011, 3, 14, 15, 30, 5).Format(), "3/14/2011 3:30:05 PM");
    EXPECT_EQ(COleDateTime(0.25).Format(), "6:00:00 AM");
    EXPECT_EQ(COleDateTime(2011, 3, 14, 15, 30, 5).Format(VAR_DATEVALUEONLY), "3/14/2011");
    mw::com::ScopedRegionalSettings de("de_DE");
    EXPECT_EQ(COleDateTime(2011, 3, 4, 15, 30, 5).Format(), "04.03.2011 15:30:05");
}

TEST(COleDateTime, ComparisonsNeedValidDates) {
    const COleDateTime early(2011, 3, 14, 0, 0, 0);
    const COleDateTime late(2011, 3, 15, 0, 0, 0);
    const COleDateTime invalid = WithStatus(early.m_dt, COleDateTime::invalid);
    const COleDateTime null = WithStatus(early.m_dt, COleDateTime::null);
    struct Case {
        const char* name;
        COleDateTime a, b;
        bool lt, gt, le, ge, eq;
    };
    const Case cases[] = {
        {"valid pair", early, late, true, false, true, false, false},
        {"same instant", early, early, false, false, true, true, true},
        {"invalid left", invalid, late, false, false, false, false, false},
        {"invalid right", early, invalid, false, false, false, false, false},
        {"both invalid", invalid, invalid, false, false, false, false, false},
        {"null and valid", null, early, false, false, false, false, false},
        {"both null", null, null, false, false, false, false, true},
        // Before day 0: -1.25 (06:00) is later than -1.0 (00:00) of the same day.
        {"before day 0", COleDateTime(-1.0), COleDateTime(-1.25), true, false, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a < c.b, c.lt) << c.name;
        EXPECT_EQ(c.a > c.b, c.gt) << c.name;
        EXPECT_EQ(c.a <= c.b, c.le) << c.name;
        EXPECT_EQ(c.a >= c.b, c.ge) << c.name;
        EXPECT_EQ(c.a == c.b, c.eq) << c.name;
        EXPECT_EQ(c.a != c.b, !c.eq) << c.name;
    }
}

TEST(COleDateTime, ParseDateTimeUnderUnitedStatesSettings) {
    mw::com::ScopedRegionalSettings us("en_US");
    struct Case {
        const char* text;
        bool ok;
        COleDateTime::DateTimeStatus status;
        DATE value;
    };
    const Case cases[] = {
        {"03-14-2011", true, COleDateTime::valid, 40616.0},
        {"3/14/2011 6:00 PM", true, COleDateTime::valid, 40616.75},
        {"14/3/2011", true, COleDateTime::valid, 40616.0}, // no 14th month: read day first
        {"abcdef", false, COleDateTime::invalid, 0.0},
        {"", false, COleDateTime::invalid, 0.0},
        {"02-30-2011", false, COleDateTime::invalid, 0.0},
        {"1/1/10000", false, COleDateTime::invalid, -1.0}, // out of range
    };
    for (const auto& c : cases) {
        COleDateTime d(12345.0);
        EXPECT_EQ(d.ParseDateTime(c.text, 0, LANG_USER_DEFAULT), c.ok) << c.text;
        EXPECT_EQ(d.GetStatus(), c.status) << c.text;
        EXPECT_DOUBLE_EQ(d.m_dt, c.value) << c.text;
    }
    COleDateTime fromNull;
    EXPECT_FALSE(fromNull.ParseDateTime(nullptr));
    EXPECT_EQ(fromNull.GetStatus(), COleDateTime::invalid);
}

TEST(COleDateTime, SpanArithmetic) {
    COleDateTime d(2011, 3, 14, 12, 0, 0);
    COleDateTime later = d + COleDateTimeSpan(1, 12, 30, 0);
    EXPECT_EQ(later, COleDateTime(2011, 3, 16, 0, 30, 0));
    COleDateTimeSpan diff = later - d;
    EXPECT_EQ(diff.GetDays(), 1);
    EXPECT_EQ(diff.GetHours(), 12);
    EXPECT_EQ(diff.GetMinutes(), 30);
    // Across day 0 the time line stays straight.
    EXPECT_EQ(COleDateTime(0.25) - COleDateTimeSpan(0.5), COleDateTime(-1.75));
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(2.0)).GetStatus(),
              COleDateTime::invalid);
    EXPECT_EQ((WithStatus(1.0, COleDateTime::null) + COleDateTimeSpan(1.0)).GetStatus(),
              COleDateTime::null);
}

} // namespace
