#include "qb/qbio.h"

namespace {

template <class Ptr, class T>
void Copy(Ptr source, T& dest) {
    if (source)
        dest = static_cast<T>(source->GetValue());
}

void CopyDate(IQBDateTypePtr source, COleDateTime& dest) {
    if (!source)
        return;
    dest.m_dt = source->GetValue();
    dest.SetStatus(COleDateTime::valid);
}

void CopyRef(IQBBaseRefPtr ref, _bstr_t& listID, _bstr_t& fullName) {
    if (!ref)
        return;
    Copy(ref->GetListID(), listID);
    Copy(ref->GetFullName(), fullName);
}

// Company addresses carry no Country.
void CopyAddress(IAddressPtr a, QB_Address& d) {
    if (!a)
        return;
    Copy(a->GetAddr1(), d.Addr1);
    Copy(a->GetAddr2(), d.Addr2);
    Copy(a->GetAddr3(), d.Addr3);
    Copy(a->GetAddr4(), d.Addr4);
    Copy(a->GetAddr5(), d.Addr5);
    Copy(a->GetCity(), d.City);
    Copy(a->GetState(), d.State);
    Copy(a->GetPostalCode(), d.PostalCode);
    Copy(a->GetNote(), d.Note);
}

} // namespace

bool QBIO::GetPreferences(QB_CompanyPreferences& Pref) {
    IMsgSetResponsePtr response;
    _bstr_t xml;
    try {
        m_pMsgSetRequest->ClearRequests();
        m_pMsgSetRequest->AppendPreferencesQueryRq();
        xml = m_pMsgSetRequest->ToXMLString();
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    response = SendXmlGuarded(xml);
    if (!response)
        return false;
    try {
        if (!QBResponseOK(response))
            LogToFile(xml);
        IResponseListPtr list = response->GetResponseList();
        if (!list || list->GetCount() == 0)
            return true;
        IPreferencesRetPtr ret = list->GetAt(0)->GetDetail();
        if (!ret)
            return true;
        if (IAccountingPreferencesPtr g = ret->GetAccountingPreferences()) {
            Copy(g->GetIsUsingAccountNumbers(), Pref.IsUsingAccountNumbers);
            Copy(g->GetIsRequiringAccounts(), Pref.IsRequiringAccounts);
            Copy(g->GetIsUsingClassTracking(), Pref.IsUsingClassTracking);
            Copy(g->GetIsUsingAuditTrail(), Pref.IsUsingAuditTrail);
            Copy(g->GetIsAssigningJournalEntryNumbers(), Pref.IsAssigningJournalEntryNumbers);
            CopyDate(g->GetClosingDate(), Pref.ClosingDate);
        }
        if (IFinanceChargePreferencesPtr g = ret->GetFinanceChargePreferences()) {
            Copy(g->GetAnnualInterestRate(), Pref.AnnualInterestRate);
            Copy(g->GetMinFinanceCharge(), Pref.MinFinanceCharge);
            Copy(g->GetGracePeriod(), Pref.GracePeriod);
            CopyRef(g->GetFinanceChargeAccountRef(), Pref.FinanceChargeAccountListID,
                    Pref.FinanceChargeAccountFullName);
            Copy(g->GetIsAssessingForOverdueCharges(), Pref.IsAssessingForOverdueCharges);
            Copy(g->GetCalculateChargesFrom(), Pref.CalculateChargesFrom);
            Copy(g->GetIsMarkedToBePrinted(), Pref.IsMarkedToBePrinted);
        }
        if (IJobsAndEstimatesPreferencesPtr g = ret->GetJobsAndEstimatesPreferences()) {
            Copy(g->GetIsUsingEstimates(), Pref.IsUsingEstimates);
            Copy(g->GetIsUsingProgressInvoicing(), Pref.IsUsingProgressInvoicing);
            Copy(g->GetIsPrintingItemsWithZeroAmounts(), Pref.IsPrintingItemsWithZeroAmounts);
        }
        if (IMultiCurrencyPreferencesPtr g = ret->GetMultiCurrencyPreferences()) {
            Copy(g->GetIsMultiCurrencyOn(), Pref.IsMultiCurrencyOn);
            CopyRef(g->GetHomeCurrencyRef(), Pref.HomeCurrencyListID, Pref.HomeCurrencyFullName);
        }
        if (IPurchasesAndVendorsPreferencesPtr g = ret->GetPurchasesAndVendorsPreferences()) {
            Copy(g->GetIsUsingInventory(), Pref.IsUsingInventory);
            Copy(g->GetDaysBillsAreDue(), Pref.DaysBillsAreDue);
            Copy(g->GetIsAutomaticallyUsingDiscounts(), Pref.IsAutomaticallyUsingDiscounts);
            CopyRef(g->GetDefaultDiscountAccountRef(), Pref.DefaultDiscountAccountListID,
                    Pref.DefaultDiscountAccountFullName);
        }
        if (IReportsPreferencesPtr g = ret->GetReportsPreferences()) {
            Copy(g->GetAgingReportBasis(), Pref.AgingReportBasis);
            Copy(g->GetSummaryReportBasis(), Pref.SummaryReportBasis);
        }
        if (ISalesAndCustomersPreferencesPtr g = ret->GetSalesAndCustomersPreferences()) {
            CopyRef(g->GetDefaultShipMethodRef(), Pref.DefaultShipMethodListID,
                    Pref.DefaultShipMethodFullName);
            Copy(g->GetDefaultFOB(), Pref.DefaultFOB);
            Copy(g->GetDefaultMarkup(), Pref.DefaultMarkup);
            Copy(g->GetIsTrackingReimbursedExpensesAsIncome(),
                 Pref.IsTrackingReimbursedExpensesAsIncome);
            Copy(g->GetIsAutoApplyingPayments(), Pref.IsAutoApplyingPayments);
            if (IPriceLevelsPtr p = g->GetPriceLevels()) {
                Copy(p->GetIsUsingPriceLevels(), Pref.IsUsingPriceLevels);
                Copy(p->GetIsRoundingSalesPriceUp(), Pref.IsRoundingSalesPriceUp);
            }
        }
        if (ISalesTaxPreferencesPtr g = ret->GetSalesTaxPreferences()) {
            CopyRef(g->GetDefaultItemSalesTaxRef(), Pref.DefaultItemSalesTaxListID,
                    Pref.DefaultItemSalesTaxFullName);
            CopyRef(g->GetDefaultTaxableSalesTaxCodeRef(), Pref.DefaultTaxableSalesTaxCodeListID,
                    Pref.DefaultTaxableSalesTaxCodeFullName);
            CopyRef(g->GetDefaultNonTaxableSalesTaxCodeRef(),
                    Pref.DefaultNonTaxableSalesTaxCodeListID,
                    Pref.DefaultNonTaxableSalesTaxCodeFullName);
            Copy(g->GetIsUsingVendorTaxCode(), Pref.IsUsingVendorTaxCode);
            Copy(g->GetIsUsingCustomerTaxCode(), Pref.IsUsingCustomerTaxCode);
            Copy(g->GetIsUsingAmountsIncludeTax(), Pref.IsUsingAmountsIncludeTax);
        }
        if (ITimeTrackingPreferencesPtr g = ret->GetTimeTrackingPreferences())
            Copy(g->GetFirstDayOfWeek(), Pref.FirstDayOfWeek);
        if (ICurrentAppAccessRightsPtr g = ret->GetCurrentAppAccessRights()) {
            Copy(g->GetIsAutomaticLoginAllowed(), Pref.IsAutomaticLoginAllowed);
            Copy(g->GetAutomaticLoginUserName(), Pref.AutomaticLoginUserName);
            Copy(g->GetIsPersonalDataAccessAllowed(), Pref.IsPersonalDataAccessAllowed);
        }
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    return true;
}

bool QBIO::GetCompanyInfo(QB_CompanyInfo& CI) {
    IMsgSetResponsePtr response;
    _bstr_t xml;
    try {
        m_pMsgSetRequest->ClearRequests();
        m_pMsgSetRequest->AppendCompanyQueryRq();
        xml = m_pMsgSetRequest->ToXMLString();
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    response = SendXmlGuarded(xml);
    if (!response)
        return false;
    try {
        if (!QBResponseOK(response))
            LogToFile(xml);
        IResponseListPtr list = response->GetResponseList();
        if (!list || list->GetCount() == 0)
            return true;
        ICompanyRetPtr ret = list->GetAt(0)->GetDetail();
        if (!ret)
            return true;
        // A return without the flag is taken as no sample file.
        if (IQBBoolTypePtr sample = ret->GetIsSampleCompany())
            CI.IsSampleCompany = sample->GetValue();
        Copy(ret->GetCompanyName(), CI.CompanyName);
        Copy(ret->GetLegalCompanyName(), CI.LegalCompanyName);
        CopyAddress(ret->GetAddress(), CI.Address);
        CopyAddress(ret->GetLegalAddress(), CI.LegalAddress);
        CopyAddress(ret->GetCompanyAddressForCustomer(), CI.CompanyAddressForCustomer);
        Copy(ret->GetPhone(), CI.Phone);
        Copy(ret->GetFax(), CI.Fax);
        Copy(ret->GetEmail(), CI.Email);
        Copy(ret->GetCompanyWebSite(), CI.CompanyWebSite);
        Copy(ret->GetFirstMonthFiscalYear(), CI.FirstMonthFiscalYear);
        Copy(ret->GetFirstMonthIncomeTaxYear(), CI.FirstMonthIncomeTaxYear);
        Copy(ret->GetCompanyType(), CI.CompanyType);
        Copy(ret->GetEIN(), CI.EIN);
        Copy(ret->GetSSN(), CI.SSN);
        Copy(ret->GetTaxForm(), CI.TaxForm);
        if (IAccountantCopyPtr copy = ret->GetAccountantCopy()) {
            Copy(copy->GetAccountantCopyExists(), CI.AccountantCopyExists);
            CopyDate(copy->GetDividingDate(), CI.DividingDate);
        }
        ISubscribedServicesPtr services = ret->GetSubscribedServices();
        IServiceListPtr serviceList = services ? services->GetServiceList() : nullptr;
        for (long i = 0; serviceList && i < serviceList->GetCount(); ++i) {
            IServicePtr service = serviceList->GetAt(i);
            QB_Service S;
            if (service) {
                Copy(service->GetName(), S.Name);
                Copy(service->GetDomain(), S.Domain);
                Copy(service->GetServiceStatus(), S.ServiceStatus);
            }
            CI.SubscribedServices.Add(S);
        }
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    return true;
}
