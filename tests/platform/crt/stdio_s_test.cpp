#include "platform/crt/direct.h"
#include "platform/crt/guards.h"
#include "platform/crt/path.h"
#include "platform/crt/stdio_s.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadAll(FILE* f) {
    std::string out;
    char buf[7]; // small on purpose: a CR LF pair must survive a buffer boundary
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        out.append(buf, n);
    }
    return out;
}

TEST(FopenS, TextModeStoresEveryLineBreakAsCrLf) {
    mw::testing_env::TempDir dir;
    std::string path = dir / "log.txt";
    FILE* f = nullptr;
    ASSERT_EQ(fopen_s(&f, path.c_str(), "w+"), 0);
    ASSERT_NE(f, nullptr);
    std::fwrite("a\nb\n", 1, 4, f);
    std::fputs("\nc", f);
    std::fprintf(f, "%s\n", "d");
    std::fclose(f);
    EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n\r\ncd\r\n");
}

TEST(FopenS, BinaryModeKeepsBytes) {
    mw::testing_env::TempDir dir;
    std::string path = dir / "bin";
    FILE* f = nullptr;
    ASSERT_EQ(fopen_s(&f, path.c_str(), "wb"), 0);
    std::fputs("a\nb\r\n", f);
    std::fclose(f);
    EXPECT_EQ(ReadBytes(path), "a\nb\r\n");
}

TEST(FopenS, TextReadingTurnsCrLfBackIntoLf) {
    mw::testing_env::TempDir dir;
    std::string path = dir / "in.txt";
    // A lone CR stays; the pair straddles the 7-byte reads.
    WriteBytes(path, "abcdef\r\nx\ry\r\n\r\n");
    FILE* f = nullptr;
    ASSERT_EQ(fopen_s(&f, path.c_str(), "r"), 0);
    EXPECT_EQ(ReadAll(f), "abcdef\nx\ry\n\n");
    std::fclose(f);
}

TEST(FopenS, WritePlusEmptiesAndAppendKeeps) {
    mw::testing_env::TempDir dir;
    std::string path = dir / "f.txt";
    WriteBytes(path, "old\r\n");

    FILE* f = nullptr;
    ASSERT_EQ(fopen_s(&f, path.c_str(), "a"), 0);
    std::fputs("more\n", f);
    std::fclose(f);
    EXPECT_EQ(ReadBytes(path), "old\r\nmore\r\n");

    ASSERT_EQ(fopen_s(&f, path.c_str(), "w+"), 0);
    std::fputs("new\n", f);
    // "w+" also reads back what it wrote.
    std::rewind(f);
    EXPECT_EQ(ReadAll(f), "new\n");
    std::fclose(f);
    EXPECT_EQ(ReadBytes(path), "new\r\n");
}

TEST(FopenS, WindowsPathIsMapped) {
    mw::testing_env::TempDir dir;
    std::string windows = mw::crt::ToWindowsPath(dir.path().string()) + "\\x.txt";
    FILE* f = nullptr;
    ASSERT_EQ(fopen_s(&f, windows.c_str(), "wt"), 0);
    std::fclose(f);
    EXPECT_EQ(ReadBytes(dir / "x.txt"), "");
}

TEST(FopenS, FailuresReturnErrnoAndNullStream) {
    mw::testing_env::TempDir dir;
    struct Case {
        std::string path;
        const char* mode;
        errno_t expected;
    };
    const Case cases[] = {
        {dir / "missing.txt", "r", ENOENT}, {dir / "no\\such\\folder.txt", "w+", ENOENT},
        {dir / "x", "q", EINVAL},           {dir / "x", "w++", EINVAL},
        {dir / "x", "wbt", EINVAL},         {dir / "x", "", EINVAL},
    };
    for (const auto& c : cases) {
        FILE* f = reinterpret_cast<FILE*>(&dir); // must be cleared on failure
        EXPECT_EQ(fopen_s(&f, c.path.c_str(), c.mode), c.expected) << c.path << " " << c.mode;
        EXPECT_EQ(f, nullptr);
    }
    FILE* f = nullptr;
    EXPECT_EQ(fopen_s(nullptr, "x", "r"), EINVAL);
    EXPECT_EQ(fopen_s(&f, nullptr, "r"), EINVAL);
    EXPECT_EQ(fopen_s(&f, "x", nullptr), EINVAL);
}

TEST(Mkdir, CreatesOnceThroughAWindowsPath) {
    mw::testing_env::TempDir dir;
    std::string windows = mw::crt::ToWindowsPath(dir.path().string()) + "\\Ferncastle";
    EXPECT_EQ(_mkdir(windows.c_str()), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Ferncastle"));
    errno = 0;
    EXPECT_EQ(_mkdir(windows.c_str()), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(_mkdir((windows + "\\a\\b").c_str()), -1);
    EXPECT_EQ(errno, ENOENT);
}

} // namespace
