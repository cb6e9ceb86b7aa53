#include "platform/com/vardate.h"

#include "platform/com/oledate.h"
#include "platform/com/regional_settings.h"

#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using mw::com::DateOrder;
using mw::com::RegionalSettings;

struct Token {
    enum class Kind { number, word, separator };
    Kind kind;
    std::wstring_view text;
    long long value = 0; // numbers; saturates
    int digits = 0;
    bool used = false; // taken by the time of day
};

bool is_space(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' ||
           c == 0xA0;
}
bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool is_letter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= 0x80 && !is_space(c));
}
bool is_separator(wchar_t c) {
    return c == L'-' || c == L'/' || c == L'.' || c == L',' || c == L':';
}

std::optional<std::vector<Token>> tokenize(std::wstring_view s) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t start = i;
        if (is_space(s[i])) {
            while (i < s.size() && is_space(s[i]))
                ++i;
            tokens.push_back({Token::Kind::separator, L" "});
        } else if (is_digit(s[i])) {
            Token t{Token::Kind::number, {}};
            while (i < s.size() && is_digit(s[i])) {
                t.value = t.value < 100000000000LL ? t.value * 10 + (s[i] - L'0') : t.value;
                ++t.digits;
                ++i;
            }
            t.text = s.substr(start, i - start);
            tokens.push_back(t);
        } else if (is_letter(s[i])) {
            while (i < s.size() && is_letter(s[i]))
                ++i;
            tokens.push_back({Token::Kind::word, s.substr(start, i - start)});
        } else if (is_separator(s[i])) {
            tokens.push_back({Token::Kind::separator, s.substr(i, 1)});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

wchar_t fold(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<wchar_t>(c + 0x20);
    return c;
}

bool same_word(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size() || a.empty())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

template <std::size_t N>
int index_in(std::wstring_view word, const std::array<std::wstring, N>& names) {
    for (std::size_t i = 0; i < N; ++i) {
        if (same_word(word, names[i]))
            return static_cast<int>(i);
    }
    return -1;
}

enum class WordKind { month, day_name, am, pm, unknown };

struct WordMeaning {
    WordKind kind;
    int month = 0;
};

// The locale's own names first, then English ones, which Windows reads under every locale.
WordMeaning meaning_of(std::wstring_view word, const RegionalSettings& local,
                       const RegionalSettings& english) {
    for (const RegionalSettings* s : {&local, &english}) {
        int m = index_in(word, s->month_names);
        if (m < 0)
            m = index_in(word, s->short_month_names);
        if (m >= 0)
            return {WordKind::month, m + 1};
    }
    for (const RegionalSettings* s : {&local, &english}) {
        if (same_word(word, s->am_designator))
            return {WordKind::am};
        if (same_word(word, s->pm_designator))
            return {WordKind::pm};
    }
    for (const RegionalSettings* s : {&local, &english}) {
        if (index_in(word, s->day_names) >= 0 || index_in(word, s->short_day_names) >= 0)
            return {WordKind::day_name};
    }
    return {WordKind::unknown};
}

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool is_sep(const std::vector<Token>& t, std::size_t i, wchar_t c) {
    return i < t.size() && t[i].kind == Token::Kind::separator && t[i].text[0] == c;
}
bool is_num(const std::vector<Token>& t, std::size_t i) {
    return i < t.size() && t[i].kind == Token::Kind::number;
}

enum class Outcome { ok, mismatch, overflow };

// Finds h:mm[:ss] and an AM/PM designator; marks their tokens used. A bare hour counts
// as a time when a designator stands next to it ("3 PM").
Outcome read_time(std::vector<Token>& t, const std::vector<WordMeaning>& words,
                  std::optional<TimeOfDay>& time) {
    std::vector<std::size_t> fields;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!is_num(t, i) || !is_sep(t, i + 1, L':'))
            continue;
        if (!fields.empty() || !is_num(t, i + 2))
            return Outcome::mismatch;
        fields = {i, i + 2};
        if (is_sep(t, i + 3, L':') && is_num(t, i + 4))
            fields.push_back(i + 4);
        t[i + 1].used = true;
        if (fields.size() == 3)
            t[i + 3].used = true;
        i = fields.back();
    }
    std::optional<std::size_t> designator;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (words[i].kind != WordKind::am && words[i].kind != WordKind::pm)
            continue;
        if (designator)
            return Outcome::mismatch;
        designator = i;
    }
    if (fields.empty() && designator) {
        // The number right before the designator, or right after it, is the hour.
        auto number_near = [&](std::size_t from, int step) -> std::optional<std::size_t> {
            for (auto j = static_cast<long long>(from) + step;
                 j >= 0 && j < static_cast<long long>(t.size()); j += step) {
                const auto k = static_cast<std::size_t>(j);
                if (is_num(t, k))
                    return k;
                if (!is_sep(t, k, L' '))
                    return std::nullopt;
            }
            return std::nullopt;
        };
        auto hour = number_near(*designator, -1);
        if (!hour)
            hour = number_near(*designator, +1);
        if (!hour)
            return Outcome::mismatch;
        fields = {*hour};
    }
    for (const std::size_t f : fields) {
        if (t[f].digits > 2)
            return Outcome::mismatch;
        t[f].used = true;
    }
    if (designator)
        t[*designator].used = true;
    if (fields.empty())
        return Outcome::ok;

    TimeOfDay tod;
    tod.hour = static_cast<int>(t[fields[0]].value);
    tod.minute = fields.size() > 1 ? static_cast<int>(t[fields[1]].value) : 0;
    tod.second = fields.size() > 2 ? static_cast<int>(t[fields[2]].value) : 0;
    if (designator) {
        if (tod.hour > 12)
            return Outcome::mismatch;
        const bool pm = words[*designator].kind == WordKind::pm;
        if (pm && tod.hour < 12)
            tod.hour += 12;
        else if (!pm && tod.hour == 12)
            tod.hour = 0;
    }
    if (tod.hour > 23 || tod.minute > 59 || tod.second > 59)
        return Outcome::mismatch;
    time = tod;
    return Outcome::ok;
}

struct Number {
    long long value;
    int digits;
};

bool year_like(const Number& n) {
    return n.digits >= 3 || n.value > 31;
}

// Two-digit years: 00-29 are this century, 30-99 the last, as Windows' default window.
long long expand_year(const Number& n) {
    if (n.digits <= 2)
        return n.value < 30 ? 2000 + n.value : 1900 + n.value;
    return n.value;
}

struct Ymd {
    int year;
    int month;
    int day;
};

// ok for a calendar date in range; overflow for a month and day that fit but a year that
// lies outside 100..9999; mismatch otherwise.
Outcome check(const Number& year, long long month, long long day, Ymd& out) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return Outcome::mismatch;
    const long long y = expand_year(year);
    const int m = static_cast<int>(month);
    const int d = static_cast<int>(day);
    if (y < mw::com::kMinDateYear || y > mw::com::kMaxDateYear) {
        // Leap years repeat every 400 years, so the day still checks against its month.
        const int same_leap = static_cast<int>(y % 400 + 400);
        return d <= mw::com::days_in_month(same_leap, m) ? Outcome::overflow : Outcome::mismatch;
    }
    if (!mw::com::is_calendar_date(static_cast<int>(y), m, d))
        return Outcome::mismatch;
    out = {static_cast<int>(y), m, d};
    return Outcome::ok;
}

struct Candidate {
    Number year;
    long long month;
    long long day;
};

// The first candidate that is a date wins; else overflow when one was, else mismatch.
Outcome first_date(std::initializer_list<Candidate> candidates, Ymd& out) {
    Outcome result = Outcome::mismatch;
    for (const Candidate& c : candidates) {
        const Outcome o = check(c.year, c.month, c.day, out);
        if (o == Outcome::ok)
            return o;
        if (o == Outcome::overflow)
            result = o;
    }
    return result;
}

Number this_year() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, 4};
}

Outcome read_date_with_month(int month, bool month_first, const std::vector<Number>& n,
                             DateOrder order, Ymd& out) {
    if (n.size() == 1) {
        if (year_like(n[0]))
            return first_date({{n[0], month, 1}}, out);
        return first_date({{this_year(), month, n[0].value}}, out);
    }
    const Number& a = n[0];
    const Number& b = n[1];
    if (year_like(a) && year_like(b))
        return Outcome::mismatch;
    if (year_like(a))
        return first_date({{a, month, b.value}}, out);
    if (year_like(b))
        return first_date({{b, month, a.value}}, out);
    // "March 5, 11" and "5 Mar 11" name the day first; year-first locales write "11 Mar 5".
    if (order == DateOrder::YMD && !month_first)
        return first_date({{a, month, b.value}, {b, month, a.value}}, out);
    return first_date({{b, month, a.value}, {a, month, b.value}}, out);
}

Outcome read_numeric_date(const std::vector<Number>& n, DateOrder order, Ymd& out) {
    if (n.size() == 2) {
        const Number& a = n[0];
        const Number& b = n[1];
        if (year_like(a) && year_like(b))
            return Outcome::mismatch;
        if (year_like(a))
            return first_date({{a, b.value, 1}}, out);
        if (year_like(b))
            return first_date({{b, a.value, 1}}, out);
        const Number year = this_year();
        if (order == DateOrder::DMY)
            return first_date({{year, b.value, a.value}, {year, a.value, b.value}}, out);
        return first_date({{year, a.value, b.value}, {year, b.value, a.value}}, out);
    }
    const Number& a = n[0];
    const Number& b = n[1];
    const Number& c = n[2];
    const Candidate mdy{c, a.value, b.value};
    const Candidate dmy{c, b.value, a.value};
    const Candidate ymd{a, b.value, c.value};
    const Candidate ydm{a, c.value, b.value};
    if (a.digits >= 3)
        return first_date({ymd, ydm}, out);
    // The locale's order first, then the others, as Windows falls back.
    switch (order) {
    case DateOrder::MDY:
        return first_date({mdy, dmy, ymd}, out);
    case DateOrder::DMY:
        return first_date({dmy, mdy, ymd}, out);
    case DateOrder::YMD:
        return first_date({ymd, mdy, dmy}, out);
    }
    return Outcome::mismatch;
}

HRESULT to_hresult(Outcome o) {
    return o == Outcome::overflow ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
}

RegionalSettings settings_for(LCID lcid) {
    if (lcid == LOCALE_NEUTRAL || lcid == LOCALE_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT)
        return mw::com::current_regional_settings();
    const RegionalSettings known = mw::com::regional_settings_for_lcid(lcid);
    return known.lcid == lcid ? known : mw::com::current_regional_settings();
}

} // namespace

HRESULT VarDateFromStr(LPCOLESTR strIn, LCID lcid, ULONG dwFlags, DATE* pdateOut) {
    if (pdateOut == nullptr)
        return E_INVALIDARG;
    const ULONG value_only = dwFlags & (VAR_TIMEVALUEONLY | VAR_DATEVALUEONLY);
    if (value_only == (VAR_TIMEVALUEONLY | VAR_DATEVALUEONLY))
        return E_INVALIDARG;
    if (strIn == nullptr)
        return DISP_E_TYPEMISMATCH;

    const RegionalSettings local = settings_for(lcid);
    const RegionalSettings english = mw::com::regional_settings_for("en_US");

    auto tokens = tokenize(strIn);
    if (!tokens)
        return DISP_E_TYPEMISMATCH;
    std::vector<WordMeaning> words(tokens->size(), {WordKind::unknown});
    for (std::size_t i = 0; i < tokens->size(); ++i) {
        if ((*tokens)[i].kind != Token::Kind::word)
            continue;
        words[i] = meaning_of((*tokens)[i].text, local, english);
        if (words[i].kind == WordKind::unknown)
            return DISP_E_TYPEMISMATCH;
    }

    std::optional<TimeOfDay> time;
    if (read_time(*tokens, words, time) != Outcome::ok)
        return DISP_E_TYPEMISMATCH;

    std::vector<Number> numbers;
    int month = 0;
    bool month_first = false;
    for (std::size_t i = 0; i < tokens->size(); ++i) {
        const Token& t = (*tokens)[i];
        if (t.used)
            continue;
        if (t.kind == Token::Kind::separator && t.text[0] == L':')
            return DISP_E_TYPEMISMATCH;
        if (t.kind == Token::Kind::number)
            numbers.push_back({t.value, t.digits});
        if (t.kind == Token::Kind::word && words[i].kind == WordKind::month) {
            if (month != 0)
                return DISP_E_TYPEMISMATCH;
            month = words[i].month;
            month_first = numbers.empty();
        }
    }

    long long day = 0;
    if (month != 0 || !numbers.empty()) {
        Ymd ymd{};
        Outcome o = Outcome::mismatch;
        if (month != 0 && (numbers.size() == 1 || numbers.size() == 2))
            o = read_date_with_month(month, month_first, numbers, local.date_order, ymd);
        else if (month == 0 && (numbers.size() == 2 || numbers.size() == 3))
            o = read_numeric_date(numbers, local.date_order, ymd);
        if (o != Outcome::ok)
            return to_hresult(o);
        day = mw::com::day_number(ymd.year, ymd.month, ymd.day);
    } else if (!time) {
        return DISP_E_TYPEMISMATCH;
    }

    double fraction = 0.0;
    if (time)
        fraction = (time->hour * 3600 + time->minute * 60 + time->second) / 86400.0;
    if (value_only == VAR_TIMEVALUEONLY)
        day = 0;
    if (value_only == VAR_DATEVALUEONLY)
        fraction = 0.0;
    *pdateOut = mw::com::make_date(day, fraction);
    return S_OK;
}
