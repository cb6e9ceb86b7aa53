// The rules every record with a clear() shares: what a new record holds, what clear() leaves,
// and that copies carry every field. The tables say which fields each record has.
#include "record_tables.h"

#include <gtest/gtest.h>
#include <vector>

namespace records_test {
namespace {

template <typename T>
RecordFields<T> Table();
template <>
RecordFields<QB_Address> Table() {
    return AddressTable();
}
template <>
RecordFields<QB_TxnHeader> Table() {
    return TxnHeaderTable();
}
template <>
RecordFields<QB_PurchaseOrderHeader> Table() {
    return PurchaseOrderHeaderTable<QB_PurchaseOrderHeader>();
}
template <>
RecordFields<QB_PurchaseOrder> Table() {
    return PurchaseOrderHeaderTable<QB_PurchaseOrder>();
}
template <>
RecordFields<QB_PurchaseOrderLineitem> Table() {
    return LineitemTable();
}
template <>
RecordFields<LinkTxnLineDetail> Table() {
    return LineDetailTable();
}
template <>
RecordFields<QB_TxnLink> Table() {
    return TxnLinkTable();
}
template <>
RecordFields<QB_CompanyPreferences> Table() {
    return PreferencesTable();
}
template <>
RecordFields<QB_CompanyInfo> Table() {
    return CompanyInfoTable();
}
template <>
RecordFields<QB_Service> Table() {
    return ServiceTable();
}
template <>
RecordFields<QB_Error> Table() {
    return ErrorTable();
}

// Resets a record the way its users do; a purchase order has no clear() of its own.
template <typename T>
void Clear(T& r) {
    r.clear();
}
template <>
void Clear(QB_PurchaseOrder& r) {
    r.QB_PurchaseOrderHeader::clear();
}

template <typename T>
class ClearRules : public ::testing::Test {};

using ClearedRecords =
    ::testing::Types<QB_Address, QB_TxnHeader, QB_PurchaseOrderHeader, QB_PurchaseOrder,
                     QB_PurchaseOrderLineitem, LinkTxnLineDetail, QB_TxnLink, QB_CompanyPreferences,
                     QB_CompanyInfo, QB_Service, QB_Error>;
TYPED_TEST_SUITE(ClearRules, ClearedRecords);

TYPED_TEST(ClearRules, NewRecordIsClearedWithDatesAtDayZero) {
    const auto table = Table<TypeParam>();
    const TypeParam r;
    const DATE dayZero = 0.0;
    ExpectCleared(r, table, &dayZero);
    for (const auto& [name, m] : table.keptStrings) {
        EXPECT_TRUE(IsNull(r.*m)) << name;
    }
}

TYPED_TEST(ClearRules, ClearResetsFieldsButKeepsDayValuesAndUntouchedFields) {
    const auto table = Table<TypeParam>();
    TypeParam r;
    Fill(r, table, L"x");
    for (const auto& [name, m] : table.dates) {
        r.*m = COleDateTime(kMarch15);
    }
    std::vector<_bstr_t> kept;
    for (const auto& [name, m] : table.keptStrings) {
        kept.push_back(r.*m);
    }

    Clear(r);

    ExpectCleared(r, table, &kMarch15);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_TRUE(SameText(r.*table.keptStrings[i].second, kept[i]))
            << table.keptStrings[i].first << " must survive clear()";
    }
}

// The two company records are filled once and never copied.
template <typename T>
class CopyRules : public ::testing::Test {};

using CopiedRecords =
    ::testing::Types<QB_Address, QB_TxnHeader, QB_PurchaseOrderHeader, QB_PurchaseOrder,
                     QB_PurchaseOrderLineitem, LinkTxnLineDetail, QB_TxnLink, QB_Service, QB_Error>;
TYPED_TEST_SUITE(CopyRules, CopiedRecords);

TYPED_TEST(CopyRules, CopyConstructionCarriesEveryField) {
    const auto table = Table<TypeParam>();
    TypeParam source;
    Fill(source, table, L"src");
    const TypeParam copy(source);
    ExpectCopyOf(copy, source, table);
}

TYPED_TEST(CopyRules, AssignmentReplacesEveryField) {
    const auto table = Table<TypeParam>();
    TypeParam source;
    Fill(source, table, L"src");
    TypeParam target;
    Fill(target, table, L"target");
    target = source;
    ExpectCopyOf(target, source, table);
}

TYPED_TEST(CopyRules, ClearingACopyLeavesTheSource) {
    const auto table = Table<TypeParam>();
    TypeParam source;
    Fill(source, table, L"src");
    const TypeParam before = source;
    TypeParam copy(source);
    Clear(copy);
    ExpectCopyOf(source, before, table);
}

} // namespace
} // namespace records_test
