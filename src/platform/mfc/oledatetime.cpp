#include "platform/mfc/oledatetime.h"

#include "platform/com/codepage.h"
#include "platform/com/hresult.h"
#include "platform/com/oledate.h"
#include "platform/com/regional_settings.h"
#include "platform/com/vardate.h"
#include "platform/crt/strftime.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

using mw::com::DateParts;

std::optional<DateParts> PartsOf(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid) {
        return std::nullopt;
    }
    return mw::com::date_to_parts(date.m_dt);
}

// A DATE on a straight time line: before day 0 the fraction counts forward, so -1.25
// (29 December 1899, 06:00) lies after -1.0.
double Linear(DATE dt) {
    double day = std::trunc(dt);
    return dt < 0 ? 2.0 * day - dt : dt;
}

DATE FromLinear(double linear) {
    double day = std::floor(linear);
    return mw::com::make_date(static_cast<long long>(day), linear - day);
}

COleDateTime::DateTimeStatus Combined(COleDateTime::DateTimeStatus a, int b) {
    if (a == COleDateTime::valid && b == COleDateTime::valid) {
        return COleDateTime::valid;
    }
    return a == COleDateTime::null || b == COleDateTime::null ? COleDateTime::null
                                                              : COleDateTime::invalid;
}

void AppendNumber(std::wstring& out, int value, std::size_t digits) {
    std::wstring text = std::to_wstring(value);
    if (text.size() < digits) {
        out.append(digits - text.size(), L'0');
    }
    out += text;
}

// Windows' date pattern letters: d, dd, ddd, dddd, M ... MMMM, y, yy, yyyy, 'quoted text'.
std::wstring ExpandDatePattern(const std::wstring& pattern, const DateParts& p,
                               const mw::com::RegionalSettings& rs) {
    std::wstring out;
    for (std::size_t i = 0; i < pattern.size();) {
        wchar_t c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        if (c == L'\'') {
            std::size_t end = pattern.find(L'\'', i + 1);
            out += pattern.substr(i + 1, end == std::wstring::npos ? end : end - i - 1);
            i = end == std::wstring::npos ? pattern.size() : end + 1;
            continue;
        }
        if (c == L'd') {
            if (run >= 4) {
                out += rs.day_names[static_cast<std::size_t>(p.day_of_week)];
            } else if (run == 3) {
                out += rs.short_day_names[static_cast<std::size_t>(p.day_of_week)];
            } else {
                AppendNumber(out, p.day, run);
            }
        } else if (c == L'M') {
            if (run >= 4) {
                out += rs.month_names[static_cast<std::size_t>(p.month - 1)];
            } else if (run == 3) {
                out += rs.short_month_names[static_cast<std::size_t>(p.month - 1)];
            } else {
                AppendNumber(out, p.month, run);
            }
        } else if (c == L'y') {
            if (run <= 2) {
                AppendNumber(out, p.year % 100, run);
            } else {
                AppendNumber(out, p.year, 4);
            }
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::wstring TimeText(const DateParts& p, const mw::com::RegionalSettings& rs) {
    std::wstring out;
    bool twelve = !rs.am_designator.empty();
    int hour = twelve ? (p.hour % 12 == 0 ? 12 : p.hour % 12) : p.hour;
    AppendNumber(out, hour, twelve ? 1 : 2);
    out += rs.time_separator;
    AppendNumber(out, p.minute, 2);
    out += rs.time_separator;
    AppendNumber(out, p.second, 2);
    if (twelve) {
        out += L' ';
        out += p.hour < 12 ? rs.am_designator : rs.pm_designator;
    }
    return out;
}

} // namespace

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) {
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                systimeSrc.wMinute, systimeSrc.wSecond);
}

COleDateTime::COleDateTime(__time64_t timeSrc) {
    std::tm tm{};
    if (_localtime64_s(&tm, &timeSrc) != 0) {
        m_status = invalid;
        return;
    }
    SetDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
}

COleDateTime COleDateTime::GetCurrentTime() {
    return COleDateTime(_time64(nullptr));
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay) {
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec) {
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    std::optional<DATE> date = mw::com::parts_to_date(nYear, nMonth, nDay, nHour, nMin, nSec);
    if (date) {
        m_dt = *date;
        m_status = valid;
    } else {
        m_status = invalid;
    }
    return m_status;
}

int COleDateTime::GetYear() const {
    auto p = PartsOf(*this);
    return p ? p->year : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetMonth() const {
    auto p = PartsOf(*this);
    return p ? p->month : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetDay() const {
    auto p = PartsOf(*this);
    return p ? p->day : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetHour() const {
    auto p = PartsOf(*this);
    return p ? p->hour : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetMinute() const {
    auto p = PartsOf(*this);
    return p ? p->minute : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetSecond() const {
    auto p = PartsOf(*this);
    return p ? p->second : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetDayOfWeek() const {
    auto p = PartsOf(*this);
    return p ? p->day_of_week + 1 : AFX_OLE_DATETIME_ERROR;
}
int COleDateTime::GetDayOfYear() const {
    auto p = PartsOf(*this);
    return p ? p->day_of_year : AFX_OLE_DATETIME_ERROR;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const {
    return m_status == valid && VariantTimeToSystemTime(m_dt, &sysTime) != FALSE;
}

CString COleDateTime::Format(LPCTSTR pFormat) const {
    if (m_status == null) {
        return CString();
    }
    std::optional<DateParts> p = PartsOf(*this);
    if (!p) {
        return CString("Invalid DateTime");
    }
    std::tm tm{};
    tm.tm_year = p->year - 1900;
    tm.tm_mon = p->month - 1;
    tm.tm_mday = p->day;
    tm.tm_hour = p->hour;
    tm.tm_min = p->minute;
    tm.tm_sec = p->second;
    tm.tm_wday = p->day_of_week;
    tm.tm_yday = p->day_of_year - 1;
    tm.tm_isdst = -1;
    return CString(mw::crt::FormatTime(pFormat ? pFormat : "", tm));
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const {
    if (m_status == null) {
        return CString();
    }
    std::optional<DateParts> p = PartsOf(*this);
    if (!p) {
        return CString("Invalid DateTime");
    }
    mw::com::RegionalSettings rs =
        lcid == LANG_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT || lcid == 0
            ? mw::com::current_regional_settings()
            : mw::com::regional_settings_for_lcid(lcid);
    bool midnight = p->hour == 0 && p->minute == 0 && p->second == 0;
    bool dayZero = p->year == 1899 && p->month == 12 && p->day == 30;
    bool showDate = (dwFlags & VAR_TIMEVALUEONLY) == 0 && (!dayZero || midnight);
    bool showTime = (dwFlags & VAR_DATEVALUEONLY) == 0 && (!midnight || !showDate);
    std::wstring text;
    if (showDate) {
        text = ExpandDatePattern(rs.short_date_pattern, *p, rs);
    }
    if (showTime) {
        if (!text.empty()) {
            text += L' ';
        }
        text += TimeText(*p, rs);
    }
    return CString(mw::com::to_ansi(text));
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid) {
    std::wstring text = mw::com::from_ansi(lpszDate ? lpszDate : "");
    DATE parsed = 0.0;
    HRESULT hr = VarDateFromStr(text.c_str(), lcid, dwFlags, &parsed);
    if (SUCCEEDED(hr)) {
        m_dt = parsed;
        m_status = valid;
        return true;
    }
    m_dt = hr == DISP_E_TYPEMISMATCH ? 0.0 : -1.0;
    m_status = invalid;
    return false;
}

bool operator==(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid) {
        return Linear(a.m_dt) == Linear(b.m_dt);
    }
    return a.m_status == COleDateTime::null && b.m_status == COleDateTime::null;
}

bool operator<(const COleDateTime& a, const COleDateTime& b) {
    return a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid &&
           Linear(a.m_dt) < Linear(b.m_dt);
}

bool operator<=(const COleDateTime& a, const COleDateTime& b) {
    return a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid &&
           Linear(a.m_dt) <= Linear(b.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    COleDateTime out;
    out.m_status = Combined(m_status, span.m_status);
    if (out.m_status == valid) {
        out.m_dt = FromLinear(Linear(m_dt) + span.m_span);
        if (out.m_dt < mw::com::kMinDate || out.m_dt > mw::com::kMaxDate) {
            out.m_status = invalid;
        }
    }
    return out;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
    return *this + span * -1.0;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const {
    COleDateTimeSpan out(Linear(m_dt) - Linear(date.m_dt));
    out.SetStatus(
        static_cast<COleDateTimeSpan::DateTimeSpanStatus>(Combined(m_status, date.m_status)));
    return out;
}
