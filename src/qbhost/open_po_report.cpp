// The general detail report of the open purchase orders, shaped as QuickBooks shapes it:
// a blank label column, the asked-for columns, and per vendor a text row, the data rows
// and a subtotal row, then a total row.
#include "qbhost/qbxml_io.h"
#include "qbhost/request_handlers.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>

namespace qbhost::handlers {

namespace {

struct ReportLine {
    const PurchaseOrder* po;
    Cents openBalance;
};

struct Column {
    std::string_view includeName; // ENIncludeColumn name in the request
    std::string_view colType;     // ENColType name in the answer
    std::string_view title;
    std::string_view dataType;
    std::function<std::string(const ReportLine&)> value;
    bool summed = false; // Amount-like: shown on subtotal and total rows
};

const std::array<Column, 10>& Columns() {
    static const std::array<Column, 10> kColumns = {{
        {"TxnType", "TxnType", "Type", "STRTYPE",
         [](auto&) { return std::string("Purchase Order"); }},
        {"Date", "Date", "Date", "DATETYPE", [](auto& l) { return l.po->txnDate; }},
        {"RefNumber", "RefNumber", "Num", "STRTYPE", [](auto& l) { return l.po->refNumber; }},
        {"Name", "Name", "Name", "STRTYPE", [](auto& l) { return l.po->vendor.fullName; }},
        {"DeliveryDate", "DeliveryDate", "Deliv Date", "DATETYPE",
         [](auto& l) { return l.po->expectedDate; }},
        {"Amount", "Amount", "Amount", "AMTTYPE",
         [](auto& l) { return FormatAmount(l.po->TotalAmount()); }, true},
        {"OpenBalance", "OpenBalance", "Open Balance", "AMTTYPE",
         [](auto& l) { return FormatAmount(l.openBalance); }, true},
        {"TxnNumber", "TxnNumber", "Trans #", "INTTYPE",
         [](auto& l) { return std::to_string(l.po->txnNumber); }},
        {"TxnID", "TxnID", "Txn ID", "IDTYPE", [](auto& l) { return l.po->txnId; }},
        {"Account", "Account", "Account", "STRTYPE",
         [](auto&) { return std::string("Purchase Orders"); }},
    }};
    return kColumns;
}

// QuickBooks's own choice when a request names no columns.
constexpr std::array<std::string_view, 7> kDefaultColumns = {
    "TxnType", "Date", "RefNumber", "Name", "DeliveryDate", "Amount", "OpenBalance"};

const Column* FindColumn(std::string_view name) {
    for (const auto& column : Columns())
        if (column.includeName == name)
            return &column;
    return nullptr;
}

Cents Sum(const std::vector<ReportLine>& lines, std::string_view colType) {
    Cents sum = 0;
    for (const auto& line : lines)
        sum += colType == "Amount" ? line.po->TotalAmount() : line.openBalance;
    return sum;
}

void AddColData(pugi::xml_node& row, int colId, std::string_view value) {
    pugi::xml_node data = row.append_child("ColData");
    data.append_attribute("colID").set_value(colId);
    data.append_attribute("value").set_value(std::string(value).c_str());
}

void AddSumRow(pugi::xml_node& data, const char* kind, int rowNumber, std::string_view label,
               const std::vector<const Column*>& columns, const std::vector<ReportLine>& lines) {
    pugi::xml_node row = data.append_child(kind);
    row.append_attribute("rowNumber").set_value(rowNumber);
    AddColData(row, 1, label);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i]->summed)
            AddColData(row, static_cast<int>(i) + 2, FormatAmount(Sum(lines, columns[i]->colType)));
}

} // namespace

Status GeneralDetailReportQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context) {
    std::string type = qbxml::Required(rq, "GeneralDetailReportType");
    if (type != "OpenPOs")
        return status::NotSupported();
    pugi::xml_node period = rq.child("ReportPeriod");
    std::string from = qbxml::Date(period, "FromReportDate").value_or("");
    std::string to = qbxml::Date(period, "ToReportDate").value_or("");
    if (!from.empty() && !to.empty() && from > to)
        throw StatusError(status::InvalidRange("ReportPeriod"));
    std::string asOfName = qbxml::Text(rq, "ReportOpenBalanceAsOf").value_or("Today");
    if (asOfName != "Today" && asOfName != "ReportEndDate")
        throw StatusError(status::InvalidValue(asOfName, "ReportOpenBalanceAsOf"));
    // Receipts after the report's end do not reduce the balance shown as of that end.
    std::string asOf = asOfName == "ReportEndDate" ? to : "";

    std::vector<const Column*> columns;
    for (pugi::xml_node include : rq.children("IncludeColumn")) {
        std::string name = include.text().get();
        const Column* column = FindColumn(name);
        if (!column)
            throw StatusError(status::InvalidValue(name, "IncludeColumn"));
        if (std::find(columns.begin(), columns.end(), column) == columns.end())
            columns.push_back(column);
    }
    if (columns.empty())
        for (auto name : kDefaultColumns)
            columns.push_back(FindColumn(name));

    std::vector<PurchaseOrder> orders;
    for (const auto& txnId : context.file.PurchaseOrdersByDate(from, to)) {
        auto po = context.file.LoadPurchaseOrder(txnId);
        if (po && po->IsOpen(asOf))
            orders.push_back(std::move(*po));
    }
    std::map<std::string, std::vector<ReportLine>> byVendor;
    for (const auto& po : orders)
        byVendor[po.vendor.fullName].push_back({&po, po.OpenBalance(asOf)});

    pugi::xml_node ret = rs.append_child("ReportRet");
    qbxml::Add(ret, "ReportTitle", "Open Purchase Orders");
    qbxml::Add(ret, "ReportSubtitle", from.empty() ? "Through " + to : from + " through " + to);
    int numRows = 0;
    for (const auto& [vendor, lines] : byVendor)
        numRows += static_cast<int>(lines.size()) + 2;
    if (!byVendor.empty())
        ++numRows;
    qbxml::Add(ret, "NumRows", std::to_string(numRows));
    qbxml::Add(ret, "NumColumns", std::to_string(columns.size() + 1));
    qbxml::Add(ret, "NumColTitleRows", "1");

    auto addDesc = [&](int colId, std::string_view title, std::string_view colType,
                       std::string_view dataType) {
        pugi::xml_node desc = ret.append_child("ColDesc");
        desc.append_attribute("colID").set_value(colId);
        desc.append_attribute("dataType").set_value(std::string(dataType).c_str());
        pugi::xml_node colTitle = desc.append_child("ColTitle");
        colTitle.append_attribute("titleRow").set_value(1);
        colTitle.append_attribute("value").set_value(std::string(title).c_str());
        qbxml::Add(desc, "ColType", colType);
    };
    addDesc(1, "", "Blank", "STRTYPE");
    for (std::size_t i = 0; i < columns.size(); ++i)
        addDesc(static_cast<int>(i) + 2, columns[i]->title, columns[i]->colType,
                columns[i]->dataType);

    pugi::xml_node data = ret.append_child("ReportData");
    int rowNumber = 0;
    std::vector<ReportLine> all;
    for (const auto& [vendor, lines] : byVendor) {
        pugi::xml_node text = data.append_child("TextRow");
        text.append_attribute("rowNumber").set_value(++rowNumber);
        text.append_attribute("value").set_value(vendor.c_str());
        for (const auto& line : lines) {
            pugi::xml_node row = data.append_child("DataRow");
            row.append_attribute("rowNumber").set_value(++rowNumber);
            pugi::xml_node rowData = row.append_child("RowData");
            rowData.append_attribute("rowType").set_value("name");
            rowData.append_attribute("value").set_value(vendor.c_str());
            for (std::size_t i = 0; i < columns.size(); ++i) {
                std::string value = columns[i]->value(line);
                if (!value.empty())
                    AddColData(row, static_cast<int>(i) + 2, value);
            }
            all.push_back(line);
        }
        AddSumRow(data, "SubtotalRow", ++rowNumber, "Total " + vendor, columns, lines);
    }
    if (!all.empty())
        AddSumRow(data, "TotalRow", ++rowNumber, "TOTAL", columns, all);
    return status::Ok();
}

} // namespace qbhost::handlers
