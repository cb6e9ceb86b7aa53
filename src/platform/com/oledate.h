// OLE automation dates: DATE counts days since 30 December 1899, and its fraction the time
// of day. For dates before that day the fraction still counts forward from the start of
// the day: -1.25 is 29 December 1899, 06:00. Dates span the years 100 to 9999.
#pragma once

#include "platform/com/oletypes.h"

#include <optional>

// TRUE on success; FALSE for parts that are no calendar date and time in range.
// Milliseconds are ignored.
INT SystemTimeToVariantTime(LPSYSTEMTIME lpSystemTime, DOUBLE* pvtime);
// Rounds to the nearest second; FALSE outside the range.
INT VariantTimeToSystemTime(DOUBLE vtime, LPSYSTEMTIME lpSystemTime);

namespace mw::com {

inline constexpr int kMinDateYear = 100;
inline constexpr int kMaxDateYear = 9999;
inline constexpr DATE kMinDate = -657434.0;        // 1 January 100
inline constexpr DATE kMaxDate = 2958465.99999999; // 31 December 9999, last instant

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int day_of_week = 6; // 0 is Sunday
    int day_of_year = 364;

    friend bool operator==(const DateParts&, const DateParts&) = default;
};

bool is_leap_year(int year) noexcept;
int days_in_month(int year, int month) noexcept;
bool is_calendar_date(int year, int month, int day) noexcept;

// Days from 30 December 1899 to the given day (negative before it).
long long day_number(int year, int month, int day) noexcept;

// The date's parts, rounded to the nearest second; nullopt outside the range or NaN.
std::optional<DateParts> date_to_parts(DATE date) noexcept;
// The date of the parts (day_of_week and day_of_year are not read); nullopt when they are
// no date in range or no time of day.
std::optional<DATE> parts_to_date(int year, int month, int day, int hour = 0, int minute = 0,
                                  int second = 0) noexcept;
// A day number and a time of day (fraction 0 <= t < 1) as a DATE, with the sign rule above.
DATE make_date(long long day, double time_of_day) noexcept;

} // namespace mw::com
