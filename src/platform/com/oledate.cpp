#include "platform/com/oledate.h"

#include <cmath>

namespace {

// Days from 1 January 1970 in the proleptic Gregorian calendar (Howard Hinnant's method).
long long days_from_civil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

struct Civil {
    long long year;
    unsigned month;
    unsigned day;
};

Civil civil_from_days(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<long long>(yoe) + era * 400 + (m <= 2), m, d};
}

const long long kEpoch = days_from_civil(1899, 12, 30);

} // namespace

namespace mw::com {

bool is_leap_year(int year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) noexcept {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

bool is_calendar_date(int year, int month, int day) noexcept {
    return day >= 1 && day <= days_in_month(year, month);
}

long long day_number(int year, int month, int day) noexcept {
    return days_from_civil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch;
}

DATE make_date(long long day, double time_of_day) noexcept {
    const auto d = static_cast<double>(day);
    return day >= 0 ? d + time_of_day : d - time_of_day;
}

std::optional<DateParts> date_to_parts(DATE date) noexcept {
    if (std::isnan(date) || date < kMinDate || date > kMaxDate)
        return std::nullopt;
    long long day = static_cast<long long>(std::trunc(date));
    long long seconds = std::llround(std::fabs(date - static_cast<double>(day)) * 86400.0);
    if (seconds >= 86400) {
        // The last instant of 9999 stays in 9999 rather than rounding out of the range.
        if (day == static_cast<long long>(kMaxDate)) {
            seconds = 86399;
        } else {
            ++day;
            seconds -= 86400;
        }
    }
    const Civil c = civil_from_days(day + kEpoch);
    DateParts p;
    p.year = static_cast<int>(c.year);
    p.month = static_cast<int>(c.month);
    p.day = static_cast<int>(c.day);
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    p.day_of_week = static_cast<int>(((day % 7) + 7 + 6) % 7);
    p.day_of_year = static_cast<int>(day - day_number(p.year, 1, 1) + 1);
    return p;
}

std::optional<DATE> parts_to_date(int year, int month, int day, int hour, int minute,
                                  int second) noexcept {
    if (year < kMinDateYear || year > kMaxDateYear || !is_calendar_date(year, month, day))
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    return make_date(day_number(year, month, day), time);
}

} // namespace mw::com

INT SystemTimeToVariantTime(LPSYSTEMTIME lpSystemTime, DOUBLE* pvtime) {
    if (lpSystemTime == nullptr || pvtime == nullptr)
        return FALSE;
    const SYSTEMTIME& st = *lpSystemTime;
    const auto date =
        mw::com::parts_to_date(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    if (!date)
        return FALSE;
    *pvtime = *date;
    return TRUE;
}

INT VariantTimeToSystemTime(DOUBLE vtime, LPSYSTEMTIME lpSystemTime) {
    if (lpSystemTime == nullptr)
        return FALSE;
    const auto parts = mw::com::date_to_parts(vtime);
    if (!parts)
        return FALSE;
    SYSTEMTIME st;
    st.wYear = static_cast<WORD>(parts->year);
    st.wMonth = static_cast<WORD>(parts->month);
    st.wDayOfWeek = static_cast<WORD>(parts->day_of_week);
    st.wDay = static_cast<WORD>(parts->day);
    st.wHour = static_cast<WORD>(parts->hour);
    st.wMinute = static_cast<WORD>(parts->minute);
    st.wSecond = static_cast<WORD>(parts->second);
    st.wMilliseconds = 0;
    *lpSystemTime = st;
    return TRUE;
}
