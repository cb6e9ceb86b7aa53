// Helpers for the SDK's tests: a scripted transport that answers with canned qbXML and
// records what it was sent, and readable forms of COM values.
#pragma once

#include "qbfc/qbfc.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qbfc::test {

inline std::string Utf8(const _bstr_t& text) {
    return mw::com::to_utf8(std::wstring_view(static_cast<const wchar_t*>(text), text.length()));
}

inline std::string Describe(const _com_error& e) {
    return Utf8(e.Description());
}

// What the fake host saw and what it answers; shared with the test after the session
// manager has taken the transport over.
struct Script {
    std::vector<std::string> calls;    // "OpenConnection Marrowick 1", "BeginSession  2", ...
    std::vector<std::string> requests; // request texts, in order
    std::deque<std::string> responses; // answers, in order
    std::vector<std::string> versions{"1.0", "8.0"};
    // When set, the named call throws it.
    std::string failingCall;
    std::function<void()> failure;
};

class ScriptedTransport : public Transport {
public:
    explicit ScriptedTransport(std::shared_ptr<Script> script) : m_script(std::move(script)) {}

    void OpenConnection(std::string_view appID, std::string_view appName, int type) override {
        Record("OpenConnection",
               std::string(appID) + " " + std::string(appName) + " " + std::to_string(type));
    }
    std::string BeginSession(std::string_view file, int mode) override {
        Record("BeginSession", std::string(file) + " " + std::to_string(mode));
        return "ticket-1";
    }
    std::vector<std::string> QBXMLVersionsForSession(std::string_view ticket) override {
        Record("QBXMLVersionsForSession", std::string(ticket));
        return m_script->versions;
    }
    std::string ProcessRequest(std::string_view ticket, std::string_view xml) override {
        Record("ProcessRequest", std::string(ticket));
        m_script->requests.emplace_back(xml);
        if (m_script->responses.empty())
            return {};
        std::string answer = m_script->responses.front();
        m_script->responses.pop_front();
        return answer;
    }
    void EndSession(std::string_view ticket) override { Record("EndSession", std::string(ticket)); }
    void CloseConnection() override { Record("CloseConnection", ""); }

private:
    void Record(const std::string& call, const std::string& args) {
        m_script->calls.push_back(args.empty() ? call : call + " " + args);
        if (m_script->failingCall == call && m_script->failure)
            m_script->failure();
    }
    std::shared_ptr<Script> m_script;
};

// Installs a factory making scripted transports for the test's lifetime.
class ScriptedHost {
public:
    ScriptedHost() : m_script(std::make_shared<Script>()) {
        m_previous = SetTransportFactory(
            [script = m_script] { return std::make_unique<ScriptedTransport>(script); });
    }
    ~ScriptedHost() { SetTransportFactory(std::move(m_previous)); }
    ScriptedHost(const ScriptedHost&) = delete;
    ScriptedHost& operator=(const ScriptedHost&) = delete;

    Script& script() { return *m_script; }

private:
    std::shared_ptr<Script> m_script;
    TransportFactory m_previous;
};

// A response message set around the given responses.
inline std::string ResponseSet(const std::string& responses) {
    return "<?xml version=\"1.0\"?>\n<QBXML><QBXMLMsgsRs>" + responses + "</QBXMLMsgsRs></QBXML>";
}

} // namespace qbfc::test
