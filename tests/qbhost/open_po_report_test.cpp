// The open purchase order report: columns as asked, rows grouped by vendor with subtotals
// and a total, only open orders of the period.
#include "host_fixture.h"

namespace qbhost::testing {
namespace {

std::string ReportRq(const std::string& from, const std::string& to,
                     const std::vector<std::string>& columns,
                     const std::string& asOf = "ReportEndDate") {
    std::string rq = "<GeneralDetailReportQueryRq><GeneralDetailReportType>OpenPOs"
                     "</GeneralDetailReportType><ReportPeriod>";
    if (!from.empty())
        rq += "<FromReportDate>" + from + "</FromReportDate>";
    rq += "<ToReportDate>" + to + "</ToReportDate></ReportPeriod>";
    for (const auto& column : columns)
        rq += "<IncludeColumn>" + column + "</IncludeColumn>";
    if (!asOf.empty())
        rq += "<ReportOpenBalanceAsOf>" + asOf + "</ReportOpenBalanceAsOf>";
    return rq + "</GeneralDetailReportQueryRq>";
}

const std::vector<std::string> kSystemColumns = {
    "TxnID",  "Account",     "Date",    "RefNumber",    "Name",
    "Amount", "OpenBalance", "TxnType", "DeliveryDate", "TxnNumber"};

// A report row as "Kind:col=value,col=value" keyed by ColType, for whole-report comparisons.
std::vector<std::string> Rows(const pugi::xml_node& ret) {
    std::map<int, std::string> types;
    for (pugi::xml_node desc : ret.children("ColDesc"))
        types[desc.attribute("colID").as_int()] = desc.child("ColType").text().get();
    std::vector<std::string> rows;
    for (pugi::xml_node row : ret.child("ReportData").children()) {
        std::string text = std::string(row.name()) + ":";
        if (row.attribute("value"))
            text += row.attribute("value").value();
        for (pugi::xml_node data : row.children("ColData")) {
            std::string type = types[data.attribute("colID").as_int()];
            if (type == "Name" || type == "RefNumber" || type == "Amount" ||
                type == "OpenBalance" || type == "Blank")
                text += " " + type + "=" + data.attribute("value").value();
        }
        rows.push_back(text);
    }
    return rows;
}

class OpenPoReportTest : public ::testing::Test {
protected:
    OpenPoReportTest() {
        builder.Po("A1", "2011-03-01", "Zephyr Tools", {"Saw | 2 | 10.00"})
            .Po("A2", "2011-03-15", "Acme", {"Widget | 10 | 2.50", "Bolt | 4 | 1.25"})
            .Po("A3", "2011-03-31", "Acme", {"Widget | 4 | 2.50"})
            .Po("A4", "2011-04-01", "Acme", {"Widget | 1 | 2.50"})
            .Po("A5", "2011-02-28", "Acme", {"Widget | 1 | 2.50"})
            .Po("CLOSED", "2011-03-10", "Acme", {"Widget | 3 | 2.50"}, "closed = true\n")
            .Po("FULL", "2011-03-11", "Zephyr Tools", {"Saw | 2 | 10.00"})
            .Receive("FULL", "2011-03-12", {"1 | 2"})
            .Receive("A2", "2011-03-20", {"1 | 4"})
            // After the report's end: it still counts as open as of that end.
            .Receive("A3", "2011-04-10", {"1 | 4"});
        session = std::make_unique<HostSession>(builder.Build());
    }
    CompanyBuilder builder;
    std::unique_ptr<HostSession> session;
};

TEST_F(OpenPoReportTest, ColumnsFollowTheRequestAfterABlankLabelColumn) {
    Answer answer = session->Send(ReportRq("2011-03-01", "2011-03-31", kSystemColumns));
    ASSERT_EQ(answer.code(), 0) << answer.message();
    pugi::xml_node ret = answer.rs.child("ReportRet");
    EXPECT_EQ(Text(ret, "ReportTitle"), "Open Purchase Orders");
    EXPECT_EQ(Text(ret, "NumColumns"), "11");
    std::vector<std::string> types, titles;
    int expectedId = 1;
    for (pugi::xml_node desc : ret.children("ColDesc")) {
        EXPECT_EQ(desc.attribute("colID").as_int(), expectedId++);
        types.push_back(desc.child("ColType").text().get());
        titles.push_back(desc.child("ColTitle").attribute("value").value());
    }
    EXPECT_EQ(types, (std::vector<std::string>{"Blank", "TxnID", "Account", "Date", "RefNumber",
                                               "Name", "Amount", "OpenBalance", "TxnType",
                                               "DeliveryDate", "TxnNumber"}));
    EXPECT_EQ(titles,
              (std::vector<std::string>{"", "Txn ID", "Account", "Date", "Num", "Name", "Amount",
                                        "Open Balance", "Type", "Deliv Date", "Trans #"}));
}

TEST_F(OpenPoReportTest, RowsGroupByVendorWithSubtotalsAndTotal) {
    Answer answer = session->Send(ReportRq("2011-03-01", "2011-03-31", kSystemColumns));
    pugi::xml_node ret = answer.rs.child("ReportRet");
    // A2 had 4 of 10 widgets received: open 6 * 2.50 + 4 * 1.25 = 20.00.
    EXPECT_EQ(Rows(ret), (std::vector<std::string>{
                             "TextRow:Acme",
                             "DataRow: RefNumber=A2 Name=Acme Amount=30.00 OpenBalance=20.00",
                             "DataRow: RefNumber=A3 Name=Acme Amount=10.00 OpenBalance=10.00",
                             "SubtotalRow: Blank=Total Acme Amount=40.00 OpenBalance=30.00",
                             "TextRow:Zephyr Tools",
                             "DataRow: RefNumber=A1 Name=Zephyr Tools Amount=20.00 "
                             "OpenBalance=20.00",
                             "SubtotalRow: Blank=Total Zephyr Tools Amount=20.00 "
                             "OpenBalance=20.00",
                             "TotalRow: Blank=TOTAL Amount=60.00 OpenBalance=50.00",
                         }));
    EXPECT_EQ(Text(ret, "NumRows"), "8");
    // Every data row carries every column that has a value, by its colID.
    pugi::xml_node first = ret.child("ReportData").child("DataRow");
    std::vector<int> ids;
    for (pugi::xml_node data : first.children("ColData"))
        ids.push_back(data.attribute("colID").as_int());
    EXPECT_EQ(ids, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 11}));
    EXPECT_EQ(first.find_child_by_attribute("ColData", "colID", "4").attribute("value").as_string(),
              std::string("2011-03-15"));
    EXPECT_EQ(first.find_child_by_attribute("ColData", "colID", "9").attribute("value").as_string(),
              std::string("Purchase Order"));
}

TEST_F(OpenPoReportTest, PeriodEdgesAreInclusive) {
    struct {
        const char* from;
        const char* to;
        std::vector<std::string> refs;
    } cases[] = {
        {"2011-03-31", "2011-03-31", {"A3"}},
        {"2011-03-01", "2011-03-01", {"A1"}},
        {"2011-04-01", "2011-04-30", {"A4"}},
        {"", "2011-03-01", {"A5", "A1"}}, // no from date: everything up to the end
        {"2011-05-01", "2011-05-31", {}},
    };
    for (const auto& c : cases) {
        Answer answer = session->Send(ReportRq(c.from, c.to, {"RefNumber"}));
        EXPECT_EQ(answer.code(), 0);
        std::vector<std::string> refs;
        for (pugi::xml_node row :
             answer.rs.child("ReportRet").child("ReportData").children("DataRow"))
            refs.push_back(row.child("ColData").attribute("value").value());
        EXPECT_EQ(refs, c.refs) << c.from << ".." << c.to;
    }
}

TEST_F(OpenPoReportTest, BalanceAsOfTodayCountsLaterReceipts) {
    Answer answer = session->Send(ReportRq("2011-03-01", "2011-03-31", {"RefNumber"}, ""));
    std::vector<std::string> refs;
    for (pugi::xml_node row : answer.rs.child("ReportRet").child("ReportData").children("DataRow"))
        refs.push_back(row.child("ColData").attribute("value").value());
    // A3 is fully received by now.
    EXPECT_EQ(refs, (std::vector<std::string>{"A2", "A1"}));
}

TEST_F(OpenPoReportTest, DefaultColumnsAndOtherReportTypes) {
    Answer answer = session->Send(ReportRq("2011-03-01", "2011-03-31", {}));
    std::vector<std::string> types;
    for (pugi::xml_node desc : answer.rs.child("ReportRet").children("ColDesc"))
        types.push_back(desc.child("ColType").text().get());
    EXPECT_EQ(types, (std::vector<std::string>{"Blank", "TxnType", "Date", "RefNumber", "Name",
                                               "DeliveryDate", "Amount", "OpenBalance"}));
    std::string other = ReportRq("2011-03-01", "2011-03-31", {});
    other.replace(other.find("OpenPOs"), 7, "GeneralLedger");
    EXPECT_EQ(session->Send(other).code(), 3250);
    EXPECT_EQ(session->Send(ReportRq("2011-03-01", "2011-03-31", {"Bogus"})).code(), 3020);
}

} // namespace
} // namespace qbhost::testing
