#include "qb/qbio.h"
#include "support/conversions.h"
#include "support/tools.h"

void QBIO::ShowComError(const _com_error& e, LPCTSTR what) {
    CString text;
    text.Format("Error %08X %s", static_cast<DWORD>(e.Error()), what);
    CString description = GetString(e.Description());
    if (!description.IsEmpty())
        text += "\n" + description;
    MessageBox(text, nullptr, MB_OK);
}

IMsgSetResponsePtr QBIO::SendGuarded() {
    IMsgSetResponsePtr response;
    try {
        response = m_pSessionManager->DoRequests(m_pMsgSetRequest);
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return nullptr;
    }
    return response;
}

IMsgSetResponsePtr QBIO::SendXmlGuarded(const _bstr_t& xml) {
    IMsgSetResponsePtr response;
    try {
        response = m_pSessionManager->DoRequestsFromXMLString(xml);
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return nullptr;
    }
    return response;
}

bool QBIO::QBResponseOK(IMsgSetResponsePtr responseMsgSet) {
    m_LastError.clear();
    if (!responseMsgSet)
        return true;
    IResponseListPtr list = responseMsgSet->GetResponseList();
    if (!list || list->GetCount() == 0)
        return true;
    IResponsePtr first = list->GetAt(0);
    const LONG code = first->GetStatusCode();
    if (code <= 1)
        return true;
    m_LastError.StatusCode = code;
    m_LastError.StatusMessage = first->GetStatusMessage();
    m_LastError.StatusSeverity = first->GetStatusSeverity();
    LogToFile(m_LastError.GetErrorMessage());
    return false;
}

void QBIO::LogToFile(CString csOut) {
    CTools::LogToFile(csOut);
}

void QBIO::LogToFile(_bstr_t bStr) {
    CTools::LogToFile(bStr);
}
