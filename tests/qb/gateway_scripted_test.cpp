// The gateway against a scripted host: replies a real host would rarely give are forced here,
// and every request text the gateway sent is kept.
#include "platform/win32/desktop.h"
#include "qb/qbio.h"
#include "qbfc/transport.h"
#include "support/conversions.h"
#include "support/tools.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Failure {
    std::int32_t hresult;
    std::string description;
};

struct Script {
    std::vector<std::string> sessionVersions{"13.0"};
    std::vector<std::string> hostVersions{"1.0", "8.0"};
    std::optional<Failure> beginError;
    // For every request that is not a host query.
    std::string reply;
    std::optional<Failure> sendError;
    std::vector<std::string> requests;
};

class ScriptedTransport : public qbfc::Transport {
public:
    explicit ScriptedTransport(std::shared_ptr<Script> script) : m_script(std::move(script)) {}
    void OpenConnection(std::string_view, std::string_view, int) override {}
    std::string BeginSession(std::string_view, int) override {
        if (m_script->beginError)
            throw qbfc::TransportError(m_script->beginError->hresult,
                                       m_script->beginError->description);
        return "ticket";
    }
    std::vector<std::string> QBXMLVersionsForSession(std::string_view) override {
        return m_script->sessionVersions;
    }
    std::string ProcessRequest(std::string_view, std::string_view requestXml) override {
        m_script->requests.emplace_back(requestXml);
        if (requestXml.find("<HostQueryRq") != std::string_view::npos) {
            std::string ret = "<ProductName>Scripted</ProductName>";
            for (const auto& v : m_script->hostVersions)
                ret += "<SupportedQBXMLVersion>" + v + "</SupportedQBXMLVersion>";
            return Set("<HostQueryRs statusCode=\"0\" statusSeverity=\"Info\" "
                       "statusMessage=\"Status OK\"><HostRet>" +
                       ret + "</HostRet></HostQueryRs>");
        }
        if (m_script->sendError)
            throw qbfc::TransportError(m_script->sendError->hresult,
                                       m_script->sendError->description);
        return Set(m_script->reply);
    }
    void EndSession(std::string_view) override {}
    void CloseConnection() override {}

    static std::string Set(const std::string& responses) {
        return "<?xml version=\"1.0\"?><QBXML><QBXMLMsgsRs>" + responses + "</QBXMLMsgsRs></QBXML>";
    }

private:
    std::shared_ptr<Script> m_script;
};

class ScriptedGateway : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("qbscripted-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        if (const char* old = std::getenv("PROGRAMDATA"))
            m_oldProgramData = old;
        setenv("PROGRAMDATA", m_dir.c_str(), 1);
        ResetLog();
        m_previous = qbfc::SetTransportFactory(
            [script = m_script] { return std::make_unique<ScriptedTransport>(script); });
        win32::GetRecordingDesktopService()->Clear();
    }
    void TearDown() override {
        m_io.CloseSession();
        qbfc::SetTransportFactory(std::move(m_previous));
        ResetLog();
        if (m_oldProgramData)
            setenv("PROGRAMDATA", m_oldProgramData->c_str(), 1);
        else
            unsetenv("PROGRAMDATA");
        std::filesystem::remove_all(m_dir);
    }
    // Each test is a run of its own, with a log file of its own.
    static void ResetLog() {
        if (CTools::m_pLogFile != nullptr)
            fclose(CTools::m_pLogFile);
        CTools::m_pLogFile = nullptr;
    }
    bool Open(const char* fileName = "") {
        return m_io.OpenSession("Marrowick", "Marrowick", fileName, omDontCare);
    }
    std::vector<std::string> Boxes() {
        std::vector<std::string> all;
        for (const auto& box : win32::GetRecordingDesktopService()->Boxes())
            all.push_back(box.text);
        return all;
    }
    std::string LogText() {
        if (CTools::m_pLogFile != nullptr)
            fflush(CTools::m_pLogFile);
        std::string all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_dir))
            if (entry.path().filename().string().rfind("logfile ", 0) == 0) {
                std::ifstream in(entry.path(), std::ios::binary);
                all.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
        return all;
    }
    // The check on a reply to a plain request, sent the way the XML-string operations send.
    bool CheckReply(const std::string& responses) {
        m_script->reply = responses;
        return m_io.QBResponseOK(
            m_io.m_pSessionManager->DoRequestsFromXMLString(m_io.m_pMsgSetRequest->ToXMLString()));
    }

    mw::com::ClassRegistration m_registration = qbfc::RegisterSessionManager();
    std::shared_ptr<Script> m_script = std::make_shared<Script>();
    std::filesystem::path m_dir;
    std::optional<std::string> m_oldProgramData;
    qbfc::TransportFactory m_previous;
    QBIO m_io;
};

std::string VersionOf(const std::string& request) {
    const std::string mark = "<?qbxml version=\"";
    auto at = request.find(mark);
    if (at == std::string::npos)
        return "";
    at += mark.size();
    return request.substr(at, request.find('"', at) - at);
}

struct VersionCase {
    std::vector<std::string> hostVersions;
    const char* requestVersion;
    double version;
    bool supports4;
    bool supports10;
};

TEST_F(ScriptedGateway, RequestSetTakesTheBestHostVersionCappedAtEight) {
    const VersionCase cases[] = {
        {{"1.0", "2.0", "7.0", "6.0"}, "7.0", 7.0, true, false},
        {{"8.0", "13.0"}, "8.0", 13.0, true, true},
        {{"7.5"}, "7.0", 7.5, true, false},
        {{"1.1"}, "1.1", 1.1, false, false},
        {{"1.0"}, "1.0", 1.0, false, false},
        {{}, "1.0", 0.0, false, false},
        {{"junk", "3.0"}, "3.0", 3.0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requestVersion + std::string(" from ") + std::to_string(c.version));
        m_script->hostVersions = c.hostVersions;
        m_script->requests.clear();
        ASSERT_TRUE(Open());
        // Latest-version query, the gateway's own set, then a second latest-version query.
        ASSERT_EQ(m_script->requests.size(), 3u);
        EXPECT_EQ(VersionOf(m_script->requests[0]), "1.0");
        EXPECT_EQ(VersionOf(m_script->requests[1]), c.requestVersion);
        EXPECT_EQ(VersionOf(m_script->requests[2]), "1.0");
        EXPECT_NE(m_script->requests[1].find("onError=\"continueOnError\""), std::string::npos)
            << m_script->requests[1];
        EXPECT_DOUBLE_EQ(m_io.m_dQBXMLVersion, c.version);
        EXPECT_EQ(m_io.m_bSupportsQBXML4, c.supports4);
        EXPECT_EQ(m_io.m_bSupportsQBXML10, c.supports10);
        EXPECT_EQ(std::string(m_io.m_csProductName), "Scripted");
        m_io.CloseSession();
    }
    EXPECT_TRUE(Boxes().empty());
}

struct CountryCase {
    std::vector<std::string> sessionVersions;
    bool supported;
    const char* country;
    const char* box; // "" when no box is shown
};

TEST_F(ScriptedGateway, OnlyTheFirstSessionVersionNamesTheEdition) {
    const CountryCase cases[] = {
        {{"CA3.0", "13.0"},
         false,
         "CA",
         "The CA3.0 version of the SDK is not supported by this utility at this time."},
        {{"13.0", "CA3.0"}, true, "US", ""},
        {{"UK2.0"},
         false,
         "UK",
         "The UK2.0 version of the SDK is not supported by this utility at this time."},
        {{}, true, "US", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.country + std::string(" ") + c.box);
        m_script->sessionVersions = c.sessionVersions;
        m_script->requests.clear();
        win32::GetRecordingDesktopService()->Clear();
        EXPECT_EQ(Open(), c.supported);
        EXPECT_EQ(std::string(GetString(m_io.m_bstrCountry)), c.country);
        if (*c.box)
            EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
        else
            EXPECT_TRUE(Boxes().empty());
        // The negotiation still completes; only the latest-version queries carry the edition.
        ASSERT_EQ(m_script->requests.size(), 3u);
        const std::string own = c.supported ? "1.0" : c.country + std::string("1.0");
        EXPECT_EQ(VersionOf(m_script->requests[0]), own);
        EXPECT_EQ(VersionOf(m_script->requests[1]), "8.0");
        EXPECT_EQ(VersionOf(m_script->requests[2]), own);
        EXPECT_TRUE(m_io.m_pMsgSetRequest);
        m_io.CloseSession();
    }
}

struct BeginCase {
    std::uint32_t code;
    const char* fileName;
    const char* description;
    const char* box;
};

TEST_F(ScriptedGateway, BeginSessionErrorsAreShownInTheUsersWords) {
    const BeginCase cases[] = {
        {0x80040408, "", "",
         "Could not connect to the file in QuickBooks. Please ensure that QuickBooks is running "
         "and a data file is open and try again."},
        {0x80040408, "/data/company.qbw", "", "Could not connect to the file in QuickBooks."},
        {0x8004040A, "", "",
         "QuickBooks already has a different file open. Please close the current file and try "
         "again."},
        {0x80040410, "", "",
         "The current file is already open in a different mode than was requested."},
        {0x80040414, "", "",
         "A modal dialog box is currently open in QuickBooks. Please close the window and try "
         "again."},
        {0x80040417, "", "",
         "The attempt to open the currently loaded file has failed. Please make sure a company "
         "file is open in QuickBooks and try again."},
        {0x8004041B, "", "",
         "QuickBooks is unable to lock the necessary information in order to allow access to "
         "the file.\nPlease try again later."},
        {0x80040422, "", "",
         "Single user mode was requested in the begin session request but the file is already "
         "open by another user in QuickBooks.\nPlease ask the person using the file to log out "
         "and then try again."},
        {0x8004abcd, "", "the host said no",
         "Error 8004ABCD while attempting to begin session\nthe host said no"},
        {0x8004abcd, "", "", "Error 8004ABCD while attempting to begin session"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        m_script->beginError = Failure{static_cast<std::int32_t>(c.code), c.description};
        m_script->requests.clear();
        win32::GetRecordingDesktopService()->Clear();
        EXPECT_FALSE(Open(c.fileName));
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
        EXPECT_TRUE(m_script->requests.empty());
        EXPECT_TRUE(m_io.m_pSessionManager) << "the connection stays open";
        m_io.CloseSession();
    }
}

struct StatusCase {
    const char* responses;
    bool ok;
    LONG code;
    const char* message; // the last error's text and the log line; "" when nothing is logged
};

TEST_F(ScriptedGateway, OnlyTheFirstResponseStatusDecides) {
    const StatusCase cases[] = {
        {"<PreferencesQueryRs statusCode=\"1\" statusSeverity=\"Info\" statusMessage=\"none\"/>",
         true, 0, ""},
        {"<PreferencesQueryRs statusCode=\"-3\" statusSeverity=\"Info\" statusMessage=\"odd\"/>",
         true, 0, ""},
        {"", true, 0, ""},
        {"<PreferencesQueryRs statusCode=\"3171\" statusSeverity=\"Error\" "
         "statusMessage=\"The transaction is before the closing date\"/>",
         false, 3171,
         "Error occured.  Status Code = 3171, Status Message = The transaction is before the "
         "closing date, Status Severity = Error"},
        {"<PreferencesQueryRs statusCode=\"500\" statusSeverity=\"\" statusMessage=\"Broken\"/>",
         false, 500, "Error occured.  Status Code = 500"},
        {"<PreferencesQueryRs statusCode=\"0\" statusSeverity=\"Info\" statusMessage=\"OK\"/>"
         "<PreferencesQueryRs statusCode=\"3171\" statusSeverity=\"Error\" statusMessage=\"x\"/>",
         true, 0, ""},
    };
    ASSERT_TRUE(Open());
    m_io.m_pMsgSetRequest->ClearRequests();
    m_io.m_pMsgSetRequest->AppendPreferencesQueryRq();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.responses);
        const std::string before = LogText();
        EXPECT_EQ(CheckReply(c.responses), c.ok);
        const QB_Error error = m_io.GetLastError();
        EXPECT_EQ(error.StatusCode, c.code);
        const std::string logged = LogText().substr(before.size());
        if (*c.message) {
            EXPECT_EQ(std::string(error.GetErrorMessage()), c.message);
            EXPECT_NE(logged.find(c.message), std::string::npos) << logged;
        } else {
            EXPECT_EQ(std::string(GetString(error.StatusMessage)), "");
            EXPECT_EQ(std::string(GetString(error.StatusSeverity)), "");
            EXPECT_TRUE(logged.empty()) << logged;
        }
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ScriptedGateway, RejectedPreferencesQueryLogsStatusThenRequestAndGoesOn) {
    ASSERT_TRUE(Open());
    m_script->reply = "<PreferencesQueryRs statusCode=\"500\" statusSeverity=\"Error\" "
                      "statusMessage=\"Nothing here\"/>";
    QB_CompanyPreferences prefs;
    EXPECT_TRUE(m_io.GetPreferences(prefs));
    const std::string log = LogText();
    const std::string status =
        "Error occured.  Status Code = 500, Status Message = Nothing here, Status Severity = Error";
    const auto statusAt = log.find(status);
    const auto requestAt = log.find("<PreferencesQueryRq");
    ASSERT_NE(statusAt, std::string::npos) << log;
    ASSERT_NE(requestAt, std::string::npos) << log;
    EXPECT_LT(statusAt, requestAt);
    EXPECT_EQ(m_io.GetLastError().StatusCode, 500);
    EXPECT_TRUE(Boxes().empty());
}

struct SendErrorCase {
    const char* description;
    const char* box;
};

TEST_F(ScriptedGateway, ComErrorWhileSendingIsShownAndLeavesTheLastErrorAlone) {
    const SendErrorCase cases[] = {
        {"the pipe broke", "Error 80040101 while processing a request\nthe pipe broke"},
        {"", "Error 80040101 while processing a request"},
    };
    ASSERT_TRUE(Open());
    // A rejected reply first, so a send failure that touched the record would show.
    m_script->reply = "<PreferencesQueryRs statusCode=\"3171\" statusSeverity=\"Error\" "
                      "statusMessage=\"closed\"/>";
    QB_CompanyPreferences prefs;
    ASSERT_TRUE(m_io.GetPreferences(prefs));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        m_script->sendError = Failure{static_cast<std::int32_t>(0x80040101), c.description};
        win32::GetRecordingDesktopService()->Clear();
        const std::string before = LogText();
        EXPECT_FALSE(m_io.GetPreferences(prefs));
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
        EXPECT_EQ(m_io.GetLastError().StatusCode, 3171);
        EXPECT_EQ(LogText(), before) << "a send failure is shown, not logged";

        QB_PurchaseOrder po;
        po.TxnID = "1-1";
        po.EditSequence = "1";
        win32::GetRecordingDesktopService()->Clear();
        EXPECT_FALSE(m_io.ModPurchaseOrder(po));
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
    }
}

} // namespace
