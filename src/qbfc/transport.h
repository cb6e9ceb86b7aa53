// How the SDK reaches a QuickBooks host: one connection, on which a session is begun on a
// company file and qbXML requests are exchanged. The session manager talks only to this
// interface; the host supplies the implementations (in the same process, or a client of the
// host program's local socket).
//
// Every operation throws TransportError for a failure the host reports (with the HRESULT
// QuickBooks's SDK raises for it) and for a lost or unreachable host.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qbfc {

class TransportError : public std::runtime_error {
public:
    TransportError(std::int32_t hresult, const std::string& description)
        : std::runtime_error(description), m_hresult(hresult) {}
    std::int32_t hresult() const noexcept { return m_hresult; }

private:
    std::int32_t m_hresult;
};

// Texts are UTF-8.
class Transport {
public:
    virtual ~Transport() = default;

    virtual void OpenConnection(std::string_view appID, std::string_view appName,
                                int connectionType) = 0;
    // Returns the session ticket.
    virtual std::string BeginSession(std::string_view companyFile, int openMode) = 0;
    // The qbXML versions the host supports for this session; a non-US edition puts its
    // country first (e.g. "CA3.0").
    virtual std::vector<std::string> QBXMLVersionsForSession(std::string_view ticket) = 0;
    // One qbXML request message set in, one qbXML response message set out.
    virtual std::string ProcessRequest(std::string_view ticket, std::string_view requestXml) = 0;
    virtual void EndSession(std::string_view ticket) = 0;
    virtual void CloseConnection() = 0;
};

using TransportFactory = std::function<std::unique_ptr<Transport>()>;

// The factory the session manager uses for OpenConnection. By default it connects to the
// host program that is running (the socket transport); a program that embeds a host, and
// tests, install their own. Returns the previous factory.
TransportFactory SetTransportFactory(TransportFactory factory);
std::unique_ptr<Transport> CreateTransport();

} // namespace qbfc
