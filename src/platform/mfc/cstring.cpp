#include "platform/mfc/cstring.h"

#include "platform/com/bstr.h"
#include "platform/com/codepage.h"

#include <algorithm>
#include <cstring>

namespace mw::mfc {

namespace {

StringLoader& Loader() {
    static StringLoader loader;
    return loader;
}

bool IsAnsiUpper(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
bool IsAnsiLower(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

// The 1252 letters whose cases are not 0x20 apart: Š, Œ, Ž and Ÿ.
struct CasePair {
    unsigned char upper;
    unsigned char lower;
};
constexpr CasePair kOddPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

} // namespace

void SetStringLoader(StringLoader loader) {
    Loader() = std::move(loader);
}

unsigned char AnsiToLower(unsigned char c) {
    if (IsAnsiUpper(c)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    for (const auto& p : kOddPairs) {
        if (c == p.upper) {
            return p.lower;
        }
    }
    return c;
}

unsigned char AnsiToUpper(unsigned char c) {
    if (IsAnsiLower(c)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    for (const auto& p : kOddPairs) {
        if (c == p.lower) {
            return p.upper;
        }
    }
    return c;
}

} // namespace mw::mfc

namespace {

constexpr const char* kWhitespace = " \t\n\v\f\r";

std::string_view SafeView(const char* psz) {
    return psz ? std::string_view(psz) : std::string_view();
}

int Sign(int v) {
    return v < 0 ? -1 : v > 0 ? 1 : 0;
}

std::size_t Clamp(int v, std::size_t max) {
    return v < 0 ? 0 : std::min(static_cast<std::size_t>(v), max);
}

} // namespace

CString::CString(const char* psz) : m_text(SafeView(psz)) {}

CString::CString(const char* pch, int nLength) {
    if (pch != nullptr && nLength > 0) {
        m_text.assign(pch, static_cast<std::size_t>(nLength));
    }
}

CString::CString(char ch, int nRepeat) {
    if (nRepeat > 0) {
        m_text.assign(static_cast<std::size_t>(nRepeat), ch);
    }
}

CString::CString(const wchar_t* psz) {
    if (psz != nullptr) {
        m_text = mw::com::to_ansi(psz);
    }
}

CString::CString(const wchar_t* pch, int nLength) {
    if (pch != nullptr && nLength > 0) {
        m_text = mw::com::to_ansi(std::wstring_view(pch, static_cast<std::size_t>(nLength)));
    }
}

CString& CString::operator=(const char* psz) {
    m_text = SafeView(psz); // psz may point into this string: assign copies first
    return *this;
}

CString& CString::operator=(const wchar_t* psz) {
    m_text = psz ? mw::com::to_ansi(psz) : std::string();
    return *this;
}

CString& CString::operator=(char ch) {
    m_text.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const {
    return nIndex >= 0 && nIndex < GetLength() ? m_text[static_cast<std::size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, char ch) {
    if (nIndex >= 0 && nIndex < GetLength()) {
        m_text[static_cast<std::size_t>(nIndex)] = ch;
    }
}

LPTSTR CString::GetBuffer() {
    return m_text.data();
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength()) {
        m_text.resize(static_cast<std::size_t>(nMinBufLength));
    }
    return m_text.data();
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
    m_text.resize(Clamp(nNewLength, m_text.max_size()));
    return m_text.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        m_text.resize(std::strlen(m_text.c_str()));
    } else {
        m_text.resize(std::min(static_cast<std::size_t>(nNewLength), m_text.size()));
    }
}

void CString::Preallocate(int nLength) {
    m_text.reserve(Clamp(nLength, m_text.max_size()));
}

CString CString::Left(int nCount) const {
    return CString(std::string_view(m_text).substr(0, Clamp(nCount, m_text.size())));
}

CString CString::Right(int nCount) const {
    std::size_t n = Clamp(nCount, m_text.size());
    return CString(std::string_view(m_text).substr(m_text.size() - n));
}

CString CString::Mid(int iFirst) const {
    return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const {
    std::size_t first = Clamp(iFirst, m_text.size());
    return CString(std::string_view(m_text).substr(first, Clamp(nCount, m_text.size() - first)));
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const {
    std::size_t n = m_text.find_first_not_of(SafeView(pszCharSet));
    return Left(n == std::string::npos ? GetLength() : static_cast<int>(n));
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const {
    std::string_view set = SafeView(pszCharSet);
    std::size_t n = set.empty() ? std::string::npos : m_text.find_first_of(set);
    return Left(n == std::string::npos ? GetLength() : static_cast<int>(n));
}

int CString::Find(char ch, int iStart) const {
    if (iStart < 0 || iStart >= GetLength()) {
        return -1;
    }
    std::size_t at = m_text.find(ch, static_cast<std::size_t>(iStart));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR pszSub, int iStart) const {
    if (iStart < 0 || iStart > GetLength()) {
        return -1;
    }
    std::size_t at = m_text.find(SafeView(pszSub), static_cast<std::size_t>(iStart));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCTSTR pszCharSet) const {
    std::string_view set = SafeView(pszCharSet);
    std::size_t at = set.empty() ? std::string::npos : m_text.find_first_of(set);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    std::size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(char chOld, char chNew) {
    int n = 0;
    for (char& c : m_text) {
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    }
    return n;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew) {
    std::string_view from = SafeView(pszOld);
    if (from.empty()) {
        return 0;
    }
    std::string to(SafeView(pszNew)); // copied: either may point into this string
    std::string from_copy(from);
    std::string out;
    int n = 0;
    std::size_t pos = 0;
    for (std::size_t at; (at = m_text.find(from_copy, pos)) != std::string::npos;
         pos = at + from_copy.size()) {
        out.append(m_text, pos, at - pos).append(to);
        ++n;
    }
    if (n > 0) {
        out.append(m_text, pos);
        m_text = std::move(out);
    }
    return n;
}

int CString::Remove(char ch) {
    auto end = std::remove(m_text.begin(), m_text.end(), ch);
    int n = static_cast<int>(m_text.end() - end);
    m_text.erase(end, m_text.end());
    return n;
}

int CString::Insert(int nIndex, char ch) {
    return Insert(nIndex, std::string(1, ch).c_str());
}

int CString::Insert(int nIndex, LPCTSTR psz) {
    std::string text(SafeView(psz));
    m_text.insert(Clamp(nIndex, m_text.size()), text);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    if (nIndex >= 0 && nIndex < GetLength() && nCount > 0) {
        m_text.erase(static_cast<std::size_t>(nIndex), static_cast<std::size_t>(nCount));
    }
    return GetLength();
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}
CString& CString::Trim(char chTarget) {
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(LPCTSTR pszTargets) {
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}
CString& CString::TrimLeft() {
    return TrimLeft(kWhitespace);
}
CString& CString::TrimLeft(char chTarget) {
    return TrimLeft(std::string(1, chTarget).c_str());
}

CString& CString::TrimLeft(LPCTSTR pszTargets) {
    std::string set(SafeView(pszTargets));
    if (!set.empty()) {
        m_text.erase(0, std::min(m_text.find_first_not_of(set), m_text.size()));
    }
    return *this;
}

CString& CString::TrimRight() {
    return TrimRight(kWhitespace);
}
CString& CString::TrimRight(char chTarget) {
    return TrimRight(std::string(1, chTarget).c_str());
}

CString& CString::TrimRight(LPCTSTR pszTargets) {
    std::string set(SafeView(pszTargets));
    if (!set.empty()) {
        std::size_t last = m_text.find_last_not_of(set);
        m_text.erase(last == std::string::npos ? 0 : last + 1);
    }
    return *this;
}

CString& CString::MakeUpper() {
    for (char& c : m_text) {
        c = static_cast<char>(mw::mfc::AnsiToUpper(static_cast<unsigned char>(c)));
    }
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : m_text) {
        c = static_cast<char>(mw::mfc::AnsiToLower(static_cast<unsigned char>(c)));
    }
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const {
    std::string_view tokens = SafeView(pszTokens);
    if (iStart >= 0 && iStart < GetLength()) {
        std::size_t from = m_text.find_first_not_of(tokens, static_cast<std::size_t>(iStart));
        if (from != std::string::npos) {
            std::size_t until = m_text.find_first_of(tokens, from);
            if (until == std::string::npos || tokens.empty()) {
                until = m_text.size();
            }
            iStart = static_cast<int>(until) + 1;
            return CString(std::string_view(m_text).substr(from, until - from));
        }
    }
    iStart = -1;
    return CString();
}

int CString::Compare(LPCTSTR psz) const {
    return Sign(std::strcmp(m_text.c_str(), psz ? psz : ""));
}

int CString::CompareNoCase(LPCTSTR psz) const {
    const auto* a = reinterpret_cast<const unsigned char*>(m_text.c_str());
    const auto* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
    for (;; ++a, ++b) {
        int ca = mw::mfc::AnsiToLower(*a);
        int cb = mw::mfc::AnsiToLower(*b);
        if (ca != cb || ca == 0) {
            return Sign(ca - cb);
        }
    }
}

BOOL CString::LoadString(UINT nID) {
    const auto& loader = mw::mfc::Loader();
    if (!loader) {
        return FALSE;
    }
    std::optional<std::string> text = loader(nID);
    if (!text) {
        return FALSE;
    }
    m_text = std::move(*text);
    return TRUE;
}

BSTR CString::AllocSysString() const {
    int len = GetLength();
    int wide = len == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, m_text.data(), len, nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
    if (out != nullptr && wide > 0) {
        MultiByteToWideChar(CP_ACP, 0, m_text.data(), len, out, wide);
    }
    return out;
}

BSTR CString::SetSysString(BSTR* pbstr) const {
    if (pbstr == nullptr) {
        return nullptr;
    }
    BSTR fresh = AllocSysString();
    if (fresh != nullptr) {
        SysFreeString(*pbstr);
        *pbstr = fresh;
    }
    return *pbstr;
}
