// Thread hooks. A WH_CALLWNDPROCRET hook sees every message a window procedure handled,
// sent or dispatched from the queue alike, after the procedure returned; WH_CALLWNDPROC hooks
// see it before. A WH_CBT hook hears of a window being created (HCBT_CREATEWND, before its
// first message, so a framework can attach its object to the handle; a non-zero answer
// refuses the window) and destroyed (HCBT_DESTROYWND). Hooks run latest installed first;
// each passes the call on with CallNextHookEx.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"

inline constexpr int WH_CALLWNDPROC = 4;
inline constexpr int WH_CBT = 5;
inline constexpr int WH_CALLWNDPROCRET = 12;
inline constexpr int HC_ACTION = 0;
inline constexpr int HCBT_CREATEWND = 3;
inline constexpr int HCBT_DESTROYWND = 4;

using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

// lParam of a WH_CALLWNDPROC hook.
struct CWPSTRUCT {
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    UINT message = 0;
    HWND hwnd = nullptr;
};
// lParam of a WH_CALLWNDPROCRET hook; wParam is non-zero when the message was sent by the
// current thread (always here).
struct CWPRETSTRUCT {
    LRESULT lResult = 0;
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    UINT message = 0;
    HWND hwnd = nullptr;
};
using PCWPRETSTRUCT = CWPRETSTRUCT*;

struct CREATESTRUCTA;
// lParam of HCBT_CREATEWND; wParam is the new window.
struct CBT_CREATEWND {
    CREATESTRUCTA* lpcs = nullptr;
    HWND hwndInsertAfter = nullptr;
};

// Only thread hooks of this thread (threadId 0 or GetCurrentThreadId()) of the three types
// above are supported; anything else fails with ERROR_INVALID_HOOK_FILTER or
// ERROR_INVALID_PARAMETER.
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
