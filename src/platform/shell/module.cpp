#include "platform/shell/module.h"

#include "platform/crt/path.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

std::optional<std::string>& Override() {
    static std::optional<std::string> path;
    return path;
}

std::string ProgramPath() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : mw::crt::ToWindowsPath(exe.string());
}

} // namespace

DWORD GetModuleFileName(HMODULE, LPSTR lpFilename, DWORD nSize) {
    if (lpFilename == nullptr || nSize == 0) {
        return 0;
    }
    std::string path = Override() ? *Override() : ProgramPath();
    if (path.empty()) {
        *lpFilename = '\0';
        return 0;
    }
    if (path.size() >= nSize) {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

namespace mw::shell {

ModuleFileNameOverride::ModuleFileNameOverride(std::string windowsPath)
    : m_previous(std::move(Override())) {
    Override() = std::move(windowsPath);
}

ModuleFileNameOverride::~ModuleFileNameOverride() {
    Override() = std::move(m_previous);
}

} // namespace mw::shell
