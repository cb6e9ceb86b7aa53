// The header fields that QuickBooks transactions share; only purchase orders fill it.
#pragma once

#include "platform/com/com.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/afx.h"
#include "records/list_ref.h"

class QB_TxnHeader {
public:
    QB_TxnHeader();
    QB_TxnHeader(const QB_TxnHeader& src);
    QB_TxnHeader& operator=(const QB_TxnHeader& src) = default;
    ~QB_TxnHeader() = default;

    // Leaves Reserved2 alone, and keeps the day value of each date while marking it null.
    void clear();

    LONG Reserved1;
    _bstr_t Reserved2;
    _bstr_t TxnID;
    COleDateTime TimeCreated;
    COleDateTime TimeModified;
    _bstr_t EditSequence;
    LONG TxnNumber;
    QB_ListRef VendorRef;
    QB_ListRef Reserved3;
    COleDateTime TxnDate;
    _bstr_t RefNumber;
    double TotalAmount;
};
