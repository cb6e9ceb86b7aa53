#include "records/qb_error.h"

QB_Error::QB_Error() {
    clear();
}

void QB_Error::clear() {
    StatusCode = 0;
    StatusMessage = "";
    StatusSeverity = "";
}

CString QB_Error::GetErrorMessage() const {
    CString csMsg;
    if (StatusMessage.length() > 0 && StatusSeverity.length() > 0) {
        csMsg.Format("Error occured.  Status Code = %d, Status Message = %S, Status Severity = %S",
                     static_cast<int>(StatusCode), static_cast<const wchar_t*>(StatusMessage),
                     static_cast<const wchar_t*>(StatusSeverity));
    } else {
        csMsg.Format("Error occured.  Status Code = %d", static_cast<int>(StatusCode));
    }
    return csMsg;
}
