// The company query and the company information it returns.
#pragma once

#include "qbfc/common_elements.h"

#define QBFC_TABLE_ICompanyQuery(V, A, S, SI, L)                                                   \
    L(IncludeRetElementList, IBSTRList, "IncludeRetElement")
QBFC_INTERFACE(ICompanyQuery, QBFC_TABLE_ICompanyQuery);

#define QBFC_TABLE_IService(V, A, S, SI, L)                                                        \
    V(Name, IQBStringType) V(Domain, IQBStringType) V(ServiceStatus, IQBENServiceStatusType)
QBFC_INTERFACE(IService, QBFC_TABLE_IService);
QBFC_LIST_INTERFACE(IServiceList, IService);

#define QBFC_TABLE_ISubscribedServices(V, A, S, SI, L) L(ServiceList, IServiceList, "Service")
QBFC_INTERFACE(ISubscribedServices, QBFC_TABLE_ISubscribedServices);

#define QBFC_TABLE_IAccountantCopy(V, A, S, SI, L)                                                 \
    V(AccountantCopyExists, IQBBoolType) V(DividingDate, IQBDateType)
QBFC_INTERFACE(IAccountantCopy, QBFC_TABLE_IAccountantCopy);

#define QBFC_TABLE_ICompanyRet(V, A, S, SI, L)                                                     \
    V(IsSampleCompany, IQBBoolType)                                                                \
    V(CompanyName, IQBStringType) V(LegalCompanyName, IQBStringType) A(Address, IAddress)          \
        A(LegalAddress, IAddress) A(CompanyAddressForCustomer, IAddress) V(Phone, IQBStringType)   \
            V(Fax, IQBStringType) V(Email, IQBStringType) V(CompanyWebSite, IQBStringType)         \
                V(FirstMonthFiscalYear, IQBENFirstMonthFiscalYearType)                             \
                    V(FirstMonthIncomeTaxYear, IQBENFirstMonthIncomeTaxYearType)                   \
                        V(CompanyType, IQBStringType) V(EIN, IQBStringType) V(SSN, IQBStringType)  \
                            V(TaxForm, IQBENTaxFormType)                                           \
                                A(SubscribedServices, ISubscribedServices)                         \
                                    A(AccountantCopy, IAccountantCopy)
QBFC_INTERFACE(ICompanyRet, QBFC_TABLE_ICompanyRet);
