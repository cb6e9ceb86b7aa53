// The session manager against a scripted host: creation through the class registry, the
// order of calls, what is sent, and how host failures come back.
#include "qbfc_test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace qbfc {
namespace {

using test::Describe;
using test::ResponseSet;
using test::Utf8;

const char kHostOk[] = "<HostQueryRs requestID=\"1\" statusCode=\"0\"><HostRet>"
                       "<ProductName>QuickBooks</ProductName></HostRet></HostQueryRs>";

class SessionManagerTest : public ::testing::Test {
protected:
    IQBSessionManagerPtr Create() {
        IQBSessionManagerPtr manager;
        HRESULT hr = manager.CreateInstance(CLSID_QBSessionManager);
        EXPECT_EQ(hr, S_OK);
        return manager;
    }
    IQBSessionManagerPtr InSession() {
        IQBSessionManagerPtr manager = Create();
        manager->OpenConnection2("Marrowick", "Marrowick", ctLocalQBD);
        manager->BeginSession("", omDontCare);
        return manager;
    }

    test::ScriptedHost m_host;
    mw::com::ClassRegistration m_registration = RegisterSessionManager();
};

TEST_F(SessionManagerTest, CreatedByClassIdThenRunThenAskedForItsInterface) {
    IUnknown* unknown = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_QBSessionManager, nullptr, CLSCTX_ALL, IID_IUnknown,
                               reinterpret_cast<void**>(&unknown)),
              S_OK);
    ASSERT_EQ(OleRun(unknown), S_OK);
    IQBSessionManager* manager = nullptr;
    EXPECT_EQ(
        unknown->QueryInterface(__uuidof(IQBSessionManager), reinterpret_cast<void**>(&manager)),
        S_OK);
    ASSERT_NE(manager, nullptr);
    IMsgSetRequest* notThis = nullptr;
    EXPECT_EQ(unknown->QueryInterface(__uuidof(IMsgSetRequest), reinterpret_cast<void**>(&notThis)),
              E_NOINTERFACE);
    manager->Release();
    unknown->Release();
    EXPECT_EQ(mw::com::to_string(__uuidof(IQBSessionManager)),
              "{501D8935-6F3E-4B5C-A8EF-040BBD5000F2}");
}

TEST_F(SessionManagerTest, UnregisteredClassCannotBeCreated) {
    m_registration.reset();
    IQBSessionManagerPtr manager;
    EXPECT_EQ(manager.CreateInstance(CLSID_QBSessionManager), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(manager);
}

TEST_F(SessionManagerTest, FullRoundPassesArgumentsAndTexts) {
    IQBSessionManagerPtr manager = InSession();
    m_host.script().versions = {"CA3.0", "2.0"};
    SAFEARRAY* versions = manager->GetQBXMLVersionsForSession();
    EXPECT_EQ(mw::com::bstr_array_texts(versions), (std::vector<std::wstring>{L"CA3.0", L"2.0"}));
    SafeArrayDestroy(versions);

    IMsgSetRequestPtr set = manager->CreateMsgSetRequest("US", 8, 0);
    set->AppendHostQueryRq();
    m_host.script().responses = {ResponseSet(kHostOk), ResponseSet(kHostOk)};
    IMsgSetResponsePtr response = manager->DoRequests(set);
    EXPECT_EQ(Utf8(IHostRetPtr(response->GetResponseList()->GetAt(0)->GetDetail())
                       ->GetProductName()
                       ->GetValue()),
              "QuickBooks");
    manager->DoRequestsFromXMLString("<QBXML>as given</QBXML>");
    manager->EndSession();
    manager->CloseConnection();

    const test::Script& s = m_host.script();
    EXPECT_EQ(s.calls, (std::vector<std::string>{
                           "OpenConnection Marrowick Marrowick 1", "BeginSession  2",
                           "QBXMLVersionsForSession ticket-1", "ProcessRequest ticket-1",
                           "ProcessRequest ticket-1", "EndSession ticket-1", "CloseConnection"}));
    ASSERT_EQ(s.requests.size(), 2u);
    EXPECT_EQ(s.requests[0], Utf8(set->ToXMLString()));
    EXPECT_EQ(s.requests[1], "<QBXML>as given</QBXML>");
}

TEST_F(SessionManagerTest, CallsOutOfOrderRaise) {
    struct Case {
        const char* name;
        std::function<void(IQBSessionManager*)> setUp;
        std::function<void(IQBSessionManager*)> call;
        HRESULT hr;
    };
    auto none = [](IQBSessionManager*) {};
    auto connect = [](IQBSessionManager* m) {
        m->OpenConnection2("Marrowick", "Marrowick", ctLocalQBD);
    };
    auto session = [&](IQBSessionManager* m) {
        connect(m);
        m->BeginSession("", omDontCare);
    };
    auto ended = [&](IQBSessionManager* m) {
        session(m);
        m->EndSession();
    };
    auto closed = [&](IQBSessionManager* m) {
        session(m);
        m->CloseConnection();
    };
    auto begin = [](IQBSessionManager* m) { m->BeginSession("", omDontCare); };
    auto doRequests = [](IQBSessionManager* m) {
        IMsgSetRequestPtr set = m->CreateMsgSetRequest("US", 8, 0);
        m->DoRequests(set);
    };
    auto fromXml = [](IQBSessionManager* m) { m->DoRequestsFromXMLString("<QBXML/>"); };
    auto versions = [](IQBSessionManager* m) { SafeArrayDestroy(m->GetQBXMLVersionsForSession()); };
    const Case cases[] = {
        {"BeginSession before OpenConnection2", none, begin, QBFC_E_NOT_CONNECTED},
        {"DoRequests before OpenConnection2", none, doRequests, QBFC_E_NOT_CONNECTED},
        {"DoRequests without a session", connect, doRequests, QBFC_E_NO_SESSION},
        {"DoRequestsFromXMLString without a session", connect, fromXml, QBFC_E_NO_SESSION},
        {"versions without a session", connect, versions, QBFC_E_NO_SESSION},
        {"DoRequests after EndSession", ended, doRequests, QBFC_E_NO_SESSION},
        {"DoRequests after CloseConnection", closed, doRequests, QBFC_E_NOT_CONNECTED},
        {"BeginSession twice", session, begin, QBFC_E_SESSION_BEGUN},
        {"OpenConnection2 twice", connect, connect, QBFC_E_ALREADY_CONNECTED},
        {"DoRequests of no set", session, [](IQBSessionManager* m) { m->DoRequests(nullptr); },
         E_POINTER},
    };
    for (const Case& c : cases) {
        IQBSessionManagerPtr manager = Create();
        c.setUp(manager);
        try {
            c.call(manager);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), c.hr) << c.name;
            EXPECT_FALSE(Describe(e).empty()) << c.name;
        }
    }
}

TEST_F(SessionManagerTest, EndingAndClosingNothingIsHarmless) {
    IQBSessionManagerPtr manager = Create();
    manager->EndSession();
    manager->CloseConnection();
    manager->OpenConnection2("Marrowick", "Marrowick", ctLocalQBD);
    manager->EndSession(); // connected, no session
    manager->CloseConnection();
    manager->CloseConnection();
    EXPECT_EQ(
        m_host.script().calls,
        (std::vector<std::string>{"OpenConnection Marrowick Marrowick 1", "CloseConnection"}));
}

TEST_F(SessionManagerTest, ClosingOrReleasingEndsTheSessionFirst) {
    InSession()->CloseConnection();
    { IQBSessionManagerPtr released = InSession(); }
    std::vector<std::string> round = {"OpenConnection Marrowick Marrowick 1", "BeginSession  2",
                                      "EndSession ticket-1", "CloseConnection"};
    std::vector<std::string> twice = round;
    twice.insert(twice.end(), round.begin(), round.end());
    EXPECT_EQ(m_host.script().calls, twice);
}

TEST_F(SessionManagerTest, HostFailuresBecomeComErrorsWithTheirCodes) {
    struct Case {
        const char* name;
        const char* failingCall;
        std::function<void()> failure;
        HRESULT hr;
        const char* description;
    };
    const Case cases[] = {
        {"no company file", "BeginSession",
         [] { throw TransportError(mw_hresult(0x80040417), "no company file is open"); },
         mw_hresult(0x80040417), "no company file is open"},
        {"modal dialog", "BeginSession",
         [] { throw TransportError(mw_hresult(0x80040414), "a modal dialog is showing"); },
         mw_hresult(0x80040414), "a modal dialog is showing"},
        {"host gone while sending", "ProcessRequest",
         [] { throw TransportError(mw_hresult(0x80040408), "the host is gone"); },
         mw_hresult(0x80040408), "the host is gone"},
        {"version refused", "ProcessRequest",
         [] { throw TransportError(mw_hresult(0x80040423), "version 9.0 is not supported"); },
         mw_hresult(0x80040423), "version 9.0 is not supported"},
        {"undescribed failure", "ProcessRequest", [] { throw std::runtime_error("disk I/O"); },
         E_FAIL, "the QuickBooks host failed: disk I/O"},
    };
    for (const Case& c : cases) {
        m_host.script().failingCall = c.failingCall;
        m_host.script().failure = c.failure;
        try {
            IQBSessionManagerPtr manager = InSession();
            manager->DoRequestsFromXMLString("<QBXML/>");
            ADD_FAILURE() << c.name << ": no error";
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), c.hr) << c.name;
            EXPECT_EQ(Describe(e), c.description) << c.name;
        }
    }
}

TEST_F(SessionManagerTest, NoHostToConnectTo) {
    TransportFactory previous = SetTransportFactory([]() -> std::unique_ptr<Transport> {
        throw TransportError(mw_hresult(0x80040408), "QuickBooks is not running");
    });
    IQBSessionManagerPtr manager = Create();
    try {
        manager->OpenConnection2("Marrowick", "Marrowick", ctLocalQBD);
        ADD_FAILURE() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), mw_hresult(0x80040408));
    }
    // Still not connected: the next call is out of order, not a crash.
    EXPECT_THROW(manager->BeginSession("", omDontCare), _com_error);
    SetTransportFactory(std::move(previous));
}

TEST_F(SessionManagerTest, BadAnswersFromTheHostRaiseParseErrors) {
    IQBSessionManagerPtr manager = InSession();
    for (const char* answer : {"", "<QBXML><QBXMLMsgsRs><HostQueryRs", "\xFF\xFE garbage"}) {
        m_host.script().responses = {answer};
        try {
            manager->DoRequestsFromXMLString("<QBXML/>");
            ADD_FAILURE() << "no error for: " << answer;
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), QBFC_E_PARSE);
        }
    }
}

TEST_F(SessionManagerTest, AnyVersionAndCountryMayBeAskedFor) {
    IQBSessionManagerPtr manager = Create();
    EXPECT_EQ(Utf8(manager->CreateMsgSetRequest("US", 13, 0)->GetQBXMLVersion()), "13.0");
    EXPECT_EQ(Utf8(manager->CreateMsgSetRequest("CA", 1, 0)->GetQBXMLVersion()), "CA1.0");
    EXPECT_EQ(Utf8(manager->CreateMsgSetRequest("", 2, 0)->GetQBXMLVersion()), "2.0");
    EXPECT_THROW(manager->CreateMsgSetRequest("U\"S", 8, 0), _com_error);
    EXPECT_THROW(manager->CreateMsgSetRequest("US", -1, 0), _com_error);
}

} // namespace
} // namespace qbfc
