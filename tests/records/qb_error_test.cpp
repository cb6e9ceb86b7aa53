#include "record_fields.h"
#include "records/qb_error.h"

#include <gtest/gtest.h>
#include <string>

namespace records_test {
namespace {

struct MessageCase {
    const char* what;
    LONG code;
    const wchar_t* message; // nullptr: left as a new record has it
    const wchar_t* severity;
    const char* expected;
};

const MessageCase kMessageCases[] = {
    {"never filled", 0, nullptr, nullptr, "Error occured.  Status Code = 0"},
    {"message and severity", 3171, L"Object 12-345 specified in the request cannot be found.",
     L"Error",
     "Error occured.  Status Code = 3171, Status Message = Object 12-345 specified in the "
     "request cannot be found., Status Severity = Error"},
    {"severity empty", 500, L"The query request has not been fully completed.", L"",
     "Error occured.  Status Code = 500"},
    {"message empty", 3100, L"", L"Error", "Error occured.  Status Code = 3100"},
    {"negative code", -1, L"", L"", "Error occured.  Status Code = -1"},
    {"text outside ASCII in the ANSI code page", 3180, L"Caf\u00e9 \u20ac", L"Warn",
     "Error occured.  Status Code = 3180, Status Message = Caf\xe9 \x80, Status Severity = "
     "Warn"},
};

TEST(QB_Error, GetErrorMessage) {
    for (const auto& c : kMessageCases) {
        QB_Error e;
        e.StatusCode = c.code;
        if (c.message != nullptr) {
            e.StatusMessage = c.message;
        }
        if (c.severity != nullptr) {
            e.StatusSeverity = c.severity;
        }
        EXPECT_EQ(std::string(static_cast<LPCTSTR>(e.GetErrorMessage())), c.expected) << c.what;
    }
}

} // namespace
} // namespace records_test
