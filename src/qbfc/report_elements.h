// The general detail report: its query, and the report it returns. Column ids, values and
// row numbers are attributes in qbXML and element getters here, as in QBFC.
#pragma once

#include "qbfc/members.h"

#define QBFC_TABLE_IReportPeriod(V, A, S, SI, L)                                                   \
    V(FromReportDate, IQBDateType) V(ToReportDate, IQBDateType)
QBFC_INTERFACE(IReportPeriod, QBFC_TABLE_IReportPeriod);

#define QBFC_TABLE_IORReportPeriod(V, A, S, SI, L) A(ReportPeriod, IReportPeriod)
QBFC_INTERFACE(IORReportPeriod, QBFC_TABLE_IORReportPeriod);

#define QBFC_TABLE_IGeneralDetailReportQuery(V, A, S, SI, L)                                       \
    V(GeneralDetailReportType, IQBENGeneralDetailReportTypeType)                                   \
    V(DisplayReport, IQBBoolType)                                                                  \
    S(ORReportPeriod, IORReportPeriod) L(IncludeColumnList, IENIncludeColumnList, "IncludeColumn") \
        V(ReportOpenBalanceAsOf, IQBENReportOpenBalanceAsOfType)
QBFC_INTERFACE(IGeneralDetailReportQuery, QBFC_TABLE_IGeneralDetailReportQuery);

#define QBFC_TABLE_IColTitle(V, A, S, SI, L) V(titleRow, IQBIntType) V(value, IQBStringType)
QBFC_INTERFACE(IColTitle, QBFC_TABLE_IColTitle);
QBFC_LIST_INTERFACE(IColTitleList, IColTitle);

// dataType is kept as its qbXML text: nothing reads it as a number.
#define QBFC_TABLE_IColDesc(V, A, S, SI, L)                                                        \
    V(colID, IQBIntType)                                                                           \
    V(dataType, IQBStringType) L(ColTitleList, IColTitleList, "ColTitle")                          \
        V(ColType, IQBENColTypeType)
QBFC_INTERFACE(IColDesc, QBFC_TABLE_IColDesc);
QBFC_LIST_INTERFACE(IColDescList, IColDesc);

#define QBFC_TABLE_IColData(V, A, S, SI, L)                                                        \
    V(colID, IQBIntType) V(value, IQBStringType) V(dataType, IQBStringType)
QBFC_INTERFACE(IColData, QBFC_TABLE_IColData);
QBFC_LIST_INTERFACE(IColDataList, IColData);

#define QBFC_TABLE_IRowData(V, A, S, SI, L) V(rowType, IQBStringType) V(value, IQBStringType)
QBFC_INTERFACE(IRowData, QBFC_TABLE_IRowData);

#define QBFC_TABLE_IDataRow(V, A, S, SI, L)                                                        \
    V(rowNumber, IQBIntType) A(RowData, IRowData) L(ColDataList, IColDataList, "ColData")
QBFC_INTERFACE(IDataRow, QBFC_TABLE_IDataRow);
QBFC_INTERFACE(ISubtotalRow, QBFC_TABLE_IDataRow);
QBFC_INTERFACE(ITotalRow, QBFC_TABLE_IDataRow);

#define QBFC_TABLE_ITextRow(V, A, S, SI, L) V(rowNumber, IQBIntType) V(value, IQBStringType)
QBFC_INTERFACE(ITextRow, QBFC_TABLE_ITextRow);

#define QBFC_TABLE_IORReportData(V, A, S, SI, L)                                                   \
    SI(DataRow, IDataRow)                                                                          \
    SI(TextRow, ITextRow) SI(SubtotalRow, ISubtotalRow) SI(TotalRow, ITotalRow)
QBFC_INTERFACE(IORReportData, QBFC_TABLE_IORReportData);
QBFC_LIST_INTERFACE(IORReportDataList, IORReportData);

#define QBFC_TABLE_IReportData(V, A, S, SI, L)                                                     \
    L(ORReportDataList, IORReportDataList, "DataRow|TextRow|SubtotalRow|TotalRow")
QBFC_INTERFACE(IReportData, QBFC_TABLE_IReportData);

#define QBFC_TABLE_IReportRet(V, A, S, SI, L)                                                      \
    V(ReportTitle, IQBStringType)                                                                  \
    V(ReportSubtitle, IQBStringType) V(ReportBasis, IQBStringType) V(NumRows, IQBIntType)          \
        V(NumColumns, IQBIntType) V(NumColTitleRows, IQBIntType)                                   \
            L(ColDescList, IColDescList, "ColDesc") A(ReportData, IReportData)
QBFC_INTERFACE(IReportRet, QBFC_TABLE_IReportRet);
