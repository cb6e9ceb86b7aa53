// Test guards that set part of the process environment and put it back.
#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

namespace mw::testing_env {

class EnvGuard {
public:
    // value == nullopt unsets the variable for the guard's life.
    EnvGuard(std::string name, std::optional<std::string> value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) {
            m_old = old;
        }
        Set(value);
    }
    ~EnvGuard() { Set(m_old); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(m_name.c_str());
        }
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

class TimeZoneGuard {
public:
    explicit TimeZoneGuard(const std::string& tz) : m_env("TZ", tz) { tzset(); }

private:
    struct Restore {
        ~Restore() { tzset(); }
    };
    Restore m_restore; // destroyed after m_env: tzset sees the restored TZ
    EnvGuard m_env;
};

// A fresh empty folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() /
                 ("marrowick-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace mw::testing_env
