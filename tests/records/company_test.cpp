#include "record_fields.h"
#include "records/company_info.h"
#include "records/company_prefs.h"

#include <gtest/gtest.h>

namespace records_test {
namespace {

QB_Service Service(const wchar_t* name, const wchar_t* domain, LONG status) {
    QB_Service s;
    s.Name = name;
    s.Domain = domain;
    s.ServiceStatus = status;
    return s;
}

TEST(QB_CompanyInfo, ClearEmptiesTheServices) {
    QB_CompanyInfo ci;
    QB_Service a = Service(L"Payroll", L"QBO", 1);
    QB_Service b = Service(L"Payments", L"QBMS", 2);
    ci.SubscribedServices.Add(a);
    ci.SubscribedServices.Add(b);
    ASSERT_EQ(ci.SubscribedServices.GetSize(), 2);
    ci.clear();
    EXPECT_EQ(ci.SubscribedServices.GetSize(), 0);
}

// Services are copied into the array; the array's element must not share the caller's
// record beyond the texts.
TEST(QB_CompanyInfo, AppendedServiceIsACopy) {
    QB_CompanyInfo ci;
    QB_Service s = Service(L"Payroll", L"QBO", 1);
    ci.SubscribedServices.Add(s);
    s.clear();
    EXPECT_EQ(Text(ci.SubscribedServices[0].Name), L"Payroll");
    EXPECT_EQ(ci.SubscribedServices[0].ServiceStatus, 1);
}

TEST(QB_Service, SelfAssignmentKeepsTheFields) {
    QB_Service s = Service(L"Payroll", L"QBO", 1);
    QB_Service& alias = s;
    s = alias;
    EXPECT_EQ(Text(s.Name), L"Payroll");
    EXPECT_EQ(Text(s.Domain), L"QBO");
    EXPECT_EQ(s.ServiceStatus, 1);
}

// The listing counts rows against the closing and dividing dates only when they are valid;
// a new record must name neither.
TEST(CompanyRecords, NewRecordsNameNoClosingOrDividingDate) {
    const QB_CompanyPreferences prefs;
    const QB_CompanyInfo info;
    EXPECT_EQ(prefs.ClosingDate.GetStatus(), COleDateTime::null);
    EXPECT_EQ(info.DividingDate.GetStatus(), COleDateTime::null);
    EXPECT_EQ(info.AccountantCopyExists, VARIANT_FALSE);
    EXPECT_EQ(info.IsSampleCompany, VARIANT_FALSE);
}

} // namespace
} // namespace records_test
