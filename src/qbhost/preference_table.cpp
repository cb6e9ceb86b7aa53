#include "qbhost/preference_table.h"

#include "qbhost/qbxml_io.h"

#include <array>
#include <charconv>

namespace qbhost {

namespace {

constexpr std::array<std::string_view, 2> kChargesFrom = {"DueDate", "InvoiceOrBilledDate"};
constexpr std::array<std::string_view, 2> kAgingBasis = {"AgeFromDueDate",
                                                         "AgeFromTransactionDate"};
constexpr std::array<std::string_view, 2> kSummaryBasis = {"Accrual", "Cash"};
constexpr std::array<std::string_view, 7> kWeekDays = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

using K = PreferenceKind;

const std::array<PreferenceDef, 49> kTable = {{
    {"AccountingPreferences.IsUsingAccountNumbers", K::Bool, "false"},
    {"AccountingPreferences.IsRequiringAccounts", K::Bool, "true"},
    {"AccountingPreferences.IsUsingClassTracking", K::Bool, "false"},
    {"AccountingPreferences.IsUsingAuditTrail", K::Bool, "true"},
    {"AccountingPreferences.IsAssigningJournalEntryNumbers", K::Bool, "true"},
    {kClosingDatePreference, K::Date, ""},
    {"FinanceChargePreferences.AnnualInterestRate", K::Number, "0.00"},
    {"FinanceChargePreferences.MinFinanceCharge", K::Number, "0.00"},
    {"FinanceChargePreferences.GracePeriod", K::Int, "0"},
    {"FinanceChargePreferences.FinanceChargeAccountRef.ListID", K::Text, ""},
    {"FinanceChargePreferences.FinanceChargeAccountRef.FullName", K::Text, ""},
    {"FinanceChargePreferences.IsAssessingForOverdueCharges", K::Bool, "false"},
    {"FinanceChargePreferences.CalculateChargesFrom", K::Enum, "DueDate", kChargesFrom},
    {"FinanceChargePreferences.IsMarkedToBePrinted", K::Bool, "false"},
    {"JobsAndEstimatesPreferences.IsUsingEstimates", K::Bool, "true"},
    {"JobsAndEstimatesPreferences.IsUsingProgressInvoicing", K::Bool, "false"},
    {"JobsAndEstimatesPreferences.IsPrintingItemsWithZeroAmounts", K::Bool, "false"},
    {"MultiCurrencyPreferences.IsMultiCurrencyOn", K::Bool, "false"},
    {"MultiCurrencyPreferences.HomeCurrencyRef.ListID", K::Text, ""},
    {"MultiCurrencyPreferences.HomeCurrencyRef.FullName", K::Text, ""},
    {"PurchasesAndVendorsPreferences.IsUsingInventory", K::Bool, "true"},
    {"PurchasesAndVendorsPreferences.DaysBillsAreDue", K::Int, "10"},
    {"PurchasesAndVendorsPreferences.IsAutomaticallyUsingDiscounts", K::Bool, "false"},
    {"PurchasesAndVendorsPreferences.DefaultDiscountAccountRef.ListID", K::Text, ""},
    {"PurchasesAndVendorsPreferences.DefaultDiscountAccountRef.FullName", K::Text, ""},
    {"ReportsPreferences.AgingReportBasis", K::Enum, "AgeFromDueDate", kAgingBasis},
    {"ReportsPreferences.SummaryReportBasis", K::Enum, "Accrual", kSummaryBasis},
    {"SalesAndCustomersPreferences.DefaultShipMethodRef.ListID", K::Text, ""},
    {"SalesAndCustomersPreferences.DefaultShipMethodRef.FullName", K::Text, ""},
    {"SalesAndCustomersPreferences.DefaultFOB", K::Text, ""},
    {"SalesAndCustomersPreferences.DefaultMarkup", K::Number, "0.00"},
    {"SalesAndCustomersPreferences.IsTrackingReimbursedExpensesAsIncome", K::Bool, "false"},
    {"SalesAndCustomersPreferences.IsAutoApplyingPayments", K::Bool, "true"},
    {"SalesAndCustomersPreferences.PriceLevels.IsUsingPriceLevels", K::Bool, "true"},
    {"SalesAndCustomersPreferences.PriceLevels.IsRoundingSalesPriceUp", K::Bool, "false"},
    {"SalesTaxPreferences.DefaultItemSalesTaxRef.ListID", K::Text, ""},
    {"SalesTaxPreferences.DefaultItemSalesTaxRef.FullName", K::Text, ""},
    {"SalesTaxPreferences.DefaultTaxableSalesTaxCodeRef.ListID", K::Text, ""},
    {"SalesTaxPreferences.DefaultTaxableSalesTaxCodeRef.FullName", K::Text, "Tax"},
    {"SalesTaxPreferences.DefaultNonTaxableSalesTaxCodeRef.ListID", K::Text, ""},
    {"SalesTaxPreferences.DefaultNonTaxableSalesTaxCodeRef.FullName", K::Text, "Non"},
    {"SalesTaxPreferences.IsUsingVendorTaxCode", K::Bool, "false"},
    {"SalesTaxPreferences.IsUsingCustomerTaxCode", K::Bool, "false"},
    {"SalesTaxPreferences.IsUsingAmountsIncludeTax", K::Bool, "false"},
    {"TimeTrackingPreferences.FirstDayOfWeek", K::Enum, "Monday", kWeekDays},
    {"CurrentAppAccessRights.IsAutomaticLoginAllowed", K::Bool, "false"},
    {"CurrentAppAccessRights.AutomaticLoginUserName", K::Text, ""},
    {"CurrentAppAccessRights.IsPersonalDataAccessAllowed", K::Bool, "false"},
    {kExemptPoPreference, K::Bool, "false"},
}};

} // namespace

std::span<const PreferenceDef> PreferenceTable() {
    return kTable;
}

const PreferenceDef* FindPreference(std::string_view path) {
    for (const auto& def : kTable)
        if (def.path == path)
            return &def;
    return nullptr;
}

bool IsValidPreferenceValue(const PreferenceDef& def, std::string_view value) {
    switch (def.kind) {
    case K::Bool:
        return value == "true" || value == "false";
    case K::Date:
        return value.empty() || qbxml::IsValidDate(value);
    case K::Int: {
        long number = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        return error == std::errc() && end == value.data() + value.size();
    }
    case K::Number: {
        double number = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        return error == std::errc() && end == value.data() + value.size();
    }
    case K::Enum:
        for (auto name : def.enumValues)
            if (name == value)
                return true;
        return false;
    case K::Text:
        return true;
    }
    return false;
}

} // namespace qbhost
