// The fields of each record with a clear(), grouped by kind as record_fields.h expects.
#pragma once

#include "record_fields.h"
#include "records/company_info.h"
#include "records/company_prefs.h"
#include "records/purchase_order.h"
#include "records/qb_error.h"

#define FIELD(T, name)                                                                             \
    { #name, &T::name }

namespace records_test {

inline RecordFields<QB_Address> AddressTable() {
    using T = QB_Address;
    RecordFields<T> f;
    f.strings = {FIELD(T, Addr1),   FIELD(T, Addr2), FIELD(T, Addr3),      FIELD(T, Addr4),
                 FIELD(T, Addr5),   FIELD(T, City),  FIELD(T, PostalCode), FIELD(T, State),
                 FIELD(T, Country), FIELD(T, Note)};
    return f;
}

// The transaction header as part of a derived record, so both share one table.
template <typename T>
void AddTxnHeader(RecordFields<T>& f) {
    using H = QB_TxnHeader;
    f.numbers.insert(f.numbers.end(), {FIELD(H, Reserved1), FIELD(H, TxnNumber)});
    f.keptStrings.insert(f.keptStrings.end(), {FIELD(H, Reserved2)});
    f.strings.insert(f.strings.end(),
                     {FIELD(H, TxnID), FIELD(H, EditSequence), FIELD(H, RefNumber)});
    f.dates.insert(f.dates.end(),
                   {FIELD(H, TimeCreated), FIELD(H, TimeModified), FIELD(H, TxnDate)});
    f.refs.insert(f.refs.end(), {FIELD(H, VendorRef), FIELD(H, Reserved3)});
    f.doubles.insert(f.doubles.end(), {FIELD(H, TotalAmount)});
}

inline RecordFields<QB_TxnHeader> TxnHeaderTable() {
    RecordFields<QB_TxnHeader> f;
    AddTxnHeader(f);
    return f;
}

template <typename T>
RecordFields<T> PurchaseOrderHeaderTable() {
    using P = QB_PurchaseOrderHeader;
    RecordFields<T> f;
    AddTxnHeader(f);
    f.refs.insert(f.refs.end(),
                  {FIELD(P, ClassRef), FIELD(P, InventorySiteRef), FIELD(P, ShipToEntityRef),
                   FIELD(P, TemplateRef), FIELD(P, TermsRef), FIELD(P, ShipMethodRef),
                   FIELD(P, CurrencyRef), FIELD(P, Reserved6)});
    f.addresses.insert(f.addresses.end(), {FIELD(P, VendorAddress), FIELD(P, ShipAddress)});
    f.dates.insert(f.dates.end(), {FIELD(P, DueDate), FIELD(P, ExpectedDate)});
    f.strings.insert(f.strings.end(), {FIELD(P, FOB), FIELD(P, Memo), FIELD(P, VendorMsg),
                                       FIELD(P, Other1), FIELD(P, Other2)});
    f.doubles.insert(f.doubles.end(), {FIELD(P, Reserved4), FIELD(P, ExchangeRate),
                                       FIELD(P, TotalAmountInHomeCurrency)});
    f.booleans.insert(f.booleans.end(),
                      {FIELD(P, IsManuallyClosed), FIELD(P, IsFullyReceived),
                       FIELD(P, IsToBePrinted), FIELD(P, IsToBeEmailed), FIELD(P, Reserved5)});
    return f;
}

inline RecordFields<QB_PurchaseOrderLineitem> LineitemTable() {
    using T = QB_PurchaseOrderLineitem;
    RecordFields<T> f;
    f.strings = {FIELD(T, Reserved1),
                 FIELD(T, TxnLineID),
                 FIELD(T, Reserved2),
                 FIELD(T, Reserved3),
                 FIELD(T, ManufacturerPartNumber),
                 FIELD(T, Desc),
                 FIELD(T, UnitOfMeasure),
                 FIELD(T, Other1),
                 FIELD(T, Other2),
                 FIELD(T, ParentTxnLineID)};
    f.keptStrings = {FIELD(T, ParentTxnID)};
    f.refs = {FIELD(T, ItemRef),     FIELD(T, OverrideUOMSetRef), FIELD(T, ClassRef),
              FIELD(T, CustomerRef), FIELD(T, Reserved4),         FIELD(T, Reserved5)};
    f.doubles = {FIELD(T, Quantity), FIELD(T, Rate), FIELD(T, Amount), FIELD(T, ReceivedQuantity),
                 FIELD(T, TotalAmount)};
    f.dates = {FIELD(T, ServiceDate)};
    f.booleans = {FIELD(T, IsManuallyClosed), FIELD(T, Reserved6), FIELD(T, IsGroupLine),
                  FIELD(T, IsPrintItemsInGroup)};
    f.numbers = {FIELD(T, GroupLineCount)};
    return f;
}

inline RecordFields<LinkTxnLineDetail> LineDetailTable() {
    using T = LinkTxnLineDetail;
    RecordFields<T> f;
    f.numbers = {FIELD(T, Reserved1), FIELD(T, Reserved2)};
    f.strings = {FIELD(T, TxnLineID)};
    f.doubles = {FIELD(T, Amount)};
    return f;
}

inline RecordFields<QB_TxnLink> TxnLinkTable() {
    using T = QB_TxnLink;
    RecordFields<T> f;
    f.numbers = {FIELD(T, Reserved1), FIELD(T, ParentTxnType), FIELD(T, TxnType),
                 FIELD(T, LinkType)};
    f.strings = {FIELD(T, ParentTxnID), FIELD(T, TxnID), FIELD(T, RefNumber)};
    f.dates = {FIELD(T, TxnDate)};
    f.doubles = {FIELD(T, Amount), FIELD(T, Reserved2), FIELD(T, Reserved3), FIELD(T, Reserved5),
                 FIELD(T, Reserved6)};
    f.refs = {FIELD(T, Reserved4)};
    return f;
}

inline RecordFields<QB_CompanyPreferences> PreferencesTable() {
    using T = QB_CompanyPreferences;
    RecordFields<T> f;
    f.clearedBoolean = VARIANT_TRUE;
    f.booleans = {FIELD(T, IsUsingAccountNumbers),
                  FIELD(T, IsRequiringAccounts),
                  FIELD(T, IsUsingClassTracking),
                  FIELD(T, IsUsingAuditTrail),
                  FIELD(T, IsAssigningJournalEntryNumbers),
                  FIELD(T, IsAssessingForOverdueCharges),
                  FIELD(T, IsMarkedToBePrinted),
                  FIELD(T, IsUsingEstimates),
                  FIELD(T, IsUsingProgressInvoicing),
                  FIELD(T, IsPrintingItemsWithZeroAmounts),
                  FIELD(T, IsMultiCurrencyOn),
                  FIELD(T, IsUsingInventory),
                  FIELD(T, IsAutomaticallyUsingDiscounts),
                  FIELD(T, IsTrackingReimbursedExpensesAsIncome),
                  FIELD(T, IsAutoApplyingPayments),
                  FIELD(T, IsUsingPriceLevels),
                  FIELD(T, IsRoundingSalesPriceUp),
                  FIELD(T, IsUsingVendorTaxCode),
                  FIELD(T, IsUsingCustomerTaxCode),
                  FIELD(T, IsUsingAmountsIncludeTax),
                  FIELD(T, IsAutomaticLoginAllowed),
                  FIELD(T, IsPersonalDataAccessAllowed)};
    f.dates = {FIELD(T, ClosingDate)};
    f.doubles = {FIELD(T, AnnualInterestRate), FIELD(T, MinFinanceCharge), FIELD(T, DefaultMarkup)};
    f.numbers = {FIELD(T, GracePeriod),        FIELD(T, CalculateChargesFrom),
                 FIELD(T, DaysBillsAreDue),    FIELD(T, AgingReportBasis),
                 FIELD(T, SummaryReportBasis), FIELD(T, FirstDayOfWeek)};
    f.strings = {FIELD(T, FinanceChargeAccountListID),
                 FIELD(T, FinanceChargeAccountFullName),
                 FIELD(T, HomeCurrencyListID),
                 FIELD(T, HomeCurrencyFullName),
                 FIELD(T, DefaultDiscountAccountListID),
                 FIELD(T, DefaultDiscountAccountFullName),
                 FIELD(T, DefaultShipMethodListID),
                 FIELD(T, DefaultShipMethodFullName),
                 FIELD(T, DefaultFOB),
                 FIELD(T, DefaultItemSalesTaxListID),
                 FIELD(T, DefaultItemSalesTaxFullName),
                 FIELD(T, DefaultTaxableSalesTaxCodeListID),
                 FIELD(T, DefaultTaxableSalesTaxCodeFullName),
                 FIELD(T, DefaultNonTaxableSalesTaxCodeListID),
                 FIELD(T, DefaultNonTaxableSalesTaxCodeFullName),
                 FIELD(T, AutomaticLoginUserName)};
    return f;
}

inline RecordFields<QB_CompanyInfo> CompanyInfoTable() {
    using T = QB_CompanyInfo;
    RecordFields<T> f;
    f.booleans = {FIELD(T, IsSampleCompany), FIELD(T, AccountantCopyExists)};
    f.strings = {
        FIELD(T, CompanyName), FIELD(T, LegalCompanyName), FIELD(T, Phone),       FIELD(T, Fax),
        FIELD(T, Email),       FIELD(T, CompanyWebSite),   FIELD(T, CompanyType), FIELD(T, EIN),
        FIELD(T, SSN)};
    f.addresses = {FIELD(T, Address), FIELD(T, LegalAddress), FIELD(T, CompanyAddressForCustomer)};
    f.numbers = {FIELD(T, FirstMonthFiscalYear), FIELD(T, FirstMonthIncomeTaxYear),
                 FIELD(T, TaxForm)};
    f.dates = {FIELD(T, DividingDate)};
    return f;
}

inline RecordFields<QB_Service> ServiceTable() {
    using T = QB_Service;
    RecordFields<T> f;
    f.strings = {FIELD(T, Name), FIELD(T, Domain)};
    f.numbers = {FIELD(T, ServiceStatus)};
    return f;
}

inline RecordFields<QB_Error> ErrorTable() {
    using T = QB_Error;
    RecordFields<T> f;
    f.numbers = {FIELD(T, StatusCode)};
    f.strings = {FIELD(T, StatusMessage), FIELD(T, StatusSeverity)};
    return f;
}

} // namespace records_test

#undef FIELD
