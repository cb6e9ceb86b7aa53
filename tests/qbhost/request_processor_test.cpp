// The message set: parse failures and versions as COM errors, everything else as statuses.
#include "host_fixture.h"
#include "qbfc/transport.h"

namespace qbhost::testing {
namespace {

class RequestProcessorTest : public ::testing::Test {
protected:
    RequestProcessorTest() {
        builder.Host("versions", "1.0 2.0 7.0 8.0")
            .Po("1001", "2011-03-15", "Acme", {"Widget | 10 | 2.50"});
        session = std::make_unique<HostSession>(builder.Build());
    }
    std::uint32_t HresultOf(const std::string& xml) {
        try {
            session->host().ProcessRequest(session->ticket(), xml);
        } catch (const qbfc::TransportError& error) {
            return static_cast<std::uint32_t>(error.hresult());
        }
        return 0;
    }
    CompanyBuilder builder;
    std::unique_ptr<HostSession> session;
};

TEST_F(RequestProcessorTest, TextThatIsNotARequestSetIsAParseError) {
    const std::string cases[] = {
        "",
        "not xml at all",
        "<QBXML><QBXMLMsgsRq onError=\"stopOnError\"><HostQueryRq></QBXMLMsgsRq>",
        "<QBXML><Other/></QBXML>",
        "<QBXMLMsgsRq onError=\"stopOnError\"/>",
        Envelope("<HostQueryRq/>", "sometimes"),
        Envelope("<NotARequest/>"),
        std::string("<QBXML>\0<QBXMLMsgsRq/></QBXML>", 28),
    };
    for (const auto& xml : cases) {
        EXPECT_EQ(HresultOf(xml), 0x80040400u) << xml;
        try {
            session->host().ProcessRequest(session->ticket(), xml);
        } catch (const qbfc::TransportError& error) {
            EXPECT_STREQ(error.what(),
                         "QuickBooks found an error when parsing the provided XML text stream.");
        }
    }
}

TEST_F(RequestProcessorTest, VersionsUpToTheHighestListedAreAccepted) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"1.0", 0},   {"7.0", 0},          {"7.5", 0},           {"8.0", 0},
        {"CA8.0", 0}, {"8.1", 0x80040423}, {"13.0", 0x80040423}, {"abc", 0x80040423},
    };
    for (const auto& [version, hresult] : cases)
        EXPECT_EQ(HresultOf(Envelope("<HostQueryRq/>", "stopOnError", version)), hresult)
            << version;
}

TEST_F(RequestProcessorTest, EachResponseEchoesItsRequestIdAndStatus) {
    Answer answer = session->Send("<HostQueryRq requestID=\"7\"/><CompanyQueryRq/>"
                                  "<InvoiceQueryRq requestID=\"x1\"/>",
                                  "continueOnError");
    pugi::xml_node rs = answer.responses().first_child();
    EXPECT_STREQ(rs.name(), "HostQueryRs");
    EXPECT_STREQ(rs.attribute("requestID").value(), "7");
    EXPECT_EQ(rs.attribute("statusCode").as_int(), 0);
    EXPECT_STREQ(rs.attribute("statusSeverity").value(), "Info");
    EXPECT_STREQ(rs.attribute("statusMessage").value(), "Status OK");
    rs = rs.next_sibling();
    EXPECT_STREQ(rs.name(), "CompanyQueryRs");
    EXPECT_FALSE(rs.attribute("requestID"));
    rs = rs.next_sibling();
    // A request kind this host does not carry is refused, not dropped.
    EXPECT_STREQ(rs.name(), "InvoiceQueryRs");
    EXPECT_STREQ(rs.attribute("requestID").value(), "x1");
    EXPECT_EQ(rs.attribute("statusCode").as_int(), 3250);
    EXPECT_STREQ(rs.attribute("statusSeverity").value(), "Error");
}

TEST_F(RequestProcessorTest, StopOnErrorLeavesLaterRequestsUnprocessed) {
    const std::string body = "<InvoiceQueryRq/>" + ModRq("none", "1") + "<HostQueryRq/>";
    struct {
        const char* onError;
        int secondCode, thirdCode;
    } cases[] = {
        {"stopOnError", 3231, 3231},
        {"continueOnError", 3120, 0},
    };
    for (const auto& c : cases) {
        Answer answer = session->Send(body, c.onError);
        pugi::xml_node second = answer.rs.next_sibling();
        EXPECT_EQ(answer.code(), 3250) << c.onError;
        EXPECT_EQ(second.attribute("statusCode").as_int(), c.secondCode) << c.onError;
        EXPECT_EQ(second.next_sibling().attribute("statusCode").as_int(), c.thirdCode);
        // An unprocessed or refused request carries no return object.
        EXPECT_FALSE(second.first_child()) << c.onError;
    }
}

TEST_F(RequestProcessorTest, BadElementsAnswerWithStatusNamingThem) {
    struct {
        const char* body;
        int code;
        const char* named;
    } cases[] = {
        {"<GeneralDetailReportQueryRq/>", 3150, "GeneralDetailReportType"},
        {"<PurchaseOrderModRq/>", 3150, "PurchaseOrderMod"},
        {"<PurchaseOrderModRq><PurchaseOrderMod><TxnID>1</TxnID></PurchaseOrderMod>"
         "</PurchaseOrderModRq>",
         3150, "EditSequence"},
        {"<PurchaseOrderQueryRq><TxnDateRangeFilter><FromTxnDate>2011-02-30</FromTxnDate>"
         "</TxnDateRangeFilter></PurchaseOrderQueryRq>",
         3020, "FromTxnDate"},
        {"<PurchaseOrderQueryRq><TxnDateRangeFilter><ToTxnDate>15/03/2011</ToTxnDate>"
         "</TxnDateRangeFilter></PurchaseOrderQueryRq>",
         3020, "15/03/2011"},
        {"<GeneralDetailReportQueryRq><GeneralDetailReportType>OpenPOs"
         "</GeneralDetailReportType><ReportPeriod><ToReportDate>2011-13-01</ToReportDate>"
         "</ReportPeriod></GeneralDetailReportQueryRq>",
         3020, "ToReportDate"},
        {"<PurchaseOrderQueryRq><TxnDateRangeFilter><FromTxnDate>2011-04-01</FromTxnDate>"
         "<ToTxnDate>2011-03-01</ToTxnDate></TxnDateRangeFilter></PurchaseOrderQueryRq>",
         3030, "TxnDateRangeFilter"},
        {"<PurchaseOrderQueryRq><MaxReturned>many</MaxReturned></PurchaseOrderQueryRq>", 3020,
         "MaxReturned"},
        {"<PurchaseOrderQueryRq><IncludeLineItems>maybe</IncludeLineItems>"
         "</PurchaseOrderQueryRq>",
         3020, "IncludeLineItems"},
    };
    for (const auto& c : cases) {
        Answer answer = session->Send(c.body);
        EXPECT_EQ(answer.code(), c.code) << c.body;
        EXPECT_EQ(answer.severity(), "Error") << c.body;
        EXPECT_NE(answer.message().find(c.named), std::string::npos) << answer.message();
    }
}

} // namespace
} // namespace qbhost::testing
