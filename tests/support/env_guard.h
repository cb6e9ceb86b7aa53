// Sets an environment variable for a test's lifetime and puts the old value back after.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace support_test {

class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(m_old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(m_name.c_str());
        }
        tzset();
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace support_test
