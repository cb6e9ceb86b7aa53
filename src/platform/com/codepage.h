// Conversions between wide text and the 8-bit code pages of this build: 1252 is the ANSI
// code page (CP_ACP), and UTF-8. Characters that 1252 cannot hold become the default
// character '?' (no best fit); the five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to and from U+0081 ... U+009D, as Windows maps them.
//
// The Win32 functions keep their signatures; the mw::com helpers are for other stand-ins.
#pragma once

#include "platform/com/oletypes.h"

#include <string>
#include <string_view>

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_OEMCP = 1;
inline constexpr UINT CP_THREAD_ACP = 3;
inline constexpr UINT CP_1252 = 1252;
inline constexpr UINT CP_UTF8 = 65001;

inline constexpr DWORD MB_PRECOMPOSED = 0x00000001;
inline constexpr DWORD MB_ERR_INVALID_CHARS = 0x00000008;
inline constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x00000400;
inline constexpr DWORD WC_ERR_INVALID_CHARS = 0x00000080;

using LPCCH = const char*;
using LPCWCH = const wchar_t*;
using LPBOOL = BOOL*;

UINT GetACP();

// cbMultiByte / cchWideChar of -1: the input is zero-terminated and the terminator is
// converted too. A zero output size asks for the size needed. Returns 0 on failure
// (unknown code page, output too small, invalid input with the *_ERR_INVALID_CHARS flag,
// a default character given for UTF-8).
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                        LPBOOL lpUsedDefaultChar);

namespace mw::com {

std::string to_ansi(std::wstring_view text);
std::wstring from_ansi(std::string_view text);
std::string to_utf8(std::wstring_view text);
// Malformed sequences read as U+FFFD.
std::wstring from_utf8(std::string_view text);

// The 1252 byte for one character, or -1 when 1252 cannot hold it.
int ansi_byte_of(wchar_t ch);
wchar_t wide_of_ansi(unsigned char byte);

} // namespace mw::com
