#include "qbfc/qbxml_writer.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <map>

namespace qbfc {
namespace {

struct ChildOrder {
    std::string_view element;
    std::initializer_list<std::string_view> children;
};

// Children in schema order, for every aggregate a request can hold.
const ChildOrder kOrders[] = {
    {"GeneralDetailReportQueryRq",
     {"GeneralDetailReportType", "DisplayReport", "ReportPeriod", "ReportDateMacro",
      "ReportEntityFilter", "ReportAccountFilter", "ReportItemFilter", "ReportClassFilter",
      "ReportTxnTypeFilter", "ReportDetailLevelFilter", "ReportPostingStatusFilter",
      "SummarizeRowsBy", "IncludeColumn", "IncludeAccounts", "ReportOpenBalanceAsOf",
      "ReportBasis"}},
    {"ReportPeriod", {"FromReportDate", "ToReportDate"}},
    {"PurchaseOrderQueryRq",
     {"TxnID", "RefNumber", "MaxReturned", "ModifiedDateRangeFilter", "TxnDateRangeFilter",
      "EntityFilter", "AccountFilter", "RefNumberFilter", "RefNumberRangeFilter", "CurrencyFilter",
      "IncludeLineItems", "IncludeLinkedTxns", "IncludeRetElement", "OwnerID"}},
    {"ModifiedDateRangeFilter", {"FromModifiedDate", "ToModifiedDate"}},
    {"TxnDateRangeFilter", {"FromTxnDate", "ToTxnDate", "DateMacro"}},
    {"PurchaseOrderModRq", {"PurchaseOrderMod", "IncludeRetElement"}},
    {"PurchaseOrderMod",
     {"TxnID",
      "EditSequence",
      "VendorRef",
      "ClassRef",
      "InventorySiteRef",
      "ShipToEntityRef",
      "TemplateRef",
      "TxnDate",
      "RefNumber",
      "VendorAddress",
      "ShipAddress",
      "TermsRef",
      "DueDate",
      "ExpectedDate",
      "ShipMethodRef",
      "FOB",
      "IsManuallyClosed",
      "Memo",
      "VendorMsg",
      "IsToBePrinted",
      "IsToBeEmailed",
      "Other1",
      "Other2",
      "ExchangeRate",
      "PurchaseOrderLineMod",
      "PurchaseOrderLineGroupMod"}},
    {"PreferencesQueryRq", {"IncludeRetElement"}},
    {"CompanyQueryRq", {"IncludeRetElement"}},
};

std::size_t Rank(std::string_view parent, std::string_view child) {
    static const auto ranks = [] {
        std::map<std::pair<std::string_view, std::string_view>, std::size_t> map;
        for (const ChildOrder& order : kOrders) {
            std::size_t i = 0;
            for (std::string_view c : order.children)
                map[{order.element, c}] = i++;
        }
        return map;
    }();
    auto it = ranks.find({parent, child});
    // An element the tables do not name goes last; a stable sort keeps the caller's order.
    return it == ranks.end() ? std::numeric_limits<std::size_t>::max() : it->second;
}

void WriteNode(std::string& out, const Node& node, int depth, std::string_view attributes) {
    std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out += indent + "<" + node.name + std::string(attributes);
    if (node.kind != ValueType::Aggregate) {
        out += ">" + EscapeXml(node.text) + "</" + node.name + ">\n";
        return;
    }
    std::vector<const Node*> children;
    for (const NodePtr& c : node.children)
        if (c->HasContent())
            children.push_back(c.get());
    if (children.empty()) {
        out += "/>\n";
        return;
    }
    std::stable_sort(children.begin(), children.end(), [&](const Node* a, const Node* b) {
        return Rank(node.name, a->name) < Rank(node.name, b->name);
    });
    out += ">\n";
    for (const Node* c : children)
        WriteNode(out, *c, depth + 1, {});
    out += indent + "</" + node.name + ">\n";
}

} // namespace

std::string EscapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string WriteRequestSet(const RequestSetText& set) {
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<?qbxml version=\"";
    out += EscapeXml(set.version);
    out += "\"?>\n<QBXML>\n  <QBXMLMsgsRq onError=\"";
    out += EscapeXml(set.onError);
    out += "\"";
    if (set.requests.empty()) {
        out += "/>\n</QBXML>\n";
        return out;
    }
    out += ">\n";
    int id = 1;
    for (const NodePtr& request : set.requests) {
        std::string attribute = " requestID=\"" + std::to_string(id++) + "\"";
        WriteNode(out, *request, 2, attribute);
    }
    out += "  </QBXMLMsgsRq>\n</QBXML>\n";
    return out;
}

} // namespace qbfc
