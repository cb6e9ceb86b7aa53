// Purchase orders made up for benchmarks: the same seed gives the same company.
#include "qbhost/company_description.h"

#include <array>
#include <stdexcept>

namespace qbhost {

namespace {

// splitmix64: the standard library's distributions differ between implementations, so the
// numbers are drawn by hand.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t m_state;
};

constexpr std::array<const char*, 8> kVendors = {
    "Bayshore Lumber",  "Cobalt Electric", "Delta Plumbing Supply", "Eastfield Paints",
    "Granite Hardware", "Harbor Tools",    "Northwind Fasteners",   "Summit Glass"};
constexpr std::array<const char*, 6> kItems = {"Lumber 2x4", "Wire 12ga", "PVC Pipe",
                                               "Primer",     "Hinges",    "Glass Pane"};
constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

void GeneratePurchaseOrders(CompanyFile& file, int count, std::uint64_t seed) {
    if (count < 0)
        throw std::runtime_error("the count of purchase orders cannot be negative");
    sql::Transaction transaction(file.db(), sql::Transaction::Kind::Write);
    Random random(seed);
    std::vector<ListRef> vendors, items;
    for (const char* name : kVendors)
        vendors.push_back(*file.FindList(ListKind::Vendor, name, true));
    for (const char* name : kItems) {
        auto item = file.FindItem(name);
        items.push_back(item ? item->ref : file.AddItem(name, false, "", std::nullopt));
    }
    std::int64_t firstRef =
        file.db().QueryInt("SELECT coalesce(max(txn_number), 0) FROM purchase_orders") + 5001;
    for (int i = 0; i < count; ++i) {
        PurchaseOrder po;
        int month = random.Below(12);
        int day = 1 + random.Below(kMonthDays[static_cast<std::size_t>(month)]);
        char date[40];
        std::snprintf(date, sizeof date, "2011-%02d-%02d", month + 1, day);
        po.txnDate = date;
        po.refNumber = std::to_string(firstRef + i);
        po.vendor =
            vendors[static_cast<std::size_t>(random.Below(static_cast<int>(vendors.size())))];
        int lineCount = 1 + random.Below(4);
        for (int l = 0; l < lineCount; ++l) {
            PoLine line;
            line.item =
                items[static_cast<std::size_t>(random.Below(static_cast<int>(items.size())))];
            line.quantity = 1 + random.Below(50);
            line.rate = (100 + random.Below(9900)) / 100.0;
            po.lines.push_back(line);
        }
        po.isManuallyClosed = random.Below(10) == 0;
        PurchaseOrder stored = file.AddPurchaseOrder(std::move(po));
        if (random.Below(4) == 0) {
            LinkedTxn receipt;
            receipt.txnType = "ItemReceipt";
            receipt.txnDate = stored.txnDate;
            const PoLine& line = stored.lines.front();
            double quantity = 1 + random.Below(static_cast<int>(*line.quantity));
            receipt.lines.push_back({line.txnLineId, quantity, ToCents(quantity * *line.rate)});
            file.AddLinkedTxn(stored.txnId, std::move(receipt));
        }
    }
    transaction.Commit();
}

} // namespace qbhost
