#include "platform/mfc/gdi_wrappers.h"

#include "platform/mfc/handle_map.h"
#include "platform/mfc/wnd.h"

#include <utility>
#include <vector>

using mw::mfc::detail::Maps;

void CRect::NormalizeRect() {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace mw::mfc::detail {
void SweepTemporaryMenus() {
    auto& menus = Maps().temporaryMenus;
    for (auto it = menus.begin(); it != menus.end();) {
        if (!::IsMenu(it->first)) {
            it->second->m_hMenu = nullptr;
            it = menus.erase(it);
        } else {
            ++it;
        }
    }
}
} // namespace mw::mfc::detail

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (hMenu == nullptr) {
        return nullptr;
    }
    auto& maps = Maps();
    if (auto it = maps.permanentMenus.find(hMenu); it != maps.permanentMenus.end()) {
        return it->second;
    }
    if (auto it = maps.temporaryMenus.find(hMenu); it != maps.temporaryMenus.end()) {
        return it->second.get();
    }
    if (!::IsMenu(hMenu)) {
        return nullptr;
    }
    mw::mfc::SweepTemporaries();
    auto menu = std::make_unique<CMenu>();
    menu->m_hMenu = hMenu;
    return maps.temporaryMenus.emplace(hMenu, std::move(menu)).first->second.get();
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (hMenu == nullptr || m_hMenu != nullptr) {
        return FALSE;
    }
    if (!Maps().permanentMenus.emplace(hMenu, this).second) {
        return FALSE;
    }
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU h = std::exchange(m_hMenu, nullptr);
    if (h != nullptr) {
        auto& menus = Maps().permanentMenus;
        if (auto it = menus.find(h); it != menus.end() && it->second == this) {
            menus.erase(it);
        }
    }
    return h;
}

BOOL CMenu::CreateMenu() {
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuItemCount() const {
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const {
    return ::GetMenuItemID(m_hMenu, nPos);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    std::vector<char> buffer(512, '\0');
    int copied =
        ::GetMenuString(m_hMenu, nIDItem, buffer.data(), static_cast<int>(buffer.size()), nFlags);
    rString = CString(buffer.data(), copied > 0 ? copied : 0);
    return copied;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr,
                            lpRect);
}

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr || m_hDC != nullptr) {
        return FALSE;
    }
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    return std::exchange(m_hDC, nullptr);
}

BOOL CDC::TextOut(int x, int y, const CString& str) {
    return ::TextOut(m_hDC, x, y, str, str.GetLength());
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return ::DrawText(m_hDC, str, str.GetLength(), lpRect, nFormat);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
    if (m_hDC != nullptr) {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr) {
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, Detach());
    }
}
