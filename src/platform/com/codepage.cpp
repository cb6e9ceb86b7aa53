#include "platform/com/codepage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <optional>

namespace {

// Bytes 0x80-0x9F of code page 1252; the rest of the page is Latin-1.
constexpr wchar_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr wchar_t kReplacement = 0xFFFD;

enum class Page { ansi, utf8 };

std::optional<Page> page_of(UINT code_page) {
    switch (code_page) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case CP_1252:
        return Page::ansi;
    case CP_UTF8:
        return Page::utf8;
    default:
        return std::nullopt;
    }
}

bool is_scalar(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes UTF-8; returns false at the first malformed sequence when strict.
bool decode_utf8(std::string_view in, std::wstring& out, bool strict) {
    std::size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t min = 0;
        if (b0 < 0x80) {
            out += static_cast<wchar_t>(b0);
            ++i;
            continue;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1, c = b0 & 0x1F, min = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2, c = b0 & 0x0F, min = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3, c = b0 & 0x07, min = 0x10000;
        } else {
            extra = -1;
        }
        int taken = 0;
        while (extra > 0 && taken < extra && i + 1 + taken < in.size()) {
            const auto b = static_cast<unsigned char>(in[i + 1 + taken]);
            if ((b & 0xC0) != 0x80)
                break;
            c = (c << 6) | (b & 0x3F);
            ++taken;
        }
        if (extra < 0 || taken < extra || c < min || !is_scalar(c)) {
            if (strict)
                return false;
            out += kReplacement;
            i += 1 + static_cast<std::size_t>(std::max(taken, 0));
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += 1 + static_cast<std::size_t>(extra);
    }
    return true;
}

// Copies a result into the caller's buffer the Win32 way: a zero size asks for the size.
template <class Char>
int deliver(const std::basic_string<Char>& result, Char* out, int out_size) {
    if (result.size() > static_cast<std::size_t>(INT32_MAX))
        return 0;
    const int needed = static_cast<int>(result.size());
    if (out_size == 0)
        return needed;
    if (out == nullptr || out_size < needed)
        return 0;
    std::copy(result.begin(), result.end(), out);
    return needed;
}

} // namespace

namespace mw::com {

int ansi_byte_of(wchar_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

wchar_t wide_of_ansi(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : static_cast<wchar_t>(byte);
}

std::string to_ansi(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t ch : text) {
        const int b = ansi_byte_of(ch);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::wstring from_ansi(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (const char ch : text)
        out += wide_of_ansi(static_cast<unsigned char>(ch));
    return out;
}

std::string to_utf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t ch : text) {
        const auto c = static_cast<char32_t>(ch);
        append_utf8(out, is_scalar(c) ? c : kReplacement);
    }
    return out;
}

std::wstring from_utf8(std::string_view text) {
    std::wstring out;
    decode_utf8(text, out, false);
    return out;
}

} // namespace mw::com

UINT GetACP() {
    return CP_1252;
}

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar) {
    const auto page = page_of(CodePage);
    if (!page || lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 ||
        cchWideChar < 0)
        return 0;
    const std::size_t len =
        cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : static_cast<std::size_t>(cbMultiByte);
    const std::string_view in(lpMultiByteStr, len);
    std::wstring out;
    if (*page == Page::ansi) {
        out = mw::com::from_ansi(in);
    } else if (!decode_utf8(in, out, (dwFlags & MB_ERR_INVALID_CHARS) != 0)) {
        return 0;
    }
    return deliver(out, lpWideCharStr, cchWideChar);
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                        LPBOOL lpUsedDefaultChar) {
    const auto page = page_of(CodePage);
    if (!page || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 ||
        cbMultiByte < 0)
        return 0;
    const std::size_t len =
        cchWideChar == -1 ? std::wcslen(lpWideCharStr) + 1 : static_cast<std::size_t>(cchWideChar);
    const std::wstring_view in(lpWideCharStr, len);
    std::string out;
    if (*page == Page::utf8) {
        // UTF-8 can hold everything, so Windows refuses a default character for it.
        if (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr)
            return 0;
        if ((dwFlags & WC_ERR_INVALID_CHARS) != 0 &&
            std::any_of(in.begin(), in.end(),
                        [](wchar_t ch) { return !is_scalar(static_cast<char32_t>(ch)); }))
            return 0;
        out = mw::com::to_utf8(in);
    } else {
        const char fallback = lpDefaultChar != nullptr ? *lpDefaultChar : '?';
        bool used = false;
        out.reserve(in.size());
        for (const wchar_t ch : in) {
            const int b = mw::com::ansi_byte_of(ch);
            used = used || b < 0;
            out += b < 0 ? fallback : static_cast<char>(b);
        }
        if (lpUsedDefaultChar != nullptr)
            *lpUsedDefaultChar = used ? TRUE : FALSE;
    }
    return deliver(out, lpMultiByteStr, cbMultiByte);
}
