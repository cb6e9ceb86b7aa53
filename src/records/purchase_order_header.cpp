#include "records/purchase_order_header.h"

QB_PurchaseOrderHeader::QB_PurchaseOrderHeader() {
    clear();
}

void QB_PurchaseOrderHeader::clear() {
    QB_TxnHeader::clear();
    ClassRef.clear();
    InventorySiteRef.clear();
    ShipToEntityRef.clear();
    TemplateRef.clear();
    VendorAddress.clear();
    ShipAddress.clear();
    TermsRef.clear();
    DueDate.SetStatus(COleDateTime::null);
    ExpectedDate.SetStatus(COleDateTime::null);
    ShipMethodRef.clear();
    FOB = "";
    Reserved4 = 0.0;
    CurrencyRef.clear();
    ExchangeRate = 0.0;
    TotalAmountInHomeCurrency = 0.0;
    IsManuallyClosed = VARIANT_FALSE;
    IsFullyReceived = VARIANT_FALSE;
    Memo = "";
    VendorMsg = "";
    IsToBePrinted = VARIANT_FALSE;
    IsToBeEmailed = VARIANT_FALSE;
    Reserved5 = VARIANT_FALSE;
    Reserved6.clear();
    Other1 = "";
    Other2 = "";
}
