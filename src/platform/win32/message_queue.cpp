// SendMessage, the thread's queue, timers and the keyboard state.
#include "platform/win32/desktop.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace win32::detail;
using Clock = std::chrono::steady_clock;

namespace {

win32::IdleHandler& Idle() {
    static win32::IdleHandler handler;
    return handler;
}

win32::Clock& ClockFn() {
    static win32::Clock clock;
    return clock;
}

Clock::time_point Now() {
    return ClockFn() ? ClockFn()() : Clock::now();
}

DWORD TickCount() {
    static const Clock::time_point start = Now();
    return static_cast<DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Now() - start).count());
}

bool MatchesFilter(const MSG& m, HWND hwnd, UINT lo, UINT hi) {
    if (hwnd == reinterpret_cast<HWND>(-1)) {
        if (m.hwnd != nullptr) {
            return false;
        }
    } else if (hwnd != nullptr && m.hwnd != hwnd && !IsChild(hwnd, m.hwnd)) {
        return false;
    }
    if (lo == 0 && hi == 0) {
        return true;
    }
    return m.message >= lo && m.message <= hi;
}

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

HWND KeyboardTarget() {
    auto& s = S();
    if (Find(s.focus) != nullptr) {
        return s.focus;
    }
    return Find(s.active) != nullptr ? s.active : nullptr;
}

HWND PaintCandidate(HWND hwnd, HWND filter) {
    Window* w = Find(hwnd);
    if (w == nullptr || (w->style & WS_VISIBLE) == 0) {
        return nullptr;
    }
    bool matches = filter == nullptr || hwnd == filter || IsChild(filter, hwnd);
    if (matches && w->needsPaint && !w->noRedraw) {
        return hwnd;
    }
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        if (HWND found = PaintCandidate(c, filter)) {
            return found;
        }
    }
    return nullptr;
}

// One pass over the sources in their order; true when a message was found.
bool Take(MSG* out, HWND hwnd, UINT lo, UINT hi, bool remove) {
    auto& s = S();
    for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
        if (MatchesFilter(*it, hwnd, lo, hi)) {
            *out = *it;
            if (remove) {
                s.posted.erase(it);
            }
            return true;
        }
    }
    for (auto it = s.input.begin(); it != s.input.end();) {
        MSG m = it->msg;
        if (it->keyboard) {
            m.hwnd = KeyboardTarget();
            if (m.hwnd == nullptr) {
                it = s.input.erase(it); // nobody to type to
                continue;
            }
        } else if (Find(m.hwnd) == nullptr) {
            it = s.input.erase(it);
            continue;
        }
        if (!MatchesFilter(m, hwnd, lo, hi)) {
            ++it;
            continue;
        }
        *out = m;
        if (remove) {
            s.input.erase(it);
            SetKeyFromMessage(m);
            if (IsButtonDown(m.message)) {
                HWND top = TopLevelOf(m.hwnd);
                if (top != nullptr && top != s.active) {
                    SetActiveWindow(top);
                }
            }
        }
        return true;
    }
    if (s.quit) {
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, TickCount(), {}};
        if (remove) {
            s.quit = false;
        }
        return true;
    }
    if (hwnd != reinterpret_cast<HWND>(-1) &&
        ((lo == 0 && hi == 0) || (WM_PAINT >= lo && WM_PAINT <= hi))) {
        std::vector<HWND> tops(s.topLevels.rbegin(), s.topLevels.rend());
        for (HWND t : tops) {
            if (HWND p = PaintCandidate(t, hwnd)) {
                *out = MSG{p, WM_PAINT, 0, 0, TickCount(), {}};
                return true;
            }
        }
    }
    Clock::time_point now = Now();
    for (auto& t : s.timers) {
        MSG m{t.hwnd, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc), TickCount(), {}};
        if (t.due <= now && MatchesFilter(m, hwnd, lo, hi)) {
            *out = m;
            if (remove) {
                t.due = now + std::chrono::milliseconds(t.elapse);
            }
            return true;
        }
    }
    return false;
}

struct CharKey {
    UINT vk;
    char normal;
    char shifted;
};
// US keyboard layout.
constexpr std::array<CharKey, 26> kCharKeys{{
    {'0', '0', ')'},           {'1', '1', '!'},          {'2', '2', '@'},
    {'3', '3', '#'},           {'4', '4', '$'},          {'5', '5', '%'},
    {'6', '6', '^'},           {'7', '7', '&'},          {'8', '8', '*'},
    {'9', '9', '('},           {VK_SPACE, ' ', ' '},     {VK_OEM_1, ';', ':'},
    {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},
    {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},
    {VK_OEM_7, '\'', '"'},     {VK_MULTIPLY, '*', '*'},  {VK_ADD, '+', '+'},
    {VK_SUBTRACT, '-', '-'},   {VK_DIVIDE, '/', '/'},
}};

// The character a key makes with the current key state; 0 for none.
int CharForKey(UINT vk) {
    bool shift = (GetKeyState(static_cast<int>(VK_SHIFT)) & 0x8000) != 0;
    bool ctrl = (GetKeyState(static_cast<int>(VK_CONTROL)) & 0x8000) != 0;
    bool caps = (GetKeyState(static_cast<int>(VK_CAPITAL)) & 1) != 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) {
            return static_cast<int>(vk - 'A' + 1);
        }
        return (shift != caps) ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
    }
    switch (vk) {
    case VK_RETURN:
        return ctrl ? '\n' : '\r';
    case VK_ESCAPE:
        return 0x1B;
    case VK_BACK:
        return ctrl ? 0x7F : 0x08;
    case VK_TAB:
        return ctrl ? 0 : '\t';
    case VK_DECIMAL:
        return '.';
    default:
        break;
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        return static_cast<int>('0' + (vk - VK_NUMPAD0));
    }
    if (ctrl && vk != VK_SPACE) {
        return 0;
    }
    for (const CharKey& k : kCharKeys) {
        if (k.vk == vk) {
            return shift ? k.shifted : k.normal;
        }
    }
    return 0;
}

bool Down(const BYTE* state, UINT vk) {
    return (state[vk & 0xFF] & 0x80) != 0;
}

void QueueKey(UINT vk, bool down) {
    auto& s = S();
    bool wasDown = Down(s.asyncKeyState, vk);
    BYTE& slot = s.asyncKeyState[vk & 0xFF];
    slot = down ? static_cast<BYTE>(slot | 0x80) : static_cast<BYTE>(slot & ~0x80);
    bool alt = Down(s.asyncKeyState, VK_MENU) || (vk == VK_MENU && !down);
    bool ctrl = Down(s.asyncKeyState, VK_CONTROL);
    bool sys = (alt && !ctrl) || vk == VK_F10;
    UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1;
    if (alt && !ctrl) {
        lParam |= 1 << 29;
    }
    if (wasDown || !down) {
        lParam |= 1 << 30;
    }
    if (!down) {
        lParam |= static_cast<LPARAM>(1u << 31);
    }
    MSG m{nullptr, msg, vk, lParam, TickCount(), {}};
    s.input.push_back({m, true});
}

} // namespace

namespace win32::detail {

void SetKeyFromMessage(const MSG& m) {
    auto& s = S();
    if (m.message < WM_KEYFIRST || m.message > WM_KEYLAST) {
        return;
    }
    BYTE& slot = s.keyState[m.wParam & 0xFF];
    if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
        if ((slot & 0x80) == 0) {
            slot ^= 1;
        }
        slot |= 0x80;
    } else if (m.message == WM_KEYUP || m.message == WM_SYSKEYUP) {
        slot &= static_cast<BYTE>(~0x80);
    }
}

void KillWindowTimers(HWND hwnd) {
    std::erase_if(S().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

void ResetQueue() {
    auto& s = S();
    s.posted.clear();
    s.input.clear();
    s.quit = false;
    s.quitCode = 0;
    s.timers.clear();
    std::memset(s.keyState, 0, sizeof s.keyState);
    std::memset(s.asyncKeyState, 0, sizeof s.asyncKeyState);
    Idle() = nullptr;
    ClockFn() = nullptr;
}

} // namespace win32::detail

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Deliver(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && FindOrFail(hwnd) == nullptr) {
        return FALSE;
    }
    S().posted.push_back(MSG{hwnd, msg, wParam, lParam, TickCount(), {}});
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    S().posted.push_back(MSG{nullptr, msg, wParam, lParam, TickCount(), {}});
    return TRUE;
}

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT lo, UINT hi, UINT removeMsg) {
    if (msg == nullptr) {
        return FALSE;
    }
    if (hwnd != nullptr && hwnd != reinterpret_cast<HWND>(-1) && FindOrFail(hwnd) == nullptr) {
        return FALSE;
    }
    if (!Take(msg, hwnd, lo, hi, (removeMsg & PM_REMOVE) != 0)) {
        return FALSE;
    }
    if (removeMsg & PM_REMOVE) {
        S().lastMessage = *msg;
    }
    return TRUE;
}

BOOL GetMessage(LPMSG msg, HWND hwnd, UINT lo, UINT hi) {
    if (msg == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (hwnd != nullptr && hwnd != reinterpret_cast<HWND>(-1) && FindOrFail(hwnd) == nullptr) {
        return -1;
    }
    while (!Take(msg, hwnd, lo, hi, true)) {
        // Copy: the handler may install another one while it runs.
        win32::IdleHandler idle = Idle();
        if (!idle || !idle()) {
            // No input will ever come: end the loop rather than wait forever.
            *msg = MSG{nullptr, WM_QUIT, 0, 0, TickCount(), {}};
            return FALSE;
        }
    }
    S().lastMessage = *msg;
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    MSG m;
    if (Take(&m, nullptr, 0, 0, false)) {
        return TRUE;
    }
    win32::IdleHandler idle = Idle();
    return idle && idle() ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr) {
        return FALSE;
    }
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) {
        return msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
    }
    int ch = CharForKey(static_cast<UINT>(msg->wParam));
    if (ch != 0) {
        UINT charMsg = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
        // The character is the next message taken, ahead of anything already posted.
        S().posted.push_front(
            MSG{msg->hwnd, charMsg, static_cast<WPARAM>(ch), msg->lParam, msg->time, msg->pt});
    }
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (msg == nullptr) {
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        // Only a callback of a live timer is called; a forged WM_TIMER cannot jump anywhere.
        auto& timers = S().timers;
        bool known = std::any_of(timers.begin(), timers.end(), [&](const Timer& t) {
            return t.proc == proc && t.id == msg->wParam && t.hwnd == msg->hwnd;
        });
        if (known) {
            proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        }
        return 0;
    }
    if (msg->hwnd == nullptr) {
        return 0;
    }
    return Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void PostQuitMessage(int exitCode) {
    S().quit = true;
    S().quitCode = exitCode;
}

BOOL InSendMessage() {
    return FALSE;
}
DWORD GetMessageTime() {
    return S().lastMessage.time;
}
DWORD GetMessagePos() {
    const POINT& p = S().lastMessage.pt;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    auto& s = S();
    if (hwnd != nullptr && FindOrFail(hwnd) == nullptr) {
        return 0;
    }
    elapse = std::max(elapse, USER_TIMER_MINIMUM);
    if (hwnd == nullptr) {
        id = s.nextTimerId++;
    }
    auto due = Now() + std::chrono::milliseconds(elapse);
    for (auto& t : s.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.proc = proc;
            t.due = due;
            return hwnd ? TRUE : id;
        }
    }
    s.timers.push_back(Timer{hwnd, id, elapse, proc, due});
    return hwnd ? (id != 0 ? id : TRUE) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = S().timers;
    auto n = std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (n == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // A WM_TIMER already queued for it is not delivered: timers are made when taken.
    return TRUE;
}

SHORT GetKeyState(int virtKey) {
    const BYTE* state = S().keyState;
    auto v = static_cast<UINT>(virtKey) & 0xFF;
    bool down = Down(state, v);
    if (v == VK_SHIFT) {
        down = down || Down(state, VK_LSHIFT) || Down(state, VK_RSHIFT);
    } else if (v == VK_CONTROL) {
        down = down || Down(state, VK_LCONTROL) || Down(state, VK_RCONTROL);
    } else if (v == VK_MENU) {
        down = down || Down(state, VK_LMENU) || Down(state, VK_RMENU);
    }
    return static_cast<SHORT>((down ? 0x8000 : 0) | (state[v] & 1));
}

SHORT GetAsyncKeyState(int virtKey) {
    return static_cast<SHORT>(Down(S().asyncKeyState, static_cast<UINT>(virtKey)) ? 0x8000 : 0);
}

SHORT VkKeyScan(char ch) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') {
        return static_cast<SHORT>(c - 'a' + 'A');
    }
    if (c >= 'A' && c <= 'Z') {
        return static_cast<SHORT>(0x100 | c);
    }
    if (c >= 1 && c <= 26 && c != '\t' && c != '\r' && c != '\b') {
        return static_cast<SHORT>(0x200 | (c - 1 + 'A'));
    }
    switch (c) {
    case '\r':
        return VK_RETURN;
    case '\t':
        return VK_TAB;
    case '\b':
        return VK_BACK;
    case 0x1B:
        return VK_ESCAPE;
    default:
        break;
    }
    for (const CharKey& k : kCharKeys) {
        if (k.vk >= VK_MULTIPLY && k.vk <= VK_DIVIDE) {
            continue; // the main keyboard's keys come first
        }
        if (k.normal == ch) {
            return static_cast<SHORT>(k.vk);
        }
        if (k.shifted == ch) {
            return static_cast<SHORT>(0x100 | k.vk);
        }
    }
    return -1;
}

namespace win32 {

IdleHandler SetIdleHandler(IdleHandler handler) {
    IdleHandler old = std::move(Idle());
    Idle() = std::move(handler);
    return old;
}

win32::Clock SetClock(win32::Clock clock) {
    win32::Clock old = std::move(ClockFn());
    ClockFn() = std::move(clock);
    return old;
}

std::chrono::steady_clock::time_point NextTimerDue() {
    auto due = std::chrono::steady_clock::time_point::max();
    for (const Timer& t : S().timers) {
        due = std::min(due, t.due);
    }
    return due;
}

void PostKeyDown(UINT vk) {
    QueueKey(vk, true);
}
void PostKeyUp(UINT vk) {
    QueueKey(vk, false);
}

void PostKeyPress(UINT vk, Modifiers modifiers) {
    const std::array<std::pair<Modifiers, UINT>, 3> mods{{{Modifiers::Control, VK_CONTROL},
                                                          {Modifiers::Alt, VK_MENU},
                                                          {Modifiers::Shift, VK_SHIFT}}};
    for (auto [m, key] : mods) {
        if (HasModifier(modifiers, m)) {
            PostKeyDown(key);
        }
    }
    PostKeyDown(vk);
    PostKeyUp(vk);
    for (auto it = mods.rbegin(); it != mods.rend(); ++it) {
        if (HasModifier(modifiers, it->first)) {
            PostKeyUp(it->second);
        }
    }
}

void PostChar(char ch) {
    SHORT scan = VkKeyScan(ch);
    if (scan == -1) {
        return;
    }
    Modifiers mods = Modifiers::None;
    if (scan & 0x100) {
        mods = mods | Modifiers::Shift;
    }
    if (scan & 0x200) {
        mods = mods | Modifiers::Control;
    }
    PostKeyPress(static_cast<UINT>(scan & 0xFF), mods);
}

void PostText(const char* text) {
    for (; text != nullptr && *text != '\0'; ++text) {
        PostChar(*text);
    }
}

void PostMouse(UINT msg, POINT screenPoint, WPARAM keys) {
    auto& s = S();
    HWND target = Find(s.capture) ? s.capture : WindowFromPoint(screenPoint);
    if (target == nullptr || target == s.desktop) {
        return;
    }
    if (s.capture == nullptr) {
        HWND top = TopLevelOf(target);
        if (!IsWindowEnabled(top)) {
            if (IsButtonDown(msg)) {
                MessageBeep(0);
            }
            return;
        }
    }
    if ((msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK) &&
        (ClassStyleOf(target) & CS_DBLCLKS) == 0) {
        msg -= 2; // the matching button-down
    }
    POINT p = screenPoint;
    if (msg != WM_MOUSEWHEEL) {
        ScreenToClient(target, &p); // the wheel's point stays in screen coordinates
    }
    MSG m{target,      msg,        keys, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)),
          TickCount(), screenPoint};
    s.input.push_back({m, false});
}

int PendingMessageCount() {
    return static_cast<int>(S().posted.size() + S().input.size());
}

} // namespace win32
