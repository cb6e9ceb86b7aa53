// The user's regional settings, as Windows keeps them per user and this build takes them
// from the environment: LC_ALL, then LC_TIME, then LANG, the first that is set and not
// empty, e.g. "en_GB.UTF-8". en_US reads dates month first; en_GB, de_DE and fr_FR day
// first; ja_JP, zh_CN and sv_SE year first. Any other name, C and POSIX included, gives
// en_US. Languages without names of their own here use the English month and day names.
#pragma once

#include "platform/com/oletypes.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr LCID LOCALE_NEUTRAL = 0x0000;
inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
inline constexpr LCID LOCALE_INVARIANT = 0x007F;

LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();

namespace mw::com {

enum class DateOrder { MDY, DMY, YMD };

struct RegionalSettings {
    std::string locale_name; // "en_US"
    LCID lcid = 0x0409;
    DateOrder date_order = DateOrder::MDY;
    std::wstring date_separator;                    // L"/"
    std::wstring short_date_pattern;                // L"M/d/yyyy", in Windows' pattern letters
    std::wstring time_separator;                    // L":"
    std::wstring am_designator;                     // L"AM"
    std::wstring pm_designator;                     // L"PM"
    std::array<std::wstring, 12> month_names;       // January first
    std::array<std::wstring, 12> short_month_names; // without abbreviation dots
    std::array<std::wstring, 7> day_names;          // Sunday first
    std::array<std::wstring, 7> short_day_names;
};

// The settings of a locale name such as "de_DE", "de_DE.UTF-8" or "de-DE@euro"; en_US for
// names it does not know.
RegionalSettings regional_settings_for(std::string_view locale_name);
// The settings of a known LCID; en_US otherwise.
RegionalSettings regional_settings_for_lcid(LCID lcid);
// The override of the innermost live ScopedRegionalSettings, else what the environment names.
RegionalSettings current_regional_settings();
// The locale name the environment gives (LC_ALL, LC_TIME, LANG), "" when none is set.
std::string environment_locale_name();

// Replaces the user's settings for its lifetime and puts back the previous ones after.
// Scopes nest; end them in reverse order.
class ScopedRegionalSettings {
public:
    explicit ScopedRegionalSettings(const RegionalSettings& settings);
    explicit ScopedRegionalSettings(std::string_view locale_name);
    ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
    ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;
    ~ScopedRegionalSettings();

private:
    std::size_t m_depth;
};

} // namespace mw::com
