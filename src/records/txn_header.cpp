#include "records/txn_header.h"

QB_TxnHeader::QB_TxnHeader() {
    clear();
}

// The list references are assigned rather than copy-constructed, so their Reserved text is
// the one a new reference has.
QB_TxnHeader::QB_TxnHeader(const QB_TxnHeader& src)
    : Reserved1(src.Reserved1), Reserved2(src.Reserved2), TxnID(src.TxnID),
      TimeCreated(src.TimeCreated), TimeModified(src.TimeModified), EditSequence(src.EditSequence),
      TxnNumber(src.TxnNumber), TxnDate(src.TxnDate), RefNumber(src.RefNumber),
      TotalAmount(src.TotalAmount) {
    VendorRef = src.VendorRef;
    Reserved3 = src.Reserved3;
}

void QB_TxnHeader::clear() {
    Reserved1 = 0;
    TxnID = "";
    TimeCreated.SetStatus(COleDateTime::null);
    TimeModified.SetStatus(COleDateTime::null);
    EditSequence = "";
    TxnNumber = 0;
    VendorRef.clear();
    Reserved3.clear();
    TxnDate.SetStatus(COleDateTime::null);
    RefNumber = "";
    TotalAmount = 0.0;
}
