// Support for the window-class tests: a probe control class that records what reaches its
// own procedure and acts as a minimal push button (Space sends BN_CLICKED to the parent), a
// scripted idle handler that feeds input step by step, and a fixture that resets the window
// system around each test.
#pragma once

#include "platform/mfc/afx.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mfctest {

inline constexpr const char* kProbeClass = "MfcProbe";

struct Received {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
};
std::vector<Received>& ProbeLog();
// The messages of one kind the probe procedure received, in order.
std::vector<HWND> ProbeReceivers(UINT message);

void RegisterProbeClass();
HWND MakeProbe(HWND parent, int id, DWORD style = WS_VISIBLE);
HWND MakeTopLevelProbe(const char* title);

// When the queue runs dry, runs the next step (which usually posts input); after the last
// step GetMessage ends every loop.
class InputScript {
public:
    explicit InputScript(std::vector<std::function<void()>> steps);
    ~InputScript();
    InputScript(const InputScript&) = delete;
    InputScript& operator=(const InputScript&) = delete;

private:
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
    win32::IdleHandler m_previous;
};

class MfcWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    win32::RecordingDesktopService& Service();
};

} // namespace mfctest
