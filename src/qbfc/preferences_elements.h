// The preferences query and the ten preference groups it returns.
#pragma once

#include "qbfc/common_elements.h"

#define QBFC_TABLE_IPreferencesQuery(V, A, S, SI, L)                                               \
    L(IncludeRetElementList, IBSTRList, "IncludeRetElement")
QBFC_INTERFACE(IPreferencesQuery, QBFC_TABLE_IPreferencesQuery);

#define QBFC_TABLE_IAccountingPreferences(V, A, S, SI, L)                                          \
    V(IsUsingAccountNumbers, IQBBoolType)                                                          \
    V(IsRequiringAccounts, IQBBoolType) V(IsUsingClassTracking, IQBBoolType)                       \
        V(IsUsingAuditTrail, IQBBoolType) V(IsAssigningJournalEntryNumbers, IQBBoolType)           \
            V(ClosingDate, IQBDateType)
QBFC_INTERFACE(IAccountingPreferences, QBFC_TABLE_IAccountingPreferences);

#define QBFC_TABLE_IFinanceChargePreferences(V, A, S, SI, L)                                       \
    V(AnnualInterestRate, IQBPercentType)                                                          \
    V(MinFinanceCharge, IQBAmountType) V(GracePeriod, IQBIntType)                                  \
        A(FinanceChargeAccountRef, IQBBaseRef) V(IsAssessingForOverdueCharges, IQBBoolType)        \
            V(CalculateChargesFrom, IQBENCalculateChargesFromType)                                 \
                V(IsMarkedToBePrinted, IQBBoolType)
QBFC_INTERFACE(IFinanceChargePreferences, QBFC_TABLE_IFinanceChargePreferences);

#define QBFC_TABLE_IJobsAndEstimatesPreferences(V, A, S, SI, L)                                    \
    V(IsUsingEstimates, IQBBoolType)                                                               \
    V(IsUsingProgressInvoicing, IQBBoolType) V(IsPrintingItemsWithZeroAmounts, IQBBoolType)
QBFC_INTERFACE(IJobsAndEstimatesPreferences, QBFC_TABLE_IJobsAndEstimatesPreferences);

#define QBFC_TABLE_IMultiCurrencyPreferences(V, A, S, SI, L)                                       \
    V(IsMultiCurrencyOn, IQBBoolType) A(HomeCurrencyRef, IQBBaseRef)
QBFC_INTERFACE(IMultiCurrencyPreferences, QBFC_TABLE_IMultiCurrencyPreferences);

#define QBFC_TABLE_IPurchasesAndVendorsPreferences(V, A, S, SI, L)                                 \
    V(IsUsingInventory, IQBBoolType)                                                               \
    V(DaysBillsAreDue, IQBIntType) V(IsAutomaticallyUsingDiscounts, IQBBoolType)                   \
        A(DefaultDiscountAccountRef, IQBBaseRef)
QBFC_INTERFACE(IPurchasesAndVendorsPreferences, QBFC_TABLE_IPurchasesAndVendorsPreferences);

#define QBFC_TABLE_IReportsPreferences(V, A, S, SI, L)                                             \
    V(AgingReportBasis, IQBENAgingReportBasisType)                                                 \
    V(SummaryReportBasis, IQBENSummaryReportBasisType)
QBFC_INTERFACE(IReportsPreferences, QBFC_TABLE_IReportsPreferences);

#define QBFC_TABLE_IPriceLevels(V, A, S, SI, L)                                                    \
    V(IsUsingPriceLevels, IQBBoolType) V(IsRoundingSalesPriceUp, IQBBoolType)
QBFC_INTERFACE(IPriceLevels, QBFC_TABLE_IPriceLevels);

#define QBFC_TABLE_ISalesAndCustomersPreferences(V, A, S, SI, L)                                   \
    A(DefaultShipMethodRef, IQBBaseRef)                                                            \
    V(DefaultFOB, IQBStringType) V(DefaultMarkup, IQBPercentType)                                  \
        V(IsTrackingReimbursedExpensesAsIncome, IQBBoolType)                                       \
            V(IsAutoApplyingPayments, IQBBoolType) A(PriceLevels, IPriceLevels)
QBFC_INTERFACE(ISalesAndCustomersPreferences, QBFC_TABLE_ISalesAndCustomersPreferences);

#define QBFC_TABLE_ISalesTaxPreferences(V, A, S, SI, L)                                            \
    A(DefaultItemSalesTaxRef, IQBBaseRef)                                                          \
    A(DefaultTaxableSalesTaxCodeRef, IQBBaseRef) A(DefaultNonTaxableSalesTaxCodeRef, IQBBaseRef)   \
        V(IsUsingVendorTaxCode, IQBBoolType) V(IsUsingCustomerTaxCode, IQBBoolType)                \
            V(IsUsingAmountsIncludeTax, IQBBoolType)
QBFC_INTERFACE(ISalesTaxPreferences, QBFC_TABLE_ISalesTaxPreferences);

#define QBFC_TABLE_ITimeTrackingPreferences(V, A, S, SI, L)                                        \
    V(FirstDayOfWeek, IQBENFirstDayOfWeekType)
QBFC_INTERFACE(ITimeTrackingPreferences, QBFC_TABLE_ITimeTrackingPreferences);

#define QBFC_TABLE_ICurrentAppAccessRights(V, A, S, SI, L)                                         \
    V(IsAutomaticLoginAllowed, IQBBoolType)                                                        \
    V(AutomaticLoginUserName, IQBStringType) V(IsPersonalDataAccessAllowed, IQBBoolType)
QBFC_INTERFACE(ICurrentAppAccessRights, QBFC_TABLE_ICurrentAppAccessRights);

#define QBFC_TABLE_IPreferencesRet(V, A, S, SI, L)                                                 \
    A(AccountingPreferences, IAccountingPreferences)                                               \
    A(FinanceChargePreferences, IFinanceChargePreferences)                                         \
    A(JobsAndEstimatesPreferences, IJobsAndEstimatesPreferences)                                   \
    A(MultiCurrencyPreferences, IMultiCurrencyPreferences)                                         \
    A(PurchasesAndVendorsPreferences, IPurchasesAndVendorsPreferences)                             \
    A(ReportsPreferences, IReportsPreferences)                                                     \
    A(SalesAndCustomersPreferences, ISalesAndCustomersPreferences)                                 \
    A(SalesTaxPreferences, ISalesTaxPreferences)                                                   \
    A(TimeTrackingPreferences, ITimeTrackingPreferences)                                           \
    A(CurrentAppAccessRights, ICurrentAppAccessRights)
QBFC_INTERFACE(IPreferencesRet, QBFC_TABLE_IPreferencesRet);
