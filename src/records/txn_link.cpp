#include "records/txn_link.h"

LinkTxnLineDetail::LinkTxnLineDetail() {
    clear();
}

void LinkTxnLineDetail::clear() {
    Reserved1 = 0;
    Reserved2 = 0;
    TxnLineID = "";
    Amount = 0.0;
}

QB_TxnLink::QB_TxnLink() {
    clear();
}

void QB_TxnLink::clear() {
    Reserved1 = 0;
    ParentTxnID = "";
    TxnID = "";
    ParentTxnType = 0;
    TxnType = 0;
    TxnDate.SetStatus(COleDateTime::null);
    RefNumber = "";
    LinkType = 0;
    Amount = 0.0;
    Reserved2 = 0.0;
    Reserved3 = 0.0;
    Reserved4.clear();
    Reserved5 = 0.0;
    Reserved6 = 0.0;
    TxnLineDetails.clear();
}
