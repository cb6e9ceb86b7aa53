#include "controls/list_compare.h"

#include "platform/mfc/cstring.h"
#include "platform/mfc/oledatetime.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace mw::controls {
namespace {

// A difference of two longs does not fit the 32-bit result: keep only its sign.
int Sign(long x, long y) {
    return x < y ? -1 : (x > y ? 1 : 0);
}

bool IsPlainNumber(LPCTSTR text, long value) {
    char formatted[32];
    int n = std::snprintf(formatted, sizeof formatted, "%ld", value);
    return n >= 0 && static_cast<size_t>(n) == std::strlen(text);
}

int CompareNumbers(LPCTSTR left, LPCTSTR right, int (*fallback)(LPCTSTR, LPCTSTR)) {
    long x = std::atol(left);
    long y = std::atol(right);
    if (x != 0 && y != 0 && x != y && IsPlainNumber(left, x) && IsPlainNumber(right, y)) {
        return Sign(x, y);
    }
    return fallback(left, right);
}

LPCTSTR Safe(LPCTSTR text) {
    return text != nullptr ? text : "";
}

} // namespace

int CompareString(LPCTSTR pLeftText, LPCTSTR pRightText) {
    return CString(Safe(pLeftText)).Compare(Safe(pRightText));
}

int CompareStringNoCase(LPCTSTR pLeftText, LPCTSTR pRightText) {
    return CString(Safe(pLeftText)).CompareNoCase(Safe(pRightText));
}

int CompareNumberString(LPCTSTR pLeftText, LPCTSTR pRightText) {
    return CompareNumbers(Safe(pLeftText), Safe(pRightText), CompareString);
}

int CompareNumberStringNoCase(LPCTSTR pLeftText, LPCTSTR pRightText) {
    return CompareNumbers(Safe(pLeftText), Safe(pRightText), CompareStringNoCase);
}

int CompareDate(LPCTSTR pLeftText, LPCTSTR pRightText) {
    COleDateTime left;
    COleDateTime right;
    left.ParseDateTime(Safe(pLeftText), 0, LANG_USER_DEFAULT);
    right.ParseDateTime(Safe(pRightText), 0, LANG_USER_DEFAULT);
    COleDateTime::DateTimeStatus ls = left.GetStatus();
    COleDateTime::DateTimeStatus rs = right.GetStatus();
    if (ls == COleDateTime::valid && rs == COleDateTime::valid) {
        return left == right ? 0 : (left < right ? -1 : 1);
    }
    // Cells that are no date (blank ones above all) answered +1 both ways and ended up
    // scattered among the dates; order them by status instead, after the valid dates.
    return ls == rs ? 0 : (ls < rs ? -1 : 1);
}

int CompareTexts(int nCompareType, LPCTSTR pLeftText, LPCTSTR pRightText) {
    LPCTSTR l = Safe(pLeftText);
    LPCTSTR r = Safe(pRightText);
    switch (nCompareType) {
    case CompareTypeNone:
        return 0;
    case CompareTypeInteger:
        return Sign(std::atol(l), std::atol(r));
    case CompareTypeDouble: {
        double x = std::atof(l);
        double y = std::atof(r);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case CompareTypeNumberString:
        return CompareNumberString(l, r);
    case CompareTypeStringNoCase:
        return CompareStringNoCase(l, r);
    case CompareTypeNumberStringNoCase:
        return CompareNumberStringNoCase(l, r);
    case CompareTypeDate:
        return CompareDate(l, r);
    case CompareTypeString:
    default:
        return CompareString(l, r);
    }
}

} // namespace mw::controls
