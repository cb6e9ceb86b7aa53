// libFuzzer target: arbitrary bytes as a host's response, read and then walked through every
// view the system uses. Any crash, hang or sanitizer report is a fault; _com_error is the
// expected answer to bad input.
#include "qbfc/msgset_response.h"
#include "qbfc/qbfc.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

volatile long g_sink; // keeps the reads from being optimised away

void Touch(const _bstr_t& text) {
    g_sink = g_sink + static_cast<long>(text.length());
}
template <class P>
void TouchValue(const P& value) {
    if (value)
        g_sink = g_sink + static_cast<long>(value->GetValue());
}
template <class P>
void TouchText(const P& value) {
    if (value)
        Touch(value->GetValue());
}

void WalkRef(const IQBBaseRefPtr& ref) {
    if (!ref)
        return;
    TouchText(ref->GetListID());
    TouchText(ref->GetFullName());
}

void WalkAddress(const IAddressPtr& a) {
    if (!a)
        return;
    for (const IQBStringTypePtr& s :
         {a->GetAddr1(), a->GetAddr2(), a->GetAddr3(), a->GetAddr4(), a->GetAddr5(), a->GetCity(),
          a->GetState(), a->GetPostalCode(), a->GetCountry(), a->GetNote()})
        TouchText(s);
}

void WalkLine(const IPurchaseOrderLineRetPtr& line) {
    if (!line)
        return;
    TouchText(line->GetTxnLineID());
    WalkRef(line->GetItemRef());
    TouchText(line->GetDesc());
    TouchValue(line->GetQuantity());
    TouchValue(line->GetRate());
    TouchValue(line->GetAmount());
    TouchValue(line->GetServiceDate());
    TouchValue(line->GetReceivedQuantity());
    TouchValue(line->GetIsManuallyClosed());
}

void WalkPurchaseOrder(const IPurchaseOrderRetPtr& po) {
    if (!po)
        return;
    TouchText(po->GetTxnID());
    TouchValue(po->GetTimeCreated());
    TouchValue(po->GetTimeModified());
    TouchText(po->GetEditSequence());
    TouchValue(po->GetTxnNumber());
    WalkRef(po->GetVendorRef());
    TouchValue(po->GetTxnDate());
    WalkAddress(po->GetVendorAddress());
    WalkAddress(po->GetShipAddress());
    TouchValue(po->GetTotalAmount());
    TouchValue(po->GetExchangeRate());
    TouchValue(po->GetIsManuallyClosed());
    TouchValue(po->GetIsFullyReceived());
    if (ILinkedTxnListPtr links = po->GetLinkedTxnList()) {
        for (long i = 0; i < links->GetCount(); ++i) {
            ILinkedTxnPtr link = links->GetAt(i);
            TouchText(link->GetTxnID());
            TouchValue(link->GetTxnType());
            TouchValue(link->GetTxnDate());
            TouchValue(link->GetLinkType());
            TouchValue(link->GetAmount());
            ITxnLineDetailListPtr details = link->GetTxnLineDetailList();
            for (long j = 0; j < details->GetCount(); ++j) {
                ITxnLineDetailPtr detail = details->GetAt(j);
                TouchText(detail->GetTxnLineID());
                TouchValue(detail->GetAmount());
            }
        }
    }
    IORPurchaseOrderLineRetListPtr lines = po->GetORPurchaseOrderLineRetList();
    for (long i = 0; i < lines->GetCount(); ++i) {
        IORPurchaseOrderLineRetPtr entry = lines->GetAt(i);
        WalkLine(entry->GetPurchaseOrderLineRet());
        if (IPurchaseOrderLineGroupRetPtr group = entry->GetPurchaseOrderLineGroupRet()) {
            TouchText(group->GetTxnLineID());
            WalkRef(group->GetItemGroupRef());
            TouchValue(group->GetIsPrintItemsInGroup());
            TouchValue(group->GetTotalAmount());
            IPurchaseOrderLineRetListPtr members = group->GetPurchaseOrderLineRetList();
            for (long j = 0; j < members->GetCount(); ++j)
                WalkLine(members->GetAt(j));
        }
    }
}

void WalkReport(const IReportRetPtr& report) {
    if (!report)
        return;
    TouchText(report->GetReportTitle());
    TouchValue(report->GetNumRows());
    IColDescListPtr cols = report->GetColDescList();
    for (long i = 0; i < cols->GetCount(); ++i) {
        IColDescPtr col = cols->GetAt(i);
        TouchValue(col->GetcolID());
        TouchValue(col->GetColType());
        IColTitleListPtr titles = col->GetColTitleList();
        for (long j = 0; j < titles->GetCount(); ++j)
            TouchText(IColTitlePtr(titles->GetAt(j))->Getvalue());
    }
    IReportDataPtr data = report->GetReportData();
    if (!data)
        return;
    IORReportDataListPtr rows = data->GetORReportDataList();
    for (long i = 0; i < rows->GetCount(); ++i) {
        IORReportDataPtr row = rows->GetAt(i);
        if (ITextRowPtr text = row->GetTextRow())
            TouchText(text->Getvalue());
        IDataRowPtr dataRow = row->GetDataRow();
        if (!dataRow)
            continue;
        TouchValue(dataRow->GetrowNumber());
        IColDataListPtr cells = dataRow->GetColDataList();
        for (long j = 0; j < cells->GetCount(); ++j) {
            IColDataPtr cell = cells->GetAt(j);
            TouchValue(cell->GetcolID());
            TouchText(cell->Getvalue());
        }
    }
}

void WalkPreferences(const IPreferencesRetPtr& p) {
    if (!p)
        return;
    if (IAccountingPreferencesPtr a = p->GetAccountingPreferences()) {
        TouchValue(a->GetIsUsingAccountNumbers());
        TouchValue(a->GetClosingDate());
    }
    if (IFinanceChargePreferencesPtr f = p->GetFinanceChargePreferences()) {
        TouchValue(f->GetAnnualInterestRate());
        TouchValue(f->GetGracePeriod());
        WalkRef(f->GetFinanceChargeAccountRef());
        TouchValue(f->GetCalculateChargesFrom());
    }
    if (IReportsPreferencesPtr r = p->GetReportsPreferences()) {
        TouchValue(r->GetAgingReportBasis());
        TouchValue(r->GetSummaryReportBasis());
    }
    if (ISalesAndCustomersPreferencesPtr s = p->GetSalesAndCustomersPreferences()) {
        TouchValue(s->GetDefaultMarkup());
        if (IPriceLevelsPtr levels = s->GetPriceLevels())
            TouchValue(levels->GetIsUsingPriceLevels());
    }
    if (ITimeTrackingPreferencesPtr t = p->GetTimeTrackingPreferences())
        TouchValue(t->GetFirstDayOfWeek());
    if (ICurrentAppAccessRightsPtr c = p->GetCurrentAppAccessRights())
        TouchText(c->GetAutomaticLoginUserName());
}

void WalkCompany(const ICompanyRetPtr& c) {
    if (!c)
        return;
    TouchValue(c->GetIsSampleCompany());
    TouchText(c->GetCompanyName());
    WalkAddress(c->GetAddress());
    TouchValue(c->GetFirstMonthFiscalYear());
    TouchValue(c->GetTaxForm());
    if (ISubscribedServicesPtr services = c->GetSubscribedServices()) {
        IServiceListPtr list = services->GetServiceList();
        for (long i = 0; i < list->GetCount(); ++i) {
            IServicePtr service = list->GetAt(i);
            TouchText(service->GetName());
            TouchValue(service->GetServiceStatus());
        }
    }
    if (IAccountantCopyPtr copy = c->GetAccountantCopy()) {
        TouchValue(copy->GetAccountantCopyExists());
        TouchValue(copy->GetDividingDate());
    }
}

void WalkHost(const IHostRetPtr& host) {
    if (!host)
        return;
    TouchText(host->GetProductName());
    TouchValue(host->GetMajorVersion());
    IBSTRListPtr versions = host->GetSupportedQBXMLVersionList();
    for (long i = 0; i < versions->GetCount(); ++i)
        Touch(versions->GetAt(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        IMsgSetResponsePtr set =
            qbfc::ReadMsgSetResponse(std::string(reinterpret_cast<const char*>(data), size));
        Touch(set->ToXMLString());
        IResponseListPtr list = set->GetResponseList();
        for (long i = 0; i < list->GetCount(); ++i) {
            IResponsePtr response = list->GetAt(i);
            g_sink = g_sink + response->GetStatusCode();
            Touch(response->GetStatusMessage());
            Touch(response->GetStatusSeverity());
            g_sink = g_sink + static_cast<short>(response->GetType()->GetValue());
            IQBBasePtr detail = response->GetDetail();
            if (!detail)
                continue;
            // Every view is tried on every detail: the wrong ones have to come back empty.
            WalkHost(detail);
            WalkReport(detail);
            WalkPreferences(detail);
            WalkCompany(detail);
            WalkPurchaseOrder(detail);
            if (IPurchaseOrderRetListPtr orders = detail)
                for (long j = 0; j < orders->GetCount(); ++j)
                    WalkPurchaseOrder(orders->GetAt(j));
        }
    } catch (const _com_error&) {
        // Bad input is answered with a COM error, as the SDK does.
    }
    return 0;
}
