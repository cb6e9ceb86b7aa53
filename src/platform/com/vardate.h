// VarDateFromStr, the OLE automation date parser, under the regional settings of lcid
// (LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT and 0 mean the user's current settings).
//
// It reads numeric dates separated by '-', '/', '.' or the locale's separator with one-,
// two- or four-digit years (00-29 are 2000-2029, 30-99 are 1930-1999), month names full
// or short in the locale's language or English, ISO yyyy-mm-dd, day names (ignored), and an
// optional time h:mm or h:mm:ss with AM/PM. The locale's date order is tried first; when
// it gives no calendar date the other orders are tried, as Windows does. A time alone gives
// day 0 plus the time; a date alone gives midnight.
//
// Results: S_OK; DISP_E_TYPEMISMATCH for text that is no date (null and "" included, and
// numbers that are a date in no order); DISP_E_OVERFLOW for a date outside the years 100 to
// 9999; E_INVALIDARG for a null pdate or both VAR_*VALUEONLY flags.
#pragma once

#include "platform/com/oletypes.h"

inline constexpr ULONG VAR_TIMEVALUEONLY = 0x00000001;
inline constexpr ULONG VAR_DATEVALUEONLY = 0x00000002;
inline constexpr ULONG LOCALE_NOUSEROVERRIDE = 0x80000000;

HRESULT VarDateFromStr(LPCOLESTR strIn, LCID lcid, ULONG dwFlags, DATE* pdateOut);
