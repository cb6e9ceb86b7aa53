// The window system's own state: the handle map, classes, focus and activation, and the
// queue. Internal to platform/win32; nothing outside this folder includes it.
//
// Window objects live in a map keyed by handle and are erased when destroyed, so a pointer
// from Find() is only good until the next call that may run a window procedure; callers look
// the handle up again after sending a message.
#pragma once

#include "platform/win32/canvas.h"
#include "platform/win32/queue.h"
#include "platform/win32/window.h"

#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win32::detail {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    bool system = false;
    int windows = 0;
};

struct DialogState {
    int defId = 0;
    bool hasDefId = false;
    HWND savedFocus = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    bool modal = false;
    HWND disabledOwner = nullptr;
};

struct Window {
    HWND hwnd = nullptr;
    WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    HWND parent = nullptr;      // children only
    HWND owner = nullptr;       // top-level windows only
    std::vector<HWND> children; // z-order from the top, which is creation order
    RECT rect{};                // in the parent's client coordinates (children) or on the screen
    UINT_PTR id = 0;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::vector<std::byte> extra;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    HMENU systemMenu = nullptr;
    Canvas canvas;
    bool needsPaint = true;
    bool needsErase = true;
    RECT update{};
    bool noRedraw = false;
    bool destroying = false;
    bool destroyMessagesSent = false;
    std::optional<DialogState> dialog;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
};

struct QueuedInput {
    MSG msg;
    bool keyboard = false; // target resolved when taken
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    std::chrono::steady_clock::time_point due;
};

struct State {
    std::map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevels; // bottom first
    std::vector<std::unique_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;
    HWND desktop = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND focusAfterActivation = nullptr; // SetFocus is activating this window's top level

    std::deque<MSG> posted;
    std::deque<QueuedInput> input;
    bool quit = false;
    int quitCode = 0;
    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 1;
    MSG lastMessage{};
    BYTE keyState[256] = {};
    BYTE asyncKeyState[256] = {};
};

State& S();
std::uintptr_t NewHandleValue();
template <typename H>
H NewHandle() {
    return reinterpret_cast<H>(NewHandleValue());
}

Window* Find(HWND hwnd);
// Sets ERROR_INVALID_WINDOW_HANDLE when there is no such window.
Window* FindOrFail(HWND hwnd);
WindowClass* FindClass(LPCSTR name);
void EnsureSystemClasses();

// Calls the window's procedure with the thread's hooks around it.
LRESULT Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void RunCallWndProcHooks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void RunCallWndProcRetHooks(LRESULT result, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void RemoveAllHooks();
// The WH_CBT chain's answer; 0 without hooks.
LRESULT RunCbtHooks(int code, WPARAM wParam, LPARAM lParam);

HWND TopLevelOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd); // hwnd == ancestor counts
RECT NonClientInsets(DWORD style, DWORD exStyle);
POINT ClientOriginOnScreen(const Window& w);
SIZE ClientSize(const Window& w);
void ResizeCanvas(Window& w);
void Invalidate(Window& w, const RECT* rect, bool erase);
// Gives activation to another window when hwnd (hidden or going away) is active.
void ActivateOtherThan(HWND hwnd);
// Moves the focus out of hwnd's subtree when it is there.
void MoveFocusOutOf(HWND hwnd);
void BringToTop(HWND hwnd);
void DestroyWindowMenus(Window& w);
void KillWindowTimers(HWND hwnd);
void ResetQueue();
void ResetDesktop();

DWORD ClassStyleOf(HWND hwnd);
void SetKeyFromMessage(const MSG& msg);

// WM_ACTIVATE defaults: true when focus should follow the activation.
bool FocusFollowsActivation(HWND hwnd);

} // namespace win32::detail
