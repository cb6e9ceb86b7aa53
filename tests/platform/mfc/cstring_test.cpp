#include "platform/com/bstr.h"
#include "platform/mfc/cstring.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(CString, CompareIsStrcmpOrderOfBytes) {
    struct Case {
        const char* a;
        const char* b;
        int compare;
        int noCase;
    };
    const Case cases[] = {
        {"abc", "abc", 0, 0},
        {"abc", "abd", -1, -1},
        {"abc", "ab", 1, 1},
        {"", "a", -1, -1},
        {"ABC", "abc", -1, 0},
        {"Zebra", "apple", -1, 1},        // upper case sorts first only when case counts
        {"a_b", "aXb", 1, -1},            // '_' lies between the cases: fold to lower, as _stricmp
        {"\xe9t\xe9", "\xc9T\xc9", 1, 0}, // été / ÉTÉ in 1252
        {"\x8a", "\x9a", -1, 0},          // Š / š
        {"\xff", "\x9f", 1, 0},           // ÿ / Ÿ
        {"\xe9", "e", 1, 1},              // bytes compare unsigned
        {"\xd7", "\xf7", -1, -1},         // × and ÷ are no letters
    };
    for (const auto& c : cases) {
        CString a(c.a);
        EXPECT_EQ(a.Compare(c.b), c.compare) << c.a << " / " << c.b;
        EXPECT_EQ(a.CompareNoCase(c.b), c.noCase) << c.a << " / " << c.b;
        EXPECT_EQ(CString(c.b).Compare(c.a), -c.compare) << c.b << " / " << c.a;
    }
    EXPECT_EQ(CString("x").Compare(nullptr), 1);
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_TRUE(CString("a") == "a");
    EXPECT_TRUE("b" != CString("a"));
}

TEST(CString, ConstructionAndConversion) {
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_EQ(CString(L"caf\u00e9 \u20ac \u4e2d"), "caf\xe9 \x80 ?");
    EXPECT_EQ(CString(static_cast<const wchar_t*>(nullptr)), "");

    BSTR b = CString("caf\xe9 \x80").AllocSysString();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(SysStringLen(b), 6u);
    EXPECT_STREQ(b, L"caf\u00e9 \u20ac");
    SysFreeString(b);
    BSTR empty = CString().AllocSysString();
    ASSERT_NE(empty, nullptr); // "" is a string of length 0, not a null string
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);
}

TEST(CString, PiecesClampTheirCounts) {
    const CString s("Hello");
    struct Case {
        CString actual;
        const char* expected;
    };
    const Case cases[] = {
        {s.Left(2), "He"},
        {s.Left(-1), ""},
        {s.Left(99), "Hello"},
        {s.Right(3), "llo"},
        {s.Right(99), "Hello"},
        {s.Right(-2), ""},
        {s.Mid(1, 3), "ell"},
        {s.Mid(3), "lo"},
        {s.Mid(-2, 2), "He"},
        {s.Mid(4, 99), "o"},
        {s.Mid(9), ""},
        {s.Mid(1, -1), ""},
        {s.SpanIncluding("leH"), "Hell"},
        {s.SpanExcluding("lo"), "He"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(s.GetAt(4), 'o');
    EXPECT_EQ(s.GetAt(5), '\0');
    EXPECT_EQ(s[-1], '\0');
    EXPECT_EQ(s[std::size_t{1}], 'e');
    EXPECT_EQ(s[INT_PTR{1} << 40], '\0'); // not cut down to an index that exists
}

TEST(CString, FindAndReplace) {
    CString s("a.b.c");
    EXPECT_EQ(s.Find('.'), 1);
    EXPECT_EQ(s.Find('.', 2), 3);
    EXPECT_EQ(s.Find('.', 9), -1);
    EXPECT_EQ(s.Find("b.c"), 2);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.ReverseFind('.'), 3);
    EXPECT_EQ(s.FindOneOf("cb"), 2);
    EXPECT_EQ(s.Replace(".", "::"), 2);
    EXPECT_EQ(s, "a::b::c");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace(':', '-'), 4);
    EXPECT_EQ(s.Remove('-'), 4);
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(s.Insert(1, "XY"), 5);
    EXPECT_EQ(s.Insert(99, '!'), 6);
    EXPECT_EQ(s, "aXYbc!");
    EXPECT_EQ(s.Delete(1, 2), 4);
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s, "ab");
    // The replacement may be a piece of the string itself.
    CString self("aa");
    EXPECT_EQ(self.Replace("a", self), 2);
    EXPECT_EQ(self, "aaaa");
}

TEST(CString, TrimAndCase) {
    CString s(" \t x y \r\n");
    EXPECT_EQ(CString(s).Trim(), "x y");
    EXPECT_EQ(CString(s).TrimLeft(), "x y \r\n");
    EXPECT_EQ(CString(s).TrimRight(), " \t x y");
    EXPECT_EQ(CString("xxaxx").Trim('x'), "a");
    EXPECT_EQ(CString("-+a+-").TrimRight("+-"), "-+a");
    EXPECT_EQ(CString("   ").Trim(), "");
    EXPECT_EQ(CString("caf\xe9 \x9a\xff").MakeUpper(), "CAF\xc9 \x8a\x9f");
    EXPECT_EQ(CString("CAF\xc9 \xd7").MakeLower(), "caf\xe9 \xd7");
    EXPECT_EQ(CString("abc").MakeReverse(), "cba");
}

TEST(CString, TokenizeSplitsAtEveryDelimiterRun) {
    CString row("1001\t03-14-2011\t\tVendor\t");
    std::vector<CString> tokens;
    int pos = 0;
    for (CString t = row.Tokenize("\t", pos); pos != -1; t = row.Tokenize("\t", pos)) {
        tokens.push_back(t);
    }
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0], "1001");
    EXPECT_EQ(tokens[1], "03-14-2011");
    EXPECT_EQ(tokens[2], "Vendor");

    int start = 0;
    EXPECT_EQ(CString("abc").Tokenize("", start), "abc");
    EXPECT_EQ(CString("abc").Tokenize("", start), "");
    EXPECT_EQ(start, -1);
    start = -1;
    EXPECT_EQ(CString("abc").Tokenize(",", start), "");
    EXPECT_EQ(start, -1);
}

TEST(CString, BufferAccess) {
    CString s("ab");
    char* p = s.GetBuffer(10);
    std::snprintf(p, 11, "%s", "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "0123456789");
    p = s.GetBuffer();
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    s.GetBufferSetLength(2);
    s.ReleaseBuffer(1);
    EXPECT_EQ(s, "0");
    s += 'x';
    s += CString("y") + "z";
    EXPECT_EQ("<" + s + '>', "<0xyz>");
}

} // namespace
