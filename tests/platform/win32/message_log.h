// Message-sequence testing: a window class that records what it receives, and a comparison
// of the record with an expected sequence that prints both side by side when they differ.
#pragma once

#include "platform/win32/windows.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace win32test {

struct Logged {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// One expected message; parameters left empty match anything. Optional entries may be
// missing from the record.
struct Expect {
    HWND hwnd;
    UINT message;
    std::optional<WPARAM> wParam = std::nullopt;
    std::optional<LPARAM> lParam = std::nullopt;
    bool optional = false;
};

std::string MessageName(UINT message);

class MessageLog {
public:
    // Starts a new record of only these messages (empty: all).
    void Watch(std::initializer_list<UINT> messages) {
        m_watch = messages;
        m_entries.clear();
    }
    void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Clear() { m_entries.clear(); }
    const std::vector<Logged>& Entries() const { return m_entries; }

private:
    std::set<UINT> m_watch;
    std::vector<Logged> m_entries;
};

MessageLog& Log();

::testing::AssertionResult SequenceIs(const std::vector<Logged>& actual,
                                      const std::vector<Expect>& expected);

// A window class whose procedure records every message and then lets an optional handler
// answer before DefWindowProc does.
inline constexpr const char* kRecorderClass = "Recorder";
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
void SetHandler(Handler handler);
void RegisterRecorderClass();
HWND MakeTopLevel(const char* title, DWORD style = WS_OVERLAPPEDWINDOW, HWND owner = nullptr);
HWND MakeChild(HWND parent, int id, DWORD style = WS_VISIBLE, RECT r = {0, 0, 60, 26});

// Resets the window system around each test.
class Win32Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    win32::RecordingDesktopService& Service();
    // Runs the queue until it is empty (no idle handler: GetMessage then ends the loop).
    static void Pump(HWND dialog = nullptr);
};

} // namespace win32test
