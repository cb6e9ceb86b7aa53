// BSTR: a wide string whose byte length sits in the four bytes before the text, so
// SysStringLen is O(1) and embedded zeros survive; the text is always zero-terminated.
// A null BSTR is a valid empty string for every function here.
#pragma once

#include "platform/com/oletypes.h"

BSTR SysAllocString(const OLECHAR* psz);
// Copies len characters from strIn, or leaves them zero when strIn is null.
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT len);
// A BSTR of len bytes (psz copied when given), for 8-bit payloads.
BSTR SysAllocStringByteLen(LPCSTR psz, UINT len);
// TRUE on success; the old string is freed only after the new one is made, so psz may
// point into *pbstr.
INT SysReAllocString(BSTR* pbstr, const OLECHAR* psz);
INT SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT len);
void SysFreeString(BSTR bstrString);
UINT SysStringLen(BSTR pbstr);
UINT SysStringByteLen(BSTR bstr);
