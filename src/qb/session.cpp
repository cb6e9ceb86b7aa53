#include "qb/qbio.h"
#include "support/conversions.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(QBIO, CWnd)

BEGIN_MESSAGE_MAP(QBIO, CWnd)
END_MESSAGE_MAP()

namespace {

struct BeginSessionMessage {
    DWORD code;
    const char* text;
};

constexpr BeginSessionMessage kBeginSessionMessages[] = {
    {0x80040408, "Could not connect to the file in QuickBooks."},
    {0x8004040A, "QuickBooks already has a different file open. Please close the current file "
                 "and try again."},
    {0x80040410, "The current file is already open in a different mode than was requested."},
    {0x80040414, "A modal dialog box is currently open in QuickBooks. Please close the window "
                 "and try again."},
    {0x80040417, "The attempt to open the currently loaded file has failed. Please make sure a "
                 "company file is open in QuickBooks and try again."},
    {0x8004041B, "QuickBooks is unable to lock the necessary information in order to allow "
                 "access to the file.\nPlease try again later."},
    {0x80040422, "Single user mode was requested in the begin session request but the file is "
                 "already open by another user in QuickBooks.\nPlease ask the person using the "
                 "file to log out and then try again."},
};

CString BeginSessionErrorText(const _com_error& e, const _bstr_t& fileName) {
    const DWORD code = static_cast<DWORD>(e.Error());
    for (const auto& row : kBeginSessionMessages) {
        if (row.code != code)
            continue;
        CString text(row.text);
        if (code == 0x80040408 && fileName.length() == 0)
            text += " Please ensure that QuickBooks is running and a data file is open and try "
                    "again.";
        return text;
    }
    CString text;
    text.Format("Error %08X while attempting to begin session", code);
    CString description = GetString(e.Description());
    if (!description.IsEmpty())
        text += "\n" + description;
    return text;
}

} // namespace

QBIO::QBIO() {
    m_bstrCountry = "";
    m_LastError.clear();
}

QBIO::~QBIO() {
    CloseSession();
}

QB_Error QBIO::GetLastError() {
    return m_LastError;
}

bool QBIO::OpenSession(_bstr_t appID, _bstr_t appName, _bstr_t fileName, ENOpenMode openMode) {
    bool result = true;
    IQBSessionManagerPtr manager;
    if (FAILED(manager.CreateInstance(CLSID_QBSessionManager, nullptr, CLSCTX_ALL)))
        manager = nullptr;
    m_pSessionManager = manager;
    if (!m_pSessionManager)
        return false;

    try {
        m_pSessionManager->OpenConnection2(appID, appName, ctLocalQBD);
    } catch (const _com_error&) {
        MessageBox("Error opening connection to QuickBooks.", nullptr, MB_OK);
        return false;
    }

    try {
        m_pSessionManager->BeginSession(fileName, openMode);
    } catch (const _com_error& e) {
        MessageBox(BeginSessionErrorText(e, fileName), nullptr, MB_OK);
        return false;
    }

    // From here the session is begun; a failing SDK call ends the negotiation with false.
    try {
        if (!IsSupportedCountry())
            result = false;
        m_pMsgSetRequest = GetLatestMsgSetRequest(m_pSessionManager);
        if (!m_pMsgSetRequest)
            result = false;
        SetSupportedFeatures();
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        result = false;
    }
    return result;
}

bool QBIO::IsSupportedCountry() {
    SAFEARRAY* versions = m_pSessionManager->GetQBXMLVersionsForSession();
    std::vector<std::wstring> texts = mw::com::bstr_array_texts(versions);
    SafeArrayDestroy(versions);
    // No version at all: nothing names another edition, so it is taken as the US one.
    CString first = texts.empty() ? CString("") : CString(texts.front().c_str());
    for (const char* country : {"UK", "CA", "OZ"}) {
        if (first.Find(country) < 0)
            continue;
        m_bstrCountry = Get_bstr_t(first.Left(2));
        CString text;
        text.Format("The %s version of the SDK is not supported by this utility at this time.",
                    static_cast<LPCTSTR>(first));
        MessageBox(text, nullptr, MB_OK);
        return false;
    }
    m_bstrCountry = "US";
    return true;
}

CString QBIO::QBFCLatestVersion(IQBSessionManagerPtr SessionManager) {
    IMsgSetRequestPtr request = SessionManager->CreateMsgSetRequest(m_bstrCountry, 1, 0);
    request->AppendHostQueryRq();
    IMsgSetResponsePtr response = SessionManager->DoRequests(request);
    IResponsePtr first = response->GetResponseList()->GetAt(0);
    IHostRetPtr host = first->GetDetail();
    IBSTRListPtr list = host->GetSupportedQBXMLVersionList();

    CString best("");
    double bestValue = 0.0;
    for (long i = 0; i < list->GetCount(); ++i) {
        CString entry = GetString(list->GetAt(i));
        double value = std::atof(entry);
        if (value > bestValue) {
            bestValue = value;
            best = entry;
        }
    }
    return best;
}

namespace {

struct VersionRow {
    double atLeast;
    short major;
};

constexpr VersionRow kVersionRows[] = {{8.0, 8}, {7.0, 7}, {6.0, 6}, {5.0, 5},
                                       {4.0, 4}, {3.0, 3}, {2.0, 2}};

} // namespace

IMsgSetRequestPtr QBIO::GetLatestMsgSetRequest(IQBSessionManagerPtr SessionManager) {
    const double v = std::atof(QBFCLatestVersion(SessionManager));
    short major = 1;
    short minor = 0;
    bool found = false;
    for (const auto& row : kVersionRows) {
        if (v >= row.atLeast) {
            major = row.major;
            found = true;
            break;
        }
    }
    if (!found && v == 1.1)
        minor = 1;
    return SessionManager->CreateMsgSetRequest("US", major, minor);
}

void QBIO::SetSupportedFeatures() {
    m_pMsgSetRequest->ClearRequests();
    m_pMsgSetRequest->GetAttributes()->PutOnError(roeContinue);
    m_pMsgSetRequest->AppendHostQueryRq();
    IMsgSetResponsePtr response = m_pSessionManager->DoRequests(m_pMsgSetRequest);
    IHostRetPtr host = response->GetResponseList()->GetAt(0)->GetDetail();
    m_csProductName = GetString(host->GetProductName()->GetValue());

    m_dQBXMLVersion = std::atof(QBFCLatestVersion(m_pSessionManager));
    m_bSupportsQBXML4 = m_dQBXMLVersion >= 4.0;
    m_bSupportsQBXML10 = m_dQBXMLVersion >= 10.0;
}

void QBIO::CloseSession() {
    if (m_pSessionManager) {
        try {
            m_pSessionManager->EndSession();
            m_pSessionManager->CloseConnection();
        } catch (const _com_error& e) {
            ShowComError(e, "while processing a request");
        }
    }
    m_pSessionManager = nullptr;
    m_pMsgSetRequest = nullptr;
}
