#include "platform/mfc/ctime.h"

#include "platform/crt/strftime.h"

#include <optional>

namespace {

std::optional<std::tm> Local(__time64_t t) {
    std::tm tm{};
    if (_localtime64_s(&tm, &t) != 0) {
        return std::nullopt;
    }
    return tm;
}

} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
    bool inRange = nYear >= 1900 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31 &&
                   nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59;
    if (!inRange) {
        m_time = -1;
        return;
    }
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMin;
    tm.tm_sec = nSec;
    tm.tm_isdst = nDST < 0 ? -1 : nDST > 0 ? 1 : 0;
    m_time = _mktime64(&tm);
}

CTime CTime::GetCurrentTime() {
    return CTime(_time64(nullptr));
}

int CTime::GetYear() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_year + 1900 : -1;
}
int CTime::GetMonth() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_mon + 1 : -1;
}
int CTime::GetDay() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_mday : -1;
}
int CTime::GetHour() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_hour : -1;
}
int CTime::GetMinute() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_min : -1;
}
int CTime::GetSecond() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_sec : -1;
}
int CTime::GetDayOfWeek() const {
    auto tm = Local(m_time);
    return tm ? tm->tm_wday + 1 : -1;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const {
    auto tm = Local(m_time);
    if (!tm) {
        return false;
    }
    st.wYear = static_cast<WORD>(tm->tm_year + 1900);
    st.wMonth = static_cast<WORD>(tm->tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(tm->tm_wday);
    st.wDay = static_cast<WORD>(tm->tm_mday);
    st.wHour = static_cast<WORD>(tm->tm_hour);
    st.wMinute = static_cast<WORD>(tm->tm_min);
    st.wSecond = static_cast<WORD>(tm->tm_sec);
    st.wMilliseconds = 0;
    return true;
}

CString CTime::Format(LPCTSTR pszFormat) const {
    auto tm = Local(m_time);
    return tm && pszFormat ? CString(mw::crt::FormatTime(pszFormat, *tm)) : CString();
}

CString CTime::FormatGmt(LPCTSTR pszFormat) const {
    std::tm tm{};
    if (pszFormat == nullptr || _gmtime64_s(&tm, &m_time) != 0) {
        return CString();
    }
    return CString(mw::crt::FormatTime(pszFormat, tm));
}
