// strftime as the Microsoft C runtime formats in its "C" locale, the locale every program
// starts in: English day and month names, and the "#" flag:
//   %#c  long date and time, e.g. "Monday, March 14, 2011 12:41:29"
//   %#x  long date, e.g. "Monday, March 14, 2011"
//   %#d, %#H, %#I, %#j, %#m, %#M, %#S, %#U, %#w, %#W, %#y, %#Y  without leading zeros
// An unknown code is copied as it stands.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace mw::crt {

// "" when a field of tm lies outside its range (the Windows runtime refuses such a time).
std::string FormatTime(std::string_view format, const std::tm& tm);

} // namespace mw::crt
