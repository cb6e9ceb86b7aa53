// A purchase order in full: its header, its flattened lines and its linked transactions.
#pragma once

#include "records/purchase_order_header.h"
#include "records/purchase_order_lineitem.h"
#include "records/txn_link.h"

#include <vector>

// There is no clear() of its own: to reset one, call QB_PurchaseOrderHeader::clear() and
// empty both vectors.
class QB_PurchaseOrder : public QB_PurchaseOrderHeader {
public:
    QB_PurchaseOrder();

    std::vector<QB_PurchaseOrderLineitem> Lines;
    std::vector<QB_TxnLink> LinkedTxns;
};
