// The text log of failed requests: one file per run, opened at the first entry.
#pragma once

#include "platform/com/com.h"
#include "platform/mfc/afx.h"

#include <cstdio>

class CTools {
public:
    CTools() = delete;

    // Writes "\n<long local date and time>\n<text>\n". The first entry of a run opens
    // <log folder>\logfile <mm-dd-yy-HHMMSS>.txt; when that fails the entry is dropped and
    // the next entry tries again.
    static void LogToFile(CString csOut);
    static void LogToFile(_bstr_t bStr);

    // The open log of this process; null while none is open. Left open for the C runtime to
    // close at exit. Tests that need a fresh run fclose it and set it back to null.
    static FILE* m_pLogFile;
};
