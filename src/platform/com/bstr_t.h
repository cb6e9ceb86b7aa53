// _bstr_t, the COM support library's string: copies share one reference-counted BSTR; a
// string is either null (no text) or holds text, possibly ""; both read as empty and
// compare equal. The 8-bit form (ANSI code page) is made on first use and kept with the
// shared text, so asking twice gives the same pointer; it is nullptr for a null string.
// Changing a string (+=, Assign, GetAddress) gives it text of its own; copies keep theirs.
#pragma once

#include "platform/com/bstr.h"

#include <atomic>
#include <compare>
#include <cstddef>

namespace _com_util {
// A new BSTR of pSrc in the ANSI code page (nullptr for nullptr); the caller frees it.
BSTR ConvertStringToBSTR(const char* pSrc);
// A new[] 8-bit copy of pSrc (nullptr for nullptr); the caller delete[]s it.
char* ConvertBSTRToString(BSTR pSrc);
} // namespace _com_util

class _bstr_t {
public:
    _bstr_t() noexcept = default;
    _bstr_t(const _bstr_t& s) noexcept;
    _bstr_t(_bstr_t&& s) noexcept;
    _bstr_t(const char* s);
    _bstr_t(const wchar_t* s);
    // fCopy false takes ownership of bstr.
    _bstr_t(BSTR bstr, bool fCopy);
    ~_bstr_t();

    _bstr_t& operator=(const _bstr_t& s) noexcept;
    _bstr_t& operator=(_bstr_t&& s) noexcept;
    _bstr_t& operator=(const char* s);
    _bstr_t& operator=(const wchar_t* s);

    _bstr_t& operator+=(const _bstr_t& s);
    friend _bstr_t operator+(const _bstr_t& a, const _bstr_t& b);
    friend _bstr_t operator+(const char* a, const _bstr_t& b);
    friend _bstr_t operator+(const wchar_t* a, const _bstr_t& b);

    operator const wchar_t*() const noexcept;
    // Writes through this pointer reach every copy, as with the real class.
    operator wchar_t*() const noexcept;
    operator const char*() const;

    bool operator!() const noexcept;
    friend bool operator==(const _bstr_t& a, const _bstr_t& b) noexcept;
    friend std::strong_ordering operator<=>(const _bstr_t& a, const _bstr_t& b) noexcept;
    bool operator==(const wchar_t* s) const { return *this == _bstr_t(s); }
    bool operator==(const char* s) const { return *this == _bstr_t(s); }
    bool operator==(std::nullptr_t) const noexcept { return length() == 0; }
    std::strong_ordering operator<=>(const wchar_t* s) const { return *this <=> _bstr_t(s); }
    std::strong_ordering operator<=>(const char* s) const { return *this <=> _bstr_t(s); }

    // Characters, embedded zeros included.
    unsigned int length() const noexcept;
    // A copy the caller frees (fCopy), or the shared BSTR itself.
    BSTR copy(bool fCopy = true) const;
    // The shared BSTR; a null string gets text of its own first, still null.
    BSTR& GetBSTR();
    // Drops the current text and gives the address of a null BSTR for an out parameter.
    BSTR* GetAddress();
    void Assign(BSTR s);
    // Takes ownership of s.
    void Attach(BSTR s);
    // Hands the BSTR to the caller (a copy when other strings share it); leaves this null.
    BSTR Detach();

private:
    struct Data;
    explicit _bstr_t(Data* data) noexcept : m_data(data) {}
    void release() noexcept;

    Data* m_data = nullptr;
};
