// The printf engine behind CString::Format. Each argument arrives typed (FormatArg), so a
// conversion never reads an argument of another type: a CString or a _bstr_t gives its text
// to %s and %S, a missing argument reads as 0 or "(null)", and %n writes nothing.
//
// Rules are the Microsoft runtime's for an 8-bit format: %s and %hs take 8-bit text, %S,
// %ls and %ws wide text converted to the ANSI code page, %c a byte, %C and %lc a wide
// character; a null string prints "(null)"; %p prints 16 upper-case hex digits. Integer
// conversions read 32 bits unless h, hh, l, ll, I64, I32, I, z, t or j say otherwise.
#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace mw::mfc {

struct FormatArg {
    enum class Kind { Missing, Signed, Unsigned, Floating, Text, Pointer };
    Kind kind = Kind::Missing;
    std::int64_t i = 0;
    std::uint64_t u = 0;
    double d = 0.0;
    // Text: either or both forms; a string wrapper offering both gives each to its own
    // conversion.
    const char* narrow = nullptr;
    const wchar_t* wide = nullptr;
    const void* pointer = nullptr;
};

std::string FormatPrintf(std::string_view format, std::span<const FormatArg> args);

template <class T>
FormatArg MakeFormatArg(const T& value) {
    using V = std::remove_cvref_t<T>;
    FormatArg a;
    if constexpr (std::is_same_v<V, bool>) {
        a.kind = FormatArg::Kind::Unsigned;
        a.u = value ? 1 : 0;
    } else if constexpr (std::is_enum_v<V>) {
        return MakeFormatArg(static_cast<std::underlying_type_t<V>>(value));
    } else if constexpr (std::is_integral_v<V> && std::is_signed_v<V>) {
        a.kind = FormatArg::Kind::Signed;
        a.i = static_cast<std::int64_t>(value);
    } else if constexpr (std::is_integral_v<V>) {
        a.kind = FormatArg::Kind::Unsigned;
        a.u = static_cast<std::uint64_t>(value);
    } else if constexpr (std::is_floating_point_v<V>) {
        a.kind = FormatArg::Kind::Floating;
        a.d = static_cast<double>(value);
    } else if constexpr (std::is_null_pointer_v<V>) {
        a.kind = FormatArg::Kind::Pointer;
    } else if constexpr (std::is_array_v<V>) {
        return MakeFormatArg(static_cast<const std::remove_extent_t<V>*>(value));
    } else if constexpr (std::is_pointer_v<V>) {
        using P = std::remove_cv_t<std::remove_pointer_t<V>>;
        if constexpr (std::is_same_v<P, char> || std::is_same_v<P, unsigned char> ||
                      std::is_same_v<P, signed char>) {
            a.kind = FormatArg::Kind::Text;
            a.narrow = reinterpret_cast<const char*>(value);
        } else if constexpr (std::is_same_v<P, wchar_t>) {
            a.kind = FormatArg::Kind::Text;
            a.wide = value;
        } else {
            a.kind = FormatArg::Kind::Pointer;
            a.pointer = reinterpret_cast<const void*>(value);
        }
    } else if constexpr (std::is_convertible_v<const V&, const char*> ||
                         std::is_convertible_v<const V&, const wchar_t*>) {
        a.kind = FormatArg::Kind::Text;
        if constexpr (std::is_convertible_v<const V&, const char*>) {
            a.narrow = static_cast<const char*>(value);
        }
        if constexpr (std::is_convertible_v<const V&, const wchar_t*>) {
            a.wide = static_cast<const wchar_t*>(value);
        }
    } else {
        static_assert(sizeof(V) == 0, "CString::Format takes numbers, pointers and strings");
    }
    return a;
}

} // namespace mw::mfc
