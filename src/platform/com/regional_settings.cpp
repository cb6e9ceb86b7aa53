#include "platform/com/regional_settings.h"

#include <cstdlib>
#include <mutex>
#include <vector>

namespace mw::com {
namespace {

struct Names {
    std::array<const wchar_t*, 12> months;
    std::array<const wchar_t*, 12> short_months;
    std::array<const wchar_t*, 7> days;
    std::array<const wchar_t*, 7> short_days;
};

const Names kEnglish = {
    {L"January", L"February", L"March", L"April", L"May", L"June", L"July", L"August", L"September",
     L"October", L"November", L"December"},
    {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov",
     L"Dec"},
    {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"},
    {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"},
};

const Names kGerman = {
    {L"Januar", L"Februar", L"M\u00e4rz", L"April", L"Mai", L"Juni", L"Juli", L"August",
     L"September", L"Oktober", L"November", L"Dezember"},
    {L"Jan", L"Feb", L"M\u00e4r", L"Apr", L"Mai", L"Jun", L"Jul", L"Aug", L"Sep", L"Okt", L"Nov",
     L"Dez"},
    {L"Sonntag", L"Montag", L"Dienstag", L"Mittwoch", L"Donnerstag", L"Freitag", L"Samstag"},
    {L"So", L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa"},
};

const Names kFrench = {
    {L"janvier", L"f\u00e9vrier", L"mars", L"avril", L"mai", L"juin", L"juillet", L"ao\u00fbt",
     L"septembre", L"octobre", L"novembre", L"d\u00e9cembre"},
    {L"janv", L"f\u00e9vr", L"mars", L"avr", L"mai", L"juin", L"juil", L"ao\u00fbt", L"sept",
     L"oct", L"nov", L"d\u00e9c"},
    {L"dimanche", L"lundi", L"mardi", L"mercredi", L"jeudi", L"vendredi", L"samedi"},
    {L"dim", L"lun", L"mar", L"mer", L"jeu", L"ven", L"sam"},
};

const Names kSwedish = {
    {L"januari", L"februari", L"mars", L"april", L"maj", L"juni", L"juli", L"augusti", L"september",
     L"oktober", L"november", L"december"},
    {L"jan", L"feb", L"mar", L"apr", L"maj", L"jun", L"jul", L"aug", L"sep", L"okt", L"nov",
     L"dec"},
    {L"s\u00f6ndag", L"m\u00e5ndag", L"tisdag", L"onsdag", L"torsdag", L"fredag", L"l\u00f6rdag"},
    {L"s\u00f6n", L"m\u00e5n", L"tis", L"ons", L"tor", L"fre", L"l\u00f6r"},
};

struct Locale {
    const char* name;
    LCID lcid;
    DateOrder order;
    const wchar_t* date_separator;
    const wchar_t* short_date_pattern;
    const wchar_t* am;
    const wchar_t* pm;
    const Names* names;
};

// The first row is the fallback for names this table does not know.
const Locale kLocales[] = {
    {"en_US", 0x0409, DateOrder::MDY, L"/", L"M/d/yyyy", L"AM", L"PM", &kEnglish},
    {"en_GB", 0x0809, DateOrder::DMY, L"/", L"dd/MM/yyyy", L"AM", L"PM", &kEnglish},
    {"de_DE", 0x0407, DateOrder::DMY, L".", L"dd.MM.yyyy", L"", L"", &kGerman},
    {"fr_FR", 0x040C, DateOrder::DMY, L"/", L"dd/MM/yyyy", L"", L"", &kFrench},
    {"ja_JP", 0x0411, DateOrder::YMD, L"/", L"yyyy/MM/dd", L"\u5348\u524d", L"\u5348\u5f8c",
     &kEnglish},
    {"zh_CN", 0x0804, DateOrder::YMD, L"/", L"yyyy/M/d", L"\u4e0a\u5348", L"\u4e0b\u5348",
     &kEnglish},
    {"sv_SE", 0x041D, DateOrder::YMD, L"-", L"yyyy-MM-dd", L"fm", L"em", &kSwedish},
};

template <std::size_t N>
std::array<std::wstring, N> strings_of(const std::array<const wchar_t*, N>& from) {
    std::array<std::wstring, N> to;
    for (std::size_t i = 0; i < N; ++i)
        to[i] = from[i];
    return to;
}

RegionalSettings settings_of(const Locale& l) {
    RegionalSettings s;
    s.locale_name = l.name;
    s.lcid = l.lcid;
    s.date_order = l.order;
    s.date_separator = l.date_separator;
    s.short_date_pattern = l.short_date_pattern;
    s.time_separator = L":";
    s.am_designator = l.am;
    s.pm_designator = l.pm;
    s.month_names = strings_of(l.names->months);
    s.short_month_names = strings_of(l.names->short_months);
    s.day_names = strings_of(l.names->days);
    s.short_day_names = strings_of(l.names->short_days);
    return s;
}

struct Overrides {
    std::mutex mutex;
    std::vector<RegionalSettings> stack;
};

Overrides& overrides() {
    static Overrides o;
    return o;
}

} // namespace

RegionalSettings regional_settings_for(std::string_view locale_name) {
    // "de-DE.UTF-8@euro" -> "de_DE"
    std::string key(locale_name.substr(0, locale_name.find_first_of(".@")));
    for (char& c : key) {
        if (c == '-')
            c = '_';
    }
    for (const Locale& l : kLocales) {
        if (key == l.name)
            return settings_of(l);
    }
    return settings_of(kLocales[0]);
}

RegionalSettings regional_settings_for_lcid(LCID lcid) {
    for (const Locale& l : kLocales) {
        if (lcid == l.lcid)
            return settings_of(l);
    }
    return settings_of(kLocales[0]);
}

std::string environment_locale_name() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

RegionalSettings current_regional_settings() {
    {
        Overrides& o = overrides();
        std::lock_guard lock(o.mutex);
        if (!o.stack.empty())
            return o.stack.back();
    }
    return regional_settings_for(environment_locale_name());
}

ScopedRegionalSettings::ScopedRegionalSettings(const RegionalSettings& settings) {
    Overrides& o = overrides();
    std::lock_guard lock(o.mutex);
    m_depth = o.stack.size();
    o.stack.push_back(settings);
}

ScopedRegionalSettings::ScopedRegionalSettings(std::string_view locale_name)
    : ScopedRegionalSettings(regional_settings_for(locale_name)) {}

ScopedRegionalSettings::~ScopedRegionalSettings() {
    Overrides& o = overrides();
    std::lock_guard lock(o.mutex);
    // Also ends scopes nested inside this one that were left open.
    if (o.stack.size() > m_depth)
        o.stack.resize(m_depth);
}

} // namespace mw::com

LCID GetUserDefaultLCID() {
    return mw::com::current_regional_settings().lcid;
}

LCID GetSystemDefaultLCID() {
    return GetUserDefaultLCID();
}
