// The sort's cell comparisons, as tables of text pairs per comparison type.
#include "controls/list_compare.h"
#include "platform/com/regional_settings.h"

#include <gtest/gtest.h>

namespace {

using namespace mw::controls;

int Sign(int v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

struct Case {
    int type;
    const char* left;
    const char* right;
    int expected; // the sign of the answer
};

TEST(ListCompare, EachTypeOrdersItsTexts) {
    mw::com::ScopedRegionalSettings us("en_US");
    const Case cases[] = {
        // None leaves every pair alone.
        {CompareTypeNone, "a", "b", 0},
        // Integers: the leading number, as atol reads it.
        {CompareTypeInteger, "9", "10", -1},
        {CompareTypeInteger, "12abc", "12", 0},
        {CompareTypeInteger, "-5", "x", -1},
        // A difference beyond 32 bits must not flip the order.
        {CompareTypeInteger, "3000000000", "0", 1},
        {CompareTypeInteger, "-3000000000", "3000000000", -1},
        // Doubles: 2.5 before 10, amounts with a fraction.
        {CompareTypeDouble, "2.5", "10", -1},
        {CompareTypeDouble, "100.00", "100", 0},
        {CompareTypeDouble, "1234.56", "1234.5", 1},
        // Strings: case decides, and digits compare as characters.
        {CompareTypeString, "B", "a", -1},
        {CompareTypeString, "10", "9", -1},
        {CompareTypeString, "abc", "abc", 0},
        {99, "B", "a", -1}, // unknown types compare as strings
        {CompareTypeStringNoCase, "B", "a", 1},
        {CompareTypeStringNoCase, "ABC", "abc", 0},
        // Number strings: plain decimals by value, everything else as text.
        {CompareTypeNumberString, "9", "10", -1},
        {CompareTypeNumberString, "10", "9", 1},
        {CompareTypeNumberString, "-20", "3", -1},
        {CompareTypeNumberString, "007", "10", -1}, // leading zeros: as text
        {CompareTypeNumberString, "12a", "9", -1},  // trailing characters: as text
        {CompareTypeNumberString, "+9", "10", -1},  // plus sign: as text ('+' < '1')
        {CompareTypeNumberString, "0", "9", -1},
        {CompareTypeNumberString, "PO-9", "PO-10", 1},
        {CompareTypeNumberString, "3000000000", "2", 1},
        {CompareTypeNumberStringNoCase, "9", "10", -1},
        {CompareTypeNumberStringNoCase, "abc", "ABD", -1},
        {CompareTypeNumberStringNoCase, "Abc", "abc", 0},
        {CompareTypeNumberString, "Abc", "abc", -1},
        // Dates read under the user's settings, not as text.
        {CompareTypeDate, "12/31/2010", "1/1/2011", -1},
        {CompareTypeDate, "3/14/2011", "03-14-2011", 0},
        {CompareTypeDate, "3/14/2011 6:00 PM", "3/14/2011", 1},
        // Cells that are no date go after the dates and equal each other.
        {CompareTypeDate, "", "1/1/2011", 1},
        {CompareTypeDate, "1/1/2011", "", -1},
        {CompareTypeDate, "", "", 0},
        {CompareTypeDate, "", "abc", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(CompareTexts(c.type, c.left, c.right)), c.expected)
            << "type " << c.type << ": \"" << c.left << "\" vs \"" << c.right << "\"";
        // Every comparison answers the swapped pair the other way round.
        EXPECT_EQ(Sign(CompareTexts(c.type, c.right, c.left)), -c.expected)
            << "type " << c.type << " swapped: \"" << c.left << "\" vs \"" << c.right << "\"";
    }
}

} // namespace
