// The log as it lands on disk. Each test is a fresh run: the fixture closes the process's log
// stream and points the common data folder and the program's file name at test values.
#include "env_guard.h"
#include "platform/shell/shell.h"
#include "support/paths.h"
#include "support/tools.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace support_test {
namespace {

namespace fs = std::filesystem;

void CloseLog() {
    if (CTools::m_pLogFile != nullptr) {
        fclose(CTools::m_pLogFile);
    }
    CTools::m_pLogFile = nullptr;
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        files.push_back(entry.path());
    }
    return files;
}

// Every path below root, folders included.
std::vector<fs::path> Tree(const fs::path& root) {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        paths.push_back(entry.path());
    }
    return paths;
}

std::time_t LocalTime(std::tm tm) {
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// "logfile 03-14-11-124129.txt" -> the local time it names.
std::optional<std::time_t> FileNameTime(const std::string& name) {
    static const std::regex pattern(R"(logfile (\d\d)-(\d\d)-(\d\d)-(\d\d)(\d\d)(\d\d)\.txt)");
    std::smatch m;
    if (!std::regex_match(name, m, pattern)) {
        return std::nullopt;
    }
    std::tm tm{};
    tm.tm_mon = std::stoi(m[1]) - 1;
    tm.tm_mday = std::stoi(m[2]);
    tm.tm_year = 100 + std::stoi(m[3]);
    tm.tm_hour = std::stoi(m[4]);
    tm.tm_min = std::stoi(m[5]);
    tm.tm_sec = std::stoi(m[6]);
    return LocalTime(tm);
}

// "Monday, March 14, 2011 12:41:29" -> the local time it names, when the weekday fits.
std::optional<std::time_t> LongStampTime(const std::string& text) {
    std::tm tm{};
    const char* end = strptime(text.c_str(), "%A, %B %d, %Y %H:%M:%S", &tm);
    if (end == nullptr || *end != '\0') {
        return std::nullopt;
    }
    const int weekday = tm.tm_wday;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    if (tm.tm_wday != weekday) {
        return std::nullopt;
    }
    return t;
}

struct Entry {
    std::string stamp;
    std::string message;
};

// Splits file bytes into entries "\r\n<stamp>\r\n<message>\r\n"; a message may hold line
// breaks of its own, so the caller says how many lines each message has.
std::optional<std::vector<Entry>> ParseEntries(const std::string& bytes,
                                               const std::vector<int>& messageLines) {
    std::vector<Entry> entries;
    std::size_t pos = 0;
    auto line = [&]() -> std::optional<std::string> {
        const auto end = bytes.find("\r\n", pos);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        std::string text = bytes.substr(pos, end - pos);
        pos = end + 2;
        return text;
    };
    for (int lines : messageLines) {
        const auto empty = line();
        const auto stamp = line();
        if (!empty || !empty->empty() || !stamp) {
            return std::nullopt;
        }
        Entry e{*stamp, {}};
        for (int i = 0; i < lines; ++i) {
            const auto text = line();
            if (!text) {
                return std::nullopt;
            }
            e.message += (i > 0 ? "\n" : "") + *text;
        }
        entries.push_back(e);
    }
    if (pos != bytes.size()) {
        return std::nullopt;
    }
    return entries;
}

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseLog();
        std::string templ = (fs::temp_directory_path() / "marrowick-log-XXXXXX").string();
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        m_root = templ;
        m_programData.emplace("PROGRAMDATA", m_root.string());
        m_program.emplace("C:\\Program Files\\Ferncastle\\tool.exe");
    }

    void TearDown() override {
        CloseLog();
        m_program.reset();
        m_programData.reset();
        std::error_code ec;
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_root, ec);
    }

    fs::path LogFolder(const std::string& program = "tool") const {
        return m_root / "Ferncastle" / program;
    }

    // The one log file of the run, or an empty path when there is not exactly one.
    fs::path OnlyLogFile(const std::string& program = "tool") const {
        const auto files = FilesIn(LogFolder(program));
        return files.size() == 1 ? files[0] : fs::path();
    }

    fs::path m_root;
    // The local time zone stays fixed so no clock change falls between two stamps.
    ScopedEnv m_tz{"TZ", "UTC"};
    std::optional<ScopedEnv> m_programData;
    std::optional<mw::shell::ModuleFileNameOverride> m_program;
};

TEST_F(LogTest, FirstEntryCreatesTheFoldersAndTheFile) {
    EXPECT_TRUE(Tree(m_root).empty()) << "nothing may exist before the first entry";

    const std::time_t before = std::time(nullptr);
    CTools::LogToFile(CString("Error occured.  Status Code = 500"));
    const std::time_t after = std::time(nullptr);
    CloseLog();

    const fs::path file = OnlyLogFile();
    ASSERT_FALSE(file.empty()) << "expected one file in " << LogFolder();
    const auto named = FileNameTime(file.filename().string());
    ASSERT_TRUE(named) << file.filename();
    EXPECT_LE(before, *named);
    EXPECT_LE(*named, after);

    const auto entries = ParseEntries(ReadBytes(file), {1});
    ASSERT_TRUE(entries) << ReadBytes(file);
    EXPECT_EQ((*entries)[0].message, "Error occured.  Status Code = 500");
    const auto stamped = LongStampTime((*entries)[0].stamp);
    ASSERT_TRUE(stamped) << (*entries)[0].stamp;
    EXPECT_LE(before, *stamped);
    EXPECT_LE(*stamped, after);
}

TEST_F(LogTest, LaterEntriesGoToTheEndOfTheSameFile) {
    CTools::LogToFile(CString("first"));
    // Line breaks inside a message are stored as CR LF too; percent signs are text.
    CTools::LogToFile(CString("<QBXML>\n<QBXMLMsgsRq onError=\"stopOnError\"/>\n</QBXML>"));
    CTools::LogToFile(CString("100% %s %d"));
    CTools::LogToFile(_bstr_t(L"Caf\u00e9 \u20ac"));
    CTools::LogToFile(_bstr_t());
    CloseLog();

    const fs::path file = OnlyLogFile();
    ASSERT_FALSE(file.empty());
    const auto entries = ParseEntries(ReadBytes(file), {1, 3, 1, 1, 1});
    ASSERT_TRUE(entries) << ReadBytes(file);
    const char* const expected[] = {"first",
                                    "<QBXML>\n<QBXMLMsgsRq onError=\"stopOnError\"/>\n</QBXML>",
                                    "100% %s %d", "Caf\xe9 \x80", ""};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ((*entries)[i].message, expected[i]) << "entry " << i;
        EXPECT_TRUE(LongStampTime((*entries)[i].stamp)) << (*entries)[i].stamp;
    }
}

// Each entry is on disk as soon as LogToFile returns, before the stream is closed.
TEST_F(LogTest, EachEntryReachesTheDiskAtOnce) {
    CTools::LogToFile(CString("first"));
    const fs::path file = OnlyLogFile();
    ASSERT_FALSE(file.empty());
    EXPECT_TRUE(ParseEntries(ReadBytes(file), {1}));
    CTools::LogToFile(CString("second"));
    EXPECT_TRUE(ParseEntries(ReadBytes(file), {1, 1}));
}

// A run that started in the same second as another must not empty that run's log.
TEST_F(LogTest, AnExistingFileOfTheSameNameIsAppendedTo) {
    constexpr int kSeconds = 5;
    const std::string earlier = "\r\nearlier run\r\nits entry\r\n";
    fs::create_directories(LogFolder());
    const std::time_t start = std::time(nullptr);
    for (int i = 0; i <= kSeconds; ++i) {
        const std::time_t t = start + i;
        char name[64];
        std::strftime(name, sizeof name, "logfile %m-%d-%y-%H%M%S.txt", std::localtime(&t));
        std::ofstream(LogFolder() / name, std::ios::binary) << earlier;
    }

    CTools::LogToFile(CString("this run"));
    CloseLog();
    if (std::time(nullptr) > start + kSeconds) {
        GTEST_SKIP() << "the clock passed every prepared file name";
    }

    int appended = 0;
    for (const auto& file : FilesIn(LogFolder())) {
        const std::string bytes = ReadBytes(file);
        ASSERT_EQ(bytes.compare(0, earlier.size(), earlier), 0) << file << " lost its entries";
        if (bytes.size() > earlier.size()) {
            ++appended;
            EXPECT_TRUE(ParseEntries(bytes.substr(earlier.size()), {1})) << bytes;
        }
    }
    EXPECT_EQ(appended, 1);
}

TEST_F(LogTest, FoldersAreNamedAfterTheCommonDataFolderAndTheProgram) {
    const std::string longFolder = "C:\\" + std::string(120, 'a') + "\\" + std::string(120, 'b');
    struct Case {
        std::string modulePath;
        std::string folder;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Ferncastle\\tool.exe", "tool"},
        {"C:\\bin\\Marrowick", "Marrowick"},
        {"C:\\bin\\tool.x", "tool"},
        // Longer than 256 characters, so a cut there would lose the file name.
        {longFolder + "\\tool.exe", "tool"},
    };
    for (const auto& c : cases) {
        CloseLog();
        const mw::shell::ModuleFileNameOverride program(c.modulePath);
        const CString csAppData = GetAppDataPath();
        const CString csLog = GetLogPath();
        EXPECT_EQ(std::string(static_cast<LPCTSTR>(csLog)),
                  std::string(static_cast<LPCTSTR>(csAppData)) + "\\" + c.folder)
            << c.modulePath;
        CTools::LogToFile(CString("entry"));
        EXPECT_FALSE(OnlyLogFile(c.folder).empty()) << c.modulePath;
    }
    EXPECT_TRUE(fs::is_directory(m_root / "Ferncastle"));
}

// A folder that cannot be written: nothing is created, nothing fails, and the next entry
// tries again once the folder can be written.
TEST_F(LogTest, AnUnwritableFolderDropsTheEntryAndTheNextOneTriesAgain) {
    const fs::path locked = m_root / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    fs::path programData = locked;
    if (::mkdir((locked / "probe").c_str(), 0755) == 0) {
        // Permissions do not stop this user: use a path below a regular file instead.
        fs::remove(locked / "probe");
        programData = m_root / "file";
        std::ofstream(programData) << "not a folder";
    }
    const auto before = Tree(m_root);

    {
        const ScopedEnv unwritable("PROGRAMDATA", programData.string());
        CTools::LogToFile(CString("lost"));
        EXPECT_EQ(CTools::m_pLogFile, nullptr);
        EXPECT_EQ(Tree(m_root), before);
    }

    CTools::LogToFile(CString("kept"));
    CloseLog();
    const fs::path file = OnlyLogFile();
    ASSERT_FALSE(file.empty());
    const auto entries = ParseEntries(ReadBytes(file), {1});
    ASSERT_TRUE(entries);
    EXPECT_EQ((*entries)[0].message, "kept");
}

struct BaseNameCase {
    const char* path;
    const char* base;
};

TEST(ProgramBaseName, DropsFoldersAndTheExtension) {
    const BaseNameCase cases[] = {
        {"C:\\Program Files\\Ferncastle\\Marrowick.exe", "Marrowick"},
        {"C:\\bin\\Marrowick", "Marrowick"},
        {"C:\\bin\\tool.x", "tool"},
        {"C:\\bin\\report.v2.exe", "report.v2"},
        {"C:\\a.b\\tool", "tool"},
        {"C:\\bin\\.profile", ".profile"},
        {"/usr/local/bin/tool.exe", "tool"},
        {"tool.exe", "tool"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mw::support::ProgramBaseName(c.path), c.base) << c.path;
    }
}

} // namespace
} // namespace support_test
