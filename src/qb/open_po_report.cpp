#include "qb/qbio.h"
#include "support/conversions.h"

#include <cstdlib>

namespace {

// The columns asked for, in the order the report shows them.
constexpr ENIncludeColumn kIncludeColumns[] = {
    icTxnID,  icAccount,     icDate,    icRefNumber,    icName,
    icAmount, icOpenBalance, icTxnType, icDeliveryDate, icTxnNumber};
static_assert(icTxnID == 64 && icAccount == 0 && icDate == 12 && icRefNumber == 52 &&
              icName == 26 && icAmount == 2 && icOpenBalance == 36 && icTxnType == 66 &&
              icDeliveryDate == 14 && icTxnNumber == 65);

enum class Store { Number, Date, Text, Integer };

struct ReportColumn {
    ENColType type;
    Store store;
    double TransList::*number;
    COleDateTime TransList::*date;
    _bstr_t TransList::*text;
    LONG TransList::*integer;
};

constexpr ReportColumn kReportColumns[] = {
    {ctAmount, Store::Number, &TransList::Amount, nullptr, nullptr, nullptr},
    {ctDate, Store::Date, nullptr, &TransList::TxnDate, nullptr, nullptr},
    {ctDeliveryDate, Store::Date, nullptr, &TransList::DeliveryDate, nullptr, nullptr},
    {ctName, Store::Text, nullptr, nullptr, &TransList::VendorName, nullptr},
    {ctOpenBalance, Store::Number, nullptr, nullptr, nullptr, nullptr},
    {ctRefNumber, Store::Text, nullptr, nullptr, &TransList::RefNumber, nullptr},
    {ctTxnID, Store::Text, nullptr, nullptr, &TransList::ColType95Text, nullptr},
    {ctTxnNumber, Store::Integer, nullptr, nullptr, nullptr, &TransList::TxnNumber},
    {ctTxnType, Store::Text, nullptr, nullptr, &TransList::ColType97Text, nullptr},
};
static_assert(ctAmount == 7 && ctDate == 20 && ctDeliveryDate == 22 && ctName == 39 &&
              ctOpenBalance == 49 && ctRefNumber == 72 && ctTxnID == 95 && ctTxnNumber == 96 &&
              ctTxnType == 97);

void StoreValue(const ReportColumn& column, TransList& row, const _bstr_t& value) {
    switch (column.store) {
    case Store::Number: {
        double number = std::atof(GetString(value));
        if (column.type == ctOpenBalance)
            row.OpenBalance = number;
        else
            row.*column.number = number;
        break;
    }
    case Store::Date:
        row.*column.date = StrToDate(value);
        break;
    case Store::Text:
        row.*column.text = value;
        break;
    case Store::Integer:
        row.*column.integer = std::atol(GetString(value));
        break;
    }
}

} // namespace

bool QBIO::GetOpenPurchaseOrders(std::vector<TransList>* vTransList, COleDateTime dtFromDate,
                                 COleDateTime dtToDate) {
    IMsgSetResponsePtr response =
        RunGeneralDetailReport(gdrtOpenPOs, robaReportEndDate, dtFromDate, dtToDate);
    return ProcessOpenPOReportResponse(response, vTransList, dtToDate);
}

IMsgSetResponsePtr QBIO::RunGeneralDetailReport(ENGeneralDetailReportType reportType,
                                                ENReportOpenBalanceAsOf openBalAsOf,
                                                COleDateTime dtFromDate, COleDateTime dtToDate) {
    try {
        m_pMsgSetRequest->ClearRequests();
        IGeneralDetailReportQueryPtr query = m_pMsgSetRequest->AppendGeneralDetailReportQueryRq();
        query->GetGeneralDetailReportType()->SetValue(reportType);
        IReportPeriodPtr period = query->GetORReportPeriod()->GetReportPeriod();
        if (dtFromDate.GetStatus() == COleDateTime::valid)
            period->GetFromReportDate()->SetValue(dtFromDate.m_dt);
        period->GetToReportDate()->SetValue(dtToDate.m_dt);
        IENIncludeColumnListPtr columns = query->GetIncludeColumnList();
        for (ENIncludeColumn column : kIncludeColumns)
            columns->Add(column);
        query->GetReportOpenBalanceAsOf()->SetValue(openBalAsOf);
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        return nullptr;
    }
    return SendGuarded();
}

bool QBIO::ProcessOpenPOReportResponse(IMsgSetResponsePtr responseMsgSet,
                                       std::vector<TransList>* vTransList, COleDateTime dtDate) {
    vTransList->clear();
    if (!responseMsgSet)
        return false;
    try {
        if (!QBResponseOK(responseMsgSet))
            return false;
        IResponseListPtr list = responseMsgSet->GetResponseList();
        if (!list)
            return true;
        LONG columnIds[std::size(kReportColumns)] = {};
        // A type no description named matches no datum, not the data of column 0.
        bool recorded[std::size(kReportColumns)] = {};
        for (long r = 0; r < list->GetCount(); ++r) {
            IResponsePtr response = list->GetAt(r);
            if (!response || response->GetStatusCode() < 0)
                continue;
            IQBBasePtr detail = response->GetDetail();
            IENResponseTypePtr type = response->GetType();
            if (!detail || !type || static_cast<short>(type->GetValue()) != 1137)
                continue;
            IReportRetPtr report = detail;
            if (!report)
                continue;

            if (IColDescListPtr descs = report->GetColDescList()) {
                for (long d = 0; d < descs->GetCount(); ++d) {
                    IColDescPtr desc = descs->GetAt(d);
                    IColTitleListPtr titles = desc ? desc->GetColTitleList() : nullptr;
                    if (!titles)
                        continue;
                    for (long t = 0; t < titles->GetCount(); ++t) {
                        IQBENColTypeTypePtr colType = desc->GetColType();
                        IQBIntTypePtr colId = desc->GetcolID();
                        if (!colType || !colId)
                            continue;
                        for (std::size_t c = 0; c < std::size(kReportColumns); ++c)
                            if (kReportColumns[c].type == colType->GetValue())
                                columnIds[c] = colId->GetValue(), recorded[c] = true;
                    }
                }
            }

            IReportDataPtr data = report->GetReportData();
            IORReportDataListPtr rows = data ? data->GetORReportDataList() : nullptr;
            if (!rows)
                continue;
            for (long i = 0; i < rows->GetCount(); ++i) {
                IORReportDataPtr entry = rows->GetAt(i);
                IDataRowPtr dataRow = entry ? entry->GetDataRow() : nullptr;
                IColDataListPtr cells = dataRow ? dataRow->GetColDataList() : nullptr;
                if (!cells)
                    continue;
                TransList row;
                row.ReportToDate = dtDate;
                for (long k = 0; k < cells->GetCount(); ++k) {
                    IColDataPtr cell = cells->GetAt(k);
                    IQBIntTypePtr colId = cell ? cell->GetcolID() : nullptr;
                    IQBStringTypePtr value = cell ? cell->Getvalue() : nullptr;
                    if (!colId || !value)
                        continue;
                    const LONG id = colId->GetValue();
                    for (std::size_t c = 0; c < std::size(kReportColumns); ++c)
                        if (recorded[c] && columnIds[c] == id)
                            StoreValue(kReportColumns[c], row, value->GetValue());
                }
                vTransList->push_back(row);
            }
        }
    } catch (const _com_error& e) {
        ShowComError(e, "while processing a request");
        vTransList->clear();
        return false;
    }
    return true;
}
