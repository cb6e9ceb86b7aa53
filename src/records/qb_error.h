// The status of the last response that QuickBooks rejected.
#pragma once

#include "platform/com/com.h"
#include "platform/crt/wintypes.h"
#include "platform/mfc/afx.h"

class QB_Error {
public:
    QB_Error();

    void clear();

    // The text shown for a failed operation; the message and severity appear only when
    // QuickBooks gave both.
    CString GetErrorMessage() const;

    LONG StatusCode;
    _bstr_t StatusMessage;
    _bstr_t StatusSeverity;
};
