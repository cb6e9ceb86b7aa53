// The handle map, temporaries and AfxWndProc.
#include "platform/mfc/handle_map.h"
#include "platform/mfc/wnd.h"

#include <iterator>
#include <utility>

namespace mw::mfc::detail {

HandleMaps::~HandleMaps() {
    // At exit the windows may be gone with the window system: temporaries must not try to
    // destroy them.
    for (auto& [hwnd, wnd] : temporary) {
        wnd->m_hWnd = nullptr;
    }
    for (auto& [hmenu, menu] : temporaryMenus) {
        menu->m_hMenu = nullptr;
    }
}

HandleMaps& Maps() {
    static HandleMaps maps;
    return maps;
}

} // namespace mw::mfc::detail

using mw::mfc::detail::Maps;

namespace mw::mfc {

void SweepTemporaries() {
    auto& maps = Maps();
    if (!maps.current.empty()) {
        return;
    }
    for (auto it = maps.temporary.begin(); it != maps.temporary.end();) {
        if (!::IsWindow(it->first)) {
            it->second->m_hWnd = nullptr;
            it = maps.temporary.erase(it);
        } else {
            ++it;
        }
    }
    detail::SweepTemporaryMenus();
}

int TemporaryWindowCount() {
    return static_cast<int>(Maps().temporary.size());
}

} // namespace mw::mfc

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& maps = Maps();
    auto it = maps.permanent.find(hWnd);
    return it != maps.permanent.end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (CWnd* p = FromHandlePermanent(hWnd)) {
        return p;
    }
    auto& maps = Maps();
    if (auto it = maps.temporary.find(hWnd); it != maps.temporary.end()) {
        return it->second.get();
    }
    if (!::IsWindow(hWnd)) {
        return nullptr;
    }
    mw::mfc::SweepTemporaries();
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hWnd;
    return maps.temporary.emplace(hWnd, std::move(wnd)).first->second.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == nullptr || m_hWnd != nullptr || !::IsWindow(hWndNew)) {
        return FALSE;
    }
    auto& maps = Maps();
    if (!maps.permanent.emplace(hWndNew, this).second) {
        return FALSE; // another object owns the window
    }
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h != nullptr) {
        auto& maps = Maps();
        if (auto it = maps.permanent.find(h); it != maps.permanent.end() && it->second == this) {
            maps.permanent.erase(it);
        }
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) {
        return FALSE;
    }
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old == nullptr) {
        Detach(); // PreSubclassWindow destroyed it, or it was never ours to change
        return FALSE;
    }
    if (old != &AfxWndProc) {
        m_pfnSuper = old;
        Maps().superProcs[hWnd] = old;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (pParent == nullptr) {
        return FALSE;
    }
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Maps().superProcs.erase(m_hWnd);
        m_pfnSuper = nullptr;
    }
    return Detach();
}

namespace {

// Keeps the message on the thread's stack of current messages while it is processed.
class CurrentMessage {
public:
    CurrentMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
        MSG m{};
        m.hwnd = hWnd;
        m.message = nMsg;
        m.wParam = wParam;
        m.lParam = lParam;
        Maps().current.push_back(m);
    }
    ~CurrentMessage() { Maps().current.pop_back(); }
    CurrentMessage(const CurrentMessage&) = delete;
    CurrentMessage& operator=(const CurrentMessage&) = delete;
};

} // namespace

const MSG* CWnd::GetCurrentMessage() {
    auto& current = Maps().current;
    return current.empty() ? nullptr : &current.back();
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    auto& maps = Maps();
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr && maps.pWndInit != nullptr && maps.pWndInit->m_hWnd == nullptr) {
        pWnd = std::exchange(maps.pWndInit, nullptr);
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
    }
    if (pWnd == nullptr) {
        if (auto it = maps.superProcs.find(hWnd); it != maps.superProcs.end()) {
            WNDPROC proc = it->second;
            if (nMsg == WM_NCDESTROY) {
                maps.superProcs.erase(it);
            }
            return ::CallWindowProc(proc, hWnd, nMsg, wParam, lParam);
        }
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    }
    LRESULT result = 0;
    {
        CurrentMessage scope(hWnd, nMsg, wParam, lParam);
        result = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    if (nMsg == WM_NCDESTROY) {
        maps.superProcs.erase(hWnd);
        // A handler may have deleted the object; one that is still mapped is alive.
        if (CWnd::FromHandlePermanent(hWnd) == pWnd) {
            pWnd->m_pfnSuper = nullptr;
            pWnd->Detach();
            pWnd->PostNcDestroy(); // may delete pWnd
        }
    }
    return result;
}
