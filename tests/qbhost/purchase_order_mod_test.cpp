// Purchase order modification: the edit sequence, the closing date and its exemption, the
// accountant's copy, and that a refusal leaves the file as it was.
#include "host_fixture.h"

#include <thread>

namespace qbhost::testing {
namespace {

struct Order {
    std::string txnId, editSequence;
};

Order Fetch(HostSession& session, const std::string& ref) {
    pugi::xml_node ret = session.Send(QueryByRef(ref)).rs.child("PurchaseOrderRet");
    return {Text(ret, "TxnID"), Text(ret, "EditSequence")};
}

std::vector<std::string> OpenRefs(HostSession& session) {
    Answer answer = session.Send(
        "<GeneralDetailReportQueryRq><GeneralDetailReportType>OpenPOs</GeneralDetailReportType>"
        "<ReportPeriod><ToReportDate>2011-12-31</ToReportDate></ReportPeriod>"
        "<IncludeColumn>RefNumber</IncludeColumn></GeneralDetailReportQueryRq>");
    std::vector<std::string> refs;
    for (pugi::xml_node row : answer.rs.child("ReportRet").child("ReportData").children("DataRow"))
        refs.push_back(row.child("ColData").attribute("value").value());
    return refs;
}

std::string Integrity(const std::filesystem::path& file) {
    sql::Database db(file, sql::Database::Open::ExistingOnly);
    return db.QueryText("PRAGMA integrity_check").value_or("");
}

TEST(PurchaseOrderMod, ClosingRenewsEditSequenceAndDropsTheOrderFromTheReport) {
    CompanyBuilder builder;
    builder.Po("1", "2011-03-15", "Acme", {"Widget | 10 | 2.50", "Bolt | 2 | 1.00"})
        .Po("2", "2011-03-16", "Acme", {"Widget | 1 | 2.50"})
        .Receive("1", "2011-03-20", {"1 | 3"});
    HostSession session(builder.Build());
    Order before = Fetch(session, "1");
    Answer answer = session.Send(ModRq(before.txnId, before.editSequence));
    ASSERT_EQ(answer.code(), 0) << answer.message();
    EXPECT_STREQ(answer.rs.name(), "PurchaseOrderModRs");
    pugi::xml_node ret = answer.rs.child("PurchaseOrderRet");
    EXPECT_EQ(Text(ret, "IsManuallyClosed"), "true");
    EXPECT_NE(Text(ret, "EditSequence"), before.editSequence);
    // The answer is the whole order: lines and links are kept, not lost.
    EXPECT_EQ(std::distance(ret.children("PurchaseOrderLineRet").begin(),
                            ret.children("PurchaseOrderLineRet").end()),
              2);
    EXPECT_TRUE(ret.child("LinkedTxn"));
    EXPECT_EQ(Fetch(session, "1").editSequence, Text(ret, "EditSequence"));
    EXPECT_EQ(OpenRefs(session), (std::vector<std::string>{"2"}));

    // The old edit sequence is now stale; the new one reopens the order.
    Answer stale = session.Send(ModRq(before.txnId, before.editSequence));
    EXPECT_EQ(stale.code(), 3200);
    EXPECT_EQ(stale.message(),
              "The provided edit sequence \"" + before.editSequence + "\" is out-of-date.");
    Order now = Fetch(session, "1");
    EXPECT_EQ(
        session
            .Send(ModRq(now.txnId, now.editSequence, "<IsManuallyClosed>false</IsManuallyClosed>"))
            .code(),
        0);
    EXPECT_EQ(OpenRefs(session), (std::vector<std::string>{"1", "2"}));
}

TEST(PurchaseOrderMod, ClosingDateAndAccountantsCopyProtectOlderOrders) {
    struct {
        const char* date;
        bool exempt;
        bool accountantCopy;
        int code;
    } cases[] = {
        {"2011-02-27", false, false, 3171},
        {"2011-02-28", false, false, 3171}, // on the closing date is protected too
        {"2011-03-01", false, false, 0},
        {"2011-02-27", true, false, 0},    // purchase orders exempted from the closing date
        {"2011-01-31", true, true, 3170},  // on the dividing date
        {"2011-01-30", false, true, 3171}, // the closing date is checked first
        {"2011-02-01", true, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + (c.exempt ? " exempt" : "") +
                     (c.accountantCopy ? " accountant" : ""));
        CompanyBuilder builder;
        builder.ClosingDate("2011-02-28").ExemptPo(c.exempt);
        if (c.accountantCopy)
            builder.DividingDate("2011-01-31");
        builder.Po("1", c.date, "Acme", {"Widget | 10 | 2.50"});
        auto file = builder.Build();
        {
            HostSession session(file);
            Order order = Fetch(session, "1");
            Answer answer = session.Send(ModRq(order.txnId, order.editSequence));
            EXPECT_EQ(answer.code(), c.code) << answer.message();
            const char* reason = c.code == 3171   ? "on or before the closing date"
                                 : c.code == 3170 ? "dividing date"
                                                  : "Status OK";
            EXPECT_NE(answer.message().find(reason), std::string::npos) << answer.message();
            if (c.code != 0) {
                // A refusal writes nothing: same edit sequence, still open.
                EXPECT_FALSE(answer.rs.child("PurchaseOrderRet"));
                EXPECT_EQ(Fetch(session, "1").editSequence, order.editSequence);
                EXPECT_EQ(OpenRefs(session), (std::vector<std::string>{"1"}));
            }
        }
        EXPECT_EQ(Integrity(file), "ok");
    }
}

TEST(PurchaseOrderMod, RefusesUnknownOrdersAndChangesItDoesNotMake) {
    CompanyBuilder builder;
    builder.Po("1", "2011-03-15", "Acme", {"Widget | 10 | 2.50"});
    HostSession session(builder.Build());
    Order order = Fetch(session, "1");
    struct {
        std::string body;
        int code;
    } cases[] = {
        {ModRq("123-456", "1"), 3120},
        {ModRq(order.txnId, order.editSequence, "<IsManuallyClosed>sure</IsManuallyClosed>"), 3020},
        {ModRq(order.txnId, order.editSequence, "<TxnDate>2011-03-20</TxnDate>"), 3250},
        {ModRq(order.txnId, order.editSequence,
               "<PurchaseOrderLineMod><TxnLineID>-1</TxnLineID></PurchaseOrderLineMod>"),
         3250},
    };
    for (const auto& c : cases)
        EXPECT_EQ(session.Send(c.body).code(), c.code) << c.body;
    EXPECT_EQ(Fetch(session, "1").editSequence, order.editSequence);
    // A mod without lines keeps them; a memo alone is applied.
    Answer memo = session.Send(ModRq(order.txnId, order.editSequence, "<Memo>checked</Memo>"));
    EXPECT_EQ(Text(memo.rs, "PurchaseOrderRet/Memo"), "checked");
    EXPECT_EQ(Text(memo.rs, "PurchaseOrderRet/IsManuallyClosed"), "false");
    EXPECT_TRUE(memo.rs.first_element_by_path("PurchaseOrderRet/PurchaseOrderLineRet"));
}

TEST(PurchaseOrderMod, ConcurrentModificationsFromTwoHostsOnOneFile) {
    CompanyBuilder builder;
    for (int i = 1; i <= 20; ++i)
        builder.Po(std::to_string(i), "2011-03-15", "Acme", {"Widget | 1 | 2.50"});
    auto file = builder.Build();
    // Two hosts stand for two processes sharing the file; each thread also races the other
    // on the same orders with the same edit sequence, so exactly one of each pair wins.
    HostSession a(file), b(file);
    std::vector<Order> orders;
    for (int i = 1; i <= 20; ++i)
        orders.push_back(Fetch(a, std::to_string(i)));
    std::atomic<int> wins{0}, stale{0}, other{0};
    auto run = [&](HostSession& session) {
        for (const auto& order : orders) {
            int code = session.Send(ModRq(order.txnId, order.editSequence)).code();
            (code == 0 ? wins : code == 3200 ? stale : other)++;
        }
    };
    std::thread first(run, std::ref(a)), second(run, std::ref(b));
    first.join();
    second.join();
    EXPECT_EQ(wins, 20);
    EXPECT_EQ(stale, 20);
    EXPECT_EQ(other, 0);
    EXPECT_TRUE(OpenRefs(a).empty());
    EXPECT_EQ(Integrity(file), "ok");
}

} // namespace
} // namespace qbhost::testing
