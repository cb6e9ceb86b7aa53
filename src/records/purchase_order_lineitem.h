// One entry of a purchase order's flattened line list: an ordinary line, a line group, or a
// member line of a group.
#pragma once

#include "platform/com/com.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/afx.h"
#include "records/list_ref.h"

class QB_PurchaseOrderLineitem {
public:
    QB_PurchaseOrderLineitem();

    // ParentTxnID is the owning order's key, not line data: clearing a line keeps it.
    void clear();

    _bstr_t Reserved1;
    _bstr_t ParentTxnID;
    _bstr_t TxnLineID;
    _bstr_t Reserved2;
    _bstr_t Reserved3;
    QB_ListRef ItemRef;
    _bstr_t ManufacturerPartNumber;
    _bstr_t Desc;
    double Quantity;
    _bstr_t UnitOfMeasure;
    QB_ListRef OverrideUOMSetRef;
    double Rate;
    QB_ListRef ClassRef;
    double Amount;
    QB_ListRef CustomerRef;
    COleDateTime ServiceDate;
    QB_ListRef Reserved4;
    QB_ListRef Reserved5;
    double ReceivedQuantity;
    VARIANT_BOOL IsManuallyClosed;
    _bstr_t Other1;
    _bstr_t Other2;
    VARIANT_BOOL Reserved6;
    VARIANT_BOOL IsGroupLine;
    LONG GroupLineCount;
    _bstr_t ParentTxnLineID;
    VARIANT_BOOL IsPrintItemsInGroup;
    double TotalAmount;
};
