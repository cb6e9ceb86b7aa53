// The host query and what it returns.
#pragma once

#include "qbfc/members.h"

#define QBFC_TABLE_IHostQuery(V, A, S, SI, L)
QBFC_INTERFACE(IHostQuery, QBFC_TABLE_IHostQuery);

#define QBFC_TABLE_IHostRet(V, A, S, SI, L)                                                        \
    V(ProductName, IQBStringType)                                                                  \
    V(MajorVersion, IQBIntType) V(MinorVersion, IQBIntType) V(Country, IQBStringType)              \
        L(SupportedQBXMLVersionList, IBSTRList, "SupportedQBXMLVersion")                           \
            V(IsAutomaticLogin, IQBBoolType) V(QBFileMode, IQBENQBFileModeType)
QBFC_INTERFACE(IHostRet, QBFC_TABLE_IHostRet);
