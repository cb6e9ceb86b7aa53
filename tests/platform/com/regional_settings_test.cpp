#include "platform/com/regional_settings.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using mw::com::current_regional_settings;
using mw::com::DateOrder;
using mw::com::ScopedRegionalSettings;

// Sets the locale variables for one test and puts the old values back after it.
class LocaleEnvironment {
public:
    LocaleEnvironment() {
        for (int i = 0; i < 3; ++i) {
            const char* value = std::getenv(kNames[i]);
            m_saved[i] = value ? std::optional<std::string>(value) : std::nullopt;
        }
    }
    ~LocaleEnvironment() {
        for (int i = 0; i < 3; ++i)
            set(kNames[i], m_saved[i] ? m_saved[i]->c_str() : nullptr);
    }
    void use(const char* lc_all, const char* lc_time, const char* lang) {
        set("LC_ALL", lc_all);
        set("LC_TIME", lc_time);
        set("LANG", lang);
    }

private:
    static void set(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_TIME", "LANG"};
    std::optional<std::string> m_saved[3];
};

TEST(RegionalSettings, TakenFromTheFirstLocaleVariableThatIsSet) {
    struct Case {
        const char* lc_all;
        const char* lc_time;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {"en_GB.UTF-8", "de_DE.UTF-8", "sv_SE.UTF-8", "en_GB"},
        {nullptr, "de_DE.UTF-8", "sv_SE.UTF-8", "de_DE"},
        {"", "", "sv_SE.UTF-8", "sv_SE"},
        {nullptr, nullptr, "fr_FR@euro", "fr_FR"},
        {nullptr, nullptr, "ja-JP", "ja_JP"},
        {nullptr, nullptr, nullptr, "en_US"},
        {"C", nullptr, "de_DE", "en_US"},
        {"POSIX", nullptr, nullptr, "en_US"},
        {"tlh_QO.UTF-8", nullptr, nullptr, "en_US"},
    };
    LocaleEnvironment environment;
    for (const Case& c : cases) {
        environment.use(c.lc_all, c.lc_time, c.lang);
        EXPECT_EQ(current_regional_settings().locale_name, c.expected)
            << (c.lc_all ? c.lc_all : "-") << " " << (c.lc_time ? c.lc_time : "-") << " "
            << (c.lang ? c.lang : "-");
    }
}

TEST(RegionalSettings, DateOrderAndPatternPerLocale) {
    struct Case {
        const char* locale;
        DateOrder order;
        const wchar_t* pattern;
        LCID lcid;
    };
    const Case cases[] = {
        {"en_US", DateOrder::MDY, L"M/d/yyyy", 0x0409},
        {"en_GB", DateOrder::DMY, L"dd/MM/yyyy", 0x0809},
        {"de_DE", DateOrder::DMY, L"dd.MM.yyyy", 0x0407},
        {"fr_FR", DateOrder::DMY, L"dd/MM/yyyy", 0x040C},
        {"ja_JP", DateOrder::YMD, L"yyyy/MM/dd", 0x0411},
        {"zh_CN", DateOrder::YMD, L"yyyy/M/d", 0x0804},
        {"sv_SE", DateOrder::YMD, L"yyyy-MM-dd", 0x041D},
    };
    for (const Case& c : cases) {
        const auto s = mw::com::regional_settings_for(c.locale);
        EXPECT_EQ(s.date_order, c.order) << c.locale;
        EXPECT_EQ(s.short_date_pattern, c.pattern) << c.locale;
        EXPECT_EQ(s.lcid, c.lcid) << c.locale;
        EXPECT_EQ(mw::com::regional_settings_for_lcid(c.lcid).locale_name, c.locale);
    }
}

TEST(RegionalSettings, NamesOfTheLanguageWithEnglishForTheRest) {
    struct Case {
        const char* locale;
        const wchar_t* march;
        const wchar_t* short_march;
        const wchar_t* monday;
    };
    const Case cases[] = {
        {"en_US", L"March", L"Mar", L"Monday"}, {"de_DE", L"M\u00e4rz", L"M\u00e4r", L"Montag"},
        {"fr_FR", L"mars", L"mars", L"lundi"},  {"sv_SE", L"mars", L"mar", L"m\u00e5ndag"},
        {"ja_JP", L"March", L"Mar", L"Monday"},
    };
    for (const Case& c : cases) {
        const auto s = mw::com::regional_settings_for(c.locale);
        EXPECT_EQ(s.month_names[2], c.march) << c.locale;
        EXPECT_EQ(s.short_month_names[2], c.short_march) << c.locale;
        EXPECT_EQ(s.day_names[1], c.monday) << c.locale;
    }
}

TEST(RegionalSettings, ScopedOverridesNestAndRestore) {
    LocaleEnvironment environment;
    environment.use(nullptr, nullptr, "en_US.UTF-8");
    {
        const ScopedRegionalSettings outer("de_DE");
        EXPECT_EQ(current_regional_settings().locale_name, "de_DE");
        EXPECT_EQ(GetUserDefaultLCID(), 0x0407u);
        {
            const ScopedRegionalSettings inner("sv_SE");
            EXPECT_EQ(current_regional_settings().locale_name, "sv_SE");
        }
        EXPECT_EQ(current_regional_settings().locale_name, "de_DE");
    }
    EXPECT_EQ(current_regional_settings().locale_name, "en_US");
}

} // namespace
