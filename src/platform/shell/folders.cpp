#include "platform/shell/folders.h"

#include "platform/crt/path.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kSystemDataFolder = "/var/lib";

std::optional<std::string> Env(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::string> UserDataFolder() {
    std::optional<std::string> folder;
    if (auto xdg = Env("XDG_DATA_HOME"); xdg && xdg->front() == '/') {
        folder = *xdg;
    } else if (auto home = Env("HOME")) {
        folder = *home + "/.local/share";
    } else {
        return std::nullopt;
    }
    std::error_code ec;
    fs::create_directories(*folder, ec);
    return fs::is_directory(*folder, ec) ? folder : std::nullopt;
}

std::optional<std::string> CommonDataFolder() {
    if (auto programData = Env("PROGRAMDATA")) {
        return mw::crt::ToLinuxPath(*programData);
    }
    std::error_code ec;
    if (fs::is_directory(kSystemDataFolder, ec) && ::access(kSystemDataFolder, W_OK) == 0) {
        return std::string(kSystemDataFolder);
    }
    return UserDataFolder();
}

} // namespace

HRESULT SHGetFolderPath(HWND, int csidl, HANDLE, DWORD, LPSTR pszPath) {
    if (pszPath == nullptr) {
        return E_INVALIDARG;
    }
    *pszPath = '\0';
    std::optional<std::string> folder;
    switch (csidl & ~CSIDL_FLAG_MASK) {
    case CSIDL_COMMON_APPDATA:
        folder = CommonDataFolder();
        break;
    case CSIDL_APPDATA:
    case CSIDL_LOCAL_APPDATA:
        folder = UserDataFolder();
        break;
    default:
        return E_INVALIDARG;
    }
    if (!folder) {
        return E_FAIL;
    }
    std::string windows = mw::crt::ToWindowsPath(*folder);
    if (windows.size() >= MAX_PATH) {
        return E_FAIL;
    }
    std::error_code ec;
    if ((csidl & CSIDL_FLAG_CREATE) != 0) {
        fs::create_directories(*folder, ec);
    }
    std::memcpy(pszPath, windows.c_str(), windows.size() + 1);
    if ((csidl & CSIDL_FLAG_DONT_VERIFY) == 0 && !fs::is_directory(*folder, ec)) {
        return S_FALSE;
    }
    return S_OK;
}
