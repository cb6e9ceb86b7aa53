// A real company file for the server's end-to-end tests: one vendor and one purchase order,
// and the few qbXML messages the tests send about it.
#pragma once

#include "qbhost/company_builder.h"
#include "qbhost/company_file.h"
#include "qbhost/sqlite.h"

#include <filesystem>
#include <pugixml.hpp>
#include <string>

namespace qbnet_test {

struct SmallCompany {
    qbhost::testing::CompanyBuilder builder;
    std::filesystem::path file;
    std::string poTxnId;

    // hostState names the state QuickBooks is in ("modal_dialog", ...); empty for none.
    explicit SmallCompany(const std::string& hostState = {}) {
        if (!hostState.empty())
            builder.Host("state", hostState);
        builder.Po("1001", "2026-03-02", "Acme Supply", {"Widget | 10 | 2.50"}, "memo = start\n");
        file = builder.Build();
        poTxnId = qbhost::CompanyFile::Open(file).PurchaseOrdersByRef("1001").at(0);
    }

    std::string Memo() const {
        return qbhost::CompanyFile::Open(file).LoadPurchaseOrder(poTxnId).value().memo;
    }
    std::string IntegrityCheck() const {
        qbhost::sql::Database db(file, qbhost::sql::Database::Open::ExistingOnly);
        return db.QueryText("PRAGMA integrity_check").value_or("(no answer)");
    }
};

inline std::string Envelope(const std::string& body) {
    return "<?xml version=\"1.0\"?><?qbxml version=\"8.0\"?><QBXML>"
           "<QBXMLMsgsRq onError=\"stopOnError\">" +
           body + "</QBXMLMsgsRq></QBXML>";
}

inline std::string QueryPo(const std::string& txnId) {
    return Envelope("<PurchaseOrderQueryRq><TxnID>" + txnId + "</TxnID></PurchaseOrderQueryRq>");
}

inline std::string ModPoMemo(const std::string& txnId, const std::string& editSequence,
                             const std::string& memo) {
    return Envelope("<PurchaseOrderModRq><PurchaseOrderMod><TxnID>" + txnId +
                    "</TxnID><EditSequence>" + editSequence + "</EditSequence><Memo>" + memo +
                    "</Memo></PurchaseOrderMod></PurchaseOrderModRq>");
}

// The status and the purchase order of the first response in a qbXML answer.
struct PoAnswer {
    int statusCode = -1;
    std::string editSequence;
    std::string memo;
};

inline PoAnswer ParsePoAnswer(const std::string& xml) {
    pugi::xml_document doc;
    PoAnswer answer;
    if (!doc.load_string(xml.c_str()))
        return answer;
    const pugi::xml_node rs = doc.child("QBXML").child("QBXMLMsgsRs").first_child();
    answer.statusCode = rs.attribute("statusCode").as_int(-1);
    const pugi::xml_node ret = rs.child("PurchaseOrderRet");
    answer.editSequence = ret.child_value("EditSequence");
    answer.memo = ret.child_value("Memo");
    return answer;
}

} // namespace qbnet_test
