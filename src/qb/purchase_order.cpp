#include "qb/qbio.h"

namespace {

// Reads one line's fields in the order QuickBooks writes them.
void ReadLine(QBIO& io, IPurchaseOrderLineRetPtr line, QB_PurchaseOrderLineitem& E) {
    io.GetField(line->GetTxnLineID(), E.TxnLineID);
    io.GetField(line->GetItemRef(), E.ItemRef);
    io.GetField(line->GetManufacturerPartNumber(), E.ManufacturerPartNumber);
    io.GetField(line->GetDesc(), E.Desc);
    if (IQBQuanTypePtr q = line->GetQuantity())
        E.Quantity = q->GetValue();
    io.GetField(line->GetUnitOfMeasure(), E.UnitOfMeasure);
    io.GetField(line->GetOverrideUOMSetRef(), E.OverrideUOMSetRef);
    if (IQBPriceTypePtr r = line->GetRate())
        E.Rate = r->GetValue();
    io.GetField(line->GetClassRef(), E.ClassRef);
    if (IQBAmountTypePtr a = line->GetAmount())
        E.Amount = a->GetValue();
    io.GetField(line->GetCustomerRef(), E.CustomerRef);
    io.GetField(line->GetServiceDate(), E.ServiceDate);
    if (IQBQuanTypePtr q = line->GetReceivedQuantity())
        E.ReceivedQuantity = q->GetValue();
    io.GetField(line->GetIsManuallyClosed(), E.IsManuallyClosed);
    io.GetField(line->GetOther1(), E.Other1);
    io.GetField(line->GetOther2(), E.Other2);
}

} // namespace

bool QBIO::GetRecord(QB_PurchaseOrder& txn, LONG TxnNum, COleDateTime date) {
    bool result = false;
    try {
        m_pMsgSetRequest->ClearRequests();
        IPurchaseOrderQueryPtr query = m_pMsgSetRequest->AppendPurchaseOrderQueryRq();
        ITxnDateFilterPtr filter = query->GetORTxnQuery()
                                       ->GetTxnFilter()
                                       ->GetORDateRangeFilter()
                                       ->GetTxnDateRangeFilter()
                                       ->GetORTxnDateRangeFilter()
                                       ->GetTxnDateFilter();
        filter->GetFromTxnDate()->SetValue(date.m_dt);
        filter->GetToTxnDate()->SetValue(date.m_dt);
        query->GetIncludeLineItems()->SetValue(VARIANT_TRUE);
        query->GetIncludeLinkedTxns()->SetValue(VARIANT_TRUE);
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    IMsgSetResponsePtr response = SendGuarded();
    if (!response)
        return false;
    try {
        if (!QBResponseOK(response))
            return false;
        IResponseListPtr list = response->GetResponseList();
        if (!list || list->GetCount() == 0)
            return false;
        IPurchaseOrderRetListPtr orders = list->GetAt(0)->GetDetail();
        if (!orders)
            return false;
        for (long i = 0; i < orders->GetCount(); ++i) {
            IPurchaseOrderRetPtr entry = orders->GetAt(i);
            if (!entry)
                continue;
            QB_PurchaseOrder po;
            if (ProcessPOReturn(entry, po) && po.TxnNumber == TxnNum) {
                txn = po;
                result = true;
            }
        }
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    return result;
}

bool QBIO::ProcessPOReturn(IPurchaseOrderRetPtr txn, QB_PurchaseOrder& PO) {
    if (!txn)
        return false;
    GetField(txn->GetTxnID(), PO.TxnID);
    GetField(txn->GetTimeCreated(), PO.TimeCreated);
    GetField(txn->GetTimeModified(), PO.TimeModified);
    GetField(txn->GetEditSequence(), PO.EditSequence);
    GetField(txn->GetTxnNumber(), PO.TxnNumber);
    GetField(txn->GetVendorRef(), PO.VendorRef);
    GetField(txn->GetClassRef(), PO.ClassRef);
    GetField(txn->GetInventorySiteRef(), PO.InventorySiteRef);
    GetField(txn->GetShipToEntityRef(), PO.ShipToEntityRef);
    GetField(txn->GetTemplateRef(), PO.TemplateRef);
    GetField(txn->GetTxnDate(), PO.TxnDate);
    GetField(txn->GetRefNumber(), PO.RefNumber);
    GetField(txn->GetVendorAddress(), PO.VendorAddress);
    GetField(txn->GetShipAddress(), PO.ShipAddress);
    GetField(txn->GetTermsRef(), PO.TermsRef);
    GetField(txn->GetDueDate(), PO.DueDate);
    GetField(txn->GetExpectedDate(), PO.ExpectedDate);
    GetField(txn->GetShipMethodRef(), PO.ShipMethodRef);
    GetField(txn->GetFOB(), PO.FOB);
    if (IQBAmountTypePtr a = txn->GetTotalAmount())
        PO.TotalAmount = a->GetValue();
    GetField(txn->GetCurrencyRef(), PO.CurrencyRef);
    if (IQBFloatTypePtr f = txn->GetExchangeRate())
        PO.ExchangeRate = static_cast<double>(f->GetValue());
    if (IQBAmountTypePtr a = txn->GetTotalAmountInHomeCurrency())
        PO.TotalAmountInHomeCurrency = a->GetValue();
    GetField(txn->GetIsManuallyClosed(), PO.IsManuallyClosed);
    GetField(txn->GetIsFullyReceived(), PO.IsFullyReceived);
    GetField(txn->GetMemo(), PO.Memo);
    GetField(txn->GetVendorMsg(), PO.VendorMsg);
    GetField(txn->GetIsToBePrinted(), PO.IsToBePrinted);
    GetField(txn->GetIsToBeEmailed(), PO.IsToBeEmailed);
    GetField(txn->GetOther1(), PO.Other1);
    GetField(txn->GetOther2(), PO.Other2);

    GetLinkedTxns(txn->GetLinkedTxnList(), &PO.LinkedTxns, PO.TxnID, ttPurchaseOrder);

    if (IORPurchaseOrderLineRetListPtr lines = txn->GetORPurchaseOrderLineRetList()) {
        for (long i = 0; i < lines->GetCount(); ++i) {
            IORPurchaseOrderLineRetPtr entry = lines->GetAt(i);
            if (!entry)
                continue;
            QB_PurchaseOrderLineitem E;
            E.clear();
            E.ParentTxnID = PO.TxnID;
            if (IPurchaseOrderLineRetPtr line = entry->GetPurchaseOrderLineRet()) {
                ReadLine(*this, line, E);
                PO.Lines.push_back(E);
            }
            if (IPurchaseOrderLineGroupRetPtr group = entry->GetPurchaseOrderLineGroupRet()) {
                E.IsGroupLine = VARIANT_TRUE;
                GetField(group->GetTxnLineID(), E.TxnLineID);
                GetField(group->GetItemGroupRef(), E.ItemRef);
                GetField(group->GetDesc(), E.Desc);
                if (IQBQuanTypePtr q = group->GetQuantity())
                    E.Quantity = q->GetValue();
                GetField(group->GetUnitOfMeasure(), E.UnitOfMeasure);
                GetField(group->GetOverrideUOMSetRef(), E.OverrideUOMSetRef);
                GetField(group->GetIsPrintItemsInGroup(), E.IsPrintItemsInGroup);
                if (IQBAmountTypePtr a = group->GetTotalAmount())
                    E.TotalAmount = a->GetValue();
                IPurchaseOrderLineRetListPtr members = group->GetPurchaseOrderLineRetList();
                if (members)
                    E.GroupLineCount = members->GetCount();
                PO.Lines.push_back(E);
                for (long m = 0; members && m < members->GetCount(); ++m) {
                    IPurchaseOrderLineRetPtr member = members->GetAt(m);
                    if (!member)
                        continue;
                    QB_PurchaseOrderLineitem M;
                    M.ParentTxnID = PO.TxnID;
                    M.ParentTxnLineID = E.TxnLineID;
                    ReadLine(*this, member, M);
                    PO.Lines.push_back(M);
                }
            }
        }
    }
    return true;
}

void QBIO::GetLinkedTxns(ILinkedTxnListPtr pSource, std::vector<QB_TxnLink>* pDest, _bstr_t TxnID,
                         ENTxnType txnType) {
    if (!pSource)
        return;
    for (long i = 0; i < pSource->GetCount(); ++i) {
        ILinkedTxnPtr entry = pSource->GetAt(i);
        if (!entry)
            continue;
        QB_TxnLink L;
        L.ParentTxnID = TxnID;
        L.ParentTxnType = static_cast<ENTxnTypeValue>(txnType);
        GetField(entry->GetTxnID(), L.TxnID);
        GetField(entry->GetTxnType(), L.TxnType);
        GetField(entry->GetTxnDate(), L.TxnDate);
        GetField(entry->GetRefNumber(), L.RefNumber);
        GetField(entry->GetLinkType(), L.LinkType);
        if (IQBAmountTypePtr a = entry->GetAmount())
            L.Amount = a->GetValue();
        if (ITxnLineDetailListPtr details = entry->GetTxnLineDetailList()) {
            for (long d = 0; d < details->GetCount(); ++d) {
                ITxnLineDetailPtr detail = details->GetAt(d);
                if (!detail)
                    continue;
                LinkTxnLineDetail D;
                GetField(detail->GetTxnLineID(), D.TxnLineID);
                if (IQBAmountTypePtr a = detail->GetAmount())
                    D.Amount = a->GetValue();
                L.TxnLineDetails.push_back(D);
            }
        }
        pDest->push_back(L);
    }
}

bool QBIO::ModPurchaseOrder(QB_PurchaseOrder& txn) {
    try {
        m_pMsgSetRequest->ClearRequests();
        IPurchaseOrderModPtr mod = m_pMsgSetRequest->AppendPurchaseOrderModRq();
        mod->GetTxnID()->SetValue(txn.TxnID);
        mod->GetEditSequence()->SetValue(txn.EditSequence);
        if (txn.IsManuallyClosed == VARIANT_TRUE)
            mod->GetIsManuallyClosed()->SetValue(VARIANT_TRUE);
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    IMsgSetResponsePtr response = SendGuarded();
    if (!response)
        return false;
    try {
        if (!QBResponseOK(response))
            return false;
        IResponseListPtr list = response->GetResponseList();
        if (!list || list->GetCount() == 0)
            return false;
        IPurchaseOrderRetPtr ret = list->GetAt(0)->GetDetail();
        if (!ret)
            return false;
        QB_PurchaseOrder po;
        if (!ProcessPOReturn(ret, po))
            return false;
        txn = po;
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return false;
    }
    return true;
}
