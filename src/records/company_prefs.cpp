#include "records/company_prefs.h"

QB_CompanyPreferences::QB_CompanyPreferences() {
    clear();
}

void QB_CompanyPreferences::clear() {
    IsUsingAccountNumbers = VARIANT_TRUE;
    IsRequiringAccounts = VARIANT_TRUE;
    IsUsingClassTracking = VARIANT_TRUE;
    IsUsingAuditTrail = VARIANT_TRUE;
    IsAssigningJournalEntryNumbers = VARIANT_TRUE;
    // No closing date until QuickBooks names one; the listing tests the status.
    ClosingDate.SetStatus(COleDateTime::null);
    AnnualInterestRate = 0.0;
    MinFinanceCharge = 0.0;
    GracePeriod = 0;
    FinanceChargeAccountListID = "";
    FinanceChargeAccountFullName = "";
    IsAssessingForOverdueCharges = VARIANT_TRUE;
    CalculateChargesFrom = 0;
    IsMarkedToBePrinted = VARIANT_TRUE;
    IsUsingEstimates = VARIANT_TRUE;
    IsUsingProgressInvoicing = VARIANT_TRUE;
    IsPrintingItemsWithZeroAmounts = VARIANT_TRUE;
    IsMultiCurrencyOn = VARIANT_TRUE;
    HomeCurrencyListID = "";
    HomeCurrencyFullName = "";
    IsUsingInventory = VARIANT_TRUE;
    DaysBillsAreDue = 0;
    IsAutomaticallyUsingDiscounts = VARIANT_TRUE;
    DefaultDiscountAccountListID = "";
    DefaultDiscountAccountFullName = "";
    AgingReportBasis = 0;
    SummaryReportBasis = 0;
    DefaultShipMethodListID = "";
    DefaultShipMethodFullName = "";
    DefaultFOB = "";
    DefaultMarkup = 0.0;
    IsTrackingReimbursedExpensesAsIncome = VARIANT_TRUE;
    IsAutoApplyingPayments = VARIANT_TRUE;
    IsUsingPriceLevels = VARIANT_TRUE;
    IsRoundingSalesPriceUp = VARIANT_TRUE;
    DefaultItemSalesTaxListID = "";
    DefaultItemSalesTaxFullName = "";
    DefaultTaxableSalesTaxCodeListID = "";
    DefaultTaxableSalesTaxCodeFullName = "";
    DefaultNonTaxableSalesTaxCodeListID = "";
    DefaultNonTaxableSalesTaxCodeFullName = "";
    IsUsingVendorTaxCode = VARIANT_TRUE;
    IsUsingCustomerTaxCode = VARIANT_TRUE;
    IsUsingAmountsIncludeTax = VARIANT_TRUE;
    FirstDayOfWeek = 0;
    IsAutomaticLoginAllowed = VARIANT_TRUE;
    AutomaticLoginUserName = "";
    IsPersonalDataAccessAllowed = VARIANT_TRUE;
}
