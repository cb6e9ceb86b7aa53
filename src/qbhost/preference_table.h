// The preferences a company file holds: each one's qbXML path below PreferencesRet, its
// kind and its value in a new company. Preferences are stored by path.
#pragma once

#include <span>
#include <string_view>

namespace qbhost {

enum class PreferenceKind { Bool, Text, Int, Number, Date, Enum };

struct PreferenceDef {
    std::string_view path; // e.g. "AccountingPreferences.ClosingDate"
    PreferenceKind kind;
    std::string_view defaultValue; // empty: the element is left out until set
    std::span<const std::string_view> enumValues = {};
};

std::span<const PreferenceDef> PreferenceTable();
const PreferenceDef* FindPreference(std::string_view path);
bool IsValidPreferenceValue(const PreferenceDef& def, std::string_view value);

constexpr std::string_view kClosingDatePreference = "AccountingPreferences.ClosingDate";
// Not in the protocol: only the host knows it.
constexpr std::string_view kExemptPoPreference = "exempt_po_from_closing_date";

} // namespace qbhost
