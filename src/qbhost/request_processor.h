// Reads one qbXML request message set, runs each request against the company file in its
// own transaction and writes the response message set.
#pragma once

#include "qbhost/company_file.h"

#include <string>
#include <string_view>

namespace qbhost {

class RequestProcessor {
public:
    explicit RequestProcessor(CompanyFile& file) : m_file(file) {}

    // Throws qbfc::TransportError for text that is not a qbXML request message set
    // (0x80040400) or asks for a version this host does not support (0x80040423).
    std::string Process(std::string_view requestXml);

private:
    CompanyFile& m_file;
};

} // namespace qbhost
