// The company file's information and its subscribed services, read once per run.
#pragma once

#include "platform/com/com.h"
#include "platform/mfc/afx.h"
#include "records/address.h"
#include "records/enum_values.h"

class QB_Service {
public:
    QB_Service();

    void clear();

    _bstr_t Name;
    _bstr_t Domain;
    ENServiceStatusValue ServiceStatus;
};

class QB_CompanyInfo {
public:
    QB_CompanyInfo();

    void clear();

    VARIANT_BOOL IsSampleCompany;
    _bstr_t CompanyName;
    _bstr_t LegalCompanyName;
    QB_Address Address;
    QB_Address LegalAddress;
    QB_Address CompanyAddressForCustomer;
    _bstr_t Phone;
    _bstr_t Fax;
    _bstr_t Email;
    _bstr_t CompanyWebSite;
    ENFirstMonthFiscalYearValue FirstMonthFiscalYear;
    ENFirstMonthIncomeTaxYearValue FirstMonthIncomeTaxYear;
    _bstr_t CompanyType;
    _bstr_t EIN;
    _bstr_t SSN;
    ENTaxFormValue TaxForm;
    CArray<QB_Service, QB_Service&> SubscribedServices;
    VARIANT_BOOL AccountantCopyExists;
    COleDateTime DividingDate;
};
