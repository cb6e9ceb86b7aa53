#include "platform/com/codepage.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using mw::com::from_ansi;
using mw::com::from_utf8;
using mw::com::to_ansi;
using mw::com::to_utf8;

TEST(Codepage1252, BytesAndCharactersBothWays) {
    struct Case {
        unsigned char byte;
        wchar_t wide;
    };
    const Case cases[] = {
        {0x41, L'A'},
        {0x80, 0x20AC},
        {0x82, 0x201A},
        {0x8A, 0x0160},
        {0x93, 0x201C},
        {0x99, 0x2122},
        {0x9F, 0x0178},
        {0xA0, 0x00A0},
        {0xE9, 0x00E9},
        {0xFF, 0x00FF},
        // The five bytes 1252 leaves undefined pass through as C1 controls.
        {0x81, 0x0081},
        {0x8D, 0x008D},
        {0x8F, 0x008F},
        {0x90, 0x0090},
        {0x9D, 0x009D},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(from_ansi(byte), std::wstring(1, c.wide)) << std::hex << int{c.byte};
        EXPECT_EQ(to_ansi(std::wstring(1, c.wide)), byte) << std::hex << int{c.byte};
    }
}

TEST(Codepage1252, CharactersItCannotHoldBecomeQuestionMarks) {
    const wchar_t cannot[] = {0x4E2D, 0x0100, 0x0080, 0x0085, 0x2603, 0x1F600};
    for (const wchar_t ch : cannot)
        EXPECT_EQ(to_ansi(std::wstring(1, ch)), "?") << std::hex << static_cast<unsigned>(ch);
    EXPECT_EQ(to_ansi(L"a\u4e2db"), "a?b");
}

TEST(Codepage1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(to_ansi(from_ansi(all)), all);
}

TEST(Utf8, RoundTripsAndReplacesMalformedInput) {
    const std::wstring text = L"a\u00e9\u20ac\U0001F600";
    EXPECT_EQ(to_utf8(text), "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80");
    EXPECT_EQ(from_utf8(to_utf8(text)), text);

    struct Case {
        const char* bytes;
        std::wstring expected;
    };
    const Case malformed[] = {
        {"a\xff"
         "b",
         L"a\ufffdb"},
        {"\xc3", L"\ufffd"},           // cut short
        {"\xc0\xaf", L"\ufffd\ufffd"}, // overlong
        {"\xed\xa0\x80", L"\ufffd"},   // a surrogate
    };
    for (const Case& c : malformed)
        EXPECT_EQ(from_utf8(c.bytes), c.expected) << c.bytes;
}

TEST(WideCharToMultiByte, SizesTerminatorsAndTheDefaultCharacter) {
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"ab\u20ac", -1, nullptr, 0, nullptr, nullptr), 4)
        << "-1 counts the terminator";
    char out[8] = {};
    BOOL used = TRUE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"a\u4e2d", 2, out, sizeof out, nullptr, &used), 2);
    EXPECT_EQ(std::string(out, 2), "a?");
    EXPECT_TRUE(used);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"abc", 3, out, 2, nullptr, nullptr), 0)
        << "a buffer too small fails";
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u4e2d", 1, out, sizeof out, "*", &used), 1);
    EXPECT_EQ(out[0], '*');
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, out, sizeof out, "*", nullptr), 0)
        << "UTF-8 refuses a default character";
    EXPECT_EQ(WideCharToMultiByte(437, 0, L"a", 1, out, sizeof out, nullptr, nullptr), 0);
}

TEST(MultiByteToWideChar, AnsiAndStrictUtf8) {
    wchar_t out[8] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\x80x", -1, out, 8), 3);
    EXPECT_STREQ(out, L"\u20acx");
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xe2\x82\xac", 3, nullptr, 0), 1);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xff", 2, out, 8), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xff", 2, out, 8), 2);
    EXPECT_EQ(out[1], 0xFFFD);
}

} // namespace
