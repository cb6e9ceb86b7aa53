// The cell comparisons of CListCtrlEx's sort, by comparison type. Each takes the left and
// the right text and returns a negative number when the left one goes first. They are the
// bodies of CListCtrlEx::CompareString ... CompareDate, kept free of any window so that the
// list's sort and a plain std::sort can use the very same comparison.
#pragma once

#include "platform/crt/wintypes.h"

namespace mw::controls {

enum CompareType : int {
    CompareTypeNone = 0,
    CompareTypeInteger = 1,
    CompareTypeDouble = 2,
    CompareTypeString = 3,
    CompareTypeNumberString = 4,
    CompareTypeStringNoCase = 5,
    CompareTypeNumberStringNoCase = 6,
    CompareTypeDate = 7,
};

int CompareString(LPCTSTR pLeftText, LPCTSTR pRightText);
int CompareStringNoCase(LPCTSTR pLeftText, LPCTSTR pRightText);
int CompareNumberString(LPCTSTR pLeftText, LPCTSTR pRightText);
int CompareNumberStringNoCase(LPCTSTR pLeftText, LPCTSTR pRightText);
int CompareDate(LPCTSTR pLeftText, LPCTSTR pRightText);
// By a column's comparison type; unknown types compare as CompareTypeString.
int CompareTexts(int nCompareType, LPCTSTR pLeftText, LPCTSTR pRightText);

} // namespace mw::controls
