// The thread's handle maps behind CWnd and CMenu (inside the MFC stand-in only).
#pragma once

#include "platform/win32/queue.h"
#include "platform/win32/window.h"

#include <memory>
#include <unordered_map>
#include <vector>

class CWnd;
class CMenu;

namespace mw::mfc::detail {

struct HandleMaps {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    std::unordered_map<HMENU, CMenu*> permanentMenus;
    std::unordered_map<HMENU, std::unique_ptr<CMenu>> temporaryMenus;
    // The procedure each window had before we subclassed it, so that a window whose object
    // went away without unsubclassing keeps its own behaviour.
    std::unordered_map<HWND, WNDPROC> superProcs;
    // Messages being processed by AfxWndProc, innermost last.
    std::vector<MSG> current;
    // The CWnd whose window CreateEx is making; bound at the window's first message.
    CWnd* pWndInit = nullptr;

    HandleMaps() = default;
    HandleMaps(const HandleMaps&) = delete;
    HandleMaps& operator=(const HandleMaps&) = delete;
    ~HandleMaps();
};

HandleMaps& Maps();
void SweepTemporaryMenus();

} // namespace mw::mfc::detail
