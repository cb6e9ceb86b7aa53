#include "record_fields.h"
#include "records/purchase_order.h"

#include <gtest/gtest.h>

namespace records_test {
namespace {

QB_PurchaseOrderLineitem Line(const wchar_t* id, double quantity) {
    QB_PurchaseOrderLineitem line;
    line.ParentTxnID = L"TXN-1";
    line.TxnLineID = id;
    line.Quantity = quantity;
    return line;
}

QB_PurchaseOrder OrderWithThreeLinesAndOneLink() {
    QB_PurchaseOrder po;
    po.TxnID = L"TXN-1";
    po.Lines = {Line(L"L1", 1.0), Line(L"L2", 2.0), Line(L"L3", 3.0)};
    QB_TxnLink link;
    link.ParentTxnID = L"TXN-1";
    link.TxnID = L"BILL-9";
    link.ParentTxnType = 19;
    LinkTxnLineDetail detail;
    detail.TxnLineID = L"L2";
    detail.Amount = 40.0;
    link.TxnLineDetails.push_back(detail);
    po.LinkedTxns.push_back(link);
    return po;
}

TEST(QB_PurchaseOrder, NewOrderHasNoLinesOrLinks) {
    const QB_PurchaseOrder po;
    EXPECT_TRUE(po.Lines.empty());
    EXPECT_TRUE(po.LinkedTxns.empty());
}

TEST(QB_PurchaseOrder, CopyOwnsItsLinesAndLinks) {
    const QB_PurchaseOrder source = OrderWithThreeLinesAndOneLink();
    QB_PurchaseOrder copy(source);

    ASSERT_EQ(copy.Lines.size(), 3u);
    ASSERT_EQ(copy.LinkedTxns.size(), 1u);
    ASSERT_EQ(copy.LinkedTxns[0].TxnLineDetails.size(), 1u);
    EXPECT_EQ(Text(copy.Lines[2].TxnLineID), L"L3");
    EXPECT_EQ(copy.LinkedTxns[0].TxnLineDetails[0].Amount, 40.0);
    EXPECT_NE(copy.Lines.data(), source.Lines.data());

    copy.Lines.clear();
    copy.LinkedTxns[0].TxnLineDetails.clear();
    ASSERT_EQ(source.Lines.size(), 3u);
    EXPECT_EQ(Text(source.Lines[0].TxnLineID), L"L1");
    EXPECT_EQ(source.LinkedTxns[0].TxnLineDetails.size(), 1u);
}

TEST(QB_PurchaseOrder, AssignmentReplacesLinesAndLinks) {
    const QB_PurchaseOrder source = OrderWithThreeLinesAndOneLink();
    QB_PurchaseOrder target;
    target.Lines = {Line(L"old", 9.0)};
    target = source;
    ASSERT_EQ(target.Lines.size(), 3u);
    EXPECT_EQ(Text(target.Lines[0].TxnLineID), L"L1");
    EXPECT_EQ(Text(target.LinkedTxns[0].TxnID), L"BILL-9");
}

// The close command resets its record this way before fetching an order into it.
TEST(QB_PurchaseOrder, HeaderClearLeavesTheVectorsToTheCaller) {
    QB_PurchaseOrder po = OrderWithThreeLinesAndOneLink();
    po.IsManuallyClosed = VARIANT_TRUE;
    po.QB_PurchaseOrderHeader::clear();
    EXPECT_EQ(po.IsManuallyClosed, VARIANT_FALSE);
    EXPECT_TRUE(IsEmptyText(po.TxnID));
    EXPECT_EQ(po.Lines.size(), 3u);
}

TEST(QB_TxnLink, ClearEmptiesItsLineDetails) {
    QB_TxnLink link = OrderWithThreeLinesAndOneLink().LinkedTxns[0];
    link.clear();
    EXPECT_TRUE(link.TxnLineDetails.empty());
}

TEST(QB_PurchaseOrderLineitem, ClearKeepsTheOwningOrderButNotTheGroup) {
    QB_PurchaseOrderLineitem line = Line(L"L1", 1.0);
    line.ParentTxnLineID = L"G1";
    line.IsGroupLine = VARIANT_TRUE;
    line.clear();
    EXPECT_EQ(Text(line.ParentTxnID), L"TXN-1");
    EXPECT_TRUE(IsEmptyText(line.ParentTxnLineID));
    EXPECT_EQ(line.IsGroupLine, VARIANT_FALSE);
}

} // namespace
} // namespace records_test
