// The host, company and preferences queries.
#include "qbhost/preference_table.h"
#include "qbhost/qbxml_io.h"
#include "qbhost/request_handlers.h"

#include <array>

namespace qbhost::handlers {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

constexpr std::array<const char*, 8> kTaxForms = {"Form1040",  "Form1065",   "Form1120",
                                                  "Form1120S", "Form990",    "Form990PF",
                                                  "Form990T",  "OtherOrNone"};

template <std::size_t N>
const char* EnumName(const std::array<const char*, N>& names, int index, const char* fallback) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? names[static_cast<std::size_t>(index)]
               : fallback;
}

// Finds or appends the child that a dotted path needs, keeping groups together.
pugi::xml_node Descend(pugi::xml_node parent, std::string_view name) {
    pugi::xml_node last = parent.last_child();
    if (last && std::string_view(last.name()) == name)
        return last;
    return parent.append_child(std::string(name).c_str());
}

} // namespace

Status HostQuery(const pugi::xml_node&, pugi::xml_node& rs, Context& context) {
    const HostFacts& host = context.host;
    pugi::xml_node ret = rs.append_child("HostRet");
    qbxml::Add(ret, "ProductName", host.productName);
    qbxml::Add(ret, "MajorVersion", std::to_string(host.majorVersion));
    qbxml::Add(ret, "MinorVersion", std::to_string(host.minorVersion));
    qbxml::Add(ret, "Country", host.country);
    for (const auto& version : host.versions)
        qbxml::Add(ret, "SupportedQBXMLVersion", version);
    qbxml::AddBool(ret, "IsAutomaticLogin", false);
    qbxml::Add(ret, "QBFileMode", host.fileMode);
    return status::Ok();
}

Status CompanyQuery(const pugi::xml_node&, pugi::xml_node& rs, Context& context) {
    CompanyInfo company = context.file.ReadCompany();
    pugi::xml_node ret = rs.append_child("CompanyRet");
    qbxml::AddBool(ret, "IsSampleCompany", company.isSample);
    qbxml::AddIf(ret, "CompanyName", company.name);
    qbxml::AddIf(ret, "LegalCompanyName", company.legalName);
    qbxml::AddAddress(ret, "Address", company.address);
    qbxml::AddAddressBlock(ret, "AddressBlock", company.address);
    qbxml::AddAddress(ret, "LegalAddress", company.legalAddress);
    qbxml::AddAddress(ret, "CompanyAddressForCustomer", company.addressForCustomer);
    qbxml::AddAddressBlock(ret, "CompanyAddressBlockForCustomer", company.addressForCustomer);
    qbxml::AddIf(ret, "Phone", company.phone);
    qbxml::AddIf(ret, "Fax", company.fax);
    qbxml::AddIf(ret, "Email", company.email);
    qbxml::AddIf(ret, "CompanyWebSite", company.webSite);
    qbxml::Add(ret, "FirstMonthFiscalYear",
               EnumName(kMonths, company.firstMonthFiscalYear, "January"));
    qbxml::Add(ret, "FirstMonthIncomeTaxYear",
               EnumName(kMonths, company.firstMonthIncomeTaxYear, "January"));
    qbxml::AddIf(ret, "CompanyType", company.companyType);
    qbxml::AddIf(ret, "EIN", company.ein);
    qbxml::AddIf(ret, "SSN", company.ssn);
    qbxml::Add(ret, "TaxForm", EnumName(kTaxForms, company.taxForm, "OtherOrNone"));
    if (!company.services.empty()) {
        pugi::xml_node services = ret.append_child("SubscribedServices");
        for (const auto& entry : company.services) {
            pugi::xml_node service = services.append_child("Service");
            qbxml::Add(service, "Name", entry.name);
            qbxml::AddIf(service, "Domain", entry.domain);
            qbxml::AddIf(service, "ServiceStatus", entry.status);
        }
    }
    pugi::xml_node copy = ret.append_child("AccountantCopy");
    qbxml::AddBool(copy, "AccountantCopyExists", company.accountantCopy);
    if (company.accountantCopy)
        qbxml::AddIf(copy, "DividingDate", company.dividingDate);
    return status::Ok();
}

Status PreferencesQuery(const pugi::xml_node&, pugi::xml_node& rs, Context& context) {
    auto stored = context.file.Preferences();
    pugi::xml_node ret = rs.append_child("PreferencesRet");
    for (const auto& def : PreferenceTable()) {
        if (def.path == kExemptPoPreference)
            continue;
        auto found = stored.find(std::string(def.path));
        std::string value = found != stored.end() ? found->second : std::string(def.defaultValue);
        if (value.empty())
            continue;
        pugi::xml_node node = ret;
        std::string_view path = def.path;
        for (std::size_t dot; (dot = path.find('.')) != std::string_view::npos;
             path = path.substr(dot + 1))
            node = Descend(node, path.substr(0, dot));
        qbxml::Add(node, std::string(path).c_str(), value);
    }
    return status::Ok();
}

} // namespace qbhost::handlers
