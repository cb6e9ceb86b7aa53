// The basic scalar types, constants and macros of the Windows headers, shared by every
// platform stand-in above this one. This is an 8-bit ("ANSI") build: TCHAR is char.
// Pointer-sized types are pointer-sized, as on 64-bit Windows.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BOOLEAN = unsigned char;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using FLOAT = float;
using DOUBLE = double;

using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = ULONG_PTR;
using SIZE_T = std::size_t;

using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;

using CHAR = char;
using WCHAR = wchar_t;
using TCHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPTSTR = char*;
using LPCTSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using PVOID = void*;

using HRESULT = std::int32_t;
using LCID = DWORD;
using LANGID = WORD;
using COLORREF = DWORD;
using errno_t = int;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#ifndef _T
#define _T(x) x
#endif
#ifndef TEXT
#define TEXT(x) x
#endif

#define MAX_PATH 260

constexpr WORD LOWORD(DWORD_PTR v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(DWORD_PTR v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(DWORD_PTR v) {
    return static_cast<BYTE>(v & 0xFF);
}
constexpr BYTE HIBYTE(DWORD_PTR v) {
    return static_cast<BYTE>((v >> 8) & 0xFF);
}
constexpr LONG MAKELONG(WORD lo, WORD hi) {
    return static_cast<LONG>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) {
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(lo, hi)));
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
    return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(lo, hi)));
}
constexpr LRESULT MAKELRESULT(WORD lo, WORD hi) {
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(lo, hi)));
}
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r | (static_cast<DWORD>(g) << 8) | (static_cast<DWORD>(b) << 16));
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Signed coordinates packed in an LPARAM, as windowsx.h reads them.
constexpr int GET_X_LPARAM(LPARAM lp) {
    return static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
    return static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lp)));
}

struct POINT {
    LONG x = 0;
    LONG y = 0;
};
struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};
struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};
using LPSYSTEMTIME = SYSTEMTIME*;

// Handles are distinct pointer types, as with STRICT in the Windows headers.
#define DECLARE_HANDLE(name)                                                                       \
    struct name##__ {                                                                              \
        int unused;                                                                                \
    };                                                                                             \
    using name = name##__*
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HHOOK);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HBITMAP);
using HMODULE = HINSTANCE;
using HCURSOR = HICON;
using HANDLE = void*;
using HGDIOBJ = void*;
