// Request message sets written as qbXML: golden texts of every request the system builds,
// and the failures of setting elements.
#include "qbfc/msgset_request.h"
#include "qbfc_test_support.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace qbfc {
namespace {

using test::Describe;
using test::Utf8;

constexpr DATE kMarch1 = 40603.0;  // 2011-03-01
constexpr DATE kMarch15 = 40617.0; // 2011-03-15

std::string Envelope(const std::string& version, const std::string& onError,
                     const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<?qbxml version=\"" + version +
           "\"?>\n<QBXML>\n  <QBXMLMsgsRq onError=\"" + onError + "\">\n" + body +
           "  </QBXMLMsgsRq>\n</QBXML>\n";
}

struct GoldenCase {
    const char* name;
    std::function<void(IMsgSetRequest*)> build;
    std::string body;
};

class WriterGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(WriterGolden, WritesSchemaOrderedQbxml) {
    IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
    set->GetAttributes()->PutOnError(roeContinue);
    GetParam().build(set);
    EXPECT_EQ(Utf8(set->ToXMLString()), Envelope("8.0", "continueOnError", GetParam().body));
}

const GoldenCase kGoldenCases[] = {
    {"HostQuery", [](IMsgSetRequest* set) { set->AppendHostQueryRq(); },
     "    <HostQueryRq requestID=\"1\"/>\n"},
    {"OpenPOsReport",
     [](IMsgSetRequest* set) {
         IGeneralDetailReportQueryPtr q = set->AppendGeneralDetailReportQueryRq();
         // Set out of schema order on purpose: the writer orders.
         q->GetReportOpenBalanceAsOf()->SetValue(robaReportEndDate);
         for (ENIncludeColumn c : {icTxnID, icAccount, icDate, icRefNumber, icName, icAmount,
                                   icOpenBalance, icTxnType, icDeliveryDate, icTxnNumber})
             q->GetIncludeColumnList()->Add(c);
         q->GetORReportPeriod()->GetReportPeriod()->GetToReportDate()->SetValue(kMarch15);
         q->GetORReportPeriod()->GetReportPeriod()->GetFromReportDate()->SetValue(kMarch1);
         q->GetGeneralDetailReportType()->SetValue(gdrtOpenPOs);
     },
     "    <GeneralDetailReportQueryRq requestID=\"1\">\n"
     "      <GeneralDetailReportType>OpenPOs</GeneralDetailReportType>\n"
     "      <ReportPeriod>\n"
     "        <FromReportDate>2011-03-01</FromReportDate>\n"
     "        <ToReportDate>2011-03-15</ToReportDate>\n"
     "      </ReportPeriod>\n"
     "      <IncludeColumn>TxnID</IncludeColumn>\n"
     "      <IncludeColumn>Account</IncludeColumn>\n"
     "      <IncludeColumn>Date</IncludeColumn>\n"
     "      <IncludeColumn>RefNumber</IncludeColumn>\n"
     "      <IncludeColumn>Name</IncludeColumn>\n"
     "      <IncludeColumn>Amount</IncludeColumn>\n"
     "      <IncludeColumn>OpenBalance</IncludeColumn>\n"
     "      <IncludeColumn>TxnType</IncludeColumn>\n"
     "      <IncludeColumn>DeliveryDate</IncludeColumn>\n"
     "      <IncludeColumn>TxnNumber</IncludeColumn>\n"
     "      <ReportOpenBalanceAsOf>ReportEndDate</ReportOpenBalanceAsOf>\n"
     "    </GeneralDetailReportQueryRq>\n"},
    {"ReportWithoutFromDate",
     [](IMsgSetRequest* set) {
         IGeneralDetailReportQueryPtr q = set->AppendGeneralDetailReportQueryRq();
         q->GetGeneralDetailReportType()->SetValue(gdrtOpenPOs);
         IReportPeriodPtr period = q->GetORReportPeriod()->GetReportPeriod();
         period->GetFromReportDate(); // looked at, never set: not written
         period->GetToReportDate()->SetValue(kMarch15);
     },
     "    <GeneralDetailReportQueryRq requestID=\"1\">\n"
     "      <GeneralDetailReportType>OpenPOs</GeneralDetailReportType>\n"
     "      <ReportPeriod>\n"
     "        <ToReportDate>2011-03-15</ToReportDate>\n"
     "      </ReportPeriod>\n"
     "    </GeneralDetailReportQueryRq>\n"},
    {"PurchaseOrderQueryOneDay",
     [](IMsgSetRequest* set) {
         IPurchaseOrderQueryPtr q = set->AppendPurchaseOrderQueryRq();
         q->GetIncludeLinkedTxns()->SetValue(VARIANT_TRUE);
         q->GetIncludeLineItems()->SetValue(VARIANT_TRUE);
         ITxnDateFilterPtr day = q->GetORTxnQuery()
                                     ->GetTxnFilter()
                                     ->GetORDateRangeFilter()
                                     ->GetTxnDateRangeFilter()
                                     ->GetORTxnDateRangeFilter()
                                     ->GetTxnDateFilter();
         day->GetToTxnDate()->SetValue(kMarch15);
         day->GetFromTxnDate()->SetValue(kMarch15);
     },
     "    <PurchaseOrderQueryRq requestID=\"1\">\n"
     "      <TxnDateRangeFilter>\n"
     "        <FromTxnDate>2011-03-15</FromTxnDate>\n"
     "        <ToTxnDate>2011-03-15</ToTxnDate>\n"
     "      </TxnDateRangeFilter>\n"
     "      <IncludeLineItems>true</IncludeLineItems>\n"
     "      <IncludeLinkedTxns>true</IncludeLinkedTxns>\n"
     "    </PurchaseOrderQueryRq>\n"},
    {"PurchaseOrderModClosing",
     [](IMsgSetRequest* set) {
         IPurchaseOrderModPtr mod = set->AppendPurchaseOrderModRq();
         mod->GetIsManuallyClosed()->SetValue(VARIANT_TRUE);
         mod->GetEditSequence()->SetValue("1300000001");
         mod->GetTxnID()->SetValue("1A2-1300000000");
     },
     "    <PurchaseOrderModRq requestID=\"1\">\n"
     "      <PurchaseOrderMod>\n"
     "        <TxnID>1A2-1300000000</TxnID>\n"
     "        <EditSequence>1300000001</EditSequence>\n"
     "        <IsManuallyClosed>true</IsManuallyClosed>\n"
     "      </PurchaseOrderMod>\n"
     "    </PurchaseOrderModRq>\n"},
    {"PurchaseOrderModIdentityOnly",
     [](IMsgSetRequest* set) {
         IPurchaseOrderModPtr mod = set->AppendPurchaseOrderModRq();
         mod->GetTxnID()->SetValue("1A2-1300000000");
         mod->GetEditSequence()->SetValue("1300000001");
         mod->GetIsManuallyClosed(); // looked at but not set
         mod->GetVendorRef()->GetFullName();
     },
     "    <PurchaseOrderModRq requestID=\"1\">\n"
     "      <PurchaseOrderMod>\n"
     "        <TxnID>1A2-1300000000</TxnID>\n"
     "        <EditSequence>1300000001</EditSequence>\n"
     "      </PurchaseOrderMod>\n"
     "    </PurchaseOrderModRq>\n"},
    {"PreferencesAndCompany",
     [](IMsgSetRequest* set) {
         set->AppendPreferencesQueryRq();
         set->AppendCompanyQueryRq();
     },
     "    <PreferencesQueryRq requestID=\"1\"/>\n"
     "    <CompanyQueryRq requestID=\"2\"/>\n"},
    {"TextIsEscaped",
     [](IMsgSetRequest* set) {
         IPurchaseOrderModPtr mod = set->AppendPurchaseOrderModRq();
         mod->GetTxnID()->SetValue("1-2");
         mod->GetEditSequence()->SetValue("1");
         mod->GetMemo()->SetValue("Tom & Jerry's <\"best\">\r\n\tline");
         mod->GetExchangeRate()->SetValue(1.25f);
     },
     "    <PurchaseOrderModRq requestID=\"1\">\n"
     "      <PurchaseOrderMod>\n"
     "        <TxnID>1-2</TxnID>\n"
     "        <EditSequence>1</EditSequence>\n"
     "        <Memo>Tom &amp; Jerry&apos;s &lt;&quot;best&quot;&gt;&#13;\n\tline</Memo>\n"
     "        <ExchangeRate>1.25</ExchangeRate>\n"
     "      </PurchaseOrderMod>\n"
     "    </PurchaseOrderModRq>\n"},
};

INSTANTIATE_TEST_SUITE_P(Requests, WriterGolden, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriterEnvelope, CarriesVersionCountryAndOnError) {
    struct Case {
        const char* country;
        short major, minor;
        ENRqOnError onError;
        const char* version;
        const char* attribute;
    };
    const Case cases[] = {
        {"US", 1, 0, roeStop, "1.0", "stopOnError"},
        {"US", 7, 0, roeContinue, "7.0", "continueOnError"},
        {"US", 1, 1, roeRollback, "1.1", "rollbackOnError"},
        {"CA", 3, 0, roeContinue, "CA3.0", "continueOnError"},
    };
    for (const Case& c : cases) {
        IMsgSetRequestPtr set = MakeMsgSetRequest(c.country, c.major, c.minor);
        set->GetAttributes()->PutOnError(c.onError);
        set->AppendHostQueryRq();
        EXPECT_EQ(Utf8(set->ToXMLString()),
                  Envelope(c.version, c.attribute, "    <HostQueryRq requestID=\"1\"/>\n"))
            << c.version;
        EXPECT_EQ(set->GetAttributes()->GetOnError(), c.onError);
    }
}

TEST(WriterEnvelope, NewSetStopsOnErrorAndClearRequestsEmptiesIt) {
    IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
    EXPECT_EQ(set->GetAttributes()->GetOnError(), roeStop);
    set->GetAttributes()->PutOnError(roeContinue);
    set->AppendHostQueryRq();
    set->AppendPreferencesQueryRq();
    set->ClearRequests();
    set->AppendCompanyQueryRq();
    // The attribute survives the clearing; the request numbering starts again.
    EXPECT_EQ(Utf8(set->ToXMLString()),
              Envelope("8.0", "continueOnError", "    <CompanyQueryRq requestID=\"1\"/>\n"));
    set->ClearRequests();
    EXPECT_EQ(Utf8(set->ToXMLString()), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                        "<?qbxml version=\"8.0\"?>\n<QBXML>\n"
                                        "  <QBXMLMsgsRq onError=\"continueOnError\"/>\n"
                                        "</QBXML>\n");
}

TEST(WriterValues, AreWrittenInQbxmlForms) {
    IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
    IPurchaseOrderModPtr mod = set->AppendPurchaseOrderModRq();
    mod->GetTxnID()->SetValue("7");
    mod->GetEditSequence()->SetValue("");
    mod->GetIsToBePrinted()->SetValue(VARIANT_FALSE);
    mod->GetIsToBeEmailed()->SetValue(1);         // any non-zero is true
    mod->GetTxnDate()->SetValue(kMarch15 + 0.75); // a date drops the time of day
    mod->GetVendorRef()->GetFullName()->SetValue("Acme");
    std::string xml = Utf8(set->ToXMLString());
    for (const char* expected : {"<EditSequence></EditSequence>", "<IsToBePrinted>false<",
                                 "<IsToBeEmailed>true<", "<TxnDate>2011-03-15</TxnDate>",
                                 "<VendorRef>\n          <FullName>Acme</FullName>\n        "
                                 "</VendorRef>"})
        EXPECT_NE(xml.find(expected), std::string::npos) << expected << " in\n" << xml;
}

TEST(WriterErrors, RaiseForSecondSetsAndValuesQbxmlCannotCarry) {
    struct Case {
        const char* name;
        std::function<void(IPurchaseOrderModPtr)> act;
        HRESULT hr;
    };
    const Case cases[] = {
        {"TextSetTwice",
         [](IPurchaseOrderModPtr m) {
             m->GetTxnID()->SetValue("1");
             m->GetTxnID()->SetValue("2");
         },
         QBFC_E_ALREADY_SET},
        {"BoolSetTwiceThroughOneObject",
         [](IPurchaseOrderModPtr m) {
             IQBBoolTypePtr closed = m->GetIsManuallyClosed();
             closed->SetValue(VARIANT_TRUE);
             closed->SetValue(VARIANT_TRUE);
         },
         QBFC_E_ALREADY_SET},
        {"ControlCharacter", [](IPurchaseOrderModPtr m) { m->GetMemo()->SetValue("a\x01z"); },
         E_INVALIDARG},
        {"NotANumber",
         [](IPurchaseOrderModPtr m) { m->GetExchangeRate()->SetValue(std::nanf("")); },
         E_INVALIDARG},
        {"DateAfter9999", [](IPurchaseOrderModPtr m) { m->GetDueDate()->SetValue(2958466.0); },
         E_INVALIDARG},
        {"InfiniteDate", [](IPurchaseOrderModPtr m) { m->GetDueDate()->SetValue(HUGE_VAL); },
         E_INVALIDARG},
    };
    for (const Case& c : cases) {
        IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
        try {
            c.act(set->AppendPurchaseOrderModRq());
            ADD_FAILURE() << c.name << ": no error";
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), c.hr) << c.name;
            EXPECT_FALSE(Describe(e).empty()) << c.name;
        }
    }
}

TEST(WriterErrors, SecondSetKeepsTheFirstValueAndSaysWhy) {
    IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
    IPurchaseOrderModPtr mod = set->AppendPurchaseOrderModRq();
    mod->GetTxnID()->SetValue("first");
    try {
        mod->GetTxnID()->SetValue("second");
        FAIL() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(Describe(e), "element already set: TxnID");
    }
    EXPECT_EQ(Utf8(mod->GetTxnID()->GetValue()), "first");
}

TEST(WriterErrors, EnumerationOutOfRangeAndBadOnErrorRaise) {
    IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
    IGeneralDetailReportQueryPtr q = set->AppendGeneralDetailReportQueryRq();
    EXPECT_THROW(
        q->GetGeneralDetailReportType()->SetValue(static_cast<ENGeneralDetailReportType>(34)),
        _com_error);
    EXPECT_THROW(q->GetIncludeColumnList()->Add(static_cast<ENIncludeColumn>(-1)), _com_error);
    EXPECT_THROW(set->GetAttributes()->PutOnError(static_cast<ENRqOnError>(3)), _com_error);
    q->GetGeneralDetailReportType()->SetValue(gdrtVendorBalanceDetail); // the last value
    EXPECT_EQ(q->GetGeneralDetailReportType()->GetValue(), gdrtVendorBalanceDetail);
}

TEST(WriterLists, ReadBackWhatWasAdded) {
    IMsgSetRequestPtr set = MakeMsgSetRequest("US", 8, 0);
    IGeneralDetailReportQueryPtr q = set->AppendGeneralDetailReportQueryRq();
    IENIncludeColumnListPtr columns = q->GetIncludeColumnList();
    columns->Add(icTxnNumber);
    columns->Add(icAccount);
    ASSERT_EQ(q->GetIncludeColumnList()->GetCount(), 2);
    EXPECT_EQ(columns->GetAt(0), icTxnNumber);
    EXPECT_EQ(columns->GetAt(1), icAccount);
    EXPECT_THROW(columns->GetAt(2), _com_error);
    EXPECT_THROW(columns->GetAt(-1), _com_error);
}

} // namespace
} // namespace qbfc
