// A transaction linked to the owning one (a bill or receipt against a purchase order), with
// the linked lines.
#pragma once

#include "platform/com/com.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/afx.h"
#include "records/enum_values.h"
#include "records/list_ref.h"

#include <vector>

class LinkTxnLineDetail {
public:
    LinkTxnLineDetail();

    void clear();

    LONG Reserved1;
    LONG Reserved2;
    _bstr_t TxnLineID;
    double Amount;
};

class QB_TxnLink {
public:
    QB_TxnLink();

    void clear();

    LONG Reserved1;
    _bstr_t ParentTxnID;
    _bstr_t TxnID;
    ENTxnTypeValue ParentTxnType;
    ENTxnTypeValue TxnType;
    COleDateTime TxnDate;
    _bstr_t RefNumber;
    ENLinkTypeValue LinkType;
    double Amount;
    double Reserved2;
    double Reserved3;
    QB_ListRef Reserved4;
    double Reserved5;
    double Reserved6;
    std::vector<LinkTxnLineDetail> TxnLineDetails;
};
