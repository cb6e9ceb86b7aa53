// qbXML's text forms of the SDK's value types. Dates are OLE dates (days since
// 30 December 1899, the time of day as the fraction). Every parser rejects text that is
// not wholly of its form, so that a bad value from the host reads as an absent element.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qbfc {

std::string FormatDate(double oleDate);     // yyyy-mm-dd
std::string FormatDateTime(double oleDate); // yyyy-mm-ddThh:mm:ss
std::string FormatBool(bool value);         // true / false
std::string FormatInt(std::int32_t value);
std::string FormatAmount(double value); // two decimals
std::string FormatNumber(double value); // shortest text that reads back the same

std::optional<double> ParseDate(std::string_view text);
// An offset after the time (Z, +hh:mm, -hh:mm) is accepted and ignored: QuickBooks writes
// local times.
std::optional<double> ParseDateTime(std::string_view text);
std::optional<bool> ParseBool(std::string_view text);
std::optional<std::int32_t> ParseInt(std::string_view text);
// Finite decimal numbers only.
std::optional<double> ParseNumber(std::string_view text);

// False for text that XML 1.0 cannot carry (C0 controls other than tab, line feed and
// carriage return) or that is not valid UTF-8.
bool IsWritableText(std::string_view utf8);
// Invalid UTF-8 sequences become U+FFFD, so that text from the host converts safely.
std::string SanitizeUtf8(std::string_view bytes);

} // namespace qbfc
