// One row of the open purchase order report, as the listing shows it.
#pragma once

#include "platform/com/com.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/afx.h"

class TransList {
public:
    // Strings start null and dates at day 0, valid. The numbers start at 0 so that a row
    // whose report data lacks their column shows 0 rather than an undefined value.
    TransList() = default;

    COleDateTime ReportToDate;
    _bstr_t VendorName;
    _bstr_t ColType95Text;
    _bstr_t Reserved1;
    _bstr_t Reserved2;
    _bstr_t Reserved3;
    _bstr_t RefNumber;
    double OpenBalance = 0.0;
    double Amount = 0.0;
    _bstr_t ColType97Text;
    COleDateTime TxnDate;
    COleDateTime DeliveryDate;
    _bstr_t Reserved4;
    LONG TxnNumber = 0;
};
