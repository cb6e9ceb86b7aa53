// The company file's preferences, read once per run.
#pragma once

#include "platform/com/com.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/afx.h"
#include "records/enum_values.h"

// Each SDK reference is held as two strings (ListID, FullName). The booleans clear to true
// (-1), not false.
class QB_CompanyPreferences {
public:
    QB_CompanyPreferences();

    void clear();

    VARIANT_BOOL IsUsingAccountNumbers;
    VARIANT_BOOL IsRequiringAccounts;
    VARIANT_BOOL IsUsingClassTracking;
    VARIANT_BOOL IsUsingAuditTrail;
    VARIANT_BOOL IsAssigningJournalEntryNumbers;
    COleDateTime ClosingDate;
    double AnnualInterestRate;
    double MinFinanceCharge;
    LONG GracePeriod;
    _bstr_t FinanceChargeAccountListID;
    _bstr_t FinanceChargeAccountFullName;
    VARIANT_BOOL IsAssessingForOverdueCharges;
    ENCalculateChargesFromValue CalculateChargesFrom;
    VARIANT_BOOL IsMarkedToBePrinted;
    VARIANT_BOOL IsUsingEstimates;
    VARIANT_BOOL IsUsingProgressInvoicing;
    VARIANT_BOOL IsPrintingItemsWithZeroAmounts;
    VARIANT_BOOL IsMultiCurrencyOn;
    _bstr_t HomeCurrencyListID;
    _bstr_t HomeCurrencyFullName;
    VARIANT_BOOL IsUsingInventory;
    LONG DaysBillsAreDue;
    VARIANT_BOOL IsAutomaticallyUsingDiscounts;
    _bstr_t DefaultDiscountAccountListID;
    _bstr_t DefaultDiscountAccountFullName;
    ENAgingReportBasisValue AgingReportBasis;
    ENSummaryReportBasisValue SummaryReportBasis;
    _bstr_t DefaultShipMethodListID;
    _bstr_t DefaultShipMethodFullName;
    _bstr_t DefaultFOB;
    double DefaultMarkup;
    VARIANT_BOOL IsTrackingReimbursedExpensesAsIncome;
    VARIANT_BOOL IsAutoApplyingPayments;
    VARIANT_BOOL IsUsingPriceLevels;
    VARIANT_BOOL IsRoundingSalesPriceUp;
    _bstr_t DefaultItemSalesTaxListID;
    _bstr_t DefaultItemSalesTaxFullName;
    _bstr_t DefaultTaxableSalesTaxCodeListID;
    _bstr_t DefaultTaxableSalesTaxCodeFullName;
    _bstr_t DefaultNonTaxableSalesTaxCodeListID;
    _bstr_t DefaultNonTaxableSalesTaxCodeFullName;
    VARIANT_BOOL IsUsingVendorTaxCode;
    VARIANT_BOOL IsUsingCustomerTaxCode;
    VARIANT_BOOL IsUsingAmountsIncludeTax;
    ENFirstDayOfWeekValue FirstDayOfWeek;
    VARIANT_BOOL IsAutomaticLoginAllowed;
    _bstr_t AutomaticLoginUserName;
    VARIANT_BOOL IsPersonalDataAccessAllowed;
};
