// The session manager: new -> connected (OpenConnection2) -> in session (BeginSession) ->
// connected again (EndSession) -> closed (CloseConnection). Every host failure reaches the
// caller as _com_error, never as another exception.
#include "qbfc/errors.h"
#include "qbfc/msgset_request.h"
#include "qbfc/msgset_response.h"
#include "qbfc/sdk.h"
#include "qbfc/transport.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

namespace qbfc {
namespace {

std::string Utf8(const _bstr_t& text) {
    return mw::com::to_utf8(std::wstring_view(static_cast<const wchar_t*>(text), text.length()));
}

// Runs a transport call, turning what it throws into _com_error.
template <class F>
auto Guarded(F&& call) -> decltype(call()) {
    try {
        return call();
    } catch (const TransportError& e) {
        Raise(e.hresult(), e.what());
    } catch (const _com_error&) {
        throw;
    } catch (const std::exception& e) {
        Raise(E_FAIL, std::string("the QuickBooks host failed: ") + e.what());
    }
}

class SessionManager final : public mw::com::ComObject<IQBSessionManager> {
public:
    ~SessionManager() override {
        // A manager released while connected still lets the host go; nothing may escape.
        try {
            CloseConnection();
        } catch (...) {
        }
    }

    void OpenConnection(const _bstr_t& appID, const _bstr_t& appName) override {
        OpenConnection2(appID, appName, ctLocalQBD);
    }

    void OpenConnection2(const _bstr_t& appID, const _bstr_t& appName,
                         ENConnectionType connType) override {
        if (m_transport)
            Raise(QBFC_E_ALREADY_CONNECTED, "a connection to QuickBooks is already open");
        std::unique_ptr<Transport> transport = Guarded([] { return CreateTransport(); });
        if (!transport)
            Raise(mw_hresult(0x80040408), "could not start QuickBooks: no host is available");
        Guarded([&] {
            transport->OpenConnection(Utf8(appID), Utf8(appName), static_cast<int>(connType));
        });
        m_transport = std::move(transport);
    }

    void BeginSession(const _bstr_t& qbFile, ENOpenMode openMode) override {
        RequireConnection("BeginSession");
        if (m_ticket)
            Raise(QBFC_E_SESSION_BEGUN, "a session is already begun on this connection");
        m_ticket = Guarded(
            [&] { return m_transport->BeginSession(Utf8(qbFile), static_cast<int>(openMode)); });
    }

    void EndSession() override {
        if (!m_transport || !m_ticket)
            return;
        std::string ticket = *std::exchange(m_ticket, std::nullopt);
        Guarded([&] { m_transport->EndSession(ticket); });
    }

    void CloseConnection() override {
        if (!m_transport)
            return;
        std::unique_ptr<Transport> transport = std::move(m_transport);
        if (m_ticket) {
            std::string ticket = *std::exchange(m_ticket, std::nullopt);
            try {
                transport->EndSession(ticket);
            } catch (...) {
                // The connection goes away just after; a host that is gone has no session.
            }
        }
        Guarded([&] { transport->CloseConnection(); });
    }

    SAFEARRAY* GetQBXMLVersionsForSession() override {
        RequireSession("GetQBXMLVersionsForSession");
        std::vector<std::string> versions =
            Guarded([&] { return m_transport->QBXMLVersionsForSession(*m_ticket); });
        std::vector<std::wstring> wide;
        for (const std::string& v : versions)
            wide.push_back(mw::com::from_utf8(v));
        SAFEARRAY* array = mw::com::make_bstr_array(wide);
        if (array == nullptr)
            Raise(E_OUTOFMEMORY, "the version list could not be made");
        return array;
    }

    // Any version may be asked for: the host refuses one it does not support when the set is
    // sent.
    IMsgSetRequestPtr CreateMsgSetRequest(const _bstr_t& country, short major,
                                          short minor) override {
        std::string code = Utf8(country);
        bool letters = std::all_of(code.begin(), code.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
        if (!letters || major < 0 || minor < 0)
            Raise(E_INVALIDARG, "not a country and qbXML version: " + code + " " +
                                    std::to_string(major) + "." + std::to_string(minor));
        return MakeMsgSetRequest(code.empty() ? "US" : code, major, minor);
    }

    IMsgSetResponsePtr DoRequests(IMsgSetRequest* request) override {
        if (request == nullptr)
            Raise(E_POINTER, "DoRequests needs a request message set");
        return Send("DoRequests", Utf8(request->ToXMLString()));
    }

    IMsgSetResponsePtr DoRequestsFromXMLString(const _bstr_t& qbXMLRequest) override {
        return Send("DoRequestsFromXMLString", Utf8(qbXMLRequest));
    }

private:
    void RequireConnection(std::string_view call) {
        if (!m_transport)
            Raise(QBFC_E_NOT_CONNECTED,
                  std::string(call) + " needs an open connection: call OpenConnection2 first");
    }
    void RequireSession(std::string_view call) {
        RequireConnection(call);
        if (!m_ticket)
            Raise(QBFC_E_NO_SESSION,
                  std::string(call) + " needs a begun session: call BeginSession first");
    }

    IMsgSetResponsePtr Send(std::string_view call, const std::string& text) {
        RequireSession(call);
        std::string response =
            Guarded([&] { return m_transport->ProcessRequest(*m_ticket, text); });
        return ReadMsgSetResponse(std::move(response));
    }

    std::unique_ptr<Transport> m_transport;
    std::optional<std::string> m_ticket;
};

} // namespace

mw::com::ClassRegistration RegisterSessionManager() {
    return mw::com::register_class(CLSID_QBSessionManager, mw::com::factory_of<SessionManager>());
}

} // namespace qbfc
