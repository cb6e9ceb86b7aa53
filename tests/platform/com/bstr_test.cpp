#include "platform/com/bstr.h"
#include "platform/com/bstr_t.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Bstr, LengthComesFromThePrefixSoEmbeddedZerosSurvive) {
    const wchar_t text[] = {L'a', L'\0', L'b'};
    BSTR s = SysAllocStringLen(text, 3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(SysStringByteLen(s), 3 * sizeof(OLECHAR));
    EXPECT_EQ(s[2], L'b');
    EXPECT_EQ(s[3], L'\0') << "the text is always terminated";
    SysFreeString(s);
}

TEST(Bstr, NullIsAnEmptyStringAndFreeingItIsHarmless) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);

    BSTR empty = SysAllocString(L"");
    ASSERT_NE(empty, nullptr) << "\"\" is text, unlike null";
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);
}

TEST(Bstr, ByteLengthKeepsOddCounts) {
    BSTR s = SysAllocStringByteLen("abc", 3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringByteLen(s), 3u);
    EXPECT_EQ(std::memcmp(s, "abc", 3), 0);
    SysFreeString(s);
}

TEST(Bstr, ReAllocFromItsOwnTextReadsBeforeFreeing) {
    BSTR s = SysAllocString(L"hello world");
    ASSERT_TRUE(SysReAllocString(&s, s + 6));
    EXPECT_STREQ(s, L"world");
    EXPECT_EQ(SysStringLen(s), 5u);
    SysFreeString(s);
}

TEST(BstrT, NullAndEmptyBothReadAsEmptyAndCompareEqual) {
    const _bstr_t null_string;
    const _bstr_t empty("");
    EXPECT_EQ(static_cast<const wchar_t*>(null_string), nullptr);
    EXPECT_NE(static_cast<const wchar_t*>(empty), nullptr);
    EXPECT_EQ(null_string.length(), 0u);
    EXPECT_EQ(empty.length(), 0u);
    EXPECT_TRUE(!null_string);
    EXPECT_TRUE(!empty);
    EXPECT_TRUE(null_string == empty);
    EXPECT_FALSE(null_string < empty);
    EXPECT_FALSE(empty < null_string);
    EXPECT_EQ(static_cast<const char*>(null_string), nullptr) << "no 8-bit form without text";
    EXPECT_STREQ(static_cast<const char*>(empty), "");
}

TEST(BstrT, CopiesShareOneBuffer) {
    const _bstr_t original(L"shared");
    const _bstr_t copy = original;
    EXPECT_EQ(static_cast<const wchar_t*>(copy), static_cast<const wchar_t*>(original));
    _bstr_t assigned;
    assigned = copy;
    EXPECT_EQ(static_cast<const wchar_t*>(assigned), static_cast<const wchar_t*>(original));
}

TEST(BstrT, ChangingOneCopyLeavesTheOthersAlone) {
    _bstr_t a(L"abc");
    const _bstr_t b = a;
    a += L"def";
    EXPECT_STREQ(static_cast<const wchar_t*>(a), L"abcdef");
    EXPECT_STREQ(static_cast<const wchar_t*>(b), L"abc");

    _bstr_t c = b;
    *c.GetAddress() = SysAllocString(L"out");
    EXPECT_STREQ(static_cast<const wchar_t*>(c), L"out");
    EXPECT_STREQ(static_cast<const wchar_t*>(b), L"abc");
}

TEST(BstrT, EightBitFormIsMadeOnceAndSharedByCopies) {
    const _bstr_t s(L"caf\u00e9");
    const char* first = s;
    const char* second = s;
    EXPECT_EQ(first, second);
    const _bstr_t copy = s;
    EXPECT_EQ(static_cast<const char*>(copy), first);
    EXPECT_STREQ(first, "caf\xe9");
}

TEST(BstrT, EightBitTextGoesThroughTheAnsiCodePage) {
    const _bstr_t s("\x80 5");
    EXPECT_STREQ(static_cast<const wchar_t*>(s), L"\u20ac 5");
}

TEST(BstrT, OwnershipOfARawBstr) {
    BSTR raw = SysAllocString(L"raw");
    {
        _bstr_t copied(raw, true);
        EXPECT_NE(static_cast<const wchar_t*>(copied), raw);
    }
    _bstr_t owner(raw, false);
    EXPECT_EQ(static_cast<const wchar_t*>(owner), raw);

    BSTR detached = owner.Detach();
    EXPECT_EQ(detached, raw) << "an unshared string hands over its own buffer";
    EXPECT_EQ(static_cast<const wchar_t*>(owner), nullptr);

    owner.Attach(detached);
    const _bstr_t other = owner;
    BSTR from_shared = owner.Detach();
    EXPECT_NE(from_shared, raw) << "a shared buffer stays with the other copy";
    EXPECT_STREQ(from_shared, L"raw");
    EXPECT_STREQ(static_cast<const wchar_t*>(other), L"raw");
    SysFreeString(from_shared);
}

TEST(BstrT, CopyAndAssignKeepEmbeddedZeros) {
    const wchar_t text[] = {L'x', L'\0', L'y'};
    BSTR raw = SysAllocStringLen(text, 3);
    _bstr_t s;
    s.Assign(raw);
    SysFreeString(raw);
    EXPECT_EQ(s.length(), 3u);
    BSTR copy = s.copy();
    EXPECT_EQ(SysStringLen(copy), 3u);
    EXPECT_EQ(copy[2], L'y');
    SysFreeString(copy);
    EXPECT_EQ(s.copy(false), static_cast<const wchar_t*>(s));
}

TEST(BstrT, ComparisonIsByCharacters) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        int expected; // sign of a <=> b
    };
    const Case cases[] = {
        {L"abc", L"abc", 0}, {L"abc", L"abd", -1}, {L"ab", L"abc", -1}, {L"b", L"abc", 1},
        {L"", nullptr, 0},   {nullptr, L"a", -1},  {L"Z", L"a", -1},    {L"\u00e9", L"z", 1},
    };
    for (const Case& c : cases) {
        const _bstr_t a(c.a);
        const _bstr_t b(c.b);
        const auto order = a <=> b;
        const int sign = order < 0 ? -1 : order > 0 ? 1 : 0;
        EXPECT_EQ(sign, c.expected)
            << (c.a ? c.a : L"(null)") << L" vs " << (c.b ? c.b : L"(null)");
        EXPECT_EQ(a == b, c.expected == 0);
        EXPECT_EQ(a != b, c.expected != 0);
        EXPECT_EQ(a <= b, c.expected <= 0);
        EXPECT_EQ(a > b, c.expected > 0);
    }
}

TEST(BstrT, ComparesWithRawTexts) {
    const _bstr_t s(L"abc");
    EXPECT_TRUE(s == L"abc");
    EXPECT_TRUE(s == "abc");
    EXPECT_TRUE(s != "abd");
    EXPECT_TRUE(s < "abd");
    EXPECT_TRUE(_bstr_t() == nullptr);
}

TEST(BstrT, ConcatenationOfEveryKind) {
    const _bstr_t left(L"left ");
    EXPECT_STREQ(static_cast<const wchar_t*>(left + _bstr_t("right")), L"left right");
    EXPECT_STREQ(static_cast<const wchar_t*>("8-bit " + left), L"8-bit left ");
    EXPECT_STREQ(static_cast<const wchar_t*>(L"wide " + left), L"wide left ");
    EXPECT_EQ((_bstr_t() + _bstr_t()).length(), 0u);
}

TEST(ComUtil, ConversionsBothWaysAndNull) {
    EXPECT_EQ(_com_util::ConvertStringToBSTR(nullptr), nullptr);
    EXPECT_EQ(_com_util::ConvertBSTRToString(nullptr), nullptr);

    BSTR wide = _com_util::ConvertStringToBSTR("\x93quoted\x94");
    EXPECT_STREQ(wide, L"\u201cquoted\u201d");
    char* narrow = _com_util::ConvertBSTRToString(wide);
    EXPECT_STREQ(narrow, "\x93quoted\x94");
    delete[] narrow;
    SysFreeString(wide);
}

} // namespace
