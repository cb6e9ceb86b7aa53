// Purchase order query by TxnID, RefNumber and date range, with lines, groups and links.
#include "host_fixture.h"

namespace qbhost::testing {
namespace {

std::vector<std::string> Refs(const Answer& answer) {
    std::vector<std::string> refs;
    for (pugi::xml_node ret : answer.rs.children("PurchaseOrderRet"))
        refs.push_back(Text(ret, "RefNumber"));
    return refs;
}

std::string DateRq(const std::string& from, const std::string& to, const std::string& more = {}) {
    return "<PurchaseOrderQueryRq>" + more + "<TxnDateRangeFilter><FromTxnDate>" + from +
           "</FromTxnDate><ToTxnDate>" + to +
           "</ToTxnDate></TxnDateRangeFilter></PurchaseOrderQueryRq>";
}

class PurchaseOrderQueryTest : public ::testing::Test {
protected:
    PurchaseOrderQueryTest() {
        builder.Raw("[item]\nname = Kit\ngroup = true\n")
            .Po("17", "2011-03-15", "Acme", {"Widget | 10 | 2.50"})
            .Po("18", "2011-03-15", "Acme",
                {"Widget | 5 | 2.00", "group: Kit | 2", "member: Hinge | 4 | 1.50",
                 "member: Lock | 2 | 10.00", "Bolt | 8 | 0.25"},
                "memo = with a group\nexpected = 2011-03-30\nterms = Net 30\n")
            .Po("19", "2011-03-16", "Bayside", {"Widget | 1 | 2.50"})
            .Receive("18", "2011-03-20", {"1 | 5", "2 | 1"})
            .Receive("18", "2011-03-22", {"3 | 1"}, "Bill");
        session = std::make_unique<HostSession>(builder.Build());
    }
    CompanyBuilder builder;
    std::unique_ptr<HostSession> session;
};

TEST_F(PurchaseOrderQueryTest, SelectsByDateRangeRefNumberAndTxnId) {
    std::string txnId = Text(session->Send(QueryByRef("19")).rs, "PurchaseOrderRet/TxnID");
    struct {
        std::string body;
        int code;
        std::vector<std::string> refs;
    } cases[] = {
        {DateRq("2011-03-15", "2011-03-15"), 0, {"17", "18"}},
        {DateRq("2011-03-15", "2011-03-16"), 0, {"17", "18", "19"}},
        {DateRq("2011-03-15", "2011-03-16", "<MaxReturned>2</MaxReturned>"), 0, {"17", "18"}},
        {DateRq("2011-03-17", "2011-03-31"), 1, {}},
        {QueryByRef("18"), 0, {"18"}},
        {QueryByRef("99"), 1, {}},
        {"<PurchaseOrderQueryRq><TxnID>" + txnId + "</TxnID></PurchaseOrderQueryRq>", 0, {"19"}},
        // A named TxnID that is missing is a warning; the others still come back.
        {"<PurchaseOrderQueryRq><TxnID>" + txnId +
             "</TxnID><TxnID>NOPE-1</TxnID>"
             "</PurchaseOrderQueryRq>",
         500,
         {"19"}},
    };
    for (const auto& c : cases) {
        Answer answer = session->Send(c.body);
        EXPECT_EQ(answer.code(), c.code) << c.body;
        EXPECT_EQ(Refs(answer), c.refs) << c.body;
    }
    Answer none = session->Send(DateRq("2011-03-17", "2011-03-31"));
    EXPECT_EQ(none.message(), "A query request did not find a matching object in QuickBooks");
    EXPECT_EQ(none.severity(), "Info");
}

TEST_F(PurchaseOrderQueryTest, LinesAndLinksOnlyWhenAsked) {
    Answer bare = session->Send(DateRq("2011-03-15", "2011-03-15"));
    pugi::xml_node ret = bare.rs.child("PurchaseOrderRet").next_sibling();
    EXPECT_FALSE(ret.child("PurchaseOrderLineRet"));
    EXPECT_FALSE(ret.child("LinkedTxn"));
    EXPECT_EQ(Text(ret, "TotalAmount"), "38.00");
}

TEST_F(PurchaseOrderQueryTest, GroupHoldsItsMembersInDocumentOrder) {
    pugi::xml_node ret = session->Send(QueryByRef("18")).rs.child("PurchaseOrderRet");
    std::vector<std::string> order;
    for (pugi::xml_node child : ret.children()) {
        std::string name = child.name();
        if (name == "PurchaseOrderLineRet")
            order.push_back("line " + Text(child, "ItemRef/FullName"));
        else if (name == "PurchaseOrderLineGroupRet") {
            order.push_back("group " + Text(child, "ItemGroupRef/FullName") + " " +
                            Text(child, "TotalAmount"));
            for (pugi::xml_node member : child.children("PurchaseOrderLineRet"))
                order.push_back("  member " + Text(member, "ItemRef/FullName") + " received " +
                                Text(member, "ReceivedQuantity"));
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"line Widget", "group Kit 26.00",
                                               "  member Hinge received 1",
                                               "  member Lock received 1", "line Bolt"}));
    EXPECT_EQ(Text(ret, "PurchaseOrderLineRet/ReceivedQuantity"), "5");
    EXPECT_EQ(Text(ret, "PurchaseOrderLineRet/Amount"), "10.00");
    EXPECT_EQ(Text(ret, "IsFullyReceived"), "false");
}

TEST_F(PurchaseOrderQueryTest, LinkedTxnsCarryTheirLineDetails) {
    pugi::xml_node ret = session->Send(QueryByRef("18")).rs.child("PurchaseOrderRet");
    std::vector<std::string> links;
    for (pugi::xml_node link : ret.children("LinkedTxn")) {
        std::string text = Text(link, "TxnType") + " " + Text(link, "TxnDate") + " " +
                           Text(link, "LinkType") + " " + Text(link, "Amount");
        for (pugi::xml_node detail : link.children("TxnLineDetail"))
            text += " [" + Text(detail, "Amount") + "]";
        links.push_back(text);
    }
    EXPECT_EQ(links,
              (std::vector<std::string>{"ItemReceipt 2011-03-20 QUANTYPE 11.50 [10.00] [1.50]",
                                        "Bill 2011-03-22 QUANTYPE 10.00 [10.00]"}));
    // A line detail names the purchase order line it received.
    std::string firstLine = Text(ret, "PurchaseOrderLineRet/TxnLineID");
    EXPECT_EQ(Text(ret, "LinkedTxn/TxnLineDetail/TxnLineID"), firstLine);
}

TEST_F(PurchaseOrderQueryTest, HeaderElementsComeInOrderAndOnlyWithValues) {
    pugi::xml_node ret = session->Send(QueryByRef("18")).rs.child("PurchaseOrderRet");
    std::vector<std::string> names;
    for (pugi::xml_node child : ret.children())
        if (names.empty() || names.back() != child.name())
            names.push_back(child.name());
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "TxnID", "TimeCreated", "TimeModified", "EditSequence", "TxnNumber", "VendorRef",
                  "TxnDate", "RefNumber", "TermsRef", "ExpectedDate", "TotalAmount",
                  "IsManuallyClosed", "IsFullyReceived", "Memo", "LinkedTxn",
                  "PurchaseOrderLineRet", "PurchaseOrderLineGroupRet", "PurchaseOrderLineRet"}));
}

} // namespace
} // namespace qbhost::testing
