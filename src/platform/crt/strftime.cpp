#include "platform/crt/strftime.h"

#include <array>
#include <cstdio>

namespace mw::crt {

namespace {

constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

bool InRange(const std::tm& tm) {
    return tm.tm_mon >= 0 && tm.tm_mon <= 11 && tm.tm_mday >= 1 && tm.tm_mday <= 31 &&
           tm.tm_hour >= 0 && tm.tm_hour <= 23 && tm.tm_min >= 0 && tm.tm_min <= 59 &&
           tm.tm_sec >= 0 && tm.tm_sec <= 60 && tm.tm_wday >= 0 && tm.tm_wday <= 6 &&
           tm.tm_yday >= 0 && tm.tm_yday <= 365 && tm.tm_year >= -1900 && tm.tm_year <= 8099;
}

void AppendNumber(std::string& out, int value, int digits, bool noZeros) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", noZeros ? 1 : digits, value);
    out += buf;
}

void AppendLongDate(std::string& out, const std::tm& tm) {
    out += kDays[tm.tm_wday];
    out += ", ";
    out += kMonths[tm.tm_mon];
    out += ' ';
    AppendNumber(out, tm.tm_mday, 2, false);
    out += ", ";
    AppendNumber(out, tm.tm_year + 1900, 4, false);
}

void AppendCode(std::string& out, char code, bool alt, const std::tm& tm) {
    int hour12 = tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12;
    switch (code) {
    case 'a':
        out.append(kDays[tm.tm_wday], 3);
        return;
    case 'A':
        out += kDays[tm.tm_wday];
        return;
    case 'b':
        out.append(kMonths[tm.tm_mon], 3);
        return;
    case 'B':
        out += kMonths[tm.tm_mon];
        return;
    case 'c':
        if (alt) {
            AppendLongDate(out, tm);
            out += ' ';
            AppendCode(out, 'X', false, tm);
        } else {
            AppendCode(out, 'x', false, tm);
            out += ' ';
            AppendCode(out, 'X', false, tm);
        }
        return;
    case 'd':
        AppendNumber(out, tm.tm_mday, 2, alt);
        return;
    case 'H':
        AppendNumber(out, tm.tm_hour, 2, alt);
        return;
    case 'I':
        AppendNumber(out, hour12, 2, alt);
        return;
    case 'j':
        AppendNumber(out, tm.tm_yday + 1, 3, alt);
        return;
    case 'm':
        AppendNumber(out, tm.tm_mon + 1, 2, alt);
        return;
    case 'M':
        AppendNumber(out, tm.tm_min, 2, alt);
        return;
    case 'p':
        out += tm.tm_hour < 12 ? "AM" : "PM";
        return;
    case 'S':
        AppendNumber(out, tm.tm_sec, 2, alt);
        return;
    case 'U':
        AppendNumber(out, (tm.tm_yday + 7 - tm.tm_wday) / 7, 2, alt);
        return;
    case 'w':
        AppendNumber(out, tm.tm_wday, 1, alt);
        return;
    case 'W':
        AppendNumber(out, (tm.tm_yday + 7 - (tm.tm_wday + 6) % 7) / 7, 2, alt);
        return;
    case 'x':
        if (alt) {
            AppendLongDate(out, tm);
        } else {
            AppendNumber(out, tm.tm_mon + 1, 2, false);
            out += '/';
            AppendNumber(out, tm.tm_mday, 2, false);
            out += '/';
            AppendNumber(out, (tm.tm_year + 1900) % 100, 2, false);
        }
        return;
    case 'X':
        AppendNumber(out, tm.tm_hour, 2, false);
        out += ':';
        AppendNumber(out, tm.tm_min, 2, false);
        out += ':';
        AppendNumber(out, tm.tm_sec, 2, false);
        return;
    case 'y':
        AppendNumber(out, (tm.tm_year + 1900) % 100, 2, alt);
        return;
    case 'Y':
        AppendNumber(out, tm.tm_year + 1900, 4, alt);
        return;
    case 'z':
    case 'Z': {
        char buf[64];
        char fmt[] = {'%', 'Z', '\0'};
        std::size_t n = std::strftime(buf, sizeof buf, fmt, &tm);
        out.append(buf, n);
        return;
    }
    case '%':
        out += '%';
        return;
    default:
        out += '%';
        if (alt) {
            out += '#';
        }
        out += code;
        return;
    }
}

} // namespace

std::string FormatTime(std::string_view format, const std::tm& tm) {
    if (!InRange(tm)) {
        return {};
    }
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        bool alt = format[i + 1] == '#';
        std::size_t codeAt = alt ? i + 2 : i + 1;
        if (codeAt == format.size()) {
            out.append(format.substr(i));
            break;
        }
        AppendCode(out, format[codeAt], alt, tm);
        i = codeAt;
    }
    return out;
}

} // namespace mw::crt
