// Thread hooks. A WH_CALLWNDPROCRET hook sees every message a window procedure handled,
// sent or dispatched from the queue alike, after the procedure returned; WH_CALLWNDPROC hooks
// see it before. Hooks run latest installed first; each passes the call on with
// CallNextHookEx.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"

inline constexpr int WH_CALLWNDPROC = 4;
inline constexpr int WH_CALLWNDPROCRET = 12;
inline constexpr int HC_ACTION = 0;

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

// Only thread hooks of this thread (threadId 0 or GetCurrentThreadId()) of the two types
// above are supported; anything else fails with ERROR_INVALID_HOOK_FILTER or
// ERROR_INVALID_PARAMETER.
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
