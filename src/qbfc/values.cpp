#include "qbfc/values.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace qbfc {
namespace {

using namespace std::chrono;

constexpr sys_days kOleEpoch = sys_days{year{1899} / December / 30};
// The range OLE dates cover.
constexpr int kMinYear = 100;

// OLE dates before the epoch keep the time of day as a positive fraction of a negative
// day count, so the day and the time are split apart first.
void SplitOleDate(double oleDate, long long& days, long long& seconds) {
    double whole = std::trunc(oleDate);
    double fraction = std::fabs(oleDate - whole);
    days = static_cast<long long>(whole);
    seconds = std::llround(fraction * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += whole < 0 ? -1 : 1;
    }
}

double JoinOleDate(long long days, long long seconds) {
    double fraction = static_cast<double>(seconds) / 86400.0;
    return days < 0 ? static_cast<double>(days) - fraction : static_cast<double>(days) + fraction;
}

bool Digits(std::string_view text, std::size_t pos, std::size_t count, int& out) {
    if (pos + count > text.size())
        return false;
    out = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

std::optional<long long> ParseDays(std::string_view text) {
    int y = 0, m = 0, d = 0;
    if (text.size() < 10 || !Digits(text, 0, 4, y) || text[4] != '-' || !Digits(text, 5, 2, m) ||
        text[7] != '-' || !Digits(text, 8, 2, d))
        return std::nullopt;
    year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok() || y < kMinYear)
        return std::nullopt;
    return (sys_days{ymd} - kOleEpoch).count();
}

std::string FormatDays(long long days) {
    year_month_day ymd{kOleEpoch + std::chrono::days{days}};
    int y = static_cast<int>(ymd.year());
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", y, static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return buf;
}

double ClampOle(double oleDate) {
    // 1 January 100 and 31 December 9999 as OLE dates.
    constexpr double kMin = -657434.0;
    constexpr double kMax = 2958465.99999;
    if (!std::isfinite(oleDate))
        return 0.0;
    return oleDate < kMin ? kMin : (oleDate > kMax ? kMax : oleDate);
}

} // namespace

std::string FormatDate(double oleDate) {
    long long days = 0, seconds = 0;
    SplitOleDate(ClampOle(oleDate), days, seconds);
    return FormatDays(days);
}

std::string FormatDateTime(double oleDate) {
    long long days = 0, seconds = 0;
    SplitOleDate(ClampOle(oleDate), days, seconds);
    int secs = static_cast<int>(seconds); // 0 .. 86399
    char buf[32];
    std::snprintf(buf, sizeof buf, "T%02d:%02d:%02d", secs / 3600, secs / 60 % 60, secs % 60);
    return FormatDays(days) + buf;
}

std::string FormatBool(bool value) {
    return value ? "true" : "false";
}

std::string FormatInt(std::int32_t value) {
    return std::to_string(value);
}

std::string FormatAmount(double value) {
    char buf[512];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return "0.00";
    std::string text(buf, end);
    return text == "-0.00" ? "0.00" : text;
}

std::string FormatNumber(double value) {
    char buf[512];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buf, end) : "0";
}

std::optional<double> ParseDate(std::string_view text) {
    if (text.size() != 10)
        return std::nullopt;
    auto days = ParseDays(text);
    if (!days)
        return std::nullopt;
    return static_cast<double>(*days);
}

std::optional<double> ParseDateTime(std::string_view text) {
    auto days = ParseDays(text);
    if (!days)
        return std::nullopt;
    if (text.size() == 10)
        return static_cast<double>(*days);
    int h = 0, mi = 0, s = 0;
    if (text[10] != 'T' || !Digits(text, 11, 2, h) || text.size() < 19 || text[13] != ':' ||
        !Digits(text, 14, 2, mi) || text[16] != ':' || !Digits(text, 17, 2, s))
        return std::nullopt;
    if (h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    std::string_view offset = text.substr(19);
    int oh = 0, om = 0;
    bool offsetOk =
        offset.empty() || offset == "Z" ||
        (offset.size() == 6 && (offset[0] == '+' || offset[0] == '-') && Digits(offset, 1, 2, oh) &&
         offset[3] == ':' && Digits(offset, 4, 2, om) && oh <= 23 && om <= 59);
    if (!offsetOk)
        return std::nullopt;
    return JoinOleDate(*days, h * 3600LL + mi * 60LL + s);
}

std::optional<bool> ParseBool(std::string_view text) {
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return std::nullopt;
}

std::optional<std::int32_t> ParseInt(std::string_view text) {
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (!text.empty() && text[0] == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (!text.empty() && text[0] == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || end != last || first == last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char b = byte(i);
    if (b < 0x80)
        return 1;
    std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (len == 0 || b > 0xF4 || i + len > text.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    unsigned char b1 = byte(i + 1);
    if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 > 0x9F) || (b == 0xF0 && b1 < 0x90) ||
        (b == 0xF4 && b1 > 0x8F))
        return 0; // overlong, surrogate or beyond U+10FFFF
    return len;
}

} // namespace

bool IsWritableText(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
            return false;
        std::size_t len = Utf8Length(utf8, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::string SanitizeUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t len = Utf8Length(bytes, i);
        if (len == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(bytes.substr(i, len));
            i += len;
        }
    }
    return out;
}

} // namespace qbfc
