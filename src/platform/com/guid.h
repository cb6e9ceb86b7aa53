// GUIDs: the structure, comparison, the braced text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
// written by StringFromGUID2 and read by CLSIDFromString / IIDFromString, and
// mw::com::make_guid to write one from its text in a constant expression.
#pragma once

#include "platform/com/oletypes.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct GUID {
    DWORD Data1 = 0;
    WORD Data2 = 0;
    WORD Data3 = 0;
    BYTE Data4[8] = {};

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};
using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using LPGUID = GUID*;
using LPCLSID = CLSID*;
using LPIID = IID*;

inline constexpr GUID GUID_NULL{};

constexpr bool IsEqualGUID(REFGUID a, REFGUID b) {
    return a == b;
}
constexpr bool IsEqualIID(REFIID a, REFIID b) {
    return a == b;
}
constexpr bool IsEqualCLSID(REFCLSID a, REFCLSID b) {
    return a == b;
}

// Writes the braced form and its terminator; returns the characters written including the
// terminator (39), or 0 when cchMax is too small.
int StringFromGUID2(REFGUID rguid, LPOLESTR lpsz, int cchMax);
// NOERROR, or CO_E_CLASSSTRING for text that is not a braced GUID (null included).
HRESULT CLSIDFromString(LPCOLESTR lpsz, LPCLSID pclsid);
// NOERROR, or E_INVALIDARG for text that is not a braced GUID.
HRESULT IIDFromString(LPCOLESTR lpsz, LPIID lpiid);

namespace mw::com {

namespace detail {
constexpr int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <class Char>
constexpr std::optional<GUID> parse_guid(std::basic_string_view<Char> text) {
    // {01234567-0123-0123-0123-0123456789AB}: 38 characters.
    if (text.size() != 38 || text.front() != '{' || text.back() != '}')
        return std::nullopt;
    constexpr std::size_t dashes[] = {9, 14, 19, 24};
    std::uint8_t bytes[16] = {};
    std::size_t nibble = 0;
    for (std::size_t i = 1; i < 37; ++i) {
        const Char c = text[i];
        if (i == dashes[0] || i == dashes[1] || i == dashes[2] || i == dashes[3]) {
            if (c != '-')
                return std::nullopt;
            continue;
        }
        const int d = (c > 0 && c < 128) ? hex_digit(static_cast<char>(c)) : -1;
        if (d < 0)
            return std::nullopt;
        bytes[nibble / 2] = static_cast<std::uint8_t>(bytes[nibble / 2] * 16 + d);
        ++nibble;
    }
    GUID g;
    g.Data1 = (DWORD(bytes[0]) << 24) | (DWORD(bytes[1]) << 16) | (DWORD(bytes[2]) << 8) |
              DWORD(bytes[3]);
    g.Data2 = static_cast<WORD>((bytes[4] << 8) | bytes[5]);
    g.Data3 = static_cast<WORD>((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i)
        g.Data4[i] = bytes[8 + i];
    return g;
}
} // namespace detail

inline std::optional<GUID> parse_guid(std::wstring_view text) {
    return detail::parse_guid(text);
}
inline std::optional<GUID> parse_guid(std::string_view text) {
    return detail::parse_guid(text);
}

// A GUID from its braced text; malformed text fails to compile in a constant expression.
constexpr GUID make_guid(std::string_view braced) {
    const auto g = detail::parse_guid(braced);
    if (!g)
        throw std::invalid_argument("malformed braced GUID text");
    return *g;
}

// The braced form with upper-case digits, as StringFromGUID2 writes it.
std::wstring to_wstring(REFGUID guid);
std::string to_string(REFGUID guid);

} // namespace mw::com
