#include "qbhost/company_file.h"

#include "qbhost/company_schema.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <stdexcept>

namespace qbhost {

namespace {

constexpr std::array<std::string_view, 7> kStateNames = {
    "none",         "no_file_open", "other_file_open",   "other_mode",
    "modal_dialog", "file_locked",  "single_user_other",
};

struct ListTable {
    ListKind kind;
    const char* table;
    const char* counter;
};

constexpr std::array<ListTable, 7> kListTables = {{
    {ListKind::Vendor, "vendors", "list"},
    {ListKind::Customer, "customers", "list"},
    {ListKind::Item, "items", "list"},
    {ListKind::Class, "classes", "list"},
    {ListKind::Terms, "terms", "list"},
    {ListKind::ShipMethod, "ship_methods", "list"},
    {ListKind::Template, "templates", "list"},
}};

const char* TableOf(ListKind kind) {
    for (const auto& entry : kListTables)
        if (entry.kind == kind)
            return entry.table;
    return "vendors";
}

Address ReadAddress(const sql::Statement& row, int first) {
    Address address;
    for (int i = 0; i < 5; ++i)
        address.addr[static_cast<std::size_t>(i)] = row.Text(first + i);
    address.city = row.Text(first + 5);
    address.state = row.Text(first + 6);
    address.postalCode = row.Text(first + 7);
    address.country = row.Text(first + 8);
    address.note = row.Text(first + 9);
    return address;
}

void BindAddress(sql::Statement& statement, int first, const Address& address) {
    for (int i = 0; i < 5; ++i)
        statement.BindOptional(first + i, address.addr[static_cast<std::size_t>(i)]);
    statement.BindOptional(first + 5, address.city);
    statement.BindOptional(first + 6, address.state);
    statement.BindOptional(first + 7, address.postalCode);
    statement.BindOptional(first + 8, address.country);
    statement.BindOptional(first + 9, address.note);
}

std::string Placeholders(int first, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i ? ", ?" : "?") + std::to_string(first + i);
    return out;
}

} // namespace

std::string_view HostStateName(HostState state) {
    return kStateNames[static_cast<std::size_t>(state)];
}

std::optional<HostState> HostStateFromName(std::string_view name) {
    for (std::size_t i = 0; i < kStateNames.size(); ++i)
        if (kStateNames[i] == name)
            return static_cast<HostState>(i);
    return std::nullopt;
}

std::string NowDateTime() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char buffer[40];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S+00:00", &utc);
    return buffer;
}

CompanyFile::CompanyFile(std::filesystem::path path, std::unique_ptr<sql::Database> db)
    : m_path(std::move(path)), m_db(std::move(db)) {
    m_db->Exec("PRAGMA foreign_keys = ON");
}

CompanyFile::~CompanyFile() = default;

CompanyFile CompanyFile::Open(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw std::runtime_error(file.string() + ": no such company file");
    std::unique_ptr<sql::Database> db;
    try {
        db = std::make_unique<sql::Database>(file, sql::Database::Open::ExistingOnly);
    } catch (const sql::Error& error) {
        throw std::runtime_error(error.what());
    }
    schema::Check(*db, file.string());
    return CompanyFile(file, std::move(db));
}

CompanyFile CompanyFile::Create(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec))
        throw std::runtime_error(file.string() + ": file exists");
    auto db = std::make_unique<sql::Database>(file, sql::Database::Open::Create);
    schema::Create(*db);
    return CompanyFile(file, std::move(db));
}

std::string CompanyFile::NewId(std::string_view counter) {
    auto update = m_db->Prepare("INSERT INTO counters VALUES (?1, 1) ON CONFLICT (name) DO "
                                "UPDATE SET value = value + 1 RETURNING value");
    update.Bind(1, counter);
    update.Step();
    std::int64_t value = update.Int(0);
    char buffer[48];
    // QuickBooks ids are a hexadecimal serial and the creation time.
    std::snprintf(buffer, sizeof buffer, "%llX-%s", static_cast<unsigned long long>(value),
                  NextEditSequence().c_str());
    return buffer;
}

std::string CompanyFile::NextEditSequence() {
    auto now = static_cast<std::int64_t>(std::time(nullptr));
    auto update = m_db->Prepare("INSERT INTO counters VALUES ('edit_sequence', ?1) ON CONFLICT "
                                "(name) DO UPDATE SET value = max(value + 1, ?1) RETURNING value");
    update.Bind(1, now);
    update.Step();
    return std::to_string(update.Int(0));
}

CompanyInfo CompanyFile::ReadCompany() {
    auto row = m_db->Prepare(
        "SELECT name, legal_name, " + schema::AddressColumns("a_") + ", " +
        schema::AddressColumns("l_") + ", " + schema::AddressColumns("c_") +
        ", phone, fax, email, web_site, first_month_fiscal_year, first_month_income_tax_year,"
        " company_type, ein, ssn, tax_form, is_sample, accountant_copy, dividing_date"
        " FROM company WHERE id = 1");
    CompanyInfo company;
    if (!row.Step())
        return company;
    company.name = row.Text(0);
    company.legalName = row.Text(1);
    company.address = ReadAddress(row, 2);
    company.legalAddress = ReadAddress(row, 12);
    company.addressForCustomer = ReadAddress(row, 22);
    company.phone = row.Text(32);
    company.fax = row.Text(33);
    company.email = row.Text(34);
    company.webSite = row.Text(35);
    company.firstMonthFiscalYear = static_cast<int>(row.Int(36));
    company.firstMonthIncomeTaxYear = static_cast<int>(row.Int(37));
    company.companyType = row.Text(38);
    company.ein = row.Text(39);
    company.ssn = row.Text(40);
    company.taxForm = static_cast<int>(row.Int(41));
    company.isSample = row.Int(42) != 0;
    company.accountantCopy = row.Int(43) != 0;
    company.dividingDate = row.Text(44);
    auto services = m_db->Prepare("SELECT name, domain, status FROM services ORDER BY position");
    while (services.Step())
        company.services.push_back({services.Text(0), services.Text(1), services.Text(2)});
    return company;
}

void CompanyFile::WriteCompany(const CompanyInfo& company) {
    auto update = m_db->Prepare(
        "UPDATE company SET (name, legal_name, " + schema::AddressColumns("a_") + ", " +
        schema::AddressColumns("l_") + ", " + schema::AddressColumns("c_") +
        ", phone, fax, email, web_site, first_month_fiscal_year, first_month_income_tax_year,"
        " company_type, ein, ssn, tax_form, is_sample, accountant_copy, dividing_date) = (" +
        Placeholders(1, 45) + ") WHERE id = 1");
    update.BindOptional(1, company.name).BindOptional(2, company.legalName);
    BindAddress(update, 3, company.address);
    BindAddress(update, 13, company.legalAddress);
    BindAddress(update, 23, company.addressForCustomer);
    update.BindOptional(33, company.phone)
        .BindOptional(34, company.fax)
        .BindOptional(35, company.email)
        .BindOptional(36, company.webSite)
        .Bind(37, std::int64_t{company.firstMonthFiscalYear})
        .Bind(38, std::int64_t{company.firstMonthIncomeTaxYear})
        .BindOptional(39, company.companyType)
        .BindOptional(40, company.ein)
        .BindOptional(41, company.ssn)
        .Bind(42, std::int64_t{company.taxForm})
        .Bind(43, std::int64_t{company.isSample})
        .Bind(44, std::int64_t{company.accountantCopy})
        .BindOptional(45, company.dividingDate);
    update.Run();
    m_db->Exec("DELETE FROM services");
    auto insert = m_db->Prepare("INSERT INTO services (name, domain, status) VALUES (?1, ?2, ?3)");
    for (const auto& service : company.services) {
        insert.Reset();
        insert.Bind(1, service.name)
            .BindOptional(2, service.domain)
            .BindOptional(3, service.status);
        insert.Run();
    }
}

HostFacts CompanyFile::ReadHost() {
    auto row = m_db->Prepare("SELECT product_name, major_version, minor_version, country,"
                             " versions, state, file_mode FROM host WHERE id = 1");
    HostFacts host;
    if (!row.Step())
        return host;
    host.productName = row.Text(0);
    host.majorVersion = static_cast<int>(row.Int(1));
    host.minorVersion = static_cast<int>(row.Int(2));
    host.country = row.Text(3);
    std::istringstream versions(row.Text(4));
    for (std::string version; versions >> version;)
        host.versions.push_back(version);
    host.state = HostStateFromName(row.Text(5)).value_or(HostState::None);
    host.fileMode = row.Text(6);
    return host;
}

void CompanyFile::WriteHost(const HostFacts& host) {
    std::string versions;
    for (const auto& version : host.versions)
        versions += (versions.empty() ? "" : " ") + version;
    auto update = m_db->Prepare("UPDATE host SET (product_name, major_version, minor_version,"
                                " country, versions, state, file_mode) = (?1, ?2, ?3, ?4, ?5,"
                                " ?6, ?7) WHERE id = 1");
    update.Bind(1, host.productName)
        .Bind(2, std::int64_t{host.majorVersion})
        .Bind(3, std::int64_t{host.minorVersion})
        .Bind(4, host.country)
        .Bind(5, versions)
        .Bind(6, HostStateName(host.state))
        .Bind(7, host.fileMode);
    update.Run();
}

std::optional<std::string> CompanyFile::Preference(std::string_view key) {
    auto row = m_db->Prepare("SELECT value FROM preferences WHERE key = ?1");
    row.Bind(1, key);
    if (!row.Step())
        return std::nullopt;
    return row.Text(0);
}

void CompanyFile::SetPreference(std::string_view key, std::string_view value) {
    if (value.empty()) {
        auto erase = m_db->Prepare("DELETE FROM preferences WHERE key = ?1");
        erase.Bind(1, key).Run();
        return;
    }
    auto upsert = m_db->Prepare("INSERT INTO preferences VALUES (?1, ?2) ON CONFLICT (key) DO "
                                "UPDATE SET value = excluded.value");
    upsert.Bind(1, key).Bind(2, value).Run();
}

std::map<std::string, std::string> CompanyFile::Preferences() {
    std::map<std::string, std::string> out;
    auto rows = m_db->Prepare("SELECT key, value FROM preferences");
    while (rows.Step())
        out[rows.Text(0)] = rows.Text(1);
    return out;
}

std::optional<ListRef> CompanyFile::FindList(ListKind kind, std::string_view name, bool create) {
    std::string table = TableOf(kind);
    auto row = m_db->Prepare("SELECT list_id, name FROM " + table + " WHERE name = ?1");
    row.Bind(1, name);
    if (row.Step())
        return ListRef{row.Text(0), row.Text(1)};
    if (!create || name.empty())
        return std::nullopt;
    ListRef ref{NewId("list"), std::string(name)};
    auto insert = m_db->Prepare("INSERT INTO " + table +
                                " (list_id, name, time_created) VALUES (?1, ?2, ?3)");
    insert.Bind(1, ref.listId).Bind(2, ref.fullName).Bind(3, NowDateTime()).Run();
    return ref;
}

ListRef CompanyFile::AddVendor(std::string_view name, const Address& address) {
    ListRef ref{NewId("list"), std::string(name)};
    auto insert = m_db->Prepare("INSERT INTO vendors (list_id, name, time_created, " +
                                schema::AddressColumns("") + ") VALUES (?1, ?2, ?3, " +
                                Placeholders(4, 10) + ")");
    insert.Bind(1, ref.listId).Bind(2, ref.fullName).Bind(3, NowDateTime());
    BindAddress(insert, 4, address);
    insert.Run();
    return ref;
}

std::optional<Address> CompanyFile::VendorAddress(std::string_view listId) {
    auto row =
        m_db->Prepare("SELECT " + schema::AddressColumns("") + " FROM vendors WHERE list_id = ?1");
    row.Bind(1, listId);
    if (!row.Step())
        return std::nullopt;
    return ReadAddress(row, 0);
}

ListRef CompanyFile::AddItem(std::string_view name, bool isGroup, std::string_view desc,
                             std::optional<double> rate) {
    ListRef ref{NewId("list"), std::string(name)};
    auto insert = m_db->Prepare("INSERT INTO items (list_id, name, time_created, is_group,"
                                " description, rate) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    insert.Bind(1, ref.listId)
        .Bind(2, ref.fullName)
        .Bind(3, NowDateTime())
        .Bind(4, std::int64_t{isGroup})
        .BindOptional(5, desc)
        .Bind(6, rate);
    insert.Run();
    return ref;
}

std::optional<CompanyFile::ItemFacts> CompanyFile::FindItem(std::string_view name) {
    auto row = m_db->Prepare(
        "SELECT list_id, name, is_group, description, rate FROM items WHERE name = ?1");
    row.Bind(1, name);
    if (!row.Step())
        return std::nullopt;
    return ItemFacts{{row.Text(0), row.Text(1)}, row.Int(2) != 0, row.Text(3), row.OptionalReal(4)};
}

std::string CompanyFile::ResolveList(ListKind kind, const ListRef& ref) {
    if (ref.empty())
        return {};
    std::string table = TableOf(kind);
    auto row = m_db->Prepare("SELECT list_id FROM " + table + " WHERE list_id = ?1 OR name = ?2");
    row.Bind(1, ref.listId).Bind(2, ref.fullName);
    if (!row.Step())
        throw std::runtime_error("no " + table + " entry named \"" + ref.fullName + "\"");
    return row.Text(0);
}

} // namespace qbhost
