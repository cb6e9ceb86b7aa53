// A host on a built company with one begun session, and helpers that wrap request bodies in
// a qbXML message set and read the answer.
#pragma once

#include "company_builder.h"
#include "qbhost/host.h"

#include <gtest/gtest.h>
#include <memory>
#include <pugixml.hpp>
#include <string>

namespace qbhost::testing {

inline std::string Envelope(const std::string& body, const std::string& onError = "stopOnError",
                            const std::string& version = "8.0") {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<?qbxml version=\"" + version +
           "\"?>\n<QBXML><QBXMLMsgsRq onError=\"" + onError + "\">" + body +
           "</QBXMLMsgsRq></QBXML>";
}

struct Answer {
    std::shared_ptr<pugi::xml_document> doc;
    pugi::xml_node rs; // the first response

    int code() const { return rs.attribute("statusCode").as_int(-1); }
    std::string severity() const { return rs.attribute("statusSeverity").value(); }
    std::string message() const { return rs.attribute("statusMessage").value(); }
    pugi::xml_node responses() const { return rs.parent(); }
};

inline Answer Parse(const std::string& xml) {
    auto doc = std::make_shared<pugi::xml_document>();
    EXPECT_TRUE(doc->load_string(xml.c_str())) << xml;
    pugi::xml_node rs = doc->child("QBXML").child("QBXMLMsgsRs").first_child();
    return {doc, rs};
}

class HostSession {
public:
    explicit HostSession(const std::filesystem::path& file)
        : m_host(std::make_unique<Host>(file)), m_ticket(m_host->BeginSession("", 2)) {}

    Host& host() { return *m_host; }
    const std::string& ticket() const { return m_ticket; }

    // The session keeps the last answer's document, so nodes taken straight from the
    // returned temporary stay valid until the next Send.
    Answer Send(const std::string& body, const std::string& onError = "stopOnError") {
        Answer answer = Parse(m_host->ProcessRequest(m_ticket, Envelope(body, onError)));
        m_last = answer.doc;
        return answer;
    }

private:
    std::unique_ptr<Host> m_host;
    std::string m_ticket;
    std::shared_ptr<pugi::xml_document> m_last;
};

inline std::string Text(const pugi::xml_node& node, const char* path) {
    return node.first_element_by_path(path).text().get();
}

inline std::string ModRq(const std::string& txnId, const std::string& editSequence,
                         const std::string& more = "<IsManuallyClosed>true</IsManuallyClosed>") {
    return "<PurchaseOrderModRq requestID=\"9\"><PurchaseOrderMod><TxnID>" + txnId +
           "</TxnID><EditSequence>" + editSequence + "</EditSequence>" + more +
           "</PurchaseOrderMod></PurchaseOrderModRq>";
}

inline std::string QueryByRef(const std::string& ref) {
    return "<PurchaseOrderQueryRq><RefNumber>" + ref +
           "</RefNumber><IncludeLineItems>true</IncludeLineItems>"
           "<IncludeLinkedTxns>true</IncludeLinkedTxns></PurchaseOrderQueryRq>";
}

} // namespace qbhost::testing
