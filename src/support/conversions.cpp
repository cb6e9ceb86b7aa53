#include "support/conversions.h"

CString GetString(_bstr_t bstrStr) {
    const char* text = static_cast<const char*>(bstrStr);
    return CString(text != nullptr ? text : "");
}

_bstr_t Get_bstr_t(CString cs) {
    // Attach the wide copy instead of copying it once more; the wrapper frees it.
    return _bstr_t(cs.AllocSysString(), false);
}

CString DateToString(COleDateTime dateIn) {
    return dateIn.Format("%m-%d-%Y");
}

COleDateTime StrToDate(_bstr_t dateIn) {
    COleDateTime result;
    result.ParseDateTime(GetString(dateIn), 0, LOCALE_USER_DEFAULT);
    return result;
}
