// A company file: one SQLite database (WAL, foreign keys on) holding the company, its
// preferences, the host's facts and state, the lists and the purchase orders with their
// lines and receipts. Callers group calls into one sql::Transaction per request.
#pragma once

#include "qbhost/company_model.h"
#include "qbhost/sqlite.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qbhost {

// The lists a purchase order refers to, by table name.
enum class ListKind { Vendor, Customer, Item, Class, Terms, ShipMethod, Template };

class CompanyFile {
public:
    // Opens an existing company file; throws std::runtime_error ("not a company file", or
    // SQLite's reason) when the file is missing or is something else.
    static CompanyFile Open(const std::filesystem::path& file);
    // Makes a new, empty company file; throws when the file exists.
    static CompanyFile Create(const std::filesystem::path& file);

    CompanyFile(CompanyFile&&) noexcept = default;
    ~CompanyFile();

    sql::Database& db() { return *m_db; }
    const std::filesystem::path& path() const { return m_path; }

    CompanyInfo ReadCompany();
    void WriteCompany(const CompanyInfo& company);

    HostFacts ReadHost();
    void WriteHost(const HostFacts& host);

    std::optional<std::string> Preference(std::string_view key);
    void SetPreference(std::string_view key, std::string_view value);
    std::map<std::string, std::string> Preferences();

    // Finds a list entry by name, creating it when create is set; nullopt when absent.
    std::optional<ListRef> FindList(ListKind kind, std::string_view name, bool create = false);
    ListRef AddVendor(std::string_view name, const Address& address);
    std::optional<Address> VendorAddress(std::string_view listId);
    ListRef AddItem(std::string_view name, bool isGroup, std::string_view desc,
                    std::optional<double> rate);
    struct ItemFacts {
        ListRef ref;
        bool isGroup = false;
        std::string desc;
        std::optional<double> rate;
    };
    std::optional<ItemFacts> FindItem(std::string_view name);

    // Assigns ids, the transaction number, the edit sequence and the times; each reference
    // is resolved by name and must exist. Returns the stored purchase order.
    PurchaseOrder AddPurchaseOrder(PurchaseOrder po);
    // Links a receipt or bill to a purchase order; the lines name purchase order lines.
    LinkedTxn AddLinkedTxn(std::string_view poTxnId, LinkedTxn link);

    std::optional<PurchaseOrder> LoadPurchaseOrder(std::string_view txnId);
    // TxnIDs in date order; empty bounds are open.
    std::vector<std::string> PurchaseOrdersByDate(std::string_view from, std::string_view to);
    std::vector<std::string> PurchaseOrdersByRef(std::string_view refNumber);

    // Writes the header fields a modification may change and renews the edit sequence and
    // time modified. Returns false when the purchase order is gone.
    bool UpdatePurchaseOrder(PurchaseOrder& po);

    // Unique per change, increasing; shaped like QuickBooks's (seconds since 1970).
    std::string NextEditSequence();

private:
    CompanyFile(std::filesystem::path path, std::unique_ptr<sql::Database> db);
    std::string NewId(std::string_view counter);
    std::string ResolveList(ListKind kind, const ListRef& ref);

    std::filesystem::path m_path;
    std::unique_ptr<sql::Database> m_db;
};

std::string_view HostStateName(HostState state);
std::optional<HostState> HostStateFromName(std::string_view name);

// The current time as QuickBooks writes a date-time (yyyy-mm-ddThh:mm:ss+00:00).
std::string NowDateTime();

} // namespace qbhost
