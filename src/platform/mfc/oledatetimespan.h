// COleDateTimeSpan: a length of time in days (the fraction is part of a day) with a status.
#pragma once

#include "platform/com/oletypes.h"

#include <cmath>

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc) {}
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) {
        SetDateTimeSpan(lDays, nHours, nMins, nSecs);
    }

    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) {
        m_span = lDays + (nHours + (nMins + nSecs / 60.0) / 60.0) / 24.0;
        m_status = valid;
    }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
    double GetTotalSeconds() const { return m_span * 24.0 * 60.0 * 60.0; }
    // The parts of the span rounded to the nearest second; negative spans give negative parts.
    LONG GetDays() const { return static_cast<LONG>(RoundedSeconds() / 86400); }
    LONG GetHours() const { return static_cast<LONG>(RoundedSeconds() / 3600 % 24); }
    LONG GetMinutes() const { return static_cast<LONG>(RoundedSeconds() / 60 % 60); }
    LONG GetSeconds() const { return static_cast<LONG>(RoundedSeconds() % 60); }

    operator double() const { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& o) const { return Combine(o, 1); }
    COleDateTimeSpan operator-(const COleDateTimeSpan& o) const { return Combine(o, -1); }
    COleDateTimeSpan operator-() const { return *this * -1.0; }
    COleDateTimeSpan operator*(double factor) const {
        COleDateTimeSpan out(m_span * factor);
        out.m_status = m_status;
        return out;
    }

    friend bool operator==(const COleDateTimeSpan& a, const COleDateTimeSpan& b) {
        return a.m_status == b.m_status && (a.m_status != valid || a.m_span == b.m_span);
    }
    friend bool operator<(const COleDateTimeSpan& a, const COleDateTimeSpan& b) {
        return a.m_status == valid && b.m_status == valid && a.m_span < b.m_span;
    }
    friend bool operator>(const COleDateTimeSpan& a, const COleDateTimeSpan& b) { return b < a; }

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;

private:
    long long RoundedSeconds() const { return std::llround(m_span * 86400.0); }
    COleDateTimeSpan Combine(const COleDateTimeSpan& o, int sign) const {
        COleDateTimeSpan out(m_span + sign * o.m_span);
        out.m_status = m_status == valid && o.m_status == valid ? valid
                       : m_status == null || o.m_status == null ? null
                                                                : invalid;
        return out;
    }
};
