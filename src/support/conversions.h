// Conversions between the user interface's 8-bit strings, the SDK's strings and dates with a
// status. Arguments are taken by value, as the callers pass temporaries of the SDK's types.
#pragma once

#include "platform/com/com.h"
#include "platform/mfc/afx.h"

// The text of an SDK string in the ANSI code page; "" when it has no text.
CString GetString(_bstr_t bstrStr);

// A new SDK string with the text of cs; "" gives a string of length 0, not a null one.
_bstr_t Get_bstr_t(CString cs);

// Month-day-year with leading zeros ("03-14-2011"); "" for a null date and "Invalid DateTime"
// for an invalid one or one outside the calendar range.
CString DateToString(COleDateTime dateIn);

// The date the text names under the user's regional settings. On failure the status is
// invalid and the value tells why: 0.0 when the text is no date, -1.0 when the date is out
// of range. Callers read the status.
COleDateTime StrToDate(_bstr_t dateIn);
