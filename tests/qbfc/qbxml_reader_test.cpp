// Responses read from qbXML: statuses, return objects seen through the expected and the
// wrong interfaces, absent and bad elements, and text that is no response at all.
#include "qbfc/msgset_response.h"
#include "qbfc_test_support.h"

#include <gtest/gtest.h>

namespace qbfc {
namespace {

using test::Describe;
using test::ResponseSet;
using test::Utf8;

IResponsePtr First(const std::string& responses) {
    return ReadMsgSetResponse(ResponseSet(responses))->GetResponseList()->GetAt(0);
}

const char kHostRs[] =
    "<HostQueryRs requestID=\"1\" statusCode=\"0\" statusSeverity=\"Info\" "
    "statusMessage=\"Status OK\"><HostRet><ProductName>QuickBooks Pro 2011</ProductName>"
    "<MajorVersion>21</MajorVersion><MinorVersion>0</MinorVersion><Country>US</Country>"
    "<SupportedQBXMLVersion>1.0</SupportedQBXMLVersion>"
    "<SupportedQBXMLVersion>7.0</SupportedQBXMLVersion>"
    "<SupportedQBXMLVersion>10.0</SupportedQBXMLVersion>"
    "<IsAutomaticLogin>false</IsAutomaticLogin><QBFileMode>SingleUser</QBFileMode>"
    "</HostRet></HostQueryRs>";

TEST(ReaderStatus, EachResponseCarriesItsAttributes) {
    IMsgSetResponsePtr set = ReadMsgSetResponse(ResponseSet(
        std::string(kHostRs) +
        "<PurchaseOrderModRs requestID=\"2\" statusCode=\"3171\" statusSeverity=\"Error\" "
        "statusMessage=\"closed &amp; locked\"/>"
        "<CompanyQueryRs requestID=\"3\" statusCode=\"-5\"/>"));
    IResponseListPtr list = set->GetResponseList();
    ASSERT_EQ(list->GetCount(), 3);
    struct Expected {
        long code;
        const char* severity;
        const char* message;
        const char* requestID;
    };
    const Expected expected[] = {
        {0, "Info", "Status OK", "1"}, {3171, "Error", "closed & locked", "2"}, {-5, "", "", "3"}};
    for (long i = 0; i < 3; ++i) {
        IResponsePtr r = list->GetAt(i);
        EXPECT_EQ(r->GetStatusCode(), expected[i].code) << i;
        EXPECT_EQ(Utf8(r->GetStatusSeverity()), expected[i].severity) << i;
        EXPECT_EQ(Utf8(r->GetStatusMessage()), expected[i].message) << i;
        EXPECT_EQ(Utf8(r->GetRequestID()), expected[i].requestID) << i;
    }
    EXPECT_THROW(list->GetAt(3), _com_error);
    EXPECT_THROW(list->GetAt(-1), _com_error);
}

TEST(ReaderStatus, EmptySetHasAnEmptyListAndKeepsItsText) {
    std::string text = ResponseSet("");
    IMsgSetResponsePtr set = ReadMsgSetResponse(text);
    EXPECT_EQ(set->GetResponseList()->GetCount(), 0);
    EXPECT_EQ(Utf8(set->ToXMLString()), text);
}

TEST(ReaderStatus, IndentedTextReadsLikeCompactText) {
    IMsgSetResponsePtr set = ReadMsgSetResponse(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<?qbxml version=\"8.0\"?>\r\n"
        "<QBXML>\r\n  <QBXMLMsgsRs>\r\n    <HostQueryRs statusCode=\"0\">\r\n"
        "      <HostRet>\r\n        <ProductName>Pro</ProductName>\r\n"
        "        <Country>  US  </Country>\r\n      </HostRet>\r\n    </HostQueryRs>\r\n"
        "  </QBXMLMsgsRs>\r\n</QBXML>\r\n");
    ASSERT_EQ(set->GetResponseList()->GetCount(), 1);
    IHostRetPtr host = set->GetResponseList()->GetAt(0)->GetDetail();
    ASSERT_TRUE(host);
    EXPECT_EQ(Utf8(host->GetProductName()->GetValue()), "Pro");
    EXPECT_EQ(Utf8(host->GetCountry()->GetValue()), "  US  "); // text inside is kept whole
    EXPECT_FALSE(host->GetMajorVersion());
}

TEST(ReaderType, IdsByResponseKind) {
    struct Case {
        const char* rs;
        int id;
    };
    const Case cases[] = {{"HostQueryRs", 1008},
                          {"PurchaseOrderQueryRs", 1041},
                          {"CompanyQueryRs", 1077},
                          {"PreferencesQueryRs", 1106},
                          {"GeneralDetailReportQueryRs", 1137},
                          {"PurchaseOrderModRs", 1156},
                          {"InvoiceQueryRs", 0}};
    for (const Case& c : cases) {
        IResponsePtr r = First(std::string("<") + c.rs + " statusCode=\"1\"/>");
        EXPECT_EQ(static_cast<short>(r->GetType()->GetValue()), c.id) << c.rs;
        EXPECT_FALSE(r->GetDetail()) << c.rs << ": a response without a return has no detail";
    }
}

TEST(ReaderDetail, ViewsAsTheReturnOfItsKindOnly) {
    IQBBasePtr detail = First(kHostRs)->GetDetail();
    ASSERT_TRUE(detail);
    IHostRetPtr host = detail;
    IPreferencesRetPtr prefs = detail;
    IReportRetPtr report = detail;
    IPurchaseOrderRetListPtr list = detail;
    EXPECT_TRUE(host);
    EXPECT_FALSE(prefs);
    EXPECT_FALSE(report);
    EXPECT_FALSE(list);
    // Two views of one response are of one kind, not one object: QI back to IQBBase works.
    IQBBasePtr back = host;
    EXPECT_TRUE(back);
}

TEST(ReaderDetail, HostReturnElements) {
    IHostRetPtr host = First(kHostRs)->GetDetail();
    ASSERT_TRUE(host);
    EXPECT_EQ(Utf8(host->GetProductName()->GetValue()), "QuickBooks Pro 2011");
    EXPECT_EQ(host->GetMajorVersion()->GetValue(), 21);
    EXPECT_EQ(host->GetIsAutomaticLogin()->GetValue(), VARIANT_FALSE);
    EXPECT_EQ(host->GetQBFileMode()->GetValue(), qbfmSingleUser);
    IBSTRListPtr versions = host->GetSupportedQBXMLVersionList();
    ASSERT_EQ(versions->GetCount(), 3);
    EXPECT_EQ(Utf8(versions->GetAt(0)), "1.0");
    EXPECT_EQ(Utf8(versions->GetAt(2)), "10.0");
}

TEST(ReaderDetail, ResponseValuesCannotBeChanged) {
    IHostRetPtr host = First(kHostRs)->GetDetail();
    try {
        host->GetProductName()->SetValue("Other");
        FAIL() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), QBFC_E_READ_ONLY);
    }
    EXPECT_THROW(host->GetSupportedQBXMLVersionList()->Add("13.0"), _com_error);
    EXPECT_EQ(host->GetSupportedQBXMLVersionList()->GetCount(), 3);
}

// A return with elements of every type, some of them bad: a bad value reads as absent.
const char kPurchaseOrderRs[] =
    "<PurchaseOrderQueryRs requestID=\"1\" statusCode=\"0\" statusSeverity=\"Info\" "
    "statusMessage=\"Status OK\">"
    "<PurchaseOrderRet><TxnID>1A-1</TxnID><TimeCreated>2011-03-15T09:30:05-05:00</TimeCreated>"
    "<EditSequence>1300</EditSequence><TxnNumber>18</TxnNumber>"
    "<VendorRef><FullName>Acme</FullName></VendorRef><TxnDate>2011-03-15</TxnDate>"
    "<VendorAddress><City>Springfield</City><PostalCode>12345</PostalCode></VendorAddress>"
    "<DueDate>2011-02-30</DueDate><TotalAmount>1234.50</TotalAmount>"
    "<ExchangeRate>1.5</ExchangeRate><IsManuallyClosed>maybe</IsManuallyClosed>"
    "<IsFullyReceived>false</IsFullyReceived><Memo/>"
    "<LinkedTxn><TxnID>9-9</TxnID><TxnType>ItemReceipt</TxnType><LinkType>QUANTYPE</LinkType>"
    "<TxnLineDetail><TxnLineID>L1</TxnLineID><Amount>1.00</Amount></TxnLineDetail>"
    "<TxnLineDetail><TxnLineID>L2</TxnLineID></TxnLineDetail></LinkedTxn>"
    "<LinkedTxn><TxnID>9-10</TxnID><TxnType>NoSuchType</TxnType></LinkedTxn>"
    "<PurchaseOrderLineRet><TxnLineID>A</TxnLineID><Quantity>2</Quantity></PurchaseOrderLineRet>"
    "<PurchaseOrderLineGroupRet><TxnLineID>G</TxnLineID>"
    "<ItemGroupRef><ListID>80-1</ListID></ItemGroupRef><IsPrintItemsInGroup>true"
    "</IsPrintItemsInGroup><TotalAmount>5.00</TotalAmount>"
    "<PurchaseOrderLineRet><TxnLineID>B</TxnLineID></PurchaseOrderLineRet>"
    "<PurchaseOrderLineRet><TxnLineID>C</TxnLineID><Rate>x</Rate></PurchaseOrderLineRet>"
    "</PurchaseOrderLineGroupRet>"
    "<PurchaseOrderLineRet><TxnLineID>D</TxnLineID></PurchaseOrderLineRet>"
    "</PurchaseOrderRet>"
    "<PurchaseOrderRet><TxnID>1A-2</TxnID><TxnNumber>99999999999</TxnNumber></PurchaseOrderRet>"
    "</PurchaseOrderQueryRs>";

TEST(ReaderPurchaseOrder, HeaderValuesPresentAbsentAndBad) {
    IPurchaseOrderRetListPtr list = First(kPurchaseOrderRs)->GetDetail();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->GetCount(), 2);
    IPurchaseOrderRetPtr po = list->GetAt(0);
    EXPECT_EQ(Utf8(po->GetTxnID()->GetValue()), "1A-1");
    EXPECT_DOUBLE_EQ(po->GetTimeCreated()->GetValue(),
                     40617.0 + (9 * 3600 + 30 * 60 + 5) / 86400.0);
    EXPECT_EQ(po->GetTxnNumber()->GetValue(), 18);
    EXPECT_DOUBLE_EQ(po->GetTxnDate()->GetValue(), 40617.0);
    EXPECT_DOUBLE_EQ(po->GetTotalAmount()->GetValue(), 1234.5);
    EXPECT_FLOAT_EQ(po->GetExchangeRate()->GetValue(), 1.5f);
    EXPECT_EQ(po->GetIsFullyReceived()->GetValue(), VARIANT_FALSE);
    EXPECT_EQ(Utf8(po->GetMemo()->GetValue()), "");
    // The reference holds a FullName only; the address only City and PostalCode.
    EXPECT_EQ(Utf8(po->GetVendorRef()->GetFullName()->GetValue()), "Acme");
    EXPECT_FALSE(po->GetVendorRef()->GetListID());
    EXPECT_TRUE(po->GetVendorAddress()->GetCity());
    EXPECT_FALSE(po->GetVendorAddress()->GetAddr1());

    struct Absent {
        const char* name;
        bool present;
    };
    const Absent absent[] = {
        {"ClassRef (missing)", static_cast<bool>(po->GetClassRef())},
        {"ShipAddress (missing)", static_cast<bool>(po->GetShipAddress())},
        {"TimeModified (missing)", static_cast<bool>(po->GetTimeModified())},
        {"DueDate 2011-02-30", static_cast<bool>(po->GetDueDate())},
        {"IsManuallyClosed maybe", static_cast<bool>(po->GetIsManuallyClosed())},
        {"TxnNumber beyond 32 bits",
         static_cast<bool>(IPurchaseOrderRetPtr(list->GetAt(1))->GetTxnNumber())},
    };
    for (const Absent& a : absent)
        EXPECT_FALSE(a.present) << a.name;
}

TEST(ReaderPurchaseOrder, LinksAndTheirLineDetails) {
    IPurchaseOrderRetPtr po =
        IPurchaseOrderRetListPtr(First(kPurchaseOrderRs)->GetDetail())->GetAt(0);
    ILinkedTxnListPtr links = po->GetLinkedTxnList();
    ASSERT_EQ(links->GetCount(), 2);
    ILinkedTxnPtr first = links->GetAt(0);
    EXPECT_EQ(first->GetTxnType()->GetValue(), ttItemReceipt);
    EXPECT_EQ(first->GetLinkType()->GetValue(), ltQUANTYPE);
    EXPECT_FALSE(first->GetAmount());
    ITxnLineDetailListPtr details = first->GetTxnLineDetailList();
    ASSERT_EQ(details->GetCount(), 2);
    EXPECT_DOUBLE_EQ(ITxnLineDetailPtr(details->GetAt(0))->GetAmount()->GetValue(), 1.0);
    EXPECT_FALSE(ITxnLineDetailPtr(details->GetAt(1))->GetAmount());
    // An enumeration name this SDK does not know reads as an absent element.
    EXPECT_FALSE(ILinkedTxnPtr(links->GetAt(1))->GetTxnType());
    EXPECT_EQ(ILinkedTxnPtr(links->GetAt(1))->GetTxnLineDetailList()->GetCount(), 0);
}

TEST(ReaderPurchaseOrder, LinesAndGroupsInDocumentOrder) {
    IPurchaseOrderRetPtr po =
        IPurchaseOrderRetListPtr(First(kPurchaseOrderRs)->GetDetail())->GetAt(0);
    IORPurchaseOrderLineRetListPtr lines = po->GetORPurchaseOrderLineRetList();
    ASSERT_EQ(lines->GetCount(), 3);
    struct Expected {
        bool isLine;
        const char* txnLineID;
    };
    const Expected expected[] = {{true, "A"}, {false, "G"}, {true, "D"}};
    for (long i = 0; i < 3; ++i) {
        IORPurchaseOrderLineRetPtr entry = lines->GetAt(i);
        IPurchaseOrderLineRetPtr line = entry->GetPurchaseOrderLineRet();
        IPurchaseOrderLineGroupRetPtr group = entry->GetPurchaseOrderLineGroupRet();
        EXPECT_EQ(static_cast<bool>(line), expected[i].isLine) << i;
        EXPECT_EQ(static_cast<bool>(group), !expected[i].isLine) << i;
        _bstr_t id = line ? line->GetTxnLineID()->GetValue() : group->GetTxnLineID()->GetValue();
        EXPECT_EQ(Utf8(id), expected[i].txnLineID) << i;
    }
    IPurchaseOrderLineGroupRetPtr group =
        IORPurchaseOrderLineRetPtr(lines->GetAt(1))->GetPurchaseOrderLineGroupRet();
    EXPECT_EQ(Utf8(group->GetItemGroupRef()->GetListID()->GetValue()), "80-1");
    EXPECT_EQ(group->GetIsPrintItemsInGroup()->GetValue(), VARIANT_TRUE);
    IPurchaseOrderLineRetListPtr members = group->GetPurchaseOrderLineRetList();
    ASSERT_EQ(members->GetCount(), 2);
    EXPECT_EQ(Utf8(IPurchaseOrderLineRetPtr(members->GetAt(1))->GetTxnLineID()->GetValue()), "C");
    EXPECT_FALSE(IPurchaseOrderLineRetPtr(members->GetAt(1))->GetRate());
    EXPECT_DOUBLE_EQ(IPurchaseOrderLineRetPtr(lines->GetAt(0)->GetPurchaseOrderLineRet())
                         ->GetQuantity()
                         ->GetValue(),
                     2.0);
}

TEST(ReaderPurchaseOrder, ModificationReturnsOnePurchaseOrder) {
    IResponsePtr r = First("<PurchaseOrderModRs statusCode=\"0\"><PurchaseOrderRet>"
                           "<TxnID>1A-1</TxnID><EditSequence>1301</EditSequence>"
                           "<IsManuallyClosed>true</IsManuallyClosed></PurchaseOrderRet>"
                           "</PurchaseOrderModRs>");
    IPurchaseOrderRetPtr po = r->GetDetail();
    ASSERT_TRUE(po);
    EXPECT_FALSE(IPurchaseOrderRetListPtr(r->GetDetail()));
    EXPECT_EQ(Utf8(po->GetEditSequence()->GetValue()), "1301");
    EXPECT_EQ(po->GetIsManuallyClosed()->GetValue(), VARIANT_TRUE);
}

const char kReportRs[] =
    "<GeneralDetailReportQueryRs requestID=\"1\" statusCode=\"0\" statusSeverity=\"Info\">"
    "<ReportRet><ReportTitle>Open Purchase Orders</ReportTitle><NumRows>4</NumRows>"
    "<ColDesc colID=\"1\" dataType=\"STRTYPE\"><ColTitle titleRow=\"1\"/><ColType>Blank</ColType>"
    "</ColDesc>"
    "<ColDesc colID=\"2\" dataType=\"DATETYPE\"><ColTitle titleRow=\"1\" value=\"Date\"/>"
    "<ColTitle titleRow=\"2\" value=\"\"/><ColType>Date</ColType></ColDesc>"
    "<ColDesc colID=\"3\" dataType=\"INTTYPE\"><ColType>TxnNumber</ColType></ColDesc>"
    "<ColDesc colID=\"x\"><ColTitle titleRow=\"1\" value=\"Num\"/><ColType>Unheard</ColType>"
    "</ColDesc>"
    "<ReportData><TextRow rowNumber=\"1\" value=\"Acme\"/>"
    "<DataRow rowNumber=\"2\"><RowData rowType=\"name\" value=\"Acme\"/>"
    "<ColData colID=\"2\" value=\"03/15/2011\"/><ColData colID=\"3\" value=\"1042\"/>"
    "<ColData colID=\"3\"/></DataRow>"
    "<DataRow rowNumber=\"3\"/>"
    "<SubtotalRow rowNumber=\"4\"><ColData colID=\"3\" value=\"1042\"/></SubtotalRow>"
    "<TotalRow rowNumber=\"5\"/></ReportData></ReportRet></GeneralDetailReportQueryRs>";

TEST(ReaderReport, ColumnDescriptionsWithAttributeGetters) {
    IReportRetPtr report = First(kReportRs)->GetDetail();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->GetNumRows()->GetValue(), 4);
    IColDescListPtr cols = report->GetColDescList();
    ASSERT_EQ(cols->GetCount(), 4);
    IColDescPtr date = cols->GetAt(1);
    EXPECT_EQ(date->GetcolID()->GetValue(), 2);
    EXPECT_EQ(Utf8(date->GetdataType()->GetValue()), "DATETYPE");
    EXPECT_EQ(date->GetColType()->GetValue(), ctDate);
    ASSERT_EQ(date->GetColTitleList()->GetCount(), 2);
    EXPECT_EQ(Utf8(IColTitlePtr(date->GetColTitleList()->GetAt(0))->Getvalue()->GetValue()),
              "Date");
    IColDescPtr blankTitle = cols->GetAt(0);
    EXPECT_FALSE(IColTitlePtr(blankTitle->GetColTitleList()->GetAt(0))->Getvalue());
    EXPECT_EQ(IColDescPtr(cols->GetAt(2))->GetColTitleList()->GetCount(), 0);
    IColDescPtr bad = cols->GetAt(3);
    EXPECT_FALSE(bad->GetcolID());
    EXPECT_FALSE(bad->GetColType());
}

TEST(ReaderReport, RowsOfEachKindThroughTheChoice) {
    IReportRetPtr report = First(kReportRs)->GetDetail();
    IORReportDataListPtr rows = report->GetReportData()->GetORReportDataList();
    ASSERT_EQ(rows->GetCount(), 5);
    const char* kinds[] = {"TextRow", "DataRow", "DataRow", "SubtotalRow", "TotalRow"};
    for (long i = 0; i < 5; ++i) {
        IORReportDataPtr row = rows->GetAt(i);
        std::string kind = row->GetDataRow()       ? "DataRow"
                           : row->GetTextRow()     ? "TextRow"
                           : row->GetSubtotalRow() ? "SubtotalRow"
                           : row->GetTotalRow()    ? "TotalRow"
                                                   : "none";
        EXPECT_EQ(kind, kinds[i]) << i;
    }
    IDataRowPtr data = IORReportDataPtr(rows->GetAt(1))->GetDataRow();
    EXPECT_EQ(data->GetrowNumber()->GetValue(), 2);
    EXPECT_EQ(Utf8(data->GetRowData()->GetrowType()->GetValue()), "name");
    IColDataListPtr cells = data->GetColDataList();
    ASSERT_EQ(cells->GetCount(), 3);
    IColDataPtr txnNumber = cells->GetAt(1);
    EXPECT_EQ(txnNumber->GetcolID()->GetValue(), 3);
    EXPECT_EQ(Utf8(txnNumber->Getvalue()->GetValue()), "1042");
    EXPECT_FALSE(txnNumber->GetdataType());
    EXPECT_FALSE(IColDataPtr(cells->GetAt(2))->Getvalue());
    EXPECT_EQ(Utf8(IORReportDataPtr(rows->GetAt(0))->GetTextRow()->Getvalue()->GetValue()), "Acme");
    EXPECT_EQ(IORReportDataPtr(rows->GetAt(2))->GetDataRow()->GetColDataList()->GetCount(), 0);
}

TEST(ReaderCompanySettings, PreferencesGroupsAndCompanyServices) {
    IPreferencesRetPtr prefs =
        First("<PreferencesQueryRs statusCode=\"0\"><PreferencesRet>"
              "<AccountingPreferences><IsUsingAccountNumbers>false</IsUsingAccountNumbers>"
              "<ClosingDate>2010-12-31</ClosingDate></AccountingPreferences>"
              "<FinanceChargePreferences><AnnualInterestRate>18.5</AnnualInterestRate>"
              "<FinanceChargeAccountRef><ListID>8-1</ListID></FinanceChargeAccountRef>"
              "<CalculateChargesFrom>InvoiceOrBilledDate</CalculateChargesFrom>"
              "</FinanceChargePreferences>"
              "<SalesAndCustomersPreferences><PriceLevels><IsUsingPriceLevels>true"
              "</IsUsingPriceLevels></PriceLevels></SalesAndCustomersPreferences>"
              "<TimeTrackingPreferences><FirstDayOfWeek>Sunday</FirstDayOfWeek>"
              "</TimeTrackingPreferences></PreferencesRet></PreferencesQueryRs>")
            ->GetDetail();
    ASSERT_TRUE(prefs);
    EXPECT_EQ(prefs->GetAccountingPreferences()->GetIsUsingAccountNumbers()->GetValue(),
              VARIANT_FALSE);
    EXPECT_DOUBLE_EQ(prefs->GetAccountingPreferences()->GetClosingDate()->GetValue(), 40543.0);
    EXPECT_FALSE(prefs->GetAccountingPreferences()->GetIsUsingAuditTrail());
    EXPECT_DOUBLE_EQ(prefs->GetFinanceChargePreferences()->GetAnnualInterestRate()->GetValue(),
                     18.5);
    EXPECT_EQ(prefs->GetFinanceChargePreferences()->GetCalculateChargesFrom()->GetValue(),
              ccfInvoiceOrBilledDate);
    EXPECT_FALSE(prefs->GetFinanceChargePreferences()->GetFinanceChargeAccountRef()->GetFullName());
    EXPECT_EQ(prefs->GetSalesAndCustomersPreferences()
                  ->GetPriceLevels()
                  ->GetIsUsingPriceLevels()
                  ->GetValue(),
              VARIANT_TRUE);
    EXPECT_EQ(prefs->GetTimeTrackingPreferences()->GetFirstDayOfWeek()->GetValue(), fdowSunday);
    EXPECT_FALSE(prefs->GetMultiCurrencyPreferences());
    EXPECT_FALSE(prefs->GetCurrentAppAccessRights());

    ICompanyRetPtr company =
        First("<CompanyQueryRs statusCode=\"0\"><CompanyRet><IsSampleCompany>true"
              "</IsSampleCompany><CompanyName>Rock Castle</CompanyName>"
              "<FirstMonthFiscalYear>July</FirstMonthFiscalYear><TaxForm>Form1120S</TaxForm>"
              "<SubscribedServices><Service><Name>Payroll</Name><ServiceStatus>Active"
              "</ServiceStatus></Service><Service><Name>Bank</Name><Domain>banking</Domain>"
              "</Service></SubscribedServices><AccountantCopy><AccountantCopyExists>true"
              "</AccountantCopyExists></AccountantCopy></CompanyRet></CompanyQueryRs>")
            ->GetDetail();
    ASSERT_TRUE(company);
    EXPECT_EQ(company->GetIsSampleCompany()->GetValue(), VARIANT_TRUE);
    EXPECT_EQ(company->GetFirstMonthFiscalYear()->GetValue(), fmfyJuly);
    EXPECT_EQ(company->GetTaxForm()->GetValue(), tfForm1120S);
    IServiceListPtr services = company->GetSubscribedServices()->GetServiceList();
    ASSERT_EQ(services->GetCount(), 2);
    EXPECT_EQ(IServicePtr(services->GetAt(0))->GetServiceStatus()->GetValue(), ssActive);
    EXPECT_FALSE(IServicePtr(services->GetAt(0))->GetDomain());
    EXPECT_EQ(Utf8(IServicePtr(services->GetAt(1))->GetDomain()->GetValue()), "banking");
    EXPECT_EQ(company->GetAccountantCopy()->GetAccountantCopyExists()->GetValue(), VARIANT_TRUE);
    EXPECT_FALSE(company->GetAccountantCopy()->GetDividingDate());
    EXPECT_FALSE(company->GetAddress());
}

TEST(ReaderMalformed, TextThatIsNoResponseSetRaisesParseError) {
    struct Case {
        const char* name;
        std::string text;
    };
    std::string good = ResponseSet(kHostRs);
    const Case cases[] = {
        {"empty", ""},
        {"not XML", "QuickBooks is busy"},
        {"truncated", good.substr(0, good.size() / 2)},
        {"unclosed root", "<QBXML><QBXMLMsgsRs>"},
        {"other root", "<QBXMLX><QBXMLMsgsRs/></QBXMLX>"},
        {"request set", "<QBXML><QBXMLMsgsRq onError=\"stopOnError\"/></QBXML>"},
        {"no status code", ResponseSet("<HostQueryRs requestID=\"1\"/>")},
        {"status code not a number", ResponseSet("<HostQueryRs statusCode=\"zero\"/>")},
        {"status code too large", ResponseSet("<HostQueryRs statusCode=\"4294967296\"/>")},
        {"NUL bytes", ResponseSet("<HostQueryRs statusCode=\"0\">" + std::string(200, '\0'))},
    };
    for (const Case& c : cases) {
        try {
            ReadMsgSetResponse(c.text);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const _com_error& e) {
            EXPECT_EQ(e.Error(), QBFC_E_PARSE) << c.name;
            EXPECT_NE(Describe(e).find("could not be parsed"), std::string::npos) << c.name;
        }
    }
}

TEST(ReaderMalformed, DeepNestingIsRefusedNotRecursedInto) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    EXPECT_THROW(ReadMsgSetResponse(ResponseSet("<HostQueryRs statusCode=\"0\">" + deep)),
                 _com_error);
    std::string closed = deep;
    for (int i = 0; i < 100000; ++i)
        closed += "</a>";
    try {
        ReadMsgSetResponse(
            ResponseSet("<HostQueryRs statusCode=\"0\">" + closed + "</HostQueryRs>"));
        FAIL() << "no error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), QBFC_E_PARSE);
    }
}

TEST(ReaderMalformed, InvalidUtf8ReadsAsReplacementCharacters) {
    IHostRetPtr host = First("<HostQueryRs statusCode=\"0\"><HostRet><ProductName>Q\xC3\x28"
                             "B</ProductName></HostRet></HostQueryRs>")
                           ->GetDetail();
    EXPECT_EQ(Utf8(host->GetProductName()->GetValue()), "Q\xEF\xBF\xBD(B");
}

} // namespace
} // namespace qbfc
