// The purchase order query and modification. The transaction filter and the date filter are
// groups of the SDK that qbXML writes without an element of their own.
#pragma once

#include "qbfc/common_elements.h"

#define QBFC_TABLE_ITxnDateFilter(V, A, S, SI, L)                                                  \
    V(FromTxnDate, IQBDateType) V(ToTxnDate, IQBDateType)
QBFC_INTERFACE(ITxnDateFilter, QBFC_TABLE_ITxnDateFilter);

#define QBFC_TABLE_IORTxnDateRangeFilter(V, A, S, SI, L) S(TxnDateFilter, ITxnDateFilter)
QBFC_INTERFACE(IORTxnDateRangeFilter, QBFC_TABLE_IORTxnDateRangeFilter);

#define QBFC_TABLE_ITxnDateRangeFilter(V, A, S, SI, L)                                             \
    S(ORTxnDateRangeFilter, IORTxnDateRangeFilter)
QBFC_INTERFACE(ITxnDateRangeFilter, QBFC_TABLE_ITxnDateRangeFilter);

#define QBFC_TABLE_IModifiedDateRangeFilter(V, A, S, SI, L)                                        \
    V(FromModifiedDate, IQBDateTimeType) V(ToModifiedDate, IQBDateTimeType)
QBFC_INTERFACE(IModifiedDateRangeFilter, QBFC_TABLE_IModifiedDateRangeFilter);

#define QBFC_TABLE_IORDateRangeFilter(V, A, S, SI, L)                                              \
    A(ModifiedDateRangeFilter, IModifiedDateRangeFilter)                                           \
    A(TxnDateRangeFilter, ITxnDateRangeFilter)
QBFC_INTERFACE(IORDateRangeFilter, QBFC_TABLE_IORDateRangeFilter);

#define QBFC_TABLE_ITxnFilter(V, A, S, SI, L)                                                      \
    V(MaxReturned, IQBIntType) S(ORDateRangeFilter, IORDateRangeFilter)
QBFC_INTERFACE(ITxnFilter, QBFC_TABLE_ITxnFilter);

#define QBFC_TABLE_IORTxnQuery(V, A, S, SI, L)                                                     \
    L(TxnIDList, IBSTRList, "TxnID")                                                               \
    L(RefNumberList, IBSTRList, "RefNumber") S(TxnFilter, ITxnFilter)
QBFC_INTERFACE(IORTxnQuery, QBFC_TABLE_IORTxnQuery);

#define QBFC_TABLE_IPurchaseOrderQuery(V, A, S, SI, L)                                             \
    S(ORTxnQuery, IORTxnQuery)                                                                     \
    V(IncludeLineItems, IQBBoolType) V(IncludeLinkedTxns, IQBBoolType)                             \
        L(IncludeRetElementList, IBSTRList, "IncludeRetElement")
QBFC_INTERFACE(IPurchaseOrderQuery, QBFC_TABLE_IPurchaseOrderQuery);

#define QBFC_TABLE_IPurchaseOrderMod(V, A, S, SI, L)                                               \
    V(TxnID, IQBIDType)                                                                            \
    V(EditSequence, IQBStringType) A(VendorRef, IQBBaseRef) A(ClassRef, IQBBaseRef)                \
        A(TemplateRef, IQBBaseRef) V(TxnDate, IQBDateType) V(RefNumber, IQBStringType)             \
            A(VendorAddress, IAddress) A(ShipAddress, IAddress) A(TermsRef, IQBBaseRef)            \
                V(DueDate, IQBDateType) V(ExpectedDate, IQBDateType) A(ShipMethodRef, IQBBaseRef)  \
                    V(FOB, IQBStringType) V(IsManuallyClosed, IQBBoolType) V(Memo, IQBStringType)  \
                        V(VendorMsg, IQBStringType) V(IsToBePrinted, IQBBoolType)                  \
                            V(IsToBeEmailed, IQBBoolType) V(Other1, IQBStringType)                 \
                                V(Other2, IQBStringType) V(ExchangeRate, IQBFloatType)
QBFC_INTERFACE(IPurchaseOrderMod, QBFC_TABLE_IPurchaseOrderMod);
