#include "qbhost/company_description.h"

#include "qbhost/preference_table.h"
#include "qbhost/qbxml_io.h"

#include <charconv>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

namespace qbhost {

namespace {

std::string Trim(std::string_view text) {
    auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Fields(std::string_view value) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        auto bar = value.find('|', start);
        out.push_back(Trim(value.substr(start, bar == std::string_view::npos ? bar : bar - start)));
        if (bar == std::string_view::npos)
            return out;
        start = bar + 1;
    }
}

bool ParseBool(std::string_view value) {
    if (value == "true" || value == "yes" || value == "1")
        return true;
    if (value == "false" || value == "no" || value == "0")
        return false;
    throw std::runtime_error("\"" + std::string(value) + "\" is not true or false");
}

double ParseNumber(std::string_view value) {
    double number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        throw std::runtime_error("\"" + std::string(value) + "\" is not a number");
    return number;
}

std::string ParseDate(std::string_view value) {
    if (!qbxml::IsValidDate(value))
        throw std::runtime_error("\"" + std::string(value) + "\" is not a yyyy-mm-dd date");
    return std::string(value);
}

int MonthIndex(std::string_view value) {
    static constexpr std::string_view kMonths[] = {"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
    for (int i = 0; i < 12; ++i)
        if (kMonths[i] == value)
            return i;
    throw std::runtime_error("\"" + std::string(value) + "\" is not a month name");
}

bool SetAddressField(Address& address, std::string_view key, const std::string& value) {
    static constexpr std::string_view kAddr[] = {"addr1", "addr2", "addr3", "addr4", "addr5"};
    for (std::size_t i = 0; i < 5; ++i)
        if (key == kAddr[i]) {
            address.addr[i] = value;
            return true;
        }
    std::map<std::string_view, std::string*> fields = {{"city", &address.city},
                                                       {"state", &address.state},
                                                       {"postal_code", &address.postalCode},
                                                       {"country", &address.country},
                                                       {"note", &address.note}};
    auto found = fields.find(key);
    if (found == fields.end())
        return false;
    *found->second = value;
    return true;
}

struct Entry {
    int line;
    std::string key, value;
};

struct Section {
    std::string name;
    int line;
    std::vector<Entry> entries;
    std::string Get(std::string_view key) const {
        for (const auto& entry : entries)
            if (entry.key == key)
                return entry.value;
        return {};
    }
};

std::vector<Section> Parse(std::string_view text) {
    std::vector<Section> sections;
    std::istringstream in{std::string(text)};
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                throw std::runtime_error("line " + std::to_string(number) + ": bad section");
            sections.push_back({Trim(line.substr(1, line.size() - 2)), number, {}});
            continue;
        }
        auto equals = line.find('=');
        if (equals == std::string::npos || sections.empty())
            throw std::runtime_error("line " + std::to_string(number) +
                                     ": expected \"key = value\" inside a section");
        sections.back().entries.push_back(
            {number, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))});
    }
    return sections;
}

void ApplyCompany(CompanyInfo& company, const Entry& entry) {
    const std::string& v = entry.value;
    if (SetAddressField(company.address, entry.key, v))
        return;
    std::map<std::string_view, std::function<void()>> setters = {
        {"name", [&] { company.name = v; }},
        {"legal_name", [&] { company.legalName = v; }},
        {"phone", [&] { company.phone = v; }},
        {"fax", [&] { company.fax = v; }},
        {"email", [&] { company.email = v; }},
        {"web_site", [&] { company.webSite = v; }},
        {"company_type", [&] { company.companyType = v; }},
        {"ein", [&] { company.ein = v; }},
        {"first_month_fiscal_year", [&] { company.firstMonthFiscalYear = MonthIndex(v); }},
        {"first_month_income_tax_year", [&] { company.firstMonthIncomeTaxYear = MonthIndex(v); }},
        {"sample", [&] { company.isSample = ParseBool(v); }},
        {"accountant_copy", [&] { company.accountantCopy = ParseBool(v); }},
        {"dividing_date", [&] { company.dividingDate = ParseDate(v); }},
        {"service",
         [&] {
             auto f = Fields(v);
             f.resize(3);
             company.services.push_back({f[0], f[1], f[2]});
         }},
    };
    auto found = setters.find(entry.key);
    if (found == setters.end())
        throw std::runtime_error("unknown company key \"" + entry.key + "\"");
    found->second();
}

PoLine MakeLine(CompanyFile& file, const std::string& value, bool group) {
    auto f = Fields(value);
    PoLine line;
    if (f[0].empty())
        throw std::runtime_error("a line needs an item");
    auto item = file.FindItem(f[0]);
    if (!item)
        item = CompanyFile::ItemFacts{file.AddItem(f[0], group, "", std::nullopt), group, "", {}};
    if (item->isGroup != group)
        throw std::runtime_error("item \"" + f[0] + "\" is " + (group ? "not " : "") +
                                 "an item group");
    line.item = item->ref;
    line.isGroup = group;
    line.desc = item->desc;
    if (f.size() > 1 && !f[1].empty())
        line.quantity = ParseNumber(f[1]);
    if (!group) {
        line.rate = f.size() > 2 && !f[2].empty() ? std::optional(ParseNumber(f[2])) : item->rate;
        if (f.size() > 3)
            line.desc = f[3];
    } else {
        line.isPrintItemsInGroup = true;
    }
    return line;
}

void ApplyPo(CompanyFile& file, const Section& section) {
    PurchaseOrder po;
    for (const auto& entry : section.entries) {
        const std::string& v = entry.value;
        try {
            if (entry.key == "ref")
                po.refNumber = v;
            else if (entry.key == "date")
                po.txnDate = ParseDate(v);
            else if (entry.key == "vendor")
                po.vendor = *file.FindList(ListKind::Vendor, v, true);
            else if (entry.key == "expected")
                po.expectedDate = ParseDate(v);
            else if (entry.key == "due")
                po.dueDate = ParseDate(v);
            else if (entry.key == "terms")
                po.terms = *file.FindList(ListKind::Terms, v, true);
            else if (entry.key == "ship_method")
                po.shipMethod = *file.FindList(ListKind::ShipMethod, v, true);
            else if (entry.key == "class")
                po.classRef = *file.FindList(ListKind::Class, v, true);
            else if (entry.key == "ship_to")
                po.shipTo = *file.FindList(ListKind::Customer, v, true);
            else if (entry.key == "fob")
                po.fob = v;
            else if (entry.key == "memo")
                po.memo = v;
            else if (entry.key == "vendor_msg")
                po.vendorMsg = v;
            else if (entry.key == "closed")
                po.isManuallyClosed = ParseBool(v);
            else if (entry.key == "line")
                po.lines.push_back(MakeLine(file, v, false));
            else if (entry.key == "group")
                po.lines.push_back(MakeLine(file, v, true));
            else if (entry.key == "member") {
                PoLine member = MakeLine(file, v, false);
                member.groupLineId = "member";
                po.lines.push_back(member);
            } else
                throw std::runtime_error("unknown po key \"" + entry.key + "\"");
        } catch (const std::runtime_error& error) {
            throw std::runtime_error("line " + std::to_string(entry.line) + ": " + error.what());
        }
    }
    if (po.vendor.empty() || po.txnDate.empty())
        throw std::runtime_error("line " + std::to_string(section.line) +
                                 ": a [po] needs a vendor and a date");
    if (po.isManuallyClosed)
        for (auto& line : po.lines)
            line.isManuallyClosed = true;
    file.AddPurchaseOrder(std::move(po));
}

void ApplyReceipt(CompanyFile& file, const Section& section) {
    auto ids = file.PurchaseOrdersByRef(section.Get("po"));
    if (ids.size() != 1)
        throw std::runtime_error("line " + std::to_string(section.line) +
                                 ": a [receipt] names one po by its ref");
    PurchaseOrder po = *file.LoadPurchaseOrder(ids.front());
    std::vector<const PoLine*> itemLines;
    for (const auto& line : po.lines)
        if (!line.isGroup)
            itemLines.push_back(&line);
    LinkedTxn link;
    link.txnType = section.Get("type").empty() ? "ItemReceipt" : section.Get("type");
    link.txnDate = section.Get("date");
    link.refNumber = section.Get("ref");
    for (const auto& entry : section.entries) {
        if (entry.key != "receive")
            continue;
        auto f = Fields(entry.value);
        f.resize(2);
        auto index = static_cast<std::size_t>(ParseNumber(f[0]));
        if (index < 1 || index > itemLines.size())
            throw std::runtime_error("line " + std::to_string(entry.line) +
                                     ": no such line of the po");
        const PoLine& line = *itemLines[index - 1];
        double quantity = f[1].empty() ? line.quantity.value_or(0) : ParseNumber(f[1]);
        link.lines.push_back({line.txnLineId, quantity, ToCents(quantity * line.rate.value_or(0))});
    }
    if (link.txnType != "ItemReceipt" && link.txnType != "Bill")
        throw std::runtime_error("line " + std::to_string(section.line) +
                                 ": a receipt's type is ItemReceipt or Bill");
    if (!qbxml::IsValidDate(link.txnDate) || link.lines.empty())
        throw std::runtime_error("line " + std::to_string(section.line) +
                                 ": a [receipt] needs a date and receive entries");
    file.AddLinkedTxn(po.txnId, std::move(link));
}

void ApplyListSection(CompanyFile& file, const Section& section, ListKind kind) {
    std::string name = section.Get("name");
    if (name.empty())
        throw std::runtime_error("line " + std::to_string(section.line) + ": needs a name");
    if (kind == ListKind::Vendor) {
        Address address;
        for (const auto& entry : section.entries)
            if (entry.key != "name" && !SetAddressField(address, entry.key, entry.value))
                throw std::runtime_error("line " + std::to_string(entry.line) +
                                         ": unknown vendor key \"" + entry.key + "\"");
        file.AddVendor(name, address);
    } else if (kind == ListKind::Item) {
        std::string rate = section.Get("rate");
        file.AddItem(name, ParseBool(section.Get("group").empty() ? "false" : section.Get("group")),
                     section.Get("desc"),
                     rate.empty() ? std::nullopt : std::optional(ParseNumber(rate)));
    } else {
        file.FindList(kind, name, true);
    }
}

} // namespace

void ApplySetting(CompanyFile& file, std::string_view key, std::string_view rawValue) {
    std::string value(rawValue);
    CompanyInfo company = file.ReadCompany();
    HostFacts host = file.ReadHost();
    auto none = [&] { return value == "none" || value.empty(); };
    if (key == "closing-date" || key == "closing_date") {
        file.SetPreference(kClosingDatePreference, none() ? "" : ParseDate(value));
    } else if (key == "exempt-po" || key == kExemptPoPreference) {
        file.SetPreference(kExemptPoPreference, ParseBool(value) ? "true" : "false");
    } else if (key == "dividing-date" || key == "dividing_date") {
        company.dividingDate = none() ? "" : ParseDate(value);
        company.accountantCopy = !none();
        file.WriteCompany(company);
    } else if (key == "accountant-copy" || key == "accountant_copy") {
        company.accountantCopy = ParseBool(value);
        file.WriteCompany(company);
    } else if (key == "sample") {
        company.isSample = ParseBool(value);
        file.WriteCompany(company);
    } else if (key == "product") {
        host.productName = value;
        file.WriteHost(host);
    } else if (key == "major" || key == "minor") {
        (key == "major" ? host.majorVersion : host.minorVersion) =
            static_cast<int>(ParseNumber(value));
        file.WriteHost(host);
    } else if (key == "country") {
        if (value != "US" && value != "CA" && value != "UK" && value != "OZ")
            throw std::runtime_error("country is one of US, CA, UK, OZ");
        host.country = value;
        file.WriteHost(host);
    } else if (key == "versions") {
        host.versions.clear();
        std::istringstream in(value);
        for (std::string version; in >> version;) {
            ParseNumber(version);
            host.versions.push_back(version);
        }
        file.WriteHost(host);
    } else if (key == "state") {
        auto state = HostStateFromName(value);
        if (!state)
            throw std::runtime_error("unknown host state \"" + value + "\"");
        host.state = *state;
        file.WriteHost(host);
    } else if (key == "file-mode" || key == "file_mode") {
        if (value != "MultiUser" && value != "SingleUser")
            throw std::runtime_error("file mode is MultiUser or SingleUser");
        host.fileMode = value;
        file.WriteHost(host);
    } else if (const PreferenceDef* def = FindPreference(key)) {
        if (!IsValidPreferenceValue(*def, value))
            throw std::runtime_error("\"" + value + "\" is not a valid value of " +
                                     std::string(key));
        file.SetPreference(key, value);
    } else {
        throw std::runtime_error("unknown setting \"" + std::string(key) + "\"");
    }
}

void LoadDescription(CompanyFile& file, std::string_view text) {
    std::vector<Section> sections = Parse(text);
    sql::Transaction transaction(file.db(), sql::Transaction::Kind::Write);
    static const std::map<std::string_view, ListKind> kLists = {
        {"vendor", ListKind::Vendor},
        {"item", ListKind::Item},
        {"class", ListKind::Class},
        {"terms", ListKind::Terms},
        {"ship_method", ListKind::ShipMethod},
        {"customer", ListKind::Customer},
        {"template", ListKind::Template}};
    for (const auto& section : sections) {
        try {
            if (section.name == "company") {
                CompanyInfo company = file.ReadCompany();
                for (const auto& entry : section.entries)
                    ApplyCompany(company, entry);
                file.WriteCompany(company);
            } else if (section.name == "preferences" || section.name == "host") {
                for (const auto& entry : section.entries)
                    ApplySetting(file, entry.key, entry.value);
            } else if (auto list = kLists.find(section.name); list != kLists.end()) {
                ApplyListSection(file, section, list->second);
            } else if (section.name == "po") {
                ApplyPo(file, section);
            } else if (section.name == "receipt") {
                ApplyReceipt(file, section);
            } else {
                throw std::runtime_error("unknown section [" + section.name + "]");
            }
        } catch (const std::runtime_error& error) {
            std::string what = error.what();
            if (what.rfind("line ", 0) == 0)
                throw;
            throw std::runtime_error("line " + std::to_string(section.line) + ": " + what);
        }
    }
    transaction.Commit();
}

} // namespace qbhost
