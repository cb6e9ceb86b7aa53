// Aggregates shared by many objects: list references and addresses.
#pragma once

#include "qbfc/members.h"

#define QBFC_TABLE_IQBBaseRef(V, A, S, SI, L) V(ListID, IQBIDType) V(FullName, IQBStringType)
QBFC_INTERFACE(IQBBaseRef, QBFC_TABLE_IQBBaseRef);

#define QBFC_TABLE_IAddress(V, A, S, SI, L)                                                        \
    V(Addr1, IQBStringType)                                                                        \
    V(Addr2, IQBStringType) V(Addr3, IQBStringType) V(Addr4, IQBStringType)                        \
        V(Addr5, IQBStringType) V(City, IQBStringType) V(State, IQBStringType)                     \
            V(PostalCode, IQBStringType) V(Country, IQBStringType) V(Note, IQBStringType)
QBFC_INTERFACE(IAddress, QBFC_TABLE_IAddress);
