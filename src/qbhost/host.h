// The QuickBooks desktop stand-in: one running "QuickBooks" with one company file open.
// It is shared by every connection (in-process or over the local socket) and is safe to use
// from several threads; each request runs in one SQLite transaction.
//
// Failures that the real SDK raises as COM errors (no file open, a modal dialog showing, a
// session ticket that is not valid, request text that is not qbXML) are thrown as
// qbfc::TransportError with QuickBooks's HRESULT; everything else is answered in qbXML with
// a status code.
#pragma once

#include "qbfc/transport.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbhost {

class Host {
public:
    // Opens the company file (which must exist and be a company file; throws
    // std::runtime_error with a readable message otherwise). An empty path starts a host
    // with no company file open.
    explicit Host(const std::filesystem::path& companyFile);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    const std::filesystem::path& CompanyFile() const;

    std::string BeginSession(std::string_view companyFile, int openMode);
    std::vector<std::string> QBXMLVersionsForSession(std::string_view ticket);
    std::string ProcessRequest(std::string_view ticket, std::string_view requestXml);
    void EndSession(std::string_view ticket);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// A transport that calls a Host in this process.
std::unique_ptr<qbfc::Transport> MakeInProcessTransport(Host& host);

} // namespace qbhost
