#include "support/tools.h"

#include "platform/crt/crt.h"
#include "support/conversions.h"
#include "support/paths.h"

#include <ctime>

FILE* CTools::m_pLogFile = nullptr;

namespace {

CString LogFileName() {
    const __time64_t now = _time64(nullptr);
    struct tm local {};
    char stamp[32] = {};
    if (_localtime64_s(&local, &now) == 0) {
        strftime(stamp, sizeof stamp, "%m-%d-%y-%H%M%S", &local);
    }
    CString csName;
    csName.Format("\\logfile %s.txt", stamp);
    return csName;
}

} // namespace

void CTools::LogToFile(CString csOut) {
    if (m_pLogFile == nullptr) {
        const CString csFile = GetLogPath() + LogFileName();
        // Append rather than truncate: another run that started in the same second may
        // already be writing this file.
        if (fopen_s(&m_pLogFile, csFile, "a") != 0) {
            m_pLogFile = nullptr;
        }
        if (m_pLogFile == nullptr) {
            return;
        }
    }

    const CString csStamp = CTime::GetCurrentTime().Format("%#c");
    CString csEntry;
    csEntry.Format("\n%s\n%s\n", static_cast<LPCTSTR>(csStamp), static_cast<LPCTSTR>(csOut));
    fwrite(static_cast<LPCTSTR>(csEntry), 1, static_cast<size_t>(csEntry.GetLength()), m_pLogFile);
    // Each entry reaches the disk at once, so a run that dies keeps what it logged.
    fflush(m_pLogFile);
}

void CTools::LogToFile(_bstr_t bStr) {
    LogToFile(GetString(bStr));
}
