#include "records/purchase_order_lineitem.h"

QB_PurchaseOrderLineitem::QB_PurchaseOrderLineitem() {
    clear();
}

void QB_PurchaseOrderLineitem::clear() {
    Reserved1 = "";
    TxnLineID = "";
    Reserved2 = "";
    Reserved3 = "";
    ItemRef.clear();
    ManufacturerPartNumber = "";
    Desc = "";
    Quantity = 0.0;
    UnitOfMeasure = "";
    OverrideUOMSetRef.clear();
    Rate = 0.0;
    ClassRef.clear();
    Amount = 0.0;
    CustomerRef.clear();
    ServiceDate.SetStatus(COleDateTime::null);
    Reserved4.clear();
    Reserved5.clear();
    ReceivedQuantity = 0.0;
    IsManuallyClosed = VARIANT_FALSE;
    Other1 = "";
    Other2 = "";
    Reserved6 = VARIANT_FALSE;
    IsGroupLine = VARIANT_FALSE;
    GroupLineCount = 0;
    ParentTxnLineID = "";
    IsPrintItemsInGroup = VARIANT_FALSE;
    TotalAmount = 0.0;
}
