// Keys and clicks of the list view.
#include "platform/win32/controls/listview.h"

#include <algorithm>

namespace win32::controls {

void ListView::OnKeyDown(UINT vk) {
    NMLVKEYDOWN key{};
    key.wVKey = static_cast<WORD>(vk);
    Notify(key.hdr, LVN_KEYDOWN);
    if (!IsWindow(m_hwnd) || ItemCount() == 0) {
        return;
    }
    int focused = NextItem(-1, LVNI_FOCUSED);
    int page = std::max(VisibleRows() - 1, 1);
    int target = -1;
    switch (vk) {
    case VK_UP:
        target = focused < 0 ? 0 : focused - 1;
        break;
    case VK_DOWN:
        target = focused < 0 ? 0 : focused + 1;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = ItemCount() - 1;
        break;
    case VK_PRIOR:
        target = focused < 0 ? 0 : focused - page;
        break;
    case VK_NEXT:
        target = focused < 0 ? 0 : focused + page;
        break;
    case VK_SPACE:
        if (focused >= 0) {
            ToggleCheck(focused);
        }
        return;
    default:
        return;
    }
    SelectOnly(std::clamp(target, 0, ItemCount() - 1));
}

void ListView::OnButtonDown(POINT pt, bool doubleClick) {
    if (!HasFocus()) {
        SetFocus(m_hwnd);
    }
    LVHITTESTINFO hit{};
    hit.pt = pt;
    HitTest(hit);
    if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
        ToggleCheck(hit.iItem);
    } else if (!doubleClick) {
        SelectOnly(hit.iItem);
    }
    if (!IsWindow(m_hwnd)) {
        return;
    }
    NMITEMACTIVATE nm{};
    nm.iItem = hit.iItem;
    nm.iSubItem = hit.iSubItem;
    nm.ptAction = pt;
    if (const Item* item = ItemAt(hit.iItem)) {
        nm.lParam = item->lParam;
    }
    Notify(nm.hdr, doubleClick ? NM_DBLCLK : NM_CLICK);
}

} // namespace win32::controls
