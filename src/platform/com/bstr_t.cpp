#include "platform/com/bstr_t.h"

#include "platform/com/codepage.h"
#include "platform/com/com_error.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace _com_util {

BSTR ConvertStringToBSTR(const char* pSrc) {
    if (pSrc == nullptr)
        return nullptr;
    const std::wstring wide = mw::com::from_ansi(pSrc);
    BSTR s = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (s == nullptr)
        _com_issue_error(E_OUTOFMEMORY);
    return s;
}

char* ConvertBSTRToString(BSTR pSrc) {
    if (pSrc == nullptr)
        return nullptr;
    const std::string narrow = mw::com::to_ansi(std::wstring_view(pSrc, SysStringLen(pSrc)));
    char* out = new char[narrow.size() + 1];
    std::memcpy(out, narrow.c_str(), narrow.size() + 1);
    return out;
}

} // namespace _com_util

struct _bstr_t::Data {
    explicit Data(BSTR s) noexcept : wstr(s) {}
    Data(const Data&) = delete;
    Data& operator=(const Data&) = delete;
    ~Data() {
        SysFreeString(wstr);
        delete[] str.load();
    }

    std::atomic<long> refs{1};
    BSTR wstr;
    std::atomic<char*> str{nullptr}; // the 8-bit form, made on first use
};

namespace {

BSTR checked(BSTR s) {
    if (s == nullptr)
        _com_issue_error(E_OUTOFMEMORY);
    return s;
}

BSTR copy_of(BSTR s) {
    return s == nullptr ? nullptr : checked(SysAllocStringLen(s, SysStringLen(s)));
}

std::wstring_view view_of(BSTR s) {
    return {s == nullptr ? L"" : s, SysStringLen(s)};
}

} // namespace

_bstr_t::_bstr_t(const _bstr_t& s) noexcept : m_data(s.m_data) {
    if (m_data != nullptr)
        m_data->refs.fetch_add(1, std::memory_order_relaxed);
}

_bstr_t::_bstr_t(_bstr_t&& s) noexcept : m_data(s.m_data) {
    s.m_data = nullptr;
}

_bstr_t::_bstr_t(const char* s) {
    if (s != nullptr)
        m_data = new Data(_com_util::ConvertStringToBSTR(s));
}

_bstr_t::_bstr_t(const wchar_t* s) {
    if (s != nullptr)
        m_data = new Data(checked(SysAllocString(s)));
}

_bstr_t::_bstr_t(BSTR bstr, bool fCopy) {
    if (bstr != nullptr)
        m_data = new Data(fCopy ? copy_of(bstr) : bstr);
}

_bstr_t::~_bstr_t() {
    release();
}

void _bstr_t::release() noexcept {
    if (m_data != nullptr && m_data->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete m_data;
    m_data = nullptr;
}

_bstr_t& _bstr_t::operator=(const _bstr_t& s) noexcept {
    if (m_data != s.m_data) {
        _bstr_t copy(s);
        std::swap(m_data, copy.m_data);
    }
    return *this;
}

_bstr_t& _bstr_t::operator=(_bstr_t&& s) noexcept {
    if (this != &s) {
        release();
        m_data = s.m_data;
        s.m_data = nullptr;
    }
    return *this;
}

_bstr_t& _bstr_t::operator=(const char* s) {
    return *this = _bstr_t(s);
}
_bstr_t& _bstr_t::operator=(const wchar_t* s) {
    return *this = _bstr_t(s);
}

_bstr_t operator+(const _bstr_t& a, const _bstr_t& b) {
    const std::wstring_view va = view_of(a.m_data ? a.m_data->wstr : nullptr);
    const std::wstring_view vb = view_of(b.m_data ? b.m_data->wstr : nullptr);
    if (va.size() + vb.size() > UINT32_MAX / sizeof(OLECHAR))
        _com_issue_error(E_OUTOFMEMORY);
    BSTR s = checked(SysAllocStringLen(nullptr, static_cast<UINT>(va.size() + vb.size())));
    std::copy(va.begin(), va.end(), s);
    std::copy(vb.begin(), vb.end(), s + va.size());
    return _bstr_t(new _bstr_t::Data(s));
}

_bstr_t operator+(const char* a, const _bstr_t& b) {
    return _bstr_t(a) + b;
}
_bstr_t operator+(const wchar_t* a, const _bstr_t& b) {
    return _bstr_t(a) + b;
}

_bstr_t& _bstr_t::operator+=(const _bstr_t& s) {
    return *this = *this + s;
}

_bstr_t::operator const wchar_t*() const noexcept {
    return m_data ? m_data->wstr : nullptr;
}
_bstr_t::operator wchar_t*() const noexcept {
    return m_data ? m_data->wstr : nullptr;
}

_bstr_t::operator const char*() const {
    if (m_data == nullptr || m_data->wstr == nullptr)
        return nullptr;
    char* cached = m_data->str.load(std::memory_order_acquire);
    if (cached != nullptr)
        return cached;
    char* fresh = _com_util::ConvertBSTRToString(m_data->wstr);
    // Copies on other threads may race to make it; the first one stays.
    if (!m_data->str.compare_exchange_strong(cached, fresh, std::memory_order_acq_rel)) {
        delete[] fresh;
        return cached;
    }
    return fresh;
}

bool _bstr_t::operator!() const noexcept {
    return length() == 0;
}

bool operator==(const _bstr_t& a, const _bstr_t& b) noexcept {
    return (a <=> b) == 0;
}

std::strong_ordering operator<=>(const _bstr_t& a, const _bstr_t& b) noexcept {
    const std::wstring_view va = view_of(a.m_data ? a.m_data->wstr : nullptr);
    const std::wstring_view vb = view_of(b.m_data ? b.m_data->wstr : nullptr);
    // As UTF-16 code units compare: unsigned.
    return std::lexicographical_compare_three_way(
        va.begin(), va.end(), vb.begin(), vb.end(),
        [](wchar_t x, wchar_t y) { return static_cast<char32_t>(x) <=> static_cast<char32_t>(y); });
}

unsigned int _bstr_t::length() const noexcept {
    return m_data ? SysStringLen(m_data->wstr) : 0;
}

BSTR _bstr_t::copy(bool fCopy) const {
    BSTR s = m_data ? m_data->wstr : nullptr;
    return fCopy ? copy_of(s) : s;
}

BSTR& _bstr_t::GetBSTR() {
    if (m_data == nullptr)
        m_data = new Data(nullptr);
    return m_data->wstr;
}

BSTR* _bstr_t::GetAddress() {
    release();
    m_data = new Data(nullptr);
    return &m_data->wstr;
}

void _bstr_t::Assign(BSTR s) {
    *this = _bstr_t(s, true);
}

void _bstr_t::Attach(BSTR s) {
    release();
    if (s != nullptr)
        m_data = new Data(s);
}

BSTR _bstr_t::Detach() {
    if (m_data == nullptr)
        return nullptr;
    BSTR out;
    if (m_data->refs.load(std::memory_order_acquire) == 1) {
        out = m_data->wstr;
        m_data->wstr = nullptr;
    } else {
        out = copy_of(m_data->wstr);
    }
    release();
    return out;
}
