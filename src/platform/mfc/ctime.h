// CTime: a moment as a __time64_t (seconds since 1970 UTC), read in local time. Moments
// the runtime cannot convert (before 1970, after 3000) have no calendar parts: Format gives
// "" and the Get* accessors -1.
#pragma once

#include "platform/crt/time64.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/cstring.h"

class CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    // Local calendar time; nDST < 0 lets the time zone decide. Parts that are no moment in
    // range give the time -1.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(const SYSTEMTIME& st, int nDST = -1)
        : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST) {}

    static CTime GetCurrentTime();
    __time64_t GetTime() const { return m_time; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 is Sunday
    bool GetAsSystemTime(SYSTEMTIME& st) const;

    // strftime codes with the runtime's "#" flag (platform/crt/strftime.h).
    CString Format(LPCTSTR pszFormat) const;
    CString FormatGmt(LPCTSTR pszFormat) const;

    friend bool operator==(CTime a, CTime b) { return a.m_time == b.m_time; }
    friend auto operator<=>(CTime a, CTime b) { return a.m_time <=> b.m_time; }

private:
    __time64_t m_time = 0;
};
