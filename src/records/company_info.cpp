#include "records/company_info.h"

QB_Service::QB_Service() {
    clear();
}

void QB_Service::clear() {
    Name = "";
    Domain = "";
    ServiceStatus = 0;
}

QB_CompanyInfo::QB_CompanyInfo() {
    clear();
}

void QB_CompanyInfo::clear() {
    IsSampleCompany = VARIANT_FALSE;
    CompanyName = "";
    LegalCompanyName = "";
    Address.clear();
    LegalAddress.clear();
    CompanyAddressForCustomer.clear();
    Phone = "";
    Fax = "";
    Email = "";
    CompanyWebSite = "";
    FirstMonthFiscalYear = 0;
    FirstMonthIncomeTaxYear = 0;
    CompanyType = "";
    EIN = "";
    SSN = "";
    TaxForm = 0;
    SubscribedServices.RemoveAll();
    AccountantCopyExists = VARIANT_FALSE;
    // A dividing date counts only once QuickBooks names one.
    DividingDate.SetStatus(COleDateTime::null);
}
