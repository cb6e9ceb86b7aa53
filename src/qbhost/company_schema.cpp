#include "qbhost/company_schema.h"

#include <stdexcept>

namespace qbhost::schema {

std::string AddressColumns(const std::string& p) {
    return p + "addr1, " + p + "addr2, " + p + "addr3, " + p + "addr4, " + p + "addr5, " + p +
           "city, " + p + "state, " + p + "postal_code, " + p + "country, " + p + "note";
}

namespace {

std::string AddressDefinition(const std::string& prefix) {
    std::string columns = AddressColumns(prefix);
    std::string out;
    std::size_t start = 0;
    while (start < columns.size()) {
        std::size_t comma = columns.find(", ", start);
        std::string name =
            columns.substr(start, comma == std::string::npos ? comma : comma - start);
        out += ", " + name + " TEXT";
        start = comma == std::string::npos ? columns.size() : comma + 2;
    }
    return out;
}

std::string ListTable(const std::string& name) {
    return "CREATE TABLE " + name +
           " (list_id TEXT PRIMARY KEY, name TEXT NOT NULL UNIQUE, time_created TEXT NOT NULL);";
}

} // namespace

void Create(sql::Database& db) {
    // WAL lets the tool and a running host share the file; the mode is stored in the file.
    db.Exec("PRAGMA journal_mode = WAL");
    db.Exec("PRAGMA application_id = " + std::to_string(kApplicationId));
    sql::Transaction transaction(db, sql::Transaction::Kind::Write);
    db.Exec("CREATE TABLE schema_version (version INTEGER NOT NULL);"
            "INSERT INTO schema_version VALUES (" +
            std::to_string(kVersion) +
            ");"
            "CREATE TABLE counters (name TEXT PRIMARY KEY, value INTEGER NOT NULL);"
            "CREATE TABLE company (id INTEGER PRIMARY KEY CHECK (id = 1), name TEXT,"
            " legal_name TEXT" +
            AddressDefinition("a_") + AddressDefinition("l_") + AddressDefinition("c_") +
            ", phone TEXT, fax TEXT, email TEXT, web_site TEXT,"
            " first_month_fiscal_year INTEGER NOT NULL DEFAULT 0,"
            " first_month_income_tax_year INTEGER NOT NULL DEFAULT 0, company_type TEXT,"
            " ein TEXT, ssn TEXT, tax_form INTEGER NOT NULL DEFAULT 7,"
            " is_sample INTEGER NOT NULL DEFAULT 0 CHECK (is_sample IN (0, 1)),"
            " accountant_copy INTEGER NOT NULL DEFAULT 0 CHECK (accountant_copy IN (0, 1)),"
            " dividing_date TEXT);"
            "INSERT INTO company (id, name) VALUES (1, 'My Company');"
            "CREATE TABLE services (position INTEGER PRIMARY KEY, name TEXT NOT NULL,"
            " domain TEXT, status TEXT);"
            "CREATE TABLE preferences (key TEXT PRIMARY KEY, value TEXT NOT NULL);"
            "CREATE TABLE host (id INTEGER PRIMARY KEY CHECK (id = 1), product_name TEXT NOT NULL,"
            " major_version INTEGER NOT NULL, minor_version INTEGER NOT NULL,"
            " country TEXT NOT NULL, versions TEXT NOT NULL, file_mode TEXT NOT NULL,"
            " state TEXT NOT NULL CHECK (state IN ('none', 'no_file_open', 'other_file_open',"
            " 'other_mode', 'modal_dialog', 'file_locked', 'single_user_other')));"
            "INSERT INTO host VALUES (1, 'QuickBooks Pro 2011', 21, 0, 'US',"
            " '1.0 1.1 2.0 2.1 3.0 4.0 4.1 5.0 6.0 7.0 8.0 9.0 10.0', 'MultiUser', 'none');"
            "CREATE TABLE vendors (list_id TEXT PRIMARY KEY, name TEXT NOT NULL UNIQUE,"
            " time_created TEXT NOT NULL" +
            AddressDefinition("") +
            ");"
            "CREATE TABLE items (list_id TEXT PRIMARY KEY, name TEXT NOT NULL UNIQUE,"
            " time_created TEXT NOT NULL, is_group INTEGER NOT NULL DEFAULT 0, description TEXT,"
            " rate REAL);" +
            ListTable("customers") + ListTable("classes") + ListTable("terms") +
            ListTable("ship_methods") + ListTable("templates") +
            "CREATE TABLE purchase_orders (txn_id TEXT PRIMARY KEY,"
            " txn_number INTEGER NOT NULL UNIQUE, time_created TEXT NOT NULL,"
            " time_modified TEXT NOT NULL, edit_sequence TEXT NOT NULL,"
            " vendor_id TEXT NOT NULL REFERENCES vendors,"
            " class_id TEXT REFERENCES classes, ship_to_id TEXT REFERENCES customers,"
            " template_id TEXT REFERENCES templates, txn_date TEXT NOT NULL, ref_number TEXT" +
            AddressDefinition("v_") + AddressDefinition("s_") +
            ", terms_id TEXT REFERENCES terms, due_date TEXT, expected_date TEXT,"
            " ship_method_id TEXT REFERENCES ship_methods, fob TEXT,"
            " is_manually_closed INTEGER NOT NULL DEFAULT 0, memo TEXT, vendor_msg TEXT,"
            " is_to_be_printed INTEGER, is_to_be_emailed INTEGER, other1 TEXT, other2 TEXT);"
            "CREATE INDEX purchase_orders_by_date ON purchase_orders (txn_date);"
            "CREATE INDEX purchase_orders_by_ref ON purchase_orders (ref_number);"
            "CREATE TABLE po_lines (txn_line_id TEXT PRIMARY KEY,"
            " txn_id TEXT NOT NULL REFERENCES purchase_orders ON DELETE CASCADE,"
            " position INTEGER NOT NULL, group_line_id TEXT REFERENCES po_lines,"
            " is_group INTEGER NOT NULL DEFAULT 0, item_id TEXT REFERENCES items,"
            " manufacturer_part_number TEXT, description TEXT, quantity REAL,"
            " unit_of_measure TEXT, rate REAL, class_id TEXT REFERENCES classes, amount INTEGER,"
            " customer_id TEXT REFERENCES customers, service_date TEXT,"
            " is_manually_closed INTEGER NOT NULL DEFAULT 0,"
            " is_print_items_in_group INTEGER NOT NULL DEFAULT 0, other1 TEXT, other2 TEXT,"
            " UNIQUE (txn_id, position));"
            "CREATE TABLE linked_txns (txn_id TEXT PRIMARY KEY,"
            " po_txn_id TEXT NOT NULL REFERENCES purchase_orders ON DELETE CASCADE,"
            " txn_type TEXT NOT NULL CHECK (txn_type IN ('ItemReceipt', 'Bill')),"
            " txn_date TEXT NOT NULL, ref_number TEXT,"
            " link_type TEXT NOT NULL CHECK (link_type IN ('AMTTYPE', 'QUANTYPE')));"
            "CREATE INDEX linked_txns_by_po ON linked_txns (po_txn_id);"
            "CREATE TABLE linked_txn_lines (linked_txn_id TEXT NOT NULL REFERENCES linked_txns"
            " ON DELETE CASCADE, position INTEGER NOT NULL,"
            " po_line_id TEXT NOT NULL REFERENCES po_lines ON DELETE CASCADE, quantity REAL,"
            " amount INTEGER NOT NULL, PRIMARY KEY (linked_txn_id, position));");
    transaction.Commit();
}

void Check(sql::Database& db, const std::string& fileName) {
    std::int64_t id = 0;
    try {
        id = db.QueryInt("PRAGMA application_id");
    } catch (const sql::Error&) {
        // SQLite refuses a file that is not a database at its first read.
        throw std::runtime_error(fileName + ": not a company file");
    }
    if (id != kApplicationId)
        throw std::runtime_error(fileName + ": not a company file");
    std::int64_t version = db.QueryInt("SELECT version FROM schema_version");
    if (version != kVersion)
        throw std::runtime_error(fileName + ": company file version " + std::to_string(version) +
                                 " is not supported (expected " + std::to_string(kVersion) + ")");
}

} // namespace qbhost::schema
