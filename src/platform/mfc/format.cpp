#include "platform/mfc/format.h"

#include "platform/com/codepage.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace mw::mfc {

namespace {

enum class Width { Default, Bits8, Bits16, Bits32, Bits64, Wide, Narrow };

struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    Width size = Width::Default;
    char conversion = 0;
};

class Args {
public:
    explicit Args(std::span<const FormatArg> args) : m_args(args) {}
    const FormatArg& Next() {
        static const FormatArg missing;
        return m_next < m_args.size() ? m_args[m_next++] : missing;
    }

private:
    std::span<const FormatArg> m_args;
    std::size_t m_next = 0;
};

std::int64_t AsSigned(const FormatArg& a) {
    switch (a.kind) {
    case FormatArg::Kind::Signed:
        return a.i;
    case FormatArg::Kind::Unsigned:
        return static_cast<std::int64_t>(a.u);
    case FormatArg::Kind::Floating:
        if (!std::isfinite(a.d)) {
            return 0;
        }
        if (a.d >= 9.2e18 || a.d <= -9.2e18) {
            return a.d < 0 ? INT64_MIN : INT64_MAX;
        }
        return static_cast<std::int64_t>(a.d);
    case FormatArg::Kind::Pointer:
    case FormatArg::Kind::Text:
        return static_cast<std::int64_t>(
            reinterpret_cast<std::uintptr_t>(a.pointer  ? a.pointer
                                             : a.narrow ? static_cast<const void*>(a.narrow)
                                                        : a.wide));
    case FormatArg::Kind::Missing:
        return 0;
    }
    return 0;
}

double AsDouble(const FormatArg& a) {
    switch (a.kind) {
    case FormatArg::Kind::Floating:
        return a.d;
    case FormatArg::Kind::Signed:
        return static_cast<double>(a.i);
    case FormatArg::Kind::Unsigned:
        return static_cast<double>(a.u);
    default:
        return 0.0;
    }
}

// The argument read at the conversion's size, as the runtime would read it from the stack.
std::uint64_t Truncate(std::int64_t v, Width size, bool isSigned) {
    auto bits = static_cast<std::uint64_t>(v);
    switch (size) {
    case Width::Bits8:
        return isSigned ? static_cast<std::uint64_t>(static_cast<std::int8_t>(bits)) : bits & 0xFF;
    case Width::Bits16:
        return isSigned ? static_cast<std::uint64_t>(static_cast<std::int16_t>(bits))
                        : bits & 0xFFFF;
    case Width::Bits64:
        return bits;
    default:
        return isSigned ? static_cast<std::uint64_t>(static_cast<std::int32_t>(bits))
                        : bits & 0xFFFFFFFFu;
    }
}

std::string CSpec(const Spec& s, const char* length, char conversion) {
    std::string out = "%" + s.flags;
    if (s.width >= 0) {
        out += std::to_string(s.width);
    }
    if (s.precision >= 0) {
        out += '.' + std::to_string(s.precision);
    }
    out += length;
    out += conversion;
    return out;
}

template <class T>
void AppendC(std::string& out, const std::string& spec, T value) {
    int n = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (n <= 0) {
        return;
    }
    std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(n) + 1);
    std::snprintf(out.data() + at, static_cast<std::size_t>(n) + 1, spec.c_str(), value);
    out.resize(at + static_cast<std::size_t>(n));
}

void AppendPadded(std::string& out, const Spec& s, std::string_view text) {
    std::size_t width = s.width > 0 ? static_cast<std::size_t>(s.width) : 0;
    std::size_t pad = width > text.size() ? width - text.size() : 0;
    bool left = s.flags.find('-') != std::string::npos;
    if (!left) {
        out.append(pad, s.flags.find('0') != std::string::npos ? '0' : ' ');
    }
    out.append(text);
    if (left) {
        out.append(pad, ' ');
    }
}

void AppendText(std::string& out, const Spec& s, const FormatArg& a) {
    bool wantWide = s.size == Width::Wide || (s.conversion == 'S' && s.size != Width::Narrow);
    std::string text;
    bool haveText = a.kind == FormatArg::Kind::Text && (a.narrow != nullptr || a.wide != nullptr);
    if (!haveText) {
        text = "(null)";
    } else if (a.wide != nullptr && (wantWide || a.narrow == nullptr)) {
        std::size_t n = 0;
        // The precision counts characters: never read the wide text past it.
        while (a.wide[n] != 0 && (s.precision < 0 || n < static_cast<std::size_t>(s.precision))) {
            ++n;
        }
        text = mw::com::to_ansi(std::wstring_view(a.wide, n));
    } else {
        std::size_t n = 0;
        while (a.narrow[n] != 0 && (s.precision < 0 || n < static_cast<std::size_t>(s.precision))) {
            ++n;
        }
        text.assign(a.narrow, n);
    }
    if (s.precision >= 0 && text.size() > static_cast<std::size_t>(s.precision)) {
        text.resize(static_cast<std::size_t>(s.precision));
    }
    AppendPadded(out, s, text);
}

void AppendChar(std::string& out, const Spec& s, const FormatArg& a) {
    bool wide = s.size == Width::Wide || (s.conversion == 'C' && s.size != Width::Narrow);
    std::uint64_t v = static_cast<std::uint64_t>(AsSigned(a));
    char c;
    if (wide) {
        int b = mw::com::ansi_byte_of(static_cast<wchar_t>(v & 0xFFFF));
        c = b < 0 ? '?' : static_cast<char>(b);
    } else {
        c = static_cast<char>(v & 0xFF);
    }
    Spec plain = s;
    plain.precision = -1;
    AppendPadded(out, plain, std::string_view(&c, 1));
}

void AppendConversion(std::string& out, const Spec& s, Args& args) {
    switch (s.conversion) {
    case 'd':
    case 'i': {
        auto v = static_cast<long long>(Truncate(AsSigned(args.Next()), s.size, true));
        AppendC(out, CSpec(s, "ll", s.conversion), v);
        return;
    }
    case 'u':
    case 'o':
    case 'x':
    case 'X': {
        auto v = static_cast<unsigned long long>(Truncate(AsSigned(args.Next()), s.size, false));
        AppendC(out, CSpec(s, "ll", s.conversion), v);
        return;
    }
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        AppendC(out, CSpec(s, "", s.conversion), AsDouble(args.Next()));
        return;
    case 's':
    case 'S':
        AppendText(out, s, args.Next());
        return;
    case 'c':
    case 'C':
        AppendChar(out, s, args.Next());
        return;
    case 'p': {
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llX",
                      static_cast<unsigned long long>(AsSigned(args.Next())));
        Spec plain = s;
        plain.flags.clear();
        if (s.flags.find('-') != std::string::npos) {
            plain.flags = "-";
        }
        AppendPadded(out, plain, hex);
        return;
    }
    case 'n':
        args.Next();
        return; // never writes through an argument
    default:
        return;
    }
}

// Reads a number or '*' at format[i]; -1 when neither is there.
int ReadCount(std::string_view format, std::size_t& i, Args& args, bool& fromArgument) {
    fromArgument = false;
    if (i < format.size() && format[i] == '*') {
        ++i;
        fromArgument = true;
        std::int64_t v = AsSigned(args.Next());
        return static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
    }
    if (i >= format.size() || format[i] < '0' || format[i] > '9') {
        return -1;
    }
    long long v = 0;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        v = v * 10 + (format[i++] - '0');
        if (v > 100000) {
            v = 100000; // a width nobody means; keeps the output bounded
        }
    }
    return static_cast<int>(v);
}

Width ReadSize(std::string_view format, std::size_t& i) {
    auto rest = format.substr(i);
    struct Prefix {
        std::string_view text;
        Width size;
    };
    static constexpr Prefix kPrefixes[] = {
        {"I64", Width::Bits64}, {"I32", Width::Bits32}, {"hh", Width::Bits8}, {"ll", Width::Bits64},
        {"I", Width::Bits64},   {"h", Width::Bits16},   {"l", Width::Bits64}, {"L", Width::Bits64},
        {"z", Width::Bits64},   {"t", Width::Bits64},   {"j", Width::Bits64}, {"w", Width::Wide},
    };
    for (const auto& p : kPrefixes) {
        if (rest.starts_with(p.text)) {
            i += p.text.size();
            return p.size;
        }
    }
    return Width::Default;
}

} // namespace

std::string FormatPrintf(std::string_view format, std::span<const FormatArg> list) {
    Args args(list);
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            continue;
        }
        Spec s;
        while (i < format.size() && std::strchr("-+ #0", format[i]) != nullptr) {
            if (s.flags.find(format[i]) == std::string::npos) {
                s.flags += format[i];
            }
            ++i;
        }
        bool starred = false;
        s.width = ReadCount(format, i, args, starred);
        if (starred && s.width < 0) {
            s.flags += '-';
            s.width = s.width == INT_MIN ? INT_MAX : -s.width;
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            s.precision = ReadCount(format, i, args, starred);
            if (s.precision < 0 && !starred) {
                s.precision = 0; // "%.f" means precision 0
            }
        }
        s.width = std::min(s.width, 100000);
        s.precision = std::min(s.precision, 100000);
        Width size = ReadSize(format, i);
        if (i >= format.size()) {
            out.append(format.substr(start));
            break;
        }
        s.conversion = format[i];
        // h and l also choose the character width of %s, %S, %c and %C.
        if (std::strchr("sScC", s.conversion) != nullptr) {
            s.size = size == Width::Bits16                           ? Width::Narrow
                     : size == Width::Bits64 && format[i - 1] == 'l' ? Width::Wide
                                                                     : size;
        } else {
            s.size = size;
        }
        if (std::strchr("diuoxXeEfFgGaAsScCpn", s.conversion) == nullptr) {
            out.append(format.substr(start, i + 1 - start));
            continue;
        }
        AppendConversion(out, s, args);
    }
    return out;
}

} // namespace mw::mfc
