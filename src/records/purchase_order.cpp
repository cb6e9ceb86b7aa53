#include "records/purchase_order.h"

QB_PurchaseOrder::QB_PurchaseOrder() {
    QB_PurchaseOrderHeader::clear();
}
