// Purchase orders, their lines and the receipts and bills linked to them.
#include "qbhost/company_file.h"
#include "qbhost/company_schema.h"

#include <stdexcept>

namespace qbhost {

namespace {

Address AddressAt(const sql::Statement& row, int first) {
    Address address;
    for (int i = 0; i < 5; ++i)
        address.addr[static_cast<std::size_t>(i)] = row.Text(first + i);
    address.city = row.Text(first + 5);
    address.state = row.Text(first + 6);
    address.postalCode = row.Text(first + 7);
    address.country = row.Text(first + 8);
    address.note = row.Text(first + 9);
    return address;
}

void BindAddressAt(sql::Statement& statement, int first, const Address& address) {
    for (int i = 0; i < 5; ++i)
        statement.BindOptional(first + i, address.addr[static_cast<std::size_t>(i)]);
    statement.BindOptional(first + 5, address.city);
    statement.BindOptional(first + 6, address.state);
    statement.BindOptional(first + 7, address.postalCode);
    statement.BindOptional(first + 8, address.country);
    statement.BindOptional(first + 9, address.note);
}

std::optional<bool> OptionalBool(const sql::Statement& row, int column) {
    if (row.IsNull(column))
        return std::nullopt;
    return row.Int(column) != 0;
}

void BindOptionalBool(sql::Statement& statement, int index, std::optional<bool> value) {
    if (value)
        statement.Bind(index, std::int64_t{*value});
    else
        statement.BindNull(index);
}

const std::string kHeaderSelect =
    "SELECT p.txn_id, p.time_created, p.time_modified, p.edit_sequence, p.txn_number,"
    " p.vendor_id, v.name, p.class_id, c.name, p.ship_to_id, s.name, p.template_id, t.name,"
    " p.txn_date, p.ref_number, " +
    schema::AddressColumns("p.v_") + ", " + schema::AddressColumns("p.s_") +
    ", p.terms_id, tm.name, p.due_date, p.expected_date, p.ship_method_id, sm.name, p.fob,"
    " p.is_manually_closed, p.memo, p.vendor_msg, p.is_to_be_printed, p.is_to_be_emailed,"
    " p.other1, p.other2"
    " FROM purchase_orders p JOIN vendors v ON v.list_id = p.vendor_id"
    " LEFT JOIN classes c ON c.list_id = p.class_id"
    " LEFT JOIN customers s ON s.list_id = p.ship_to_id"
    " LEFT JOIN templates t ON t.list_id = p.template_id"
    " LEFT JOIN terms tm ON tm.list_id = p.terms_id"
    " LEFT JOIN ship_methods sm ON sm.list_id = p.ship_method_id"
    " WHERE p.txn_id = ?1";

ListRef RefAt(const sql::Statement& row, int column) {
    return {row.Text(column), row.Text(column + 1)};
}

} // namespace

PurchaseOrder CompanyFile::AddPurchaseOrder(PurchaseOrder po) {
    po.vendor.listId = ResolveList(ListKind::Vendor, po.vendor);
    if (po.vendor.listId.empty())
        throw std::runtime_error("a purchase order needs a vendor");
    if (po.txnDate.empty())
        throw std::runtime_error("a purchase order needs a date");
    po.classRef.listId = ResolveList(ListKind::Class, po.classRef);
    po.shipTo.listId = ResolveList(ListKind::Customer, po.shipTo);
    po.templateRef.listId = ResolveList(ListKind::Template, po.templateRef);
    po.terms.listId = ResolveList(ListKind::Terms, po.terms);
    po.shipMethod.listId = ResolveList(ListKind::ShipMethod, po.shipMethod);
    if (po.vendorAddress.empty())
        po.vendorAddress = VendorAddress(po.vendor.listId).value_or(Address{});

    po.txnId = NewId("txn");
    po.editSequence = NextEditSequence();
    po.timeCreated = po.timeModified = NowDateTime();
    po.txnNumber = m_db->QueryInt("SELECT coalesce(max(txn_number), 0) + 1 FROM purchase_orders");

    auto insert = m_db->Prepare(
        "INSERT INTO purchase_orders (txn_id, txn_number, time_created, time_modified,"
        " edit_sequence, vendor_id, class_id, ship_to_id, template_id, txn_date, ref_number, " +
        schema::AddressColumns("v_") + ", " + schema::AddressColumns("s_") +
        ", terms_id, due_date, expected_date, ship_method_id, fob, is_manually_closed, memo,"
        " vendor_msg, is_to_be_printed, is_to_be_emailed, other1, other2) VALUES (?1, ?2, ?3,"
        " ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21,"
        " ?22, ?23, ?24, ?25, ?26, ?27, ?28, ?29, ?30, ?31, ?32, ?33, ?34, ?35, ?36, ?37, ?38,"
        " ?39, ?40, ?41, ?42, ?43)");
    insert.Bind(1, po.txnId)
        .Bind(2, po.txnNumber)
        .Bind(3, po.timeCreated)
        .Bind(4, po.timeModified)
        .Bind(5, po.editSequence)
        .Bind(6, po.vendor.listId)
        .BindOptional(7, po.classRef.listId)
        .BindOptional(8, po.shipTo.listId)
        .BindOptional(9, po.templateRef.listId)
        .Bind(10, po.txnDate)
        .BindOptional(11, po.refNumber);
    BindAddressAt(insert, 12, po.vendorAddress);
    BindAddressAt(insert, 22, po.shipAddress);
    insert.BindOptional(32, po.terms.listId)
        .BindOptional(33, po.dueDate)
        .BindOptional(34, po.expectedDate)
        .BindOptional(35, po.shipMethod.listId)
        .BindOptional(36, po.fob)
        .Bind(37, std::int64_t{po.isManuallyClosed})
        .BindOptional(38, po.memo)
        .BindOptional(39, po.vendorMsg);
    BindOptionalBool(insert, 40, po.isToBePrinted);
    BindOptionalBool(insert, 41, po.isToBeEmailed);
    insert.BindOptional(42, po.other1).BindOptional(43, po.other2);
    insert.Run();

    auto line = m_db->Prepare(
        "INSERT INTO po_lines (txn_line_id, txn_id, position, group_line_id, is_group, item_id,"
        " manufacturer_part_number, description, quantity, unit_of_measure, rate, class_id,"
        " amount, customer_id, service_date, is_manually_closed, is_print_items_in_group,"
        " other1, other2) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14,"
        " ?15, ?16, ?17, ?18, ?19)");
    std::string currentGroup;
    std::int64_t position = 0;
    for (auto& entry : po.lines) {
        entry.txnLineId = NewId("line");
        entry.item.listId = ResolveList(ListKind::Item, entry.item);
        entry.classRef.listId = ResolveList(ListKind::Class, entry.classRef);
        entry.customer.listId = ResolveList(ListKind::Customer, entry.customer);
        // Members follow their group; the caller marks them with a non-empty groupLineId.
        if (entry.isGroup)
            currentGroup = entry.txnLineId;
        else if (!entry.groupLineId.empty()) {
            if (currentGroup.empty())
                throw std::runtime_error("a group member line without its group");
            entry.groupLineId = currentGroup;
        } else
            currentGroup.clear();
        if (!entry.isGroup && !entry.amount && entry.quantity && entry.rate)
            entry.amount = ToCents(*entry.quantity * *entry.rate);
        line.Reset();
        line.Bind(1, entry.txnLineId)
            .Bind(2, po.txnId)
            .Bind(3, ++position)
            .BindOptional(4, entry.groupLineId)
            .Bind(5, std::int64_t{entry.isGroup})
            .BindOptional(6, entry.item.listId)
            .BindOptional(7, entry.manufacturerPartNumber)
            .BindOptional(8, entry.desc)
            .Bind(9, entry.quantity)
            .BindOptional(10, entry.unitOfMeasure)
            .Bind(11, entry.rate)
            .BindOptional(12, entry.classRef.listId)
            .Bind(13, entry.isGroup ? std::nullopt : entry.amount)
            .BindOptional(14, entry.customer.listId)
            .BindOptional(15, entry.serviceDate)
            .Bind(16, std::int64_t{entry.isManuallyClosed})
            .Bind(17, std::int64_t{entry.isPrintItemsInGroup})
            .BindOptional(18, entry.other1)
            .BindOptional(19, entry.other2);
        line.Run();
    }
    return *LoadPurchaseOrder(po.txnId);
}

LinkedTxn CompanyFile::AddLinkedTxn(std::string_view poTxnId, LinkedTxn link) {
    link.txnId = NewId("txn");
    auto insert = m_db->Prepare("INSERT INTO linked_txns VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    insert.Bind(1, link.txnId)
        .Bind(2, poTxnId)
        .Bind(3, link.txnType)
        .Bind(4, link.txnDate)
        .BindOptional(5, link.refNumber)
        .Bind(6, link.linkType);
    insert.Run();
    auto detail = m_db->Prepare("INSERT INTO linked_txn_lines VALUES (?1, ?2, ?3, ?4, ?5)");
    std::int64_t position = 0;
    for (const auto& line : link.lines) {
        // A receipt names lines of its own purchase order only.
        auto owner = m_db->Prepare("SELECT 1 FROM po_lines WHERE txn_line_id = ?1 AND txn_id = ?2"
                                   " AND is_group = 0");
        owner.Bind(1, line.poLineId).Bind(2, poTxnId);
        if (!owner.Step())
            throw std::runtime_error("line " + line.poLineId + " is not a line of the order");
        detail.Reset();
        detail.Bind(1, link.txnId)
            .Bind(2, ++position)
            .Bind(3, line.poLineId)
            .Bind(4, line.quantity)
            .Bind(5, line.amount);
        detail.Run();
    }
    return link;
}

std::optional<PurchaseOrder> CompanyFile::LoadPurchaseOrder(std::string_view txnId) {
    auto row = m_db->Prepare(kHeaderSelect);
    row.Bind(1, txnId);
    if (!row.Step())
        return std::nullopt;
    PurchaseOrder po;
    po.txnId = row.Text(0);
    po.timeCreated = row.Text(1);
    po.timeModified = row.Text(2);
    po.editSequence = row.Text(3);
    po.txnNumber = row.Int(4);
    po.vendor = RefAt(row, 5);
    po.classRef = RefAt(row, 7);
    po.shipTo = RefAt(row, 9);
    po.templateRef = RefAt(row, 11);
    po.txnDate = row.Text(13);
    po.refNumber = row.Text(14);
    po.vendorAddress = AddressAt(row, 15);
    po.shipAddress = AddressAt(row, 25);
    po.terms = RefAt(row, 35);
    po.dueDate = row.Text(37);
    po.expectedDate = row.Text(38);
    po.shipMethod = RefAt(row, 39);
    po.fob = row.Text(41);
    po.isManuallyClosed = row.Int(42) != 0;
    po.memo = row.Text(43);
    po.vendorMsg = row.Text(44);
    po.isToBePrinted = OptionalBool(row, 45);
    po.isToBeEmailed = OptionalBool(row, 46);
    po.other1 = row.Text(47);
    po.other2 = row.Text(48);

    // Received quantities and open balances need the lines and links even when the caller
    // does not return them.
    auto lines = m_db->Prepare(
        "SELECT l.txn_line_id, l.group_line_id, l.is_group, l.item_id, i.name,"
        " l.manufacturer_part_number, l.description, l.quantity, l.unit_of_measure, l.rate,"
        " l.class_id, c.name, l.amount, l.customer_id, cu.name, l.service_date,"
        " l.is_manually_closed, l.is_print_items_in_group, l.other1, l.other2"
        " FROM po_lines l LEFT JOIN items i ON i.list_id = l.item_id"
        " LEFT JOIN classes c ON c.list_id = l.class_id"
        " LEFT JOIN customers cu ON cu.list_id = l.customer_id"
        " WHERE l.txn_id = ?1 ORDER BY l.position");
    lines.Bind(1, txnId);
    while (lines.Step()) {
        PoLine line;
        line.txnLineId = lines.Text(0);
        line.groupLineId = lines.Text(1);
        line.isGroup = lines.Int(2) != 0;
        line.item = RefAt(lines, 3);
        line.manufacturerPartNumber = lines.Text(5);
        line.desc = lines.Text(6);
        line.quantity = lines.OptionalReal(7);
        line.unitOfMeasure = lines.Text(8);
        line.rate = lines.OptionalReal(9);
        line.classRef = RefAt(lines, 10);
        line.amount = lines.OptionalInt(12);
        line.customer = RefAt(lines, 13);
        line.serviceDate = lines.Text(15);
        line.isManuallyClosed = lines.Int(16) != 0;
        line.isPrintItemsInGroup = lines.Int(17) != 0;
        line.other1 = lines.Text(18);
        line.other2 = lines.Text(19);
        po.lines.push_back(std::move(line));
    }
    auto links = m_db->Prepare("SELECT txn_id, txn_type, txn_date, ref_number, link_type FROM"
                               " linked_txns WHERE po_txn_id = ?1 ORDER BY txn_date, txn_id");
    links.Bind(1, txnId);
    auto details = m_db->Prepare("SELECT po_line_id, quantity, amount FROM linked_txn_lines"
                                 " WHERE linked_txn_id = ?1 ORDER BY position");
    while (links.Step()) {
        LinkedTxn link{links.Text(0), links.Text(1), links.Text(2),
                       links.Text(3), links.Text(4), {}};
        details.Reset();
        details.Bind(1, link.txnId);
        while (details.Step())
            link.lines.push_back({details.Text(0), details.OptionalReal(1), details.Int(2)});
        po.links.push_back(std::move(link));
    }
    return po;
}

std::vector<std::string> CompanyFile::PurchaseOrdersByDate(std::string_view from,
                                                           std::string_view to) {
    auto rows = m_db->Prepare("SELECT txn_id FROM purchase_orders WHERE (?1 IS NULL OR txn_date"
                              " >= ?1) AND (?2 IS NULL OR txn_date <= ?2)"
                              " ORDER BY txn_date, txn_number");
    rows.BindOptional(1, from).BindOptional(2, to);
    std::vector<std::string> out;
    while (rows.Step())
        out.push_back(rows.Text(0));
    return out;
}

std::vector<std::string> CompanyFile::PurchaseOrdersByRef(std::string_view refNumber) {
    auto rows = m_db->Prepare(
        "SELECT txn_id FROM purchase_orders WHERE ref_number = ?1 ORDER BY txn_date, txn_number");
    rows.Bind(1, refNumber);
    std::vector<std::string> out;
    while (rows.Step())
        out.push_back(rows.Text(0));
    return out;
}

bool CompanyFile::UpdatePurchaseOrder(PurchaseOrder& po) {
    po.editSequence = NextEditSequence();
    po.timeModified = NowDateTime();
    auto update =
        m_db->Prepare("UPDATE purchase_orders SET edit_sequence = ?2, time_modified = ?3,"
                      " is_manually_closed = ?4, memo = ?5, expected_date = ?6, ref_number = ?7"
                      " WHERE txn_id = ?1");
    update.Bind(1, po.txnId)
        .Bind(2, po.editSequence)
        .Bind(3, po.timeModified)
        .Bind(4, std::int64_t{po.isManuallyClosed})
        .BindOptional(5, po.memo)
        .BindOptional(6, po.expectedDate)
        .BindOptional(7, po.refNumber);
    update.Run();
    if (m_db->Changes() == 0)
        return false;
    // Closing an order closes each of its lines, as QuickBooks does; reopening reopens them.
    auto lines = m_db->Prepare("UPDATE po_lines SET is_manually_closed = ?2 WHERE txn_id = ?1");
    lines.Bind(1, po.txnId).Bind(2, std::int64_t{po.isManuallyClosed}).Run();
    for (auto& line : po.lines)
        line.isManuallyClosed = po.isManuallyClosed;
    return true;
}

} // namespace qbhost
