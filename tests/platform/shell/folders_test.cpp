#include "platform/crt/guards.h"
#include "platform/crt/path.h"
#include "platform/shell/folders.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using mw::testing_env::EnvGuard;
using mw::testing_env::TempDir;

std::string Folder(int csidl, HRESULT expected) {
    char path[MAX_PATH] = "stale";
    EXPECT_EQ(SHGetFolderPath(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path), expected);
    return path;
}

TEST(SHGetFolderPath, CommonAppDataFromProgramData) {
    TempDir dir;
    EnvGuard programData("PROGRAMDATA", dir.path().string());
    std::string path = Folder(CSIDL_COMMON_APPDATA, S_OK);
    EXPECT_EQ(path, mw::crt::ToWindowsPath(dir.path().string()));
    EXPECT_EQ(mw::crt::ToLinuxPath(path), dir.path().string());
}

TEST(SHGetFolderPath, MissingProgramDataFolderIsStillNamed) {
    TempDir dir;
    EnvGuard programData("PROGRAMDATA", dir / "none");
    // The ANSI function's "valid folder, does not exist" is a success code.
    std::string path = Folder(CSIDL_COMMON_APPDATA, S_FALSE);
    EXPECT_EQ(mw::crt::ToLinuxPath(path), dir / "none");
    EXPECT_FALSE(std::filesystem::exists(dir / "none"));

    Folder(CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, S_OK);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "none"));
}

TEST(SHGetFolderPath, WithoutProgramDataASystemOrUserFolder) {
    TempDir home;
    EnvGuard programData("PROGRAMDATA", std::nullopt);
    EnvGuard xdg("XDG_DATA_HOME", std::nullopt);
    EnvGuard homeVar("HOME", home.path().string());
    std::string expected = ::access("/var/lib", W_OK) == 0 ? "/var/lib" : home / ".local/share";
    EXPECT_EQ(mw::crt::ToLinuxPath(Folder(CSIDL_COMMON_APPDATA, S_OK)), expected);
    // The per-user folder is made when missing.
    EXPECT_EQ(mw::crt::ToLinuxPath(Folder(CSIDL_APPDATA, S_OK)), home / ".local/share");
    EXPECT_TRUE(std::filesystem::is_directory(home / ".local/share"));
}

TEST(SHGetFolderPath, Failures) {
    {
        EnvGuard programData("PROGRAMDATA", std::nullopt);
        EnvGuard xdg("XDG_DATA_HOME", std::nullopt);
        EnvGuard home("HOME", std::nullopt);
        EXPECT_EQ(Folder(CSIDL_APPDATA, E_FAIL), "");
    }
    {
        EnvGuard programData("PROGRAMDATA", "/" + std::string(MAX_PATH, 'x'));
        EXPECT_EQ(Folder(CSIDL_COMMON_APPDATA, E_FAIL), "");
    }
    EXPECT_EQ(Folder(0x7F, E_INVALIDARG), "");
    EXPECT_EQ(SHGetFolderPath(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, nullptr), E_INVALIDARG);
}

} // namespace
