#include "qbhost/sqlite.h"

#include <sqlite3.h>

namespace qbhost::sql {

namespace {

// Long enough for another process's request to finish; short enough that a stuck holder
// is reported as "in use" instead of hanging the caller.
constexpr int kBusyTimeoutMs = 5000;

[[noreturn]] void Throw(sqlite3* db, int rc) {
    throw Error(rc, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

} // namespace

bool Error::busy() const noexcept {
    return (m_code & 0xff) == SQLITE_BUSY || (m_code & 0xff) == SQLITE_LOCKED;
}

Statement::Statement(sqlite3* db, std::string_view sql) : m_db(db), m_stmt(nullptr) {
    int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        Throw(db, rc);
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt) {
    other.m_stmt = nullptr;
}

Statement& Statement::Bind(int index, std::string_view text) {
    int rc = sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        Throw(m_db, rc);
    return *this;
}

Statement& Statement::Bind(int index, std::int64_t value) {
    int rc = sqlite3_bind_int64(m_stmt, index, value);
    if (rc != SQLITE_OK)
        Throw(m_db, rc);
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    int rc = sqlite3_bind_double(m_stmt, index, value);
    if (rc != SQLITE_OK)
        Throw(m_db, rc);
    return *this;
}

Statement& Statement::BindNull(int index) {
    int rc = sqlite3_bind_null(m_stmt, index);
    if (rc != SQLITE_OK)
        Throw(m_db, rc);
    return *this;
}

Statement& Statement::Bind(int index, const std::optional<double>& value) {
    return value ? Bind(index, *value) : BindNull(index);
}

Statement& Statement::Bind(int index, const std::optional<std::int64_t>& value) {
    return value ? Bind(index, *value) : BindNull(index);
}

Statement& Statement::BindOptional(int index, std::string_view text) {
    return text.empty() ? BindNull(index) : Bind(index, text);
}

bool Statement::Step() {
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    int code = sqlite3_extended_errcode(m_db);
    sqlite3_reset(m_stmt);
    Throw(m_db, code);
}

void Statement::Reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string Statement::Text(int column) const {
    auto* text = sqlite3_column_text(m_stmt, column);
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::Real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

std::optional<double> Statement::OptionalReal(int column) const {
    if (IsNull(column))
        return std::nullopt;
    return Real(column);
}

std::optional<std::int64_t> Statement::OptionalInt(int column) const {
    if (IsNull(column))
        return std::nullopt;
    return Int(column);
}

Database::Database(const std::filesystem::path& file, Open mode) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode == Open::Create)
        flags |= SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(rc, file.string() + ": " + message);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

Database::~Database() {
    sqlite3_close(m_db);
}

void Database::Exec(std::string_view sql) {
    std::string text(sql);
    char* message = nullptr;
    int rc = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string what = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw Error(sqlite3_extended_errcode(m_db), what);
    }
}

std::optional<std::string> Database::QueryText(std::string_view sql) {
    Statement statement = Prepare(sql);
    if (!statement.Step() || statement.IsNull(0))
        return std::nullopt;
    return statement.Text(0);
}

std::int64_t Database::QueryInt(std::string_view sql) {
    Statement statement = Prepare(sql);
    return statement.Step() ? statement.Int(0) : 0;
}

int Database::Changes() const {
    return sqlite3_changes(m_db);
}

Transaction::Transaction(Database& db, Kind kind) : m_db(db) {
    // IMMEDIATE takes the write lock up front, so a modification waits for another
    // writer at BEGIN instead of failing half-way with a lock upgrade error.
    m_db.Exec(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction() {
    if (m_open) {
        try {
            m_db.Exec("ROLLBACK");
        } catch (const Error&) {
            // A failed statement may already have rolled the transaction back.
        }
    }
}

void Transaction::Commit() {
    m_db.Exec("COMMIT");
    m_open = false;
}

} // namespace qbhost::sql
