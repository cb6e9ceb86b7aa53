// The transport for a host in the same process: each call goes straight to the Host.
#include "qbhost/host.h"

#include <set>

namespace qbhost {

namespace {

class InProcessTransport final : public qbfc::Transport {
public:
    explicit InProcessTransport(Host& host) : m_host(host) {}
    ~InProcessTransport() override { EndOpenSessions(); }

    void OpenConnection(std::string_view, std::string_view, int) override { m_open = true; }

    std::string BeginSession(std::string_view companyFile, int openMode) override {
        RequireConnection();
        std::string ticket = m_host.BeginSession(companyFile, openMode);
        m_sessions.insert(ticket);
        return ticket;
    }

    std::vector<std::string> QBXMLVersionsForSession(std::string_view ticket) override {
        RequireConnection();
        return m_host.QBXMLVersionsForSession(ticket);
    }

    std::string ProcessRequest(std::string_view ticket, std::string_view requestXml) override {
        RequireConnection();
        return m_host.ProcessRequest(ticket, requestXml);
    }

    void EndSession(std::string_view ticket) override {
        RequireConnection();
        m_host.EndSession(ticket);
        m_sessions.erase(std::string(ticket));
    }

    // Sessions left open end with their connection, as they do when an application quits.
    void CloseConnection() override {
        EndOpenSessions();
        m_open = false;
    }

private:
    void RequireConnection() const {
        if (!m_open)
            throw qbfc::TransportError(static_cast<std::int32_t>(0x80040401),
                                       "The connection to QuickBooks has not been opened.");
    }

    void EndOpenSessions() {
        for (const auto& ticket : m_sessions) {
            try {
                m_host.EndSession(ticket);
            } catch (const qbfc::TransportError&) {
            }
        }
        m_sessions.clear();
    }

    Host& m_host;
    bool m_open = false;
    std::set<std::string> m_sessions;
};

} // namespace

std::unique_ptr<qbfc::Transport> MakeInProcessTransport(Host& host) {
    return std::make_unique<InProcessTransport>(host);
}

} // namespace qbhost
