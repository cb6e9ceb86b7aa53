#include "support/paths.h"

#include "platform/crt/crt.h"
#include "platform/shell/shell.h"

#include <string>
#include <vector>

namespace {

// Long enough for any path Windows can hand out with the \\?\ prefix.
constexpr DWORD kLongestModulePath = 32768;

// Creates the folder unless something of that name is already there. A failure shows up
// later, when the log file cannot be opened.
void EnsureFolder(const CString& path) {
    CFileStatus status;
    if (!CFile::GetStatus(path, status)) {
        _mkdir(path);
    }
}

// The running program's full path, however long; "" when it cannot be had.
std::string ModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileName(nullptr, buffer.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size) {
            return std::string(buffer.data(), length);
        }
        if (size >= kLongestModulePath) {
            return {};
        }
        buffer.resize(static_cast<std::size_t>(size) * 2);
    }
}

} // namespace

namespace mw::support {

std::string_view ProgramBaseName(std::string_view modulePath) {
    const auto slash = modulePath.find_last_of("\\/");
    std::string_view name =
        slash == std::string_view::npos ? modulePath : modulePath.substr(slash + 1);
    // Only a dot after the first character starts an extension, so ".profile" stays whole.
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return name;
}

} // namespace mw::support

CString GetAppDataPath() {
    CString csPath;
    char folder[MAX_PATH] = {};
    if (SUCCEEDED(
            SHGetFolderPath(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        csPath = folder;
    }
    csPath += "\\Ferncastle";
    EnsureFolder(csPath);
    return csPath;
}

CString GetLogPath() {
    const std::string modulePath = ModulePath();
    const std::string baseName(mw::support::ProgramBaseName(modulePath));
    CString csPath = GetAppDataPath();
    csPath += "\\";
    csPath += baseName.c_str();
    EnsureFolder(csPath);
    return csPath;
}
