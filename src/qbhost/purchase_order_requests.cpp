// Purchase order query and modification, and the PurchaseOrderRet they answer with.
#include "qbhost/preference_table.h"
#include "qbhost/qbxml_io.h"
#include "qbhost/request_handlers.h"

namespace qbhost::handlers {

namespace {

void WriteLine(pugi::xml_node& parent, const PurchaseOrder& po, const PoLine& line) {
    pugi::xml_node ret = parent.append_child("PurchaseOrderLineRet");
    qbxml::Add(ret, "TxnLineID", line.txnLineId);
    qbxml::AddRef(ret, "ItemRef", line.item);
    qbxml::AddIf(ret, "ManufacturerPartNumber", line.manufacturerPartNumber);
    qbxml::AddIf(ret, "Desc", line.desc);
    if (line.quantity)
        qbxml::Add(ret, "Quantity", FormatNumber(*line.quantity));
    qbxml::AddIf(ret, "UnitOfMeasure", line.unitOfMeasure);
    if (line.rate)
        qbxml::Add(ret, "Rate", FormatNumber(*line.rate));
    qbxml::AddRef(ret, "ClassRef", line.classRef);
    if (line.amount)
        qbxml::Add(ret, "Amount", FormatAmount(*line.amount));
    qbxml::AddRef(ret, "CustomerRef", line.customer);
    qbxml::AddIf(ret, "ServiceDate", line.serviceDate);
    qbxml::Add(ret, "ReceivedQuantity", FormatNumber(po.Received(line)));
    qbxml::AddBool(ret, "IsManuallyClosed", line.isManuallyClosed);
    qbxml::AddIf(ret, "Other1", line.other1);
    qbxml::AddIf(ret, "Other2", line.other2);
}

void WriteLink(pugi::xml_node& parent, const LinkedTxn& link) {
    pugi::xml_node ret = parent.append_child("LinkedTxn");
    qbxml::Add(ret, "TxnID", link.txnId);
    qbxml::Add(ret, "TxnType", link.txnType);
    qbxml::Add(ret, "TxnDate", link.txnDate);
    qbxml::AddIf(ret, "RefNumber", link.refNumber);
    qbxml::Add(ret, "LinkType", link.linkType);
    qbxml::Add(ret, "Amount", FormatAmount(link.Amount()));
    for (const auto& line : link.lines) {
        pugi::xml_node detail = ret.append_child("TxnLineDetail");
        qbxml::Add(detail, "TxnLineID", line.poLineId);
        qbxml::Add(detail, "Amount", FormatAmount(line.amount));
    }
}

bool Flag(const pugi::xml_node& rq, const char* name) {
    return qbxml::Bool(rq, name).value_or(false);
}

std::vector<PurchaseOrder> Load(Context& context, const std::vector<std::string>& ids) {
    std::vector<PurchaseOrder> out;
    for (const auto& id : ids)
        if (auto po = context.file.LoadPurchaseOrder(id))
            out.push_back(std::move(*po));
    return out;
}

} // namespace

void WritePurchaseOrder(pugi::xml_node& parent, const PurchaseOrder& po, bool lines, bool links) {
    pugi::xml_node ret = parent.append_child("PurchaseOrderRet");
    qbxml::Add(ret, "TxnID", po.txnId);
    qbxml::Add(ret, "TimeCreated", po.timeCreated);
    qbxml::Add(ret, "TimeModified", po.timeModified);
    qbxml::Add(ret, "EditSequence", po.editSequence);
    qbxml::Add(ret, "TxnNumber", std::to_string(po.txnNumber));
    qbxml::AddRef(ret, "VendorRef", po.vendor);
    qbxml::AddRef(ret, "ClassRef", po.classRef);
    qbxml::AddRef(ret, "ShipToEntityRef", po.shipTo);
    qbxml::AddRef(ret, "TemplateRef", po.templateRef);
    qbxml::Add(ret, "TxnDate", po.txnDate);
    qbxml::AddIf(ret, "RefNumber", po.refNumber);
    qbxml::AddAddress(ret, "VendorAddress", po.vendorAddress);
    qbxml::AddAddressBlock(ret, "VendorAddressBlock", po.vendorAddress);
    qbxml::AddAddress(ret, "ShipAddress", po.shipAddress);
    qbxml::AddAddressBlock(ret, "ShipAddressBlock", po.shipAddress);
    qbxml::AddRef(ret, "TermsRef", po.terms);
    qbxml::AddIf(ret, "DueDate", po.dueDate);
    qbxml::AddIf(ret, "ExpectedDate", po.expectedDate);
    qbxml::AddRef(ret, "ShipMethodRef", po.shipMethod);
    qbxml::AddIf(ret, "FOB", po.fob);
    qbxml::Add(ret, "TotalAmount", FormatAmount(po.TotalAmount()));
    qbxml::AddBool(ret, "IsManuallyClosed", po.isManuallyClosed);
    qbxml::AddBool(ret, "IsFullyReceived", po.IsFullyReceived());
    qbxml::AddIf(ret, "Memo", po.memo);
    qbxml::AddIf(ret, "VendorMsg", po.vendorMsg);
    if (po.isToBePrinted)
        qbxml::AddBool(ret, "IsToBePrinted", *po.isToBePrinted);
    if (po.isToBeEmailed)
        qbxml::AddBool(ret, "IsToBeEmailed", *po.isToBeEmailed);
    qbxml::AddIf(ret, "Other1", po.other1);
    qbxml::AddIf(ret, "Other2", po.other2);
    if (links)
        for (const auto& link : po.links)
            WriteLink(ret, link);
    if (!lines)
        return;
    for (const auto& line : po.lines) {
        if (!line.groupLineId.empty())
            continue; // written inside its group
        if (!line.isGroup) {
            WriteLine(ret, po, line);
            continue;
        }
        pugi::xml_node group = ret.append_child("PurchaseOrderLineGroupRet");
        qbxml::Add(group, "TxnLineID", line.txnLineId);
        qbxml::AddRef(group, "ItemGroupRef", line.item);
        qbxml::AddIf(group, "Desc", line.desc);
        if (line.quantity)
            qbxml::Add(group, "Quantity", FormatNumber(*line.quantity));
        qbxml::AddIf(group, "UnitOfMeasure", line.unitOfMeasure);
        qbxml::AddBool(group, "IsPrintItemsInGroup", line.isPrintItemsInGroup);
        qbxml::Add(group, "TotalAmount", FormatAmount(po.GroupTotal(line)));
        for (const auto& member : po.lines)
            if (member.groupLineId == line.txnLineId)
                WriteLine(group, po, member);
    }
}

Status PurchaseOrderQuery(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context) {
    bool lines = Flag(rq, "IncludeLineItems");
    bool links = Flag(rq, "IncludeLinkedTxns");
    std::vector<PurchaseOrder> found;
    std::string missing;

    if (rq.child("TxnID")) {
        for (pugi::xml_node id : rq.children("TxnID")) {
            std::string txnId = id.text().get();
            auto po = context.file.LoadPurchaseOrder(txnId);
            if (po)
                found.push_back(std::move(*po));
            else if (missing.empty())
                missing = txnId;
        }
    } else if (rq.child("RefNumber")) {
        for (pugi::xml_node ref : rq.children("RefNumber"))
            for (auto& po : Load(context, context.file.PurchaseOrdersByRef(ref.text().get())))
                found.push_back(std::move(po));
    } else {
        pugi::xml_node range = rq.child("TxnDateRangeFilter");
        std::string from = qbxml::Date(range, "FromTxnDate").value_or("");
        std::string to = qbxml::Date(range, "ToTxnDate").value_or("");
        if (!from.empty() && !to.empty() && from > to)
            throw StatusError(status::InvalidRange("TxnDateRangeFilter"));
        auto max = qbxml::Int(rq, "MaxReturned");
        if (max && *max < 1)
            throw StatusError(status::InvalidValue(std::to_string(*max), "MaxReturned"));
        for (const auto& txnId : context.file.PurchaseOrdersByDate(from, to)) {
            if (max && static_cast<long>(found.size()) >= *max)
                break;
            if (auto po = context.file.LoadPurchaseOrder(txnId))
                found.push_back(std::move(*po));
        }
    }

    for (const auto& po : found)
        WritePurchaseOrder(rs, po, lines, links);
    if (!missing.empty())
        return status::NotFoundInQuery(missing);
    return found.empty() ? status::NoMatch() : status::Ok();
}

Status PurchaseOrderMod(const pugi::xml_node& rq, pugi::xml_node& rs, Context& context) {
    pugi::xml_node mod = rq.child("PurchaseOrderMod");
    if (!mod)
        throw StatusError(status::MissingElement("PurchaseOrderMod"));
    std::string txnId = qbxml::Required(mod, "TxnID");
    std::string editSequence = qbxml::Required(mod, "EditSequence");
    auto po = context.file.LoadPurchaseOrder(txnId);
    if (!po)
        throw StatusError(status::ObjectNotFound(txnId));
    if (po->editSequence != editSequence)
        throw StatusError(status::StaleEditSequence(editSequence));

    // The closing date and the dividing date guard the date the order has now and the one
    // it would get, so that neither way round moves it across the line.
    auto newDate = qbxml::Date(mod, "TxnDate");
    std::string closing = context.file.Preference(kClosingDatePreference).value_or("");
    bool exempt = context.file.Preference(kExemptPoPreference).value_or("false") == "true";
    for (const std::string& date : {po->txnDate, newDate.value_or(po->txnDate)})
        if (!closing.empty() && date <= closing && !exempt)
            throw StatusError(status::ClosingDate("Purchase Order", date));
    CompanyInfo company = context.file.ReadCompany();
    for (const std::string& date : {po->txnDate, newDate.value_or(po->txnDate)})
        if (company.accountantCopy && !company.dividingDate.empty() && date <= company.dividingDate)
            throw StatusError(status::ModifyFailed(
                "Purchase Order", "This transaction is dated on or before the dividing date of "
                                  "an accountant's copy of this company file and cannot be "
                                  "changed until the accountant's changes are imported."));
    if (newDate)
        throw StatusError(status::NotSupported()); // FIXME: moving an order's date

    if (auto closed = qbxml::Bool(mod, "IsManuallyClosed"))
        po->isManuallyClosed = *closed;
    if (auto memo = qbxml::Text(mod, "Memo"))
        po->memo = *memo;
    if (auto ref = qbxml::Text(mod, "RefNumber"))
        po->refNumber = *ref;
    if (auto expected = qbxml::Date(mod, "ExpectedDate"))
        po->expectedDate = *expected;
    if (mod.child("PurchaseOrderLineMod") || mod.child("PurchaseOrderLineGroupMod"))
        throw StatusError(status::NotSupported()); // FIXME: line modifications

    if (!context.file.UpdatePurchaseOrder(*po))
        throw StatusError(status::ObjectNotFound(txnId));
    WritePurchaseOrder(rs, *po, true, true);
    return status::Ok();
}

} // namespace qbhost::handlers
