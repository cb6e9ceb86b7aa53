// Host, company and preferences queries answer from the company file.
#include "host_fixture.h"

namespace qbhost::testing {
namespace {

std::vector<std::string> ChildNames(const pugi::xml_node& node) {
    std::vector<std::string> names;
    for (pugi::xml_node child : node.children())
        names.push_back(child.name());
    return names;
}

TEST(CompanyQueries, HostRetReportsProductVersionsAndCountry) {
    CompanyBuilder builder;
    builder.Host("product", "QuickBooks Premier 2011")
        .Host("country", "CA")
        .Host("versions", "3.0 7.0 8.0");
    HostSession session(builder.Build());
    pugi::xml_node ret = session.Send("<HostQueryRq/>").rs.child("HostRet");
    EXPECT_EQ(Text(ret, "ProductName"), "QuickBooks Premier 2011");
    EXPECT_EQ(Text(ret, "Country"), "CA");
    std::vector<std::string> versions;
    for (pugi::xml_node v : ret.children("SupportedQBXMLVersion"))
        versions.push_back(v.text().get());
    EXPECT_EQ(versions, (std::vector<std::string>{"3.0", "7.0", "8.0"}));
    EXPECT_EQ(ChildNames(ret), (std::vector<std::string>{
                                   "ProductName", "MajorVersion", "MinorVersion", "Country",
                                   "SupportedQBXMLVersion", "SupportedQBXMLVersion",
                                   "SupportedQBXMLVersion", "IsAutomaticLogin", "QBFileMode"}));
}

TEST(CompanyQueries, CompanyRetCarriesSampleFlagAndAccountantCopy) {
    struct {
        bool sample;
        const char* dividing; // empty: no accountant's copy
    } cases[] = {{true, "2011-01-31"}, {false, ""}};
    for (const auto& c : cases) {
        CompanyBuilder builder;
        builder.Company("sample", c.sample ? "true" : "false")
            .Company("addr1", "1 Main St")
            .Company("city", "Springfield")
            .Company("service", "Payroll | QBDT | Active");
        if (*c.dividing)
            builder.DividingDate(c.dividing);
        HostSession session(builder.Build());
        Answer answer = session.Send("<CompanyQueryRq/>");
        pugi::xml_node ret = answer.rs.child("CompanyRet");
        EXPECT_EQ(ChildNames(ret).front(), "IsSampleCompany");
        EXPECT_EQ(Text(ret, "IsSampleCompany"), c.sample ? "true" : "false");
        EXPECT_EQ(Text(ret, "Address/Addr1"), "1 Main St");
        EXPECT_EQ(Text(ret, "SubscribedServices/Service/Name"), "Payroll");
        EXPECT_EQ(ChildNames(ret).back(), "AccountantCopy");
        EXPECT_EQ(Text(ret, "AccountantCopy/AccountantCopyExists"), *c.dividing ? "true" : "false");
        EXPECT_EQ(Text(ret, "AccountantCopy/DividingDate"), c.dividing);
        EXPECT_EQ(bool(ret.first_element_by_path("AccountantCopy/DividingDate")), *c.dividing != 0);
    }
}

TEST(CompanyQueries, PreferencesRetHoldsTheTenGroupsInOrder) {
    CompanyBuilder builder;
    builder.ExemptPo(true).Setting("AccountingPreferences.IsUsingClassTracking", "true");
    HostSession session(builder.Build());
    pugi::xml_node ret = session.Send("<PreferencesQueryRq/>").rs.child("PreferencesRet");
    EXPECT_EQ(ChildNames(ret),
              (std::vector<std::string>{"AccountingPreferences", "FinanceChargePreferences",
                                        "JobsAndEstimatesPreferences", "MultiCurrencyPreferences",
                                        "PurchasesAndVendorsPreferences", "ReportsPreferences",
                                        "SalesAndCustomersPreferences", "SalesTaxPreferences",
                                        "TimeTrackingPreferences", "CurrentAppAccessRights"}));
    EXPECT_EQ(Text(ret, "AccountingPreferences/IsUsingClassTracking"), "true");
    EXPECT_TRUE(ret.first_element_by_path("SalesAndCustomersPreferences/PriceLevels"));
    // Without a closing date the element is absent; the exemption is never in the protocol.
    EXPECT_FALSE(ret.first_element_by_path("AccountingPreferences/ClosingDate"));
    std::ostringstream text;
    ret.print(text);
    EXPECT_EQ(text.str().find("exempt"), std::string::npos);
}

TEST(CompanyQueries, ClosingDateIsReportedWhenSet) {
    CompanyBuilder builder;
    builder.ClosingDate("2011-02-28");
    HostSession session(builder.Build());
    Answer answer = session.Send("<PreferencesQueryRq/>");
    EXPECT_EQ(Text(answer.rs, "PreferencesRet/AccountingPreferences/ClosingDate"), "2011-02-28");
}

} // namespace
} // namespace qbhost::testing
