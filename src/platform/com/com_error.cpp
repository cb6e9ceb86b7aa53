#include "platform/com/com_error.h"

#include "platform/com/codepage.h"

#include <cstdio>
#include <string>

namespace {

class ErrorInfo final : public mw::com::ComObject<IErrorInfo> {
public:
    ErrorInfo(std::wstring_view description, std::wstring_view source, REFGUID guid)
        : m_description(description), m_source(source), m_guid(guid) {}

    HRESULT GetGUID(GUID* pGUID) override {
        if (pGUID == nullptr)
            return E_INVALIDARG;
        *pGUID = m_guid;
        return S_OK;
    }
    HRESULT GetSource(BSTR* pBstrSource) override { return give(m_source, pBstrSource); }
    HRESULT GetDescription(BSTR* pBstrDescription) override {
        return give(m_description, pBstrDescription);
    }
    HRESULT GetHelpFile(BSTR* pBstrHelpFile) override { return give({}, pBstrHelpFile); }
    HRESULT GetHelpContext(DWORD* pdwHelpContext) override {
        if (pdwHelpContext == nullptr)
            return E_INVALIDARG;
        *pdwHelpContext = 0;
        return S_OK;
    }

private:
    static HRESULT give(std::wstring_view text, BSTR* out) {
        if (out == nullptr)
            return E_INVALIDARG;
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    std::wstring m_description;
    std::wstring m_source;
    GUID m_guid;
};

// Released when the thread ends, so an error object nobody asked for does not leak.
struct ThreadErrorInfo {
    IErrorInfo* info = nullptr;
    ~ThreadErrorInfo() {
        if (info != nullptr)
            info->Release();
    }
};
thread_local ThreadErrorInfo t_error;

struct KnownMessage {
    HRESULT code;
    const char* text;
};

// The texts Windows gives for the codes COM callers meet here.
constexpr KnownMessage kMessages[] = {
    {S_OK, "The operation completed successfully."},
    {E_UNEXPECTED, "Catastrophic failure"},
    {E_NOTIMPL, "Not implemented"},
    {E_NOINTERFACE, "No such interface supported"},
    {E_POINTER, "Invalid pointer"},
    {E_ABORT, "Operation aborted"},
    {E_FAIL, "Unspecified error"},
    {E_ACCESSDENIED, "Access is denied."},
    {E_HANDLE, "The handle is invalid."},
    {E_OUTOFMEMORY, "Not enough memory resources are available to complete this operation."},
    {E_INVALIDARG, "The parameter is incorrect."},
    {REGDB_E_CLASSNOTREG, "Class not registered"},
    {CLASS_E_NOAGGREGATION, "Class does not support aggregation (or class object is remote)"},
    {CO_E_CLASSSTRING, "Invalid class string"},
    {RPC_E_CHANGED_MODE, "Cannot change thread mode after it is set."},
    {DISP_E_TYPEMISMATCH, "Type mismatch."},
    {DISP_E_OVERFLOW, "Out of present range."},
    {DISP_E_BADINDEX, "Invalid index."},
    {DISP_E_ARRAYISLOCKED, "Memory is locked."},
    {DISP_E_BADVARTYPE, "Bad variable type."},
};

_bstr_t text_of(IErrorInfo* info, HRESULT (IErrorInfo::*getter)(BSTR*)) {
    if (info == nullptr)
        return _bstr_t();
    BSTR text = nullptr;
    if (FAILED((info->*getter)(&text)))
        return _bstr_t();
    return _bstr_t(text, false);
}

} // namespace

HRESULT SetErrorInfo(ULONG, IErrorInfo* perrinfo) {
    if (perrinfo != nullptr)
        perrinfo->AddRef();
    IErrorInfo* old = t_error.info;
    t_error.info = perrinfo;
    if (old != nullptr)
        old->Release();
    return S_OK;
}

HRESULT GetErrorInfo(ULONG, IErrorInfo** pperrinfo) {
    if (pperrinfo == nullptr)
        return E_INVALIDARG;
    *pperrinfo = t_error.info;
    t_error.info = nullptr;
    return *pperrinfo != nullptr ? S_OK : S_FALSE;
}

_com_error::_com_error(HRESULT hr, IErrorInfo* perrinfo, bool fAddRef) noexcept
    : m_hresult(hr), m_perrinfo(perrinfo) {
    if (m_perrinfo != nullptr && fAddRef)
        m_perrinfo->AddRef();
}

_com_error::_com_error(const _com_error& that) noexcept
    : m_hresult(that.m_hresult), m_perrinfo(that.m_perrinfo) {
    if (m_perrinfo != nullptr)
        m_perrinfo->AddRef();
}

_com_error& _com_error::operator=(const _com_error& that) noexcept {
    if (this != &that) {
        if (that.m_perrinfo != nullptr)
            that.m_perrinfo->AddRef();
        if (m_perrinfo != nullptr)
            m_perrinfo->Release();
        m_hresult = that.m_hresult;
        m_perrinfo = that.m_perrinfo;
        m_message.clear();
    }
    return *this;
}

_com_error::~_com_error() {
    if (m_perrinfo != nullptr)
        m_perrinfo->Release();
}

WORD _com_error::WCode() const noexcept {
    const unsigned code = HRESULT_CODE(m_hresult);
    return HRESULT_FACILITY(m_hresult) == FACILITY_ITF && code >= 0x200
               ? static_cast<WORD>(code - 0x200)
               : WORD{0};
}

IErrorInfo* _com_error::ErrorInfo() const noexcept {
    if (m_perrinfo != nullptr)
        m_perrinfo->AddRef();
    return m_perrinfo;
}

_bstr_t _com_error::Description() const {
    return text_of(m_perrinfo, &IErrorInfo::GetDescription);
}

_bstr_t _com_error::Source() const {
    return text_of(m_perrinfo, &IErrorInfo::GetSource);
}

::GUID _com_error::GUID() const {
    ::GUID guid{};
    if (m_perrinfo != nullptr)
        m_perrinfo->GetGUID(&guid);
    return guid;
}

const TCHAR* _com_error::ErrorMessage() const {
    if (m_message.empty()) {
        m_message = mw::com::system_message(m_hresult);
        if (m_message.empty()) {
            char text[40];
            std::snprintf(text, sizeof text, "Unknown error 0x%08X",
                          static_cast<unsigned>(m_hresult));
            m_message = text;
        }
    }
    return m_message.c_str();
}

void _com_issue_error(HRESULT hr) {
    throw _com_error(hr);
}

void _com_issue_errorex(HRESULT hr, IUnknown*, REFIID) {
    IErrorInfo* info = nullptr;
    GetErrorInfo(0, &info);
    throw _com_error(hr, info);
}

namespace mw::com {

IErrorInfo* make_error_info(std::wstring_view description, std::wstring_view source, REFGUID guid) {
    return make_object<ErrorInfo>(description, source, guid);
}

void raise_error(HRESULT hr, std::wstring_view description, std::wstring_view source) {
    throw _com_error(hr, make_error_info(description, source));
}

std::string system_message(HRESULT hr) {
    for (const KnownMessage& m : kMessages) {
        if (m.code == hr)
            return m.text;
    }
    return {};
}

} // namespace mw::com
