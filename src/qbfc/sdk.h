// The SDK's message sets, responses and session manager. Methods are in the style of the
// #import wrappers the system calls: they return values or smart pointers and raise
// _com_error on failure.
#pragma once

#include "qbfc/company_elements.h"
#include "qbfc/host_elements.h"
#include "qbfc/preferences_elements.h"
#include "qbfc/purchase_order_elements.h"
#include "qbfc/purchase_order_ret_elements.h"
#include "qbfc/report_elements.h"

QBFC_COM_INTERFACE(IAttributesRqSet) : public IUnknown {
    virtual void PutOnError(ENRqOnError onError) = 0;
    virtual ENRqOnError GetOnError() = 0;
};
_COM_SMARTPTR_TYPEDEF(IAttributesRqSet, __uuidof(IAttributesRqSet));

QBFC_COM_INTERFACE(IMsgSetRequest) : public IUnknown {
    virtual void ClearRequests() = 0;
    virtual IAttributesRqSetPtr GetAttributes() = 0;
    virtual _bstr_t ToXMLString() = 0;
    // The version the set is written for, e.g. "8.0"; another country's edition first.
    virtual _bstr_t GetQBXMLVersion() = 0;
    virtual IHostQueryPtr AppendHostQueryRq() = 0;
    virtual IGeneralDetailReportQueryPtr AppendGeneralDetailReportQueryRq() = 0;
    virtual IPurchaseOrderQueryPtr AppendPurchaseOrderQueryRq() = 0;
    virtual IPurchaseOrderModPtr AppendPurchaseOrderModRq() = 0;
    virtual IPreferencesQueryPtr AppendPreferencesQueryRq() = 0;
    virtual ICompanyQueryPtr AppendCompanyQueryRq() = 0;
};
_COM_SMARTPTR_TYPEDEF(IMsgSetRequest, __uuidof(IMsgSetRequest));

QBFC_COM_INTERFACE(IENResponseType) : public IUnknown {
    virtual ENResponseType GetValue() = 0;
};
_COM_SMARTPTR_TYPEDEF(IENResponseType, __uuidof(IENResponseType));

QBFC_COM_INTERFACE(IResponse) : public IUnknown {
    virtual long GetStatusCode() = 0;
    virtual _bstr_t GetStatusMessage() = 0;
    virtual _bstr_t GetStatusSeverity() = 0;
    virtual _bstr_t GetRequestID() = 0;
    // The return object, to be viewed through the interface the request expects; empty when
    // the response holds none.
    virtual IQBBasePtr GetDetail() = 0;
    virtual IENResponseTypePtr GetType() = 0;
};
_COM_SMARTPTR_TYPEDEF(IResponse, __uuidof(IResponse));

QBFC_COM_INTERFACE(IResponseList) : public IUnknown {
    virtual long GetCount() = 0;
    virtual IResponsePtr GetAt(long index) = 0;
};
_COM_SMARTPTR_TYPEDEF(IResponseList, __uuidof(IResponseList));

QBFC_COM_INTERFACE(IMsgSetResponse) : public IUnknown {
    virtual IResponseListPtr GetResponseList() = 0;
    // The text as it was received.
    virtual _bstr_t ToXMLString() = 0;
};
_COM_SMARTPTR_TYPEDEF(IMsgSetResponse, __uuidof(IMsgSetResponse));

MW_COM_INTERFACE(IQBSessionManager, "{501D8935-6F3E-4B5C-A8EF-040BBD5000F2}") : public IUnknown {
    virtual void OpenConnection(const _bstr_t& appID, const _bstr_t& appName) = 0;
    virtual void OpenConnection2(const _bstr_t& appID, const _bstr_t& appName,
                                 ENConnectionType connType) = 0;
    virtual void BeginSession(const _bstr_t& qbFile, ENOpenMode openMode) = 0;
    // Ending a session that is not begun, or closing a connection that is not open, does
    // nothing: both run on every shutdown path. Closing a connection ends its session first.
    virtual void EndSession() = 0;
    virtual void CloseConnection() = 0;
    // A new VT_BSTR vector; the caller destroys it.
    virtual SAFEARRAY* GetQBXMLVersionsForSession() = 0;
    SAFEARRAY* QBXMLVersionsForSession() {
        return GetQBXMLVersionsForSession();
    }
    virtual IMsgSetRequestPtr CreateMsgSetRequest(const _bstr_t& country, short qbXMLMajorVersion,
                                                  short qbXMLMinorVersion) = 0;
    virtual IMsgSetResponsePtr DoRequests(IMsgSetRequest * request) = 0;
    virtual IMsgSetResponsePtr DoRequestsFromXMLString(const _bstr_t& qbXMLRequest) = 0;
};
_COM_SMARTPTR_TYPEDEF(IQBSessionManager, __uuidof(IQBSessionManager));

struct QBSessionManager;
MW_COM_DECLARE_UUID(QBSessionManager, "{6C9E80E3-B780-4361-A693-5E5C6BDC83A9}")
inline constexpr CLSID CLSID_QBSessionManager = __uuidof(QBSessionManager);

namespace qbfc {

// Registers the session manager under CLSID_QBSessionManager for as long as the
// registration lives; the program keeps one from start to end, tests their own.
[[nodiscard]] mw::com::ClassRegistration RegisterSessionManager();

} // namespace qbfc
