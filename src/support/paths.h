// Where the log lives: <common application data>\Ferncastle\<program base name>.
#pragma once

#include "platform/mfc/afx.h"

#include <string_view>

// The common application-data folder with "\Ferncastle" appended, created when missing.
CString GetAppDataPath();

// The log folder below GetAppDataPath(), named after the running program and created when
// missing.
CString GetLogPath();

namespace mw::support {

// The program's file name without folders and without its extension: "tool.exe" gives
// "tool", "Marrowick" stays "Marrowick".
std::string_view ProgramBaseName(std::string_view modulePath);

} // namespace mw::support
