#include "env_guard.h"
#include "support/conversions.h"

#include <gtest/gtest.h>
#include <string>

namespace support_test {
namespace {

std::string Str(const CString& cs) {
    return std::string(static_cast<LPCTSTR>(cs));
}

struct TextCase {
    const char* what;
    const wchar_t* wide; // nullptr: an SDK string without text
    const char* ansi;
};

// The ANSI code page is 1252: e-acute and the euro sign fit, a CJK character does not.
const TextCase kTextCases[] = {
    {"no text", nullptr, ""},
    {"empty text", L"", ""},
    {"plain", L"Acme Supply", "Acme Supply"},
    {"code page 1252", L"Caf\u00e9 \u20ac5",
     "Caf\xe9 \x80"
     "5"},
    {"outside the code page", L"\u4e2d", "?"},
};

TEST(GetString, GivesTheAnsiText) {
    for (const auto& c : kTextCases) {
        const _bstr_t b = c.wide != nullptr ? _bstr_t(c.wide) : _bstr_t();
        EXPECT_EQ(Str(GetString(b)), c.ansi) << c.what;
    }
}

TEST(Get_bstr_t, GivesTheWideText) {
    for (const auto& c : kTextCases) {
        if (c.wide == nullptr || std::wstring(c.wide) == L"\u4e2d") {
            continue; // not the image of any 8-bit text
        }
        const _bstr_t b = Get_bstr_t(CString(c.ansi));
        ASSERT_NE(static_cast<const wchar_t*>(b), nullptr) << c.what;
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(b), b.length()), c.wide) << c.what;
    }
}

TEST(Get_bstr_t, EmptyTextGivesAnAllocatedEmptyString) {
    const _bstr_t b = Get_bstr_t(CString(""));
    EXPECT_NE(static_cast<const wchar_t*>(b), nullptr);
    EXPECT_EQ(b.length(), 0u);
}

struct FormatCase {
    const char* what;
    COleDateTime date;
    const char* expected;
};

COleDateTime WithStatus(COleDateTime d, COleDateTime::DateTimeStatus status) {
    d.SetStatus(status);
    return d;
}

TEST(DateToString, FormatsMonthDayYear) {
    const FormatCase cases[] = {
        {"time of day dropped", COleDateTime(2011, 3, 14, 15, 30, 0), "03-14-2011"},
        {"leading zeros", COleDateTime(2012, 1, 5, 0, 0, 0), "01-05-2012"},
        {"day 0", COleDateTime(0.0), "12-30-1899"},
        {"before day 0", COleDateTime(-1.25), "12-29-1899"},
        {"null", WithStatus(COleDateTime(2011, 3, 14, 0, 0, 0), COleDateTime::null), ""},
        {"invalid", WithStatus(COleDateTime(2011, 3, 14, 0, 0, 0), COleDateTime::invalid),
         "Invalid DateTime"},
        {"valid but past year 9999", COleDateTime(3000000.0), "Invalid DateTime"},
        {"valid but before year 100", COleDateTime(-700000.0), "Invalid DateTime"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Str(DateToString(c.date)), c.expected) << c.what;
    }
}

struct ParseCase {
    const char* locale;
    const wchar_t* text; // nullptr: an SDK string without text
    COleDateTime::DateTimeStatus status;
    // For a valid result, the calendar parts; otherwise value holds the date's value.
    int year, month, day, hour, minute, second;
    double value;
};

constexpr auto kValid = COleDateTime::valid;
constexpr auto kInvalid = COleDateTime::invalid;

const ParseCase kParseCases[] = {
    // Numeric dates follow the regional settings' order.
    {"en_US.UTF-8", L"03-14-2011", kValid, 2011, 3, 14, 0, 0, 0, 0},
    {"en_US.UTF-8", L"03-05-2011", kValid, 2011, 3, 5, 0, 0, 0, 0},
    {"en_GB.UTF-8", L"03-05-2011", kValid, 2011, 5, 3, 0, 0, 0, 0},
    {"en_GB.UTF-8", L"03-14-2011", kValid, 2011, 3, 14, 0, 0, 0, 0},
    {"en_GB.UTF-8", L"2011-03-14", kValid, 2011, 3, 14, 0, 0, 0, 0},
    {"en_US.UTF-8", L"3/14/2011 3:04:05 PM", kValid, 2011, 3, 14, 15, 4, 5, 0},
    // Failures: no date at all gives 0.0, a date out of range -1.0.
    {"en_US.UTF-8", L"Acme Supply", kInvalid, 0, 0, 0, 0, 0, 0, 0.0},
    {"en_US.UTF-8", L"", kInvalid, 0, 0, 0, 0, 0, 0, 0.0},
    {"en_US.UTF-8", nullptr, kInvalid, 0, 0, 0, 0, 0, 0, 0.0},
    {"en_US.UTF-8", L"01-01-10000", kInvalid, 0, 0, 0, 0, 0, 0, -1.0},
};

TEST(StrToDate, ReadsTheTextUnderTheRegionalSettings) {
    for (const auto& c : kParseCases) {
        const ScopedEnv locale("LC_ALL", c.locale);
        const std::wstring text = c.text != nullptr ? c.text : L"(no text)";
        const std::string what =
            std::string(c.locale) + " " + std::string(text.begin(), text.end());
        const COleDateTime d = StrToDate(c.text != nullptr ? _bstr_t(c.text) : _bstr_t());
        EXPECT_EQ(d.GetStatus(), c.status) << what;
        if (c.status == kValid) {
            EXPECT_EQ(d.GetYear(), c.year) << what;
            EXPECT_EQ(d.GetMonth(), c.month) << what;
            EXPECT_EQ(d.GetDay(), c.day) << what;
            EXPECT_EQ(d.GetHour(), c.hour) << what;
            EXPECT_EQ(d.GetMinute(), c.minute) << what;
            EXPECT_EQ(d.GetSecond(), c.second) << what;
        } else {
            EXPECT_EQ(d.m_dt, c.value) << what;
        }
    }
}

} // namespace
} // namespace support_test
