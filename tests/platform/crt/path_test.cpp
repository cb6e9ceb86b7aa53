#include "platform/crt/path.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* windows;
    const char* linux;
};

TEST(PathMapping, WindowsPathsReachTheLinuxFileSystem) {
    const PathCase cases[] = {
        // Separators.
        {"a\\b\\c.txt", "a/b/c.txt"},
        {"a/b\\c", "a/b/c"},
        {"a\\\\b", "a/b"},
        // A leading separator is the root of the current drive, "/".
        {"\\Ferncastle", "/Ferncastle"},
        {"\\Ferncastle\\tool", "/Ferncastle/tool"},
        // Drives are the root.
        {"C:\\ProgramData\\Ferncastle", "/ProgramData/Ferncastle"},
        {"d:/x", "/x"},
        {"C:x", "x"},
        {"C:", "."},
        // Linux and relative paths keep their meaning.
        {"/tmp/x/y", "/tmp/x/y"},
        {"/tmp/x\\logfile 03-14-11-124129.txt", "/tmp/x/logfile 03-14-11-124129.txt"},
        {"rel\\x", "rel/x"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mw::crt::ToLinuxPath(c.windows), c.linux) << c.windows;
    }
}

TEST(PathMapping, WindowsFormRoundTrips) {
    for (const char* linux : {"/proc/self/exe", "/var/lib/x y/z", "rel/a"}) {
        std::string windows = mw::crt::ToWindowsPath(linux);
        EXPECT_EQ(windows.find('/'), std::string::npos) << windows;
        EXPECT_EQ(mw::crt::ToLinuxPath(windows), linux);
    }
}

} // namespace
