// Menus, the system menu and TrackPopupMenu.
#include "platform/win32/menu.h"

#include "platform/win32/desktop.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <cstring>
#include <map>

using namespace win32::detail;
using win32::MenuItem;

namespace {

struct Menu {
    std::vector<MenuItem> items;
    HWND systemOf = nullptr;
};

std::map<HMENU, Menu>& Menus() {
    static std::map<HMENU, Menu> menus;
    return menus;
}

Menu* FindMenu(HMENU menu) {
    auto it = Menus().find(menu);
    if (it == Menus().end()) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return nullptr;
    }
    return &it->second;
}

// The item by position, or by command id anywhere in the menu and its pop-ups.
MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
    Menu* m = FindMenu(menu);
    if (m == nullptr) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        return item < m->items.size() ? &m->items[item] : nullptr;
    }
    for (MenuItem& i : m->items) {
        if ((i.flags & MF_POPUP) != 0) {
            if (MenuItem* inner = FindItem(i.subMenu, item, flags)) {
                return inner;
            }
        } else if ((i.flags & MF_SEPARATOR) == 0 && i.id == item) {
            return &i;
        }
    }
    return nullptr;
}

MenuItem MakeItem(UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem item;
    item.flags = flags & ~(MF_BYPOSITION);
    if (flags & MF_POPUP) {
        item.subMenu = reinterpret_cast<HMENU>(id);
    } else {
        item.id = flags & MF_SEPARATOR ? 0 : id;
    }
    if ((flags & MF_SEPARATOR) == 0 && text != nullptr) {
        item.text = text;
    }
    return item;
}

void FillSystemMenu(Menu& m, DWORD style) {
    m.items.clear();
    bool minBox = (style & WS_MINIMIZEBOX) != 0;
    bool maxBox = (style & WS_MAXIMIZEBOX) != 0;
    if (minBox || maxBox) {
        m.items.push_back(MakeItem(MF_STRING | MF_GRAYED, SC_RESTORE, "&Restore"));
    }
    m.items.push_back(MakeItem(MF_STRING, SC_MOVE, "&Move"));
    if (style & WS_THICKFRAME) {
        m.items.push_back(MakeItem(MF_STRING, SC_SIZE, "&Size"));
    }
    if (minBox) {
        m.items.push_back(MakeItem(MF_STRING, SC_MINIMIZE, "Mi&nimize"));
    }
    if (maxBox) {
        m.items.push_back(MakeItem(MF_STRING, SC_MAXIMIZE, "Ma&ximize"));
    }
    m.items.push_back(MakeItem(MF_SEPARATOR, 0, nullptr));
    m.items.push_back(MakeItem(MF_STRING, SC_CLOSE, "&Close\tAlt+F4"));
}

bool Choosable(HMENU menu, UINT_PTR id) {
    const MenuItem* item = FindItem(menu, static_cast<UINT>(id), MF_BYCOMMAND);
    return item != nullptr && (item->flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) == 0;
}

} // namespace

namespace win32::detail {
void DestroyWindowMenus(Window& w) {
    if (w.systemMenu != nullptr) {
        DestroyMenu(w.systemMenu);
        w.systemMenu = nullptr;
    }
}
} // namespace win32::detail

HMENU CreateMenu() {
    auto menu = NewHandle<HMENU>();
    Menus()[menu];
    return menu;
}

HMENU CreatePopupMenu() {
    return CreateMenu();
}

BOOL DestroyMenu(HMENU menu) {
    Menu* m = FindMenu(menu);
    if (m == nullptr) {
        return FALSE;
    }
    std::vector<HMENU> subMenus;
    for (const MenuItem& i : m->items) {
        if (i.subMenu != nullptr) {
            subMenus.push_back(i.subMenu);
        }
    }
    Menus().erase(menu);
    for (HMENU sub : subMenus) {
        DestroyMenu(sub);
    }
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return Menus().count(menu) != 0 ? TRUE : FALSE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    Menu* m = FindMenu(menu);
    if (m == nullptr) {
        return FALSE;
    }
    size_t at = m->items.size();
    if ((flags & MF_BYPOSITION) != 0) {
        at = std::min<size_t>(position, m->items.size());
    } else if (position != static_cast<UINT>(-1)) {
        auto it = std::find_if(m->items.begin(), m->items.end(),
                               [&](const MenuItem& i) { return i.id == position; });
        at = static_cast<size_t>(it - m->items.begin());
    }
    m->items.insert(m->items.begin() + static_cast<long>(at), MakeItem(flags, id, text));
    return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    return InsertMenu(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    Menu* m = FindMenu(menu);
    if (m == nullptr) {
        return FALSE;
    }
    if (flags & MF_BYPOSITION) {
        if (position >= m->items.size()) {
            return FALSE;
        }
        m->items.erase(m->items.begin() + position);
        return TRUE;
    }
    auto n = std::erase_if(m->items, [&](const MenuItem& i) {
        return (i.flags & (MF_POPUP | MF_SEPARATOR)) == 0 && i.id == position;
    });
    return n != 0 ? TRUE : FALSE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    MenuItem* item = FindItem(menu, position, flags);
    HMENU sub = item ? item->subMenu : nullptr;
    if (!RemoveMenu(menu, position, flags)) {
        return FALSE;
    }
    if (sub != nullptr) {
        DestroyMenu(sub);
    }
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    Menu* m = FindMenu(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    Menu* m = FindMenu(menu);
    if (m == nullptr || position < 0 || static_cast<size_t>(position) >= m->items.size()) {
        return static_cast<UINT>(-1);
    }
    const MenuItem& item = m->items[static_cast<size_t>(position)];
    return item.flags & MF_POPUP ? static_cast<UINT>(-1) : static_cast<UINT>(item.id);
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int maxCount, UINT flags) {
    const MenuItem* i = FindItem(menu, item, flags);
    if (i == nullptr) {
        return 0;
    }
    if (buffer == nullptr || maxCount <= 0) {
        return static_cast<int>(i->text.size());
    }
    int n = std::min<int>(static_cast<int>(i->text.size()), maxCount - 1);
    std::memcpy(buffer, i->text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const MenuItem* i = FindItem(menu, item, flags);
    return i ? i->flags : static_cast<UINT>(-1);
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* i = FindItem(menu, item, enable);
    if (i == nullptr) {
        return static_cast<UINT>(-1);
    }
    UINT old = i->flags & (MF_GRAYED | MF_DISABLED);
    i->flags = (i->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return old;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuItem* i = FindItem(menu, item, check);
    if (i == nullptr) {
        return static_cast<DWORD>(-1);
    }
    DWORD old = i->flags & MF_CHECKED;
    i->flags = (i->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return old;
}

HMENU GetSubMenu(HMENU menu, int position) {
    Menu* m = FindMenu(menu);
    if (m == nullptr || position < 0 || static_cast<size_t>(position) >= m->items.size()) {
        return nullptr;
    }
    return m->items[static_cast<size_t>(position)].subMenu;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || w->IsChild() || (w->style & WS_SYSMENU) == 0) {
        return nullptr;
    }
    if (w->systemMenu == nullptr) {
        w->systemMenu = CreatePopupMenu();
        Menus()[w->systemMenu].systemOf = hwnd;
        FillSystemMenu(Menus()[w->systemMenu], w->style);
    } else if (revert) {
        FillSystemMenu(Menus()[w->systemMenu], w->style);
    }
    return revert ? nullptr : w->systemMenu;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    Menu* m = FindMenu(menu);
    if (m == nullptr || FindOrFail(owner) == nullptr) {
        return FALSE;
    }
    bool system = m->systemOf != nullptr;
    bool notify = (flags & TPM_NONOTIFY) == 0;
    if (notify) {
        SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                    MAKELPARAM(0, system ? 1 : 0));
    }
    UINT_PTR id = win32::GetDesktopService().ChooseMenuItem(menu, POINT{x, y}, owner);
    // A grey or missing item cannot be chosen, whatever the screen reports.
    if (id != 0 && (!IsMenu(menu) || !Choosable(menu, id))) {
        id = 0;
    }
    if (notify && IsWindow(owner)) {
        if (id != 0) {
            UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
            SendMessage(
                owner, WM_MENUSELECT,
                MAKEWPARAM(static_cast<WORD>(id),
                           static_cast<WORD>((state | MF_HILITE) | (system ? MF_SYSMENU : 0))),
                reinterpret_cast<LPARAM>(menu));
        }
        SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // the menu closed
    }
    if (flags & TPM_RETURNCMD) {
        return static_cast<BOOL>(id);
    }
    if (id != 0) {
        PostMessage(owner, system ? WM_SYSCOMMAND : WM_COMMAND, id, 0);
    }
    return TRUE;
}

namespace win32 {
std::vector<MenuItem> MenuItems(HMENU menu) {
    auto it = Menus().find(menu);
    return it == Menus().end() ? std::vector<MenuItem>{} : it->second.items;
}
} // namespace win32
