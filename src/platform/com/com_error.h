// COM errors: IErrorInfo, the error object a failing call leaves behind, and _com_error,
// the exception the COM support library raises with an HRESULT and that error object.
#pragma once

#include "platform/com/bstr_t.h"
#include "platform/com/unknown.h"

#include <string>
#include <string_view>

MW_COM_INTERFACE(IErrorInfo, "{1CF2B120-547D-101B-8E65-08002B2BD119}") : public IUnknown {
    virtual HRESULT GetGUID(GUID * pGUID) = 0;
    virtual HRESULT GetSource(BSTR * pBstrSource) = 0;
    virtual HRESULT GetDescription(BSTR * pBstrDescription) = 0;
    virtual HRESULT GetHelpFile(BSTR * pBstrHelpFile) = 0;
    virtual HRESULT GetHelpContext(DWORD * pdwHelpContext) = 0;
};

// The calling thread's current error object; GetErrorInfo hands it over and clears it
// (S_FALSE and nullptr when there is none).
HRESULT SetErrorInfo(ULONG dwReserved, IErrorInfo* perrinfo);
HRESULT GetErrorInfo(ULONG dwReserved, IErrorInfo** pperrinfo);

class _com_error {
public:
    // Takes over one reference to perrinfo unless fAddRef asks for a new one.
    _com_error(HRESULT hr, IErrorInfo* perrinfo = nullptr, bool fAddRef = false) noexcept;
    _com_error(const _com_error& that) noexcept;
    _com_error& operator=(const _com_error& that) noexcept;
    virtual ~_com_error();

    HRESULT Error() const noexcept { return m_hresult; }
    // The code of a FACILITY_ITF error less 0x200, else 0.
    WORD WCode() const noexcept;
    // A new reference the caller releases, or nullptr.
    IErrorInfo* ErrorInfo() const noexcept;
    // Null when there is no error object.
    _bstr_t Description() const;
    _bstr_t Source() const;
    ::GUID GUID() const;
    // The system's text for the code, e.g. "Unspecified error" for E_FAIL, else
    // "Unknown error 0x%08X". The text lives as long as this object.
    const TCHAR* ErrorMessage() const;

private:
    HRESULT m_hresult;
    IErrorInfo* m_perrinfo;
    mutable std::string m_message;
};

[[noreturn]] void _com_issue_error(HRESULT hr);
[[noreturn]] void _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid);

namespace mw::com {

// A new error object (one reference, the caller's) with the given texts.
IErrorInfo* make_error_info(std::wstring_view description, std::wstring_view source = {},
                            REFGUID guid = GUID_NULL);

// Throws _com_error(hr) carrying an error object with the description.
[[noreturn]] void raise_error(HRESULT hr, std::wstring_view description,
                              std::wstring_view source = {});

// The system's text for an HRESULT without trailing line break ("" when it has none).
std::string system_message(HRESULT hr);

} // namespace mw::com
