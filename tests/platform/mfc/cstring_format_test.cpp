#include "platform/com/bstr_t.h"
#include "platform/mfc/cstring.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    const char* name;
    CString actual;
    const char* expected;
};

template <class... Args>
CString Fmt(const char* format, const Args&... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

TEST(CStringFormat, PrintfRulesOfTheWindowsRuntime) {
    const CString vendor("Ferncastle Supply");
    const _bstr_t message(L"Object \u201cx\u201d not found");
    const _bstr_t nullBstr;
    const FormatCase cases[] = {
        // Numbers as the row layout and the error messages write them.
        {"hresult", Fmt("Error %08X while attempting to begin session", 0x80040408),
         "Error 80040408 while attempting to begin session"},
        {"negative HRESULT", Fmt("%08X", static_cast<HRESULT>(0x8004041B)), "8004041B"},
        {"small code", Fmt("%08X", 0x1F), "0000001F"},
        {"two decimals", Fmt("%0.2f|%0.2f|%0.2f", 1234.5, 0.005, -3.0), "1234.50|0.01|-3.00"},
        {"int", Fmt("%d of %d", 3, -12), "3 of -12"},
        {"long", Fmt("%ld", 12345678901L), "12345678901"},
        {"64-bit", Fmt("%I64d %lld %I64X", -5LL, 7LL, 0xABCDEF0123LL), "-5 7 ABCDEF0123"},
        {"no modifier reads 32 bits", Fmt("%u %d", 0x100000001ULL, -1LL), "1 -1"},
        {"short and char", Fmt("%hd %hhu", 70000, 257), "4464 1"},
        {"width, flags", Fmt("[%5d|%-5d|%+d|%x|%#x|%o]", 42, 42, 42, 255, 255, 8),
         "[   42|42   |+42|ff|0xff|10]"},
        {"star width and precision", Fmt("[%*d|%.*f|%*s]", 4, 7, 1, 2.25, -3, "a"),
         "[   7|2.2|a  ]"},
        // Texts.
        {"row layout",
         Fmt("%s\t%s\t%s\t%s\t%0.2f\t%0.2f\t%d", CString("1001"), "03-14-2011", vendor, CString(),
             1234.5, 0.0, 1),
         "1001\t03-14-2011\tFerncastle Supply\t\t1234.50\t0.00\t1"},
        {"wide %S in an 8-bit format",
         Fmt("Status Message = %S, Status Severity = %S", static_cast<const wchar_t*>(message),
             L"Error"),
         "Status Message = Object \x93x\x94 not found, Status Severity = Error"},
        {"_bstr_t itself", Fmt("%S|%s", message, message),
         "Object \x93x\x94 not found|Object \x93x\x94 not found"},
        {"%ls and %hs", Fmt("%ls %hs %ws", L"wide", "narrow", L"w"), "wide narrow w"},
        {"null texts",
         Fmt("%s|%S|%S", static_cast<const char*>(nullptr), static_cast<const wchar_t*>(nullptr),
             nullBstr),
         "(null)|(null)|(null)"},
        {"unmappable wide", Fmt("%S", L"\u4e2d\u00e9"), "?\xe9"},
        {"precision cuts text", Fmt("[%.3s|%.2S|%-6.2s]", "abcdef", L"wxyz", "abc"),
         "[abc|wx|ab    ]"},
        {"characters", Fmt("%c%C%c", 'a', L'\u00e9', 0x141), "a\xe9\x41"},
        {"pointer", Fmt("%p", reinterpret_cast<void*>(0x12FF7C)), "000000000012FF7C"},
        // Mistakes in the call print something harmless instead of reading garbage.
        {"missing arguments", Fmt("%d %s %0.2f", 5), "5 (null) 0.00"},
        {"number for a text", Fmt("%s", 42), "(null)"},
        {"%n writes nothing", Fmt("ab%ncd", static_cast<int*>(nullptr)), "abcd"},
        {"percent and unknown", Fmt("100%% %y %", 1), "100% %y %"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.actual, c.expected) << c.name;
    }
}

TEST(CStringFormat, ArgumentMayBeTheStringItself) {
    CString s("abc");
    s.Format("%s-%s", s, s);
    EXPECT_STREQ(s, "abc-abc");
    s.AppendFormat("/%d", 7);
    EXPECT_STREQ(s, "abc-abc/7");
}

TEST(CStringFormat, FormatFromAStringResource) {
    mw::mfc::SetStringLoader([](UINT id) -> std::optional<std::string> {
        if (id == 101) {
            return "Updating record %d of %d";
        }
        return std::nullopt;
    });
    CString s;
    s.Format(101u, 2, 9);
    EXPECT_STREQ(s, "Updating record 2 of 9");
    CString kept("kept");
    EXPECT_FALSE(kept.LoadString(999));
    EXPECT_STREQ(kept, "kept");
    mw::mfc::SetStringLoader(nullptr);
    EXPECT_FALSE(kept.LoadString(101));
}

} // namespace
