// The company file's contents as value types: what the request processor answers from and
// what the description reader and the tool write. Amounts are held in cents so that sums
// and subtotals are exact.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qbhost {

using Cents = std::int64_t;

struct ListRef {
    std::string listId;
    std::string fullName;
    bool empty() const { return listId.empty() && fullName.empty(); }
};

struct Address {
    std::array<std::string, 5> addr;
    std::string city, state, postalCode, country, note;
    bool empty() const;
};

struct CompanyInfo {
    std::string name, legalName;
    Address address, legalAddress, addressForCustomer;
    std::string phone, fax, email, webSite;
    int firstMonthFiscalYear = 0;
    int firstMonthIncomeTaxYear = 0;
    std::string companyType, ein, ssn;
    int taxForm = 7; // OtherOrNone
    bool isSample = false;
    bool accountantCopy = false;
    std::string dividingDate; // yyyy-mm-dd, empty when none
    // Name, domain, status (ENServiceStatus name).
    struct Service {
        std::string name, domain, status;
    };
    std::vector<Service> services;
};

enum class HostState {
    None,
    NoFileOpen,
    OtherFileOpen,
    OtherMode,
    ModalDialog,
    FileLocked,
    SingleUserOther,
};

struct HostFacts {
    std::string productName = "QuickBooks Pro 2011";
    int majorVersion = 21;
    int minorVersion = 0;
    std::string country = "US";
    std::vector<std::string> versions; // plain numbers such as "8.0"
    HostState state = HostState::None;
    std::string fileMode = "MultiUser";
};

struct LinkedLine {
    std::string poLineId;
    std::optional<double> quantity;
    Cents amount = 0;
};

// An item receipt or bill that received against a purchase order.
struct LinkedTxn {
    std::string txnId;
    std::string txnType; // ItemReceipt or Bill
    std::string txnDate;
    std::string refNumber;
    std::string linkType = "QUANTYPE";
    std::vector<LinkedLine> lines;
    Cents Amount() const;
};

struct PoLine {
    std::string txnLineId;
    std::string groupLineId; // the group this line belongs to; empty for top-level lines
    bool isGroup = false;
    ListRef item;
    std::string manufacturerPartNumber, desc;
    std::optional<double> quantity;
    std::string unitOfMeasure;
    std::optional<double> rate;
    ListRef classRef;
    std::optional<Cents> amount;
    ListRef customer;
    std::string serviceDate;
    bool isManuallyClosed = false;
    bool isPrintItemsInGroup = false;
    std::string other1, other2;
};

struct PurchaseOrder {
    std::string txnId, timeCreated, timeModified, editSequence;
    std::int64_t txnNumber = 0;
    ListRef vendor, classRef, shipTo, templateRef;
    std::string txnDate, refNumber;
    Address vendorAddress, shipAddress;
    ListRef terms;
    std::string dueDate, expectedDate;
    ListRef shipMethod;
    std::string fob;
    bool isManuallyClosed = false;
    std::string memo, vendorMsg;
    std::optional<bool> isToBePrinted, isToBeEmailed;
    std::string other1, other2;
    std::vector<PoLine> lines; // document order; group members follow their group
    std::vector<LinkedTxn> links;

    Cents TotalAmount() const;
    Cents GroupTotal(const PoLine& group) const;
    // Receipts dated after asOf (yyyy-mm-dd; empty for all) do not count.
    double Received(const PoLine& line, const std::string& asOf = {}) const;
    bool IsFullyReceived(const std::string& asOf = {}) const;
    bool IsOpen(const std::string& asOf = {}) const;
    Cents OpenBalance(const std::string& asOf = {}) const;
};

// "1234.5" style text of cents with two decimals.
std::string FormatAmount(Cents cents);
Cents ToCents(double amount);
// Quantities and rates: as few decimals as the value needs.
std::string FormatNumber(double value);

} // namespace qbhost
