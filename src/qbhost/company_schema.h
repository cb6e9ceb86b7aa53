// The company file's schema and the checks that a file is one of ours.
#pragma once

#include "qbhost/sqlite.h"

#include <string>

namespace qbhost::schema {

// "MQBW" in the database header marks a company file.
constexpr int kApplicationId = 0x4D514257;
constexpr int kVersion = 1;

void Create(sql::Database& db);
// Throws std::runtime_error("... not a company file") for any other database or file.
void Check(sql::Database& db, const std::string& fileName);

// The ten address columns with a prefix, for SELECT and INSERT lists.
std::string AddressColumns(const std::string& prefix);

} // namespace qbhost::schema
