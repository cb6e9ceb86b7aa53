// Sending and posting messages, the thread's message queue and the keyboard state.
//
// SendMessage calls the window's procedure at once; PostMessage queues. GetMessage and
// PeekMessage take, in this order: posted messages, input (keys and mouse, whose target is
// resolved when taken: the focus window for keys), WM_QUIT after PostQuitMessage, WM_PAINT for
// a window that needs painting, WM_TIMER for a timer that is due. When nothing is left,
// GetMessage asks the idle handler (the terminal front end waits for input there); with no
// idle handler, or one that says no more input will come, GetMessage returns 0 as for WM_QUIT
// so that every loop, modal ones included, ends instead of waiting forever.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"
#include "platform/win32/messages.h"

#include <chrono>
#include <functional>

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt{};
};
using LPMSG = MSG*;

inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
inline constexpr UINT PM_NOYIELD = 0x0002;

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
inline constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg);
BOOL TranslateMessage(const MSG* msg); // WM_KEYDOWN of a character key -> WM_CHAR
LRESULT DispatchMessage(const MSG* msg);
void PostQuitMessage(int exitCode);
BOOL WaitMessage();
BOOL InSendMessage();
DWORD GetMessageTime();
DWORD GetMessagePos();

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Keyboard state as the messages taken from the queue left it: bit 0x8000 down, bit 1
// toggled. VK_SHIFT / VK_CONTROL / VK_MENU also answer for their left and right keys.
SHORT GetKeyState(int virtKey);
SHORT GetAsyncKeyState(int virtKey);
// US keyboard: low byte the virtual key, high byte 1 for Shift, 2 for Ctrl; -1 if none.
SHORT VkKeyScan(char ch);

void MessageBeep(UINT type);

namespace win32 {

// Called when the queue is empty. Post input and return true, or return false when no more
// input will ever come. Returns the previous handler.
using IdleHandler = std::function<bool()>;
IdleHandler SetIdleHandler(IdleHandler handler);

// The clock timers run on (tests install a manual one). Returns the previous clock.
using Clock = std::function<std::chrono::steady_clock::time_point()>;
Clock SetClock(Clock clock);
// When the next timer is due, or time_point::max() without timers.
std::chrono::steady_clock::time_point NextTimerDue();

// Input as a keyboard and a mouse would produce it. Keys go to the window that has the focus
// when they are taken from the queue (the active window without focus).
enum class Modifiers : unsigned { None = 0, Shift = 1, Control = 2, Alt = 4 };
constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return static_cast<Modifiers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasModifier(Modifiers set, Modifiers m) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(m)) != 0;
}
void PostKeyDown(UINT vk);
void PostKeyUp(UINT vk);
// Presses and releases a key with modifiers: modifier downs, key down, key up, modifier ups.
void PostKeyPress(UINT vk, Modifiers modifiers = Modifiers::None);
// Types a character with the keys VkKeyScan gives for it.
void PostChar(char ch);
void PostText(const char* text);
// A mouse message at a screen point, sent to the capture window or the window under the
// point, in its client coordinates. A double-click becomes a button-down for a class without
// CS_DBLCLKS. Clicks on a disabled top-level window (the owner of a modal dialog) beep.
void PostMouse(UINT msg, POINT screenPoint, WPARAM keys = 0);

// Number of messages waiting (posted and input), for tests.
int PendingMessageCount();

} // namespace win32
