// Thread hooks around window procedures.
#include "platform/win32/hook.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <map>
#include <vector>

using namespace win32::detail;

namespace {

struct Hook {
    HHOOK handle = nullptr;
    int type = 0;
    HOOKPROC proc = nullptr;
};

struct Hooks {
    std::vector<Hook> installed; // install order
    std::map<HHOOK, int> types;  // every handle ever given out, so CallNextHookEx of a
                                 // hook removed during its own call still finds the rest
};

Hooks& H() {
    static Hooks hooks;
    return hooks;
}

// The live hook of the type installed most recently before `after` (nullptr: the latest).
const Hook* NextHook(int type, HHOOK after) {
    auto& list = H().installed;
    auto key = reinterpret_cast<std::uintptr_t>(after);
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (it->type != type) {
            continue;
        }
        if (after == nullptr || reinterpret_cast<std::uintptr_t>(it->handle) < key) {
            return &*it;
        }
    }
    return nullptr;
}

// The hooks running now, innermost last: CallNextHookEx goes on from the innermost one, as
// on Windows, where its handle argument is ignored.
std::vector<std::pair<HHOOK, int>>& Running() {
    static std::vector<std::pair<HHOOK, int>> running;
    return running;
}

LRESULT CallHook(const Hook* hook, int code, WPARAM wParam, LPARAM lParam) {
    if (hook == nullptr) {
        return 0;
    }
    HOOKPROC proc = hook->proc; // the vector may change while the hook runs
    Running().emplace_back(hook->handle, hook->type);
    LRESULT result = proc(code, wParam, lParam);
    Running().pop_back();
    return result;
}

} // namespace

namespace win32::detail {

void RunCallWndProcHooks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Hook* first = NextHook(WH_CALLWNDPROC, nullptr);
    if (first == nullptr) {
        return;
    }
    CWPSTRUCT record{lParam, wParam, msg, hwnd};
    CallHook(first, HC_ACTION, TRUE, reinterpret_cast<LPARAM>(&record));
}

void RunCallWndProcRetHooks(LRESULT result, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Hook* first = NextHook(WH_CALLWNDPROCRET, nullptr);
    if (first == nullptr) {
        return;
    }
    CWPRETSTRUCT record{result, lParam, wParam, msg, hwnd};
    CallHook(first, HC_ACTION, TRUE, reinterpret_cast<LPARAM>(&record));
}

LRESULT RunCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    return CallHook(NextHook(WH_CBT, nullptr), code, wParam, lParam);
}

void RemoveAllHooks() {
    H().installed.clear();
}

} // namespace win32::detail

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
    if (idHook != WH_CALLWNDPROC && idHook != WH_CALLWNDPROCRET && idHook != WH_CBT) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    if (proc == nullptr) {
        SetLastError(ERROR_INVALID_FILTER_PROC);
        return nullptr;
    }
    if (threadId != 0 && threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HHOOK handle = NewHandle<HHOOK>(); // increasing, so handles order the chain
    H().installed.push_back(Hook{handle, idHook, proc});
    H().types[handle] = idHook;
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto& list = H().installed;
    auto n = std::erase_if(list, [hook](const Hook& h) { return h.handle == hook; });
    if (n == 0) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    if (!Running().empty()) {
        auto [current, type] = Running().back();
        return CallHook(NextHook(type, current), code, wParam, lParam);
    }
    auto it = H().types.find(hook);
    if (it == H().types.end()) {
        return 0;
    }
    return CallHook(NextHook(it->second, hook), code, wParam, lParam);
}
