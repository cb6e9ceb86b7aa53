// The SDK's enumerations. Each is a plain 32-bit enum named as QBFC names it; a value's
// number is its position in the qbXML value list of the SDK generation that writes qbXML up
// to 8.0, and its qbXML text is the name after the prefix. The lists are tables: one line
// adds a value, its number and its text together.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#define QBFC_ENConnectionType(X)                                                                   \
    X(ct, Unknown) X(ct, LocalQBD) X(ct, RemoteQBD) X(ct, LocalQBDLaunchUI) X(ct, RemoteQBOE)
#define QBFC_ENOpenMode(X) X(om, SingleUser) X(om, MultiUser) X(om, DontCare)
#define QBFC_ENReportOpenBalanceAsOf(X) X(roba, ReportEndDate) X(roba, Today)
#define QBFC_ENLinkType(X) X(lt, AMTTYPE) X(lt, QUANTYPE)
#define QBFC_ENCalculateChargesFrom(X) X(ccf, DueDate) X(ccf, InvoiceOrBilledDate)
#define QBFC_ENAgingReportBasis(X) X(arb, AgeFromDueDate) X(arb, AgeFromTransactionDate)
#define QBFC_ENSummaryReportBasis(X) X(srb, Accrual) X(srb, Cash)
#define QBFC_ENFirstDayOfWeek(X)                                                                   \
    X(fdow, Monday)                                                                                \
    X(fdow, Tuesday) X(fdow, Wednesday) X(fdow, Thursday) X(fdow, Friday) X(fdow, Saturday)        \
        X(fdow, Sunday)
#define QBFC_MONTHS(X, p)                                                                          \
    X(p, January)                                                                                  \
    X(p, February) X(p, March) X(p, April) X(p, May) X(p, June) X(p, July) X(p, August)            \
        X(p, September) X(p, October) X(p, November) X(p, December)
#define QBFC_ENFirstMonthFiscalYear(X) QBFC_MONTHS(X, fmfy)
#define QBFC_ENFirstMonthIncomeTaxYear(X) QBFC_MONTHS(X, fmity)
#define QBFC_ENTaxForm(X)                                                                          \
    X(tf, Form1040)                                                                                \
    X(tf, Form1065) X(tf, Form1120) X(tf, Form1120S) X(tf, Form990) X(tf, Form990PF)               \
        X(tf, Form990T) X(tf, OtherOrNone)
#define QBFC_ENServiceStatus(X)                                                                    \
    X(ss, Active)                                                                                  \
    X(ss, Expired) X(ss, Never) X(ss, Pending) X(ss, Suspended) X(ss, Terminated) X(ss, Trial)
#define QBFC_ENQBFileMode(X) X(qbfm, MultiUser) X(qbfm, SingleUser)

#define QBFC_ENGeneralDetailReportType(X)                                                          \
    X(gdrt, 1099Detail)                                                                            \
    X(gdrt, AuditTrail) X(gdrt, BalanceSheetDetail) X(gdrt, CheckDetail) X(gdrt,                   \
                                                                           CustomerBalanceDetail)  \
        X(gdrt, DepositDetail) X(gdrt, EstimatesByJob) X(gdrt, ExpenseByVendorDetail)              \
            X(gdrt, GeneralLedger) X(gdrt, IncomeByCustomerDetail) X(gdrt, IncomeTaxDetail)        \
                X(gdrt, InventoryValuationDetail) X(gdrt, JobProgressInvoicesVsEstimates)          \
                    X(gdrt, Journal) X(gdrt, MissingChecks) X(gdrt, OpenInvoices) X(gdrt, OpenPOs) \
                        X(gdrt, OpenPOsByJob) X(gdrt, OpenSalesOrderByCustomer)                    \
                            X(gdrt, OpenSalesOrderByItem) X(gdrt, PendingSales)                    \
                                X(gdrt, ProfitAndLossDetail) X(gdrt, PurchaseByItemDetail)         \
                                    X(gdrt, PurchaseByVendorDetail) X(gdrt, SalesByCustomerDetail) \
                                        X(gdrt, SalesByItemDetail) X(gdrt, SalesByRepDetail)       \
                                            X(gdrt, TxnDetailByAccount) X(gdrt, TxnListByCustomer) \
                                                X(gdrt, TxnListByDate) X(gdrt, TxnListByVendor)    \
                                                    X(gdrt, UnpaidBillsDetail)                     \
                                                        X(gdrt, UnbilledCostsByJob)                \
                                                            X(gdrt, VendorBalanceDetail)

#define QBFC_ENIncludeColumn(X)                                                                    \
    X(ic, Account)                                                                                 \
    X(ic, Aging) X(ic, Amount) X(ic, AmountDifference) X(ic, AverageCost) X(ic, BilledDate) X(     \
        ic, BillingStatus) X(ic, CalculatedAmount) X(ic, Class) X(ic, ClearedStatus)               \
        X(ic, CostPrice) X(ic, Credit) X(ic, Date) X(ic, Debit) X(ic, DeliveryDate) X(ic, DueDate) \
            X(ic, EstimateActive) X(ic, FOB) X(ic, IncomeSubjectToTax) X(ic, Invoiced) X(ic, Item) \
                X(ic, ItemDesc) X(ic, LastModifiedBy) X(ic, LatestOrPriorState) X(ic, Memo) X(     \
                    ic, ModifiedTime) X(ic, Name) X(ic, NameAccountNumber) X(ic, NameAddress)      \
                    X(ic, NameCity) X(ic, NameContact) X(ic, NameEmail) X(ic, NameFax) X(          \
                        ic, NamePhone) X(ic, NameState) X(ic, NameZip) X(ic, OpenBalance)          \
                        X(ic, OriginalAmount) X(ic, PaidAmount) X(ic, PaidStatus)                  \
                            X(ic, PaidThroughDate) X(ic, PaymentMethod) X(ic, PayrollItem) X(      \
                                ic, PONumber) X(ic, PrintStatus)                                   \
                                X(ic, ProgressAmount) X(ic, ProgressPercent) X(ic, Quantity)       \
                                    X(ic, QuantityAvailable) X(ic, QuantityOnHand) X(              \
                                        ic, QuantityOnSalesOrder) X(ic, ReceivedQuantity)          \
                                        X(ic, RefNumber) X(ic, RunningBalance) X(ic, SalesRep) X(  \
                                            ic, SalesTaxCode) X(ic, ShipDate)                      \
                                            X(ic, ShipMethod) X(ic, SourceName)                    \
                                                X(ic,                                              \
                                                  SplitAccount) X(ic, SSNOrTaxID)                  \
                                                    X(ic, TaxLine) X(ic, TaxTableVersion)          \
                                                        X(ic, Terms) X(ic, TxnID) X(ic, TxnNumber) \
                                                            X(ic, TxnType) X(ic, UnitPrice)        \
                                                                X(ic, UserEdit) X(ic, ValueOnHand) \
                                                                    X(ic, WageBase)                \
                                                                        X(ic, WageBaseTips)

// Shares its prefix with ENConnectionType; the two lists have no name in common.
#define QBFC_ENColType(X)                                                                                       \
    X(ct, Account)                                                                                              \
    X(ct, Addr1) X(ct, Addr2) X(ct, Addr3) X(ct, Addr4) X(ct, Addr5) X(ct, Aging) X(ct, Amount)                 \
        X(ct, AmountDifference) X(ct, AverageCost) X(ct, BilledDate) X(ct, BillingStatus) X(                    \
            ct, Blank) X(ct, CalculatedAmount) X(ct, Class) X(ct, ClearedStatus) X(ct, CostPrice)               \
            X(ct, CreateDate) X(ct, Credit) X(ct, CustomField) X(ct, Date) X(ct, Debit) X(                      \
                ct, DeliveryDate) X(ct, DueDate) X(ct, Duration) X(ct, EarliestReceiptDate)                     \
                X(ct, EstimateActive) X(ct, FOB) X(ct, IncomeSubjectToTax) X(ct, Invoiced) X(                   \
                    ct, IsAdjustment) X(ct, Item) X(ct, ItemDesc) X(ct, ItemVendor) X(ct, Label)                \
                    X(ct, LastModifiedBy) X(ct, LatestOrPriorState) X(ct, Memo) X(                              \
                        ct, ModifiedTime) X(ct, Name)                                                           \
                        X(ct, NameAccountNumber) X(ct, NameAddress) X(ct, NameCity) X(                          \
                            ct, NameContact) X(ct, NameEmail) X(ct, NameFax)                                    \
                            X(ct, NamePhone) X(ct, NameState) X(ct, NameZip) X(ct, OpenBalance) X(              \
                                ct, OriginalAmount) X(ct, PaidAmount)                                           \
                                X(ct, PaidStatus) X(ct, PaidThroughDate) X(ct, PaymentMethod) X(                \
                                    ct, PayrollItem) X(ct, Percent)                                             \
                                    X(ct, PercentChange) X(ct, PercentOfTotalRetail) X(                         \
                                        ct, PercentOfTotalValue) X(ct,                                          \
                                                                   PhysicalCount) X(ct, PONumber)               \
                                        X(ct, PrintStatus) X(ct, ProgressAmount) X(                             \
                                            ct,                                                                 \
                                            ProgressPercent) X(ct,                                              \
                                                               Quantity) X(ct,                                  \
                                                                           QuantityAvailable) X(ct,             \
                                                                                                QuantityOnHand) \
                                            X(ct, QuantityOnOrder) X(ct, QuantityOnPendingBuild) X(             \
                                                ct,                                                             \
                                                QuantityOnSalesOrder) X(ct, ReceivedQuantity)                   \
                                                X(ct, RefNumber) X(ct, ReorderPoint) X(                         \
                                                    ct,                                                         \
                                                    RetailValueOnHand)                                          \
                                                    X(ct, RunningBalance) X(ct, SalesPerWeek) X(                \
                                                        ct,                                                     \
                                                        SalesRep) X(ct, SalesTaxCode)                           \
                                                        X(ct,                                                   \
                                                          ShipDate) X(ct, ShipMethod)                           \
                                                            X(ct, ShipToAddr1) X(ct, ShipToAddr2) X(            \
                                                                ct,                                             \
                                                                ShipToAddr3) X(ct, ShipToAddr4)                 \
                                                                X(ct, ShipToAddr5) X(ct, SONumber) X(           \
                                                                    ct,                                         \
                                                                    SourceName) X(ct, SplitAccount)             \
                                                                    X(ct, SSNOrTaxID) X(                        \
                                                                        ct,                                     \
                                                                        SuggestedReorder) X(ct, TaxLine)        \
                                                                        X(ct, TaxTableVersion) X(               \
                                                                            ct,                                 \
                                                                            Terms) X(ct, Total)                 \
                                                                            X(ct, TxnID) X(                     \
                                                                                ct,                             \
                                                                                TxnNumber) X(ct,                \
                                                                                             TxnType)           \
                                                                                X(ct, UnitPrice) X(             \
                                                                                    ct,                         \
                                                                                    UserEdit)                   \
                                                                                    X(ct,                       \
                                                                                      ValueOnHand)              \
                                                                                        X(ct,                   \
                                                                                          WageBase)             \
                                                                                            X(ct,               \
                                                                                              WageBaseTips)

#define QBFC_ENTxnType(X)                                                                          \
    X(tt, ARRefundCreditCard)                                                                      \
    X(tt, Bill) X(tt, BillPaymentCheck) X(tt, BillPaymentCreditCard) X(tt, BuildAssembly)          \
        X(tt, Charge) X(tt, Check) X(tt, CreditCardCharge) X(tt, CreditCardCredit)                 \
            X(tt, CreditMemo) X(tt, Deposit) X(tt, Estimate) X(tt, InventoryAdjustment)            \
                X(tt, Invoice) X(tt, ItemReceipt) X(tt, JournalEntry) X(tt, LiabilityAdjustment)   \
                    X(tt, Paycheck) X(tt, PayrollLiabilityCheck) X(tt, PurchaseOrder)              \
                        X(tt, ReceivePayment) X(tt, SalesOrder) X(tt, SalesReceipt)                \
                            X(tt, SalesTaxPaymentCheck) X(tt, Transfer) X(tt, VendorCredit)        \
                                X(tt, YTDAdjustment)

// Every enumeration that follows the position rule, with its table.
#define QBFC_ENUMS(E)                                                                              \
    E(ENConnectionType)                                                                            \
    E(ENOpenMode) E(ENReportOpenBalanceAsOf) E(ENLinkType) E(ENCalculateChargesFrom)               \
        E(ENAgingReportBasis) E(ENSummaryReportBasis) E(ENFirstDayOfWeek)                          \
            E(ENFirstMonthFiscalYear) E(ENFirstMonthIncomeTaxYear) E(ENTaxForm) E(ENServiceStatus) \
                E(ENQBFileMode) E(ENGeneralDetailReportType) E(ENIncludeColumn) E(ENColType)       \
                    E(ENTxnType)

#define QBFC_ENUM_MEMBER(prefix, name) prefix##name,
#define QBFC_ENUM_DECLARE(type) enum type { QBFC_##type(QBFC_ENUM_MEMBER) };
QBFC_ENUMS(QBFC_ENUM_DECLARE)
#undef QBFC_ENUM_DECLARE
#undef QBFC_ENUM_MEMBER

// The on-error attribute's names are not the identifiers' suffixes.
enum ENRqOnError { roeStop, roeContinue, roeRollback };

// Response types carry fixed ids instead of positions; 0 is ours, for a response of a kind
// this SDK does not know.
enum ENResponseType {
    rtUnknown = 0,
    rtHostQueryRs = 1008,
    rtPurchaseOrderQueryRs = 1041,
    rtCompanyQueryRs = 1077,
    rtPreferencesQueryRs = 1106,
    rtGeneralDetailReportQueryRs = 1137,
    rtPurchaseOrderModRs = 1156,
};

namespace qbfc {

template <typename E>
struct EnumNames; // specialised for every enumeration above: static std::span<...> names

#define QBFC_ENUM_NAME(prefix, name) #name,
#define QBFC_ENUM_TRAITS(type)                                                                     \
    template <>                                                                                    \
    struct EnumNames<type> {                                                                       \
        static constexpr std::string_view list[] = {QBFC_##type(QBFC_ENUM_NAME)};                  \
    };
QBFC_ENUMS(QBFC_ENUM_TRAITS)
#undef QBFC_ENUM_TRAITS
#undef QBFC_ENUM_NAME

template <>
struct EnumNames<ENRqOnError> {
    static constexpr std::string_view list[] = {"stopOnError", "continueOnError",
                                                "rollbackOnError"};
};

// The qbXML text of a value; empty for a number outside the list.
template <typename E>
constexpr std::string_view EnumName(E value) {
    auto names = std::span(EnumNames<E>::list);
    auto index = static_cast<long long>(value);
    return index >= 0 && index < static_cast<long long>(names.size()) ? names[index]
                                                                      : std::string_view();
}

template <typename E>
constexpr std::optional<E> EnumFromName(std::string_view text) {
    auto names = std::span(EnumNames<E>::list);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == text)
            return static_cast<E>(i);
    return std::nullopt;
}

} // namespace qbfc
