// A thin RAII layer over the sqlite3 C API: one database connection, prepared statements
// and transactions. Errors are thrown as sql::Error with SQLite's result code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace qbhost::sql {

class Error : public std::runtime_error {
public:
    Error(int code, const std::string& what) : std::runtime_error(what), m_code(code) {}
    int code() const noexcept { return m_code; }
    // Another connection held the lock for longer than the busy timeout.
    bool busy() const noexcept;

private:
    int m_code;
};

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1, as in SQLite.
    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, double value);
    Statement& BindNull(int index);
    Statement& Bind(int index, const std::optional<double>& value);
    Statement& Bind(int index, const std::optional<std::int64_t>& value);
    // An empty text is stored as NULL, so optional columns stay absent.
    Statement& BindOptional(int index, std::string_view text);

    // True while a row is available.
    bool Step();
    void Run() { Step(); }
    void Reset();

    // Columns are numbered from 0, as in SQLite.
    bool IsNull(int column) const;
    std::string Text(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::optional<double> OptionalReal(int column) const;
    std::optional<std::int64_t> OptionalInt(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
};

class Database {
public:
    enum class Open { ExistingOnly, Create };
    Database(const std::filesystem::path& file, Open mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Exec(std::string_view sql);
    Statement Prepare(std::string_view sql) { return Statement(m_db, sql); }
    // The first column of the first row, or nullopt when there is no row.
    std::optional<std::string> QueryText(std::string_view sql);
    std::int64_t QueryInt(std::string_view sql);
    int Changes() const;

private:
    sqlite3* m_db = nullptr;
};

// Rolls back unless committed, so an exception anywhere in a request writes nothing.
class Transaction {
public:
    enum class Kind { Read, Write };
    Transaction(Database& db, Kind kind);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& m_db;
    bool m_open = true;
};

} // namespace qbhost::sql
