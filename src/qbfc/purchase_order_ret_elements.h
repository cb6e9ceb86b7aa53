// A purchase order as QuickBooks returns it, with its lines, line groups and links.
#pragma once

#include "qbfc/common_elements.h"

#define QBFC_TABLE_ITxnLineDetail(V, A, S, SI, L) V(TxnLineID, IQBIDType) V(Amount, IQBAmountType)
QBFC_INTERFACE(ITxnLineDetail, QBFC_TABLE_ITxnLineDetail);
QBFC_LIST_INTERFACE(ITxnLineDetailList, ITxnLineDetail);

#define QBFC_TABLE_ILinkedTxn(V, A, S, SI, L)                                                      \
    V(TxnID, IQBIDType)                                                                            \
    V(TxnType, IQBENTxnTypeType) V(TxnDate, IQBDateType) V(RefNumber, IQBStringType)               \
        V(LinkType, IQBENLinkTypeType) V(Amount, IQBAmountType)                                    \
            L(TxnLineDetailList, ITxnLineDetailList, "TxnLineDetail")
QBFC_INTERFACE(ILinkedTxn, QBFC_TABLE_ILinkedTxn);
QBFC_LIST_INTERFACE(ILinkedTxnList, ILinkedTxn);

#define QBFC_TABLE_IPurchaseOrderLineRet(V, A, S, SI, L)                                           \
    V(TxnLineID, IQBIDType)                                                                        \
    A(ItemRef, IQBBaseRef) V(ManufacturerPartNumber, IQBStringType) V(Desc, IQBStringType)         \
        V(Quantity, IQBQuanType) V(UnitOfMeasure, IQBStringType) A(OverrideUOMSetRef, IQBBaseRef)  \
            V(Rate, IQBPriceType) A(ClassRef, IQBBaseRef) V(Amount, IQBAmountType)                 \
                A(CustomerRef, IQBBaseRef) V(ServiceDate, IQBDateType)                             \
                    V(ReceivedQuantity, IQBQuanType) V(IsManuallyClosed, IQBBoolType)              \
                        V(Other1, IQBStringType) V(Other2, IQBStringType)
QBFC_INTERFACE(IPurchaseOrderLineRet, QBFC_TABLE_IPurchaseOrderLineRet);
QBFC_LIST_INTERFACE(IPurchaseOrderLineRetList, IPurchaseOrderLineRet);

#define QBFC_TABLE_IPurchaseOrderLineGroupRet(V, A, S, SI, L)                                      \
    V(TxnLineID, IQBIDType)                                                                        \
    A(ItemGroupRef, IQBBaseRef) V(Desc, IQBStringType) V(Quantity, IQBQuanType)                    \
        V(UnitOfMeasure, IQBStringType) A(OverrideUOMSetRef, IQBBaseRef)                           \
            V(IsPrintItemsInGroup, IQBBoolType) V(TotalAmount, IQBAmountType)                      \
                L(PurchaseOrderLineRetList, IPurchaseOrderLineRetList, "PurchaseOrderLineRet")
QBFC_INTERFACE(IPurchaseOrderLineGroupRet, QBFC_TABLE_IPurchaseOrderLineGroupRet);

#define QBFC_TABLE_IORPurchaseOrderLineRet(V, A, S, SI, L)                                         \
    SI(PurchaseOrderLineRet, IPurchaseOrderLineRet)                                                \
    SI(PurchaseOrderLineGroupRet, IPurchaseOrderLineGroupRet)
QBFC_INTERFACE(IORPurchaseOrderLineRet, QBFC_TABLE_IORPurchaseOrderLineRet);
QBFC_LIST_INTERFACE(IORPurchaseOrderLineRetList, IORPurchaseOrderLineRet);

#define QBFC_TABLE_IPurchaseOrderRet(V, A, S, SI, L)                                               \
    V(TxnID, IQBIDType)                                                                            \
    V(TimeCreated, IQBDateTimeType) V(TimeModified, IQBDateTimeType)                               \
        V(EditSequence, IQBStringType) V(TxnNumber, IQBIntType) A(VendorRef, IQBBaseRef) A(        \
            ClassRef, IQBBaseRef) A(InventorySiteRef, IQBBaseRef) A(ShipToEntityRef, IQBBaseRef)   \
            A(TemplateRef, IQBBaseRef) V(TxnDate, IQBDateType) V(RefNumber, IQBStringType) A(      \
                VendorAddress, IAddress) A(ShipAddress, IAddress) A(TermsRef, IQBBaseRef)          \
                V(DueDate, IQBDateType) V(ExpectedDate, IQBDateType) A(ShipMethodRef, IQBBaseRef)  \
                    V(FOB, IQBStringType) V(TotalAmount, IQBAmountType) A(CurrencyRef, IQBBaseRef) \
                        V(ExchangeRate, IQBFloatType) V(TotalAmountInHomeCurrency, IQBAmountType)  \
                            V(IsManuallyClosed, IQBBoolType) V(IsFullyReceived,                    \
                                                               IQBBoolType) V(Memo, IQBStringType) \
                                V(VendorMsg, IQBStringType) V(IsToBePrinted, IQBBoolType)          \
                                    V(IsToBeEmailed, IQBBoolType) V(Other1, IQBStringType)         \
                                        V(Other2, IQBStringType) V(ExternalGUID, IQBStringType)    \
                                            L(LinkedTxnList, ILinkedTxnList, "LinkedTxn") L(       \
                                                ORPurchaseOrderLineRetList,                        \
                                                IORPurchaseOrderLineRetList,                       \
                                                "PurchaseOrderLineRet|PurchaseOrderLineGroupRet")
QBFC_INTERFACE(IPurchaseOrderRet, QBFC_TABLE_IPurchaseOrderRet);
QBFC_LIST_INTERFACE(IPurchaseOrderRetList, IPurchaseOrderRet);
