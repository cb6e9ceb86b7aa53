// CMsgHook: one thread-wide WH_CALLWNDPROCRET hook shared by every in-place editor. Each open
// editor has one entry in a process-wide map from its window to its hook object; when the
// editing has to end, the object's target (the notify window, else the parent) receives
// WM_USER + 10 with wParam 1 (keep the text) or 0 (drop it), sent before the hook passes
// the message on.
#pragma once

#include "platform/mfc/collections.h"
#include "platform/win32/windows.h"

namespace mw::controls {
// Sent to a hook's target when its editor should close; wParam 1 keeps the text.
inline constexpr UINT kEndEditMessage = WM_USER + 10;
} // namespace mw::controls

class CMsgHook {
public:
    CMsgHook();
    // Removes its own map entry, if it still has one, so the map never keeps a dangling
    // object; removes the hook with the last object.
    virtual ~CMsgHook();
    CMsgHook(const CMsgHook&) = delete;
    CMsgHook& operator=(const CMsgHook&) = delete;

    // FALSE, changing nothing, unless hWnd and hParent are existing windows.
    BOOL Attach(HWND hWnd, HWND hParent, HWND hNotify);
    // FALSE when this object has no entry in the map.
    BOOL Detach();

    static LRESULT CALLBACK CallWndRetProc(int nCode, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    HWND m_hParent = nullptr;
    HWND m_hNotify = nullptr;
    BOOL m_bDroppedDown = FALSE;

    static CMap<HWND, HWND, CMsgHook*, CMsgHook*> m_mapHookedWindows;
    static HHOOK m_hHook;
    static int m_nInstances;

private:
    HWND Target() const { return m_hNotify != nullptr ? m_hNotify : m_hParent; }
    void Clear();
    static CMsgHook* OwningHook(HWND hWnd);
    static void OnKillFocus(HWND hWnd, HWND hWndGetFocus);
    static void OnClickElsewhere(HWND hWnd);
    static void SetDroppedDown(HWND hWnd, bool bDroppedDown);
};
