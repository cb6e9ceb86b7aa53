// COleDateTime: an OLE automation DATE (days since 30 December 1899; the fraction is the
// time of day) with a status. Dates span the years 100 to 9999.
//
// Comparisons: <, >, <= and >= are false unless both dates are valid. == is true for two
// valid dates of the same instant and for two null dates; an invalid date equals nothing.
// != is the negation of ==.
#pragma once

#include "platform/com/oletypes.h"
#include "platform/com/vardate.h"
#include "platform/crt/time64.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/cstring.h"
#include "platform/mfc/oledatetimespan.h"

inline constexpr LCID LANG_USER_DEFAULT = 0x0400;

// What the Get* accessors return for a date that is not valid.
inline constexpr int AFX_OLE_DATETIME_ERROR = -1;

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(DATE dtSrc) : m_dt(dtSrc) {}
    // Invalid when the parts are no calendar date and time of day in range.
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(const SYSTEMTIME& systimeSrc);
    // The local time of timeSrc; invalid when it cannot be converted.
    COleDateTime(__time64_t timeSrc);

    static COleDateTime GetCurrentTime();

    // Each returns the new status: 0 (valid) or 1 (invalid, value unchanged).
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }

    // Calendar parts, rounded to the nearest second; AFX_OLE_DATETIME_ERROR unless the date
    // is valid and in range. GetDayOfWeek counts from 1 for Sunday, GetDayOfYear from 1.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;
    int GetDayOfYear() const;
    bool GetAsSystemTime(SYSTEMTIME& sysTime) const;

    operator DATE() const { return m_dt; }

    // strftime codes (platform/crt/strftime.h): "" for a null date, "Invalid DateTime" for an
    // invalid one or one outside the years 100 to 9999.
    CString Format(LPCTSTR pFormat) const;
    // The locale's short date and a 12-hour (when it has AM/PM designators) or 24-hour time:
    // the date alone at midnight, the time alone on day 0. VAR_DATEVALUEONLY and
    // VAR_TIMEVALUEONLY keep one of them.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

    // Reads the text with VarDateFromStr. On success the date is valid. On failure it is
    // invalid with the value 0.0 when the text is no date at all and -1.0 for any other
    // failure (a date out of range).
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    friend bool operator==(const COleDateTime& a, const COleDateTime& b);
    friend bool operator!=(const COleDateTime& a, const COleDateTime& b) { return !(a == b); }
    friend bool operator<(const COleDateTime& a, const COleDateTime& b);
    friend bool operator>(const COleDateTime& a, const COleDateTime& b) { return b < a; }
    friend bool operator<=(const COleDateTime& a, const COleDateTime& b);
    friend bool operator>=(const COleDateTime& a, const COleDateTime& b) { return b <= a; }

    // Arithmetic keeps the time of day counting forward before 30 December 1899; an invalid or
    // null operand gives that status.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTimeSpan operator-(const COleDateTime& date) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
