// CString of the ANSI build (CStringA): 8-bit text in the ANSI code page, 1252.
//
// Format and AppendFormat are variadic templates over typed arguments (platform/mfc/format.h)
// rather than C varargs, so a CString or a _bstr_t passed to them gives its text as in MFC.
// A CString handed to a C varargs function (printf, snprintf) must be cast to LPCTSTR.
//
// Out-of-range positions read as '\0' and writes to them are ignored; Left, Mid and Right
// clamp their counts, as MFC does.
//
// CString and the other MFC names are global, as in MFC; our own helpers live in mw::mfc.
#pragma once

#include "platform/com/oletypes.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/format.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(const unsigned char* psz) : CString(reinterpret_cast<const char*>(psz)) {}
    CString(char ch, int nRepeat = 1);
    // Wide text is converted through the ANSI code page.
    CString(const wchar_t* psz);
    CString(const wchar_t* pch, int nLength);
    explicit CString(std::string_view text) : m_text(text) {}

    CString& operator=(const char* psz);
    CString& operator=(const wchar_t* psz);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    operator LPCTSTR() const { return m_text.c_str(); }
    LPCTSTR GetString() const { return m_text.c_str(); }

    char GetAt(int nIndex) const;
    // Any integer type as index, so that int, size_t and INT_PTR all pick this and not the
    // pointer's built-in subscript.
    template <std::integral I>
    char operator[](I nIndex) const {
        return std::in_range<int>(nIndex) ? GetAt(static_cast<int>(nIndex)) : '\0';
    }
    void SetAt(int nIndex, char ch);

    // The buffer holds at least nMinBufLength characters plus a terminating zero until
    // ReleaseBuffer, which takes the length given or, with -1, up to the first zero.
    LPTSTR GetBuffer();
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void Preallocate(int nLength);
    void FreeExtra() { m_text.shrink_to_fit(); }

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString SpanIncluding(LPCTSTR pszCharSet) const;
    CString SpanExcluding(LPCTSTR pszCharSet) const;

    // -1 when not found or iStart is past the end.
    int Find(char ch, int iStart = 0) const;
    int Find(LPCTSTR pszSub, int iStart = 0) const;
    int FindOneOf(LPCTSTR pszCharSet) const;
    int ReverseFind(char ch) const;

    // Return how many were replaced or removed.
    int Replace(char chOld, char chNew);
    int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
    int Remove(char ch);
    // Return the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCTSTR psz);
    int Delete(int nIndex, int nCount = 1);

    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCTSTR pszTargets);

    // Letters of code page 1252 (accented ones included).
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // The next token after iStart, skipping leading delimiters; at the end "" and iStart -1.
    CString Tokenize(LPCTSTR pszTokens, int& iStart) const;

    // strcmp order of unsigned bytes: negative, 0 or positive.
    int Compare(LPCTSTR psz) const;
    // The same after folding 1252 letters to lower case.
    int CompareNoCase(LPCTSTR psz) const;
    int Collate(LPCTSTR psz) const { return Compare(psz); }
    int CollateNoCase(LPCTSTR psz) const { return CompareNoCase(psz); }

    template <class... Args>
    void Format(LPCTSTR pszFormat, const Args&... args) {
        std::array<mw::mfc::FormatArg, sizeof...(Args)> list{mw::mfc::MakeFormatArg(args)...};
        m_text = mw::mfc::FormatPrintf(pszFormat ? pszFormat : "", list);
    }
    // The format is a string resource (see mw::mfc::SetStringLoader).
    template <class... Args>
    void Format(UINT nFormatID, const Args&... args) {
        CString format;
        format.LoadString(nFormatID);
        Format(format.GetString(), args...);
    }
    template <class... Args>
    void AppendFormat(LPCTSTR pszFormat, const Args&... args) {
        std::array<mw::mfc::FormatArg, sizeof...(Args)> list{mw::mfc::MakeFormatArg(args)...};
        m_text += mw::mfc::FormatPrintf(pszFormat ? pszFormat : "", list);
    }

    // FALSE, and the text unchanged, when no string of that id exists.
    BOOL LoadString(UINT nID);

    // A new BSTR of the text (the caller frees it); nullptr when out of memory.
    BSTR AllocSysString() const;
    // Replaces *pbstr with the text; returns the new BSTR.
    BSTR SetSysString(BSTR* pbstr) const;

    CString& operator+=(const CString& s) { return Append(s.m_text); }
    CString& operator+=(const char* psz) { return Append(psz ? psz : ""); }
    CString& operator+=(char ch) { return Append(std::string_view(&ch, 1)); }
    CString& operator+=(const wchar_t* psz) { return *this += CString(psz); }
    CString& Append(std::string_view text) {
        m_text.append(text);
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a) += b; }
    friend CString operator+(const CString& a, const char* b) { return CString(a) += b; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
    friend CString operator+(const CString& a, char b) { return CString(a) += b; }
    friend CString operator+(char a, const CString& b) { return CString(a) += b; }

    friend bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
    friend bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
    friend bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
    friend bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
    friend bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
    friend bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
    friend bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
    friend bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }

private:
    std::string m_text;
};

using CStringA = CString;

namespace mw::mfc {

// Where CString::LoadString finds string resources: the window layer installs the
// program's string table here. Without a loader every id is missing.
using StringLoader = std::function<std::optional<std::string>(UINT id)>;
void SetStringLoader(StringLoader loader);

// Code page 1252 case mapping of one byte.
unsigned char AnsiToLower(unsigned char c);
unsigned char AnsiToUpper(unsigned char c);

} // namespace mw::mfc
