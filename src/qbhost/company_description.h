// A company described in readable text, one "key = value" a line in sections:
// [company], [preferences], [host], [vendor], [item], [class], [terms], [ship_method],
// [customer], [po] (with line, group and member entries) and [receipt]. samples/README.md
// describes the format.
#pragma once

#include "qbhost/company_file.h"

#include <cstdint>
#include <string_view>

namespace qbhost {

// Writes everything the description holds into the file, in one transaction. Throws
// std::runtime_error naming the line of the first mistake; then nothing is written.
void LoadDescription(CompanyFile& file, std::string_view text);

// One setting by a readable key, as `qbhost-tool set` takes it: closing-date,
// exempt-po, dividing-date, accountant-copy, sample, product, country, versions, state,
// file-mode, or a preference path such as AccountingPreferences.IsUsingClassTracking.
// The caller holds a write transaction.
void ApplySetting(CompanyFile& file, std::string_view key, std::string_view value);

// N purchase orders spread over vendors and the dates of 2011, the same for the same seed.
void GeneratePurchaseOrders(CompanyFile& file, int count, std::uint64_t seed);

} // namespace qbhost
