// qbXML's value texts, both ways.
#include "qbfc/values.h"

#include <gtest/gtest.h>

namespace qbfc {
namespace {

TEST(ValueTexts, DatesAndDateTimes) {
    struct Case {
        double ole;
        const char* date;
        const char* dateTime;
    };
    const Case cases[] = {
        {0.0, "1899-12-30", "1899-12-30T00:00:00"},
        {40617.0, "2011-03-15", "2011-03-15T00:00:00"},
        {40617.75, "2011-03-15", "2011-03-15T18:00:00"},
        {40617.0 + 86399.0 / 86400.0, "2011-03-15", "2011-03-15T23:59:59"},
        {60.0, "1900-02-28", "1900-02-28T00:00:00"},
        {61.0, "1900-03-01", "1900-03-01T00:00:00"},
        {-1.25, "1899-12-29", "1899-12-29T06:00:00"}, // the time is positive before 1900
        {2958465.0, "9999-12-31", "9999-12-31T00:00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDate(c.ole), c.date) << c.ole;
        EXPECT_EQ(FormatDateTime(c.ole), c.dateTime) << c.ole;
        EXPECT_DOUBLE_EQ(ParseDateTime(c.dateTime).value(), c.ole) << c.dateTime;
        EXPECT_DOUBLE_EQ(ParseDate(c.date).value(),
                         static_cast<double>(static_cast<long long>(c.ole)))
            << c.date;
    }
}

TEST(ValueTexts, MalformedDatesAreRefused) {
    for (const char* text : {"", "2011-3-15", "2011-02-29", "2011-13-01", "2011-00-10",
                             "15/03/2011", "2011-03-15x", "0099-01-01", "+011-03-15"})
        EXPECT_FALSE(ParseDate(text)) << text;
    EXPECT_TRUE(ParseDate("2012-02-29"));
    for (const char* text : {"2011-03-15T24:00:00", "2011-03-15T10:60:00", "2011-03-15T10:00",
                             "2011-03-15 10:00:00", "2011-03-15T10:00:00+5", "2011-03-15T"})
        EXPECT_FALSE(ParseDateTime(text)) << text;
    for (const char* text : {"2011-03-15T10:00:00Z", "2011-03-15T10:00:00-05:00"})
        EXPECT_DOUBLE_EQ(ParseDateTime(text).value(), 40617.0 + 10.0 / 24.0) << text;
}

TEST(ValueTexts, NumbersBooleansAndIntegers) {
    EXPECT_EQ(FormatAmount(1234.5), "1234.50");
    EXPECT_EQ(FormatAmount(-0.001), "0.00");
    EXPECT_EQ(FormatAmount(0.125), "0.12"); // binary 0.125 is exact: round half to even
    EXPECT_EQ(FormatAmount(1e20), "100000000000000000000.00");
    EXPECT_EQ(FormatNumber(1.25), "1.25");
    EXPECT_EQ(FormatNumber(0.1), "0.1");
    EXPECT_EQ(FormatBool(true), "true");
    EXPECT_EQ(ParseNumber("1234.50").value(), 1234.5);
    EXPECT_EQ(ParseNumber("-.5").value(), -0.5);
    for (const char* text : {"", "1e5", "1,5", "12abc", "nan", "inf", " 1"})
        EXPECT_FALSE(ParseNumber(text)) << text;
    EXPECT_EQ(ParseInt("-2147483648").value(), INT32_MIN);
    for (const char* text : {"", "2147483648", "1.0", "0x10", "+", "1 "})
        EXPECT_FALSE(ParseInt(text)) << text;
    for (const char* text : {"True", "1", "yes", ""})
        EXPECT_FALSE(ParseBool(text)) << text;
}

TEST(ValueTexts, WritableTextAndUtf8Repair) {
    EXPECT_TRUE(IsWritableText("tab\tline\ncr\r \xC3\xA9 \xE2\x82\xAC"));
    for (const char* text :
         {"\x01", "a\x1F", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80"})
        EXPECT_FALSE(IsWritableText(text)) << text;
    EXPECT_EQ(SanitizeUtf8("a\xC3(b\xE2\x82\xAC"), "a\xEF\xBF\xBD(b\xE2\x82\xAC");
}

} // namespace
} // namespace qbfc
