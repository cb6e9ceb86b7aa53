// The header of a purchase order: the shared transaction header and the fields of its own.
#pragma once

#include "platform/com/com.h"
#include "platform/mfc/afx.h"
#include "records/address.h"
#include "records/list_ref.h"
#include "records/txn_header.h"

class QB_PurchaseOrderHeader : public QB_TxnHeader {
public:
    QB_PurchaseOrderHeader();

    // Clears the transaction header part first, then the purchase order's own fields.
    void clear();

    QB_ListRef ClassRef;
    QB_ListRef InventorySiteRef;
    QB_ListRef ShipToEntityRef;
    QB_ListRef TemplateRef;
    QB_Address VendorAddress;
    QB_Address ShipAddress;
    QB_ListRef TermsRef;
    COleDateTime DueDate;
    COleDateTime ExpectedDate;
    QB_ListRef ShipMethodRef;
    _bstr_t FOB;
    double Reserved4;
    QB_ListRef CurrencyRef;
    double ExchangeRate;
    double TotalAmountInHomeCurrency;
    VARIANT_BOOL IsManuallyClosed;
    VARIANT_BOOL IsFullyReceived;
    _bstr_t Memo;
    _bstr_t VendorMsg;
    VARIANT_BOOL IsToBePrinted;
    VARIANT_BOOL IsToBeEmailed;
    VARIANT_BOOL Reserved5;
    QB_ListRef Reserved6;
    _bstr_t Other1;
    _bstr_t Other2;
};
