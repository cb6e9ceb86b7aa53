// QBIO: the one gateway to QuickBooks. It owns the SDK's session manager and one request
// message set that every request operation clears and refills, and keeps the status of the
// last rejected response. No COM error leaves it: every operation reports with its result.
#pragma once

#include "platform/com/com.h"
#include "platform/mfc/afx.h"
#include "qbfc/qbfc.h"
#include "records/address.h"
#include "records/company_info.h"
#include "records/company_prefs.h"
#include "records/list_ref.h"
#include "records/purchase_order.h"
#include "records/qb_error.h"
#include "records/trans_list.h"

#include <vector>

class QBIO : public CWnd {
    DECLARE_DYNAMIC(QBIO)
public:
    QBIO();
    ~QBIO() override;

    bool OpenSession(_bstr_t appID, _bstr_t appName, _bstr_t fileName, ENOpenMode openMode);
    void CloseSession();
    QB_Error GetLastError();

    bool GetOpenPurchaseOrders(std::vector<TransList>* vTransList, COleDateTime dtFromDate,
                               COleDateTime dtToDate);
    IMsgSetResponsePtr RunGeneralDetailReport(ENGeneralDetailReportType reportType,
                                              ENReportOpenBalanceAsOf openBalAsOf,
                                              COleDateTime dtFromDate, COleDateTime dtToDate);
    bool ProcessOpenPOReportResponse(IMsgSetResponsePtr responseMsgSet,
                                     std::vector<TransList>* vTransList, COleDateTime dtDate);

    bool GetRecord(QB_PurchaseOrder& txn, LONG TxnNum, COleDateTime date);
    bool ProcessPOReturn(IPurchaseOrderRetPtr txn, QB_PurchaseOrder& PO);
    void GetLinkedTxns(ILinkedTxnListPtr pSource, std::vector<QB_TxnLink>* pDest, _bstr_t TxnID,
                       ENTxnType txnType);
    bool ModPurchaseOrder(QB_PurchaseOrder& txn);

    bool GetPreferences(QB_CompanyPreferences& Pref);
    bool GetCompanyInfo(QB_CompanyInfo& CI);

    bool QBResponseOK(IMsgSetResponsePtr responseMsgSet);
    void LogToFile(CString csOut);
    void LogToFile(_bstr_t bStr);

    void GetField(IQBBaseRefPtr pSource, QB_ListRef& pDest);
    void GetField(IQBBoolTypePtr pSource, VARIANT_BOOL& pDest);
    void GetField(IQBStringTypePtr pSource, _bstr_t& pDest);
    void GetField(IQBDateTypePtr pSource, COleDateTime& pDest);
    void GetField(IQBDateTimeTypePtr pSource, COleDateTime& pDest);
    void GetField(IQBIntTypePtr pSource, LONG& pDest);
    void GetField(IQBIDTypePtr pSource, _bstr_t& pDest);
    void GetField(IAddressPtr pSource, QB_Address& pDest);
    void GetField(IQBENTxnTypeTypePtr pSource, ENTxnTypeValue& pDest);
    void GetField(IQBENLinkTypeTypePtr pSource, ENLinkTypeValue& pDest);

    bool IsSupportedCountry();
    CString QBFCLatestVersion(IQBSessionManagerPtr SessionManager);
    IMsgSetRequestPtr GetLatestMsgSetRequest(IQBSessionManagerPtr SessionManager);
    void SetSupportedFeatures();

    IQBSessionManagerPtr m_pSessionManager;
    IMsgSetRequestPtr m_pMsgSetRequest;
    double m_dQBXMLVersion = 0.0;
    _bstr_t m_bstrCountry;
    CString m_csProductName;
    bool m_bSupportsQBXML4 = false;
    bool m_bSupportsQBXML10 = false;
    QB_Error m_LastError;

protected:
    // "Error %08X <what>" with the error's description on a line of its own, in a box with
    // no owner.
    void ShowComError(const _com_error& e, LPCTSTR what);
    // Sends the gateway's set; an empty response after a COM error, which has been shown.
    IMsgSetResponsePtr SendGuarded();
    IMsgSetResponsePtr SendXmlGuarded(const _bstr_t& xml);

    DECLARE_MESSAGE_MAP()
};
