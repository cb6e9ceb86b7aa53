#include "qb/qbio.h"

void QBIO::GetField(IQBBaseRefPtr pSource, QB_ListRef& pDest) {
    if (!pSource)
        return;
    if (IQBIDTypePtr id = pSource->GetListID())
        pDest.ListID = id->GetValue();
    if (IQBStringTypePtr name = pSource->GetFullName())
        pDest.FullName = name->GetValue();
}

void QBIO::GetField(IQBBoolTypePtr pSource, VARIANT_BOOL& pDest) {
    if (pSource)
        pDest = pSource->GetValue();
}

void QBIO::GetField(IQBStringTypePtr pSource, _bstr_t& pDest) {
    if (pSource)
        pDest = pSource->GetValue();
}

void QBIO::GetField(IQBDateTypePtr pSource, COleDateTime& pDest) {
    if (!pSource)
        return;
    pDest.m_dt = pSource->GetValue();
    pDest.SetStatus(COleDateTime::valid);
}

void QBIO::GetField(IQBDateTimeTypePtr pSource, COleDateTime& pDest) {
    if (!pSource)
        return;
    pDest.m_dt = pSource->GetValue();
    pDest.SetStatus(COleDateTime::valid);
}

void QBIO::GetField(IQBIntTypePtr pSource, LONG& pDest) {
    if (pSource)
        pDest = pSource->GetValue();
}

void QBIO::GetField(IQBIDTypePtr pSource, _bstr_t& pDest) {
    if (pSource)
        pDest = pSource->GetValue();
}

void QBIO::GetField(IAddressPtr pSource, QB_Address& pDest) {
    if (!pSource)
        return;
    GetField(pSource->GetAddr1(), pDest.Addr1);
    GetField(pSource->GetAddr2(), pDest.Addr2);
    GetField(pSource->GetAddr3(), pDest.Addr3);
    GetField(pSource->GetAddr4(), pDest.Addr4);
    GetField(pSource->GetAddr5(), pDest.Addr5);
    GetField(pSource->GetCity(), pDest.City);
    GetField(pSource->GetState(), pDest.State);
    GetField(pSource->GetPostalCode(), pDest.PostalCode);
    GetField(pSource->GetCountry(), pDest.Country);
    GetField(pSource->GetNote(), pDest.Note);
}

void QBIO::GetField(IQBENTxnTypeTypePtr pSource, ENTxnTypeValue& pDest) {
    if (pSource)
        pDest = static_cast<ENTxnTypeValue>(pSource->GetValue());
}

void QBIO::GetField(IQBENLinkTypeTypePtr pSource, ENLinkTypeValue& pDest) {
    if (pSource)
        pDest = static_cast<ENLinkTypeValue>(pSource->GetValue());
}
