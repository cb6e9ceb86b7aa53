#include "platform/win32/controls/listview.h"

#include <algorithm>
#include <cctype>

namespace win32::controls {

namespace {

const std::string kEmpty;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

ListView::ListView(HWND hwnd, const CREATESTRUCT&)
    : Control(hwnd), m_textColor(GetSysColor(COLOR_WINDOWTEXT)),
      m_textBkColor(GetSysColor(COLOR_WINDOW)), m_bkColor(GetSysColor(COLOR_WINDOW)) {}

const ListView::Item* ListView::ItemAt(int index) const {
    return ValidIndex(index) ? &m_items[static_cast<size_t>(index)] : nullptr;
}

const std::string& ListView::CellText(int index, int column) const {
    const Item* item = ItemAt(index);
    if (item == nullptr || column < 0 || static_cast<size_t>(column) >= item->texts.size()) {
        return kEmpty;
    }
    return item->texts[static_cast<size_t>(column)];
}

LRESULT ListView::InsertItem(const LVITEM& in) {
    // Changing the rows from inside the sort's callback would pull them from under it.
    if (in.iItem < 0 || in.iSubItem != 0 || m_sorting) {
        return -1;
    }
    Item item;
    if ((in.mask & LVIF_TEXT) && in.pszText != nullptr) {
        item.texts.emplace_back(in.pszText);
    }
    if (in.mask & LVIF_STATE) {
        item.state = in.state & in.stateMask;
    }
    if (in.mask & LVIF_PARAM) {
        item.lParam = in.lParam;
    }
    if (in.mask & LVIF_IMAGE) {
        item.image = in.iImage;
    }
    if ((m_exStyle & LVS_EX_CHECKBOXES) && (item.state & LVIS_STATEIMAGEMASK) == 0) {
        item.state |= INDEXTOSTATEIMAGEMASK(1);
    }
    int at = std::min(in.iItem, ItemCount());
    if (item.state & LVIS_FOCUSED) {
        for (Item& other : m_items) {
            other.state &= ~LVIS_FOCUSED;
        }
    }
    m_items.insert(m_items.begin() + at, std::move(item));
    Invalidate();
    NMLISTVIEW nm{};
    nm.iItem = at;
    nm.lParam = m_items[static_cast<size_t>(at)].lParam;
    Notify(nm.hdr, LVN_INSERTITEM);
    return at;
}

BOOL ListView::DeleteItem(int index) {
    if (!ValidIndex(index) || m_sorting) {
        return FALSE;
    }
    NMLISTVIEW nm{};
    nm.iItem = index;
    nm.lParam = m_items[static_cast<size_t>(index)].lParam;
    // The row is still there while the parent hears of it (it may ask for its check box).
    Notify(nm.hdr, LVN_DELETEITEM);
    if (!ValidIndex(index)) {
        return FALSE;
    }
    m_items.erase(m_items.begin() + index);
    m_top = std::clamp(m_top, 0, std::max(0, ItemCount() - VisibleRows()));
    Invalidate();
    return TRUE;
}

BOOL ListView::DeleteAllItems() {
    if (m_sorting) {
        return FALSE;
    }
    NMLISTVIEW all{};
    all.iItem = -1;
    if (Notify(all.hdr, LVN_DELETEALLITEMS) == 0) {
        for (int i = 0; i < ItemCount(); ++i) {
            NMLISTVIEW nm{};
            nm.iItem = i;
            nm.lParam = m_items[static_cast<size_t>(i)].lParam;
            Notify(nm.hdr, LVN_DELETEITEM);
        }
    }
    m_items.clear();
    m_top = 0;
    Invalidate();
    return TRUE;
}

bool ListView::ChangeItem(int index, UINT state, UINT stateMask, const LPARAM* param) {
    if (!ValidIndex(index)) {
        return false;
    }
    Item& item = m_items[static_cast<size_t>(index)];
    UINT oldState = item.state;
    UINT newState = (oldState & ~stateMask) | (state & stateMask);
    UINT changed = 0;
    if (newState != oldState) {
        changed |= LVIF_STATE;
    }
    if (param != nullptr) {
        changed |= LVIF_PARAM;
    }
    if (changed == 0) {
        return true;
    }
    NMLISTVIEW nm{};
    nm.iItem = index;
    nm.uNewState = newState;
    nm.uOldState = oldState;
    nm.uChanged = changed;
    nm.lParam = item.lParam;
    if (Notify(nm.hdr, LVN_ITEMCHANGING) != 0) {
        return false;
    }
    if (!ValidIndex(index)) {
        return false;
    }
    if ((changed & LVIF_STATE) && (newState & LVIS_FOCUSED) && !(oldState & LVIS_FOCUSED)) {
        // One focused row: the old one loses it first, with its own notifications.
        for (int i = 0; i < ItemCount(); ++i) {
            if (i != index && (m_items[static_cast<size_t>(i)].state & LVIS_FOCUSED)) {
                ChangeState(i, 0, LVIS_FOCUSED);
            }
        }
        if (!ValidIndex(index)) {
            return false;
        }
    }
    Item& target = m_items[static_cast<size_t>(index)];
    if (changed & LVIF_STATE) {
        target.state = newState;
    }
    if (param != nullptr) {
        target.lParam = *param;
    }
    Invalidate();
    NMLISTVIEW done = nm;
    done.lParam = target.lParam;
    Notify(done.hdr, LVN_ITEMCHANGED);
    return true;
}

BOOL ListView::SetItem(const LVITEM& in) {
    if (!ValidIndex(in.iItem) || in.iSubItem < 0) {
        return FALSE;
    }
    if (in.mask & LVIF_TEXT) {
        if (!SetItemText(in.iItem, in)) {
            return FALSE;
        }
    }
    if (in.iSubItem != 0) {
        return TRUE;
    }
    if (in.mask & LVIF_IMAGE) {
        m_items[static_cast<size_t>(in.iItem)].image = in.iImage;
    }
    if (in.mask & (LVIF_STATE | LVIF_PARAM)) {
        UINT mask = (in.mask & LVIF_STATE) ? in.stateMask : 0;
        const LPARAM* param = (in.mask & LVIF_PARAM) ? &in.lParam : nullptr;
        return ChangeItem(in.iItem, in.state, mask, param) ? TRUE : FALSE;
    }
    return TRUE;
}

BOOL ListView::GetItem(LVITEM& out) const {
    const Item* item = ItemAt(out.iItem);
    if (item == nullptr || out.iSubItem < 0) {
        return FALSE;
    }
    if (out.mask & LVIF_TEXT) {
        CopyText(CellText(out.iItem, out.iSubItem), out.pszText, out.cchTextMax);
    }
    if (out.mask & LVIF_STATE) {
        out.state = item->state & out.stateMask;
    }
    if (out.mask & LVIF_PARAM) {
        out.lParam = item->lParam;
    }
    if (out.mask & LVIF_IMAGE) {
        out.iImage = item->image;
    }
    return TRUE;
}

BOOL ListView::SetItemText(int index, const LVITEM& in) {
    if (!ValidIndex(index) || in.iSubItem < 0) {
        return FALSE;
    }
    auto& texts = m_items[static_cast<size_t>(index)].texts;
    if (static_cast<size_t>(in.iSubItem) >= texts.size()) {
        texts.resize(static_cast<size_t>(in.iSubItem) + 1);
    }
    texts[static_cast<size_t>(in.iSubItem)] = in.pszText ? in.pszText : "";
    Invalidate();
    return TRUE;
}

int ListView::GetItemText(int index, LVITEM& out) const {
    if (!ValidIndex(index)) {
        CopyText("", out.pszText, out.cchTextMax);
        return 0;
    }
    return CopyText(CellText(index, out.iSubItem), out.pszText, out.cchTextMax);
}

BOOL ListView::SetItemState(int index, const LVITEM& in) {
    if (index == -1) {
        for (int i = 0; i < ItemCount(); ++i) {
            ChangeState(i, in.state, in.stateMask);
        }
        return TRUE;
    }
    if (!ValidIndex(index)) {
        return FALSE;
    }
    return ChangeState(index, in.state, in.stateMask) ? TRUE : FALSE;
}

void ListView::SelectOnly(int index) {
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index && (m_items[static_cast<size_t>(i)].state & LVIS_SELECTED)) {
            ChangeState(i, 0, LVIS_SELECTED);
        }
    }
    if (ValidIndex(index)) {
        ChangeState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        EnsureVisible(index);
    }
}

void ListView::ToggleCheck(int index) {
    if (!(m_exStyle & LVS_EX_CHECKBOXES) || !ValidIndex(index)) {
        return;
    }
    UINT image = (m_items[static_cast<size_t>(index)].state & LVIS_STATEIMAGEMASK) >> 12;
    ChangeState(index, INDEXTOSTATEIMAGEMASK(image == 2 ? 1 : 2), LVIS_STATEIMAGEMASK);
}

int ListView::NextItem(int start, UINT flags) const {
    for (int i = std::max(start + 1, 0); i < ItemCount(); ++i) {
        UINT state = m_items[static_cast<size_t>(i)].state;
        if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) {
            continue;
        }
        if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)) {
            continue;
        }
        return i;
    }
    return -1;
}

int ListView::FindItem(int start, const LVFINDINFO& find) const {
    int n = ItemCount();
    if (n == 0) {
        return -1;
    }
    auto matches = [&](int i) {
        const Item& item = m_items[static_cast<size_t>(i)];
        if (find.flags & LVFI_PARAM) {
            return item.lParam == find.lParam;
        }
        if ((find.flags & (LVFI_STRING | LVFI_PARTIAL | LVFI_SUBSTRING)) && find.psz != nullptr) {
            std::string_view text = CellText(i, 0);
            std::string_view wanted = find.psz;
            if (find.flags & (LVFI_PARTIAL | LVFI_SUBSTRING)) {
                return StartsWithNoCase(text, wanted);
            }
            return text.size() == wanted.size() && StartsWithNoCase(text, wanted);
        }
        return false;
    };
    int first = (start < -1 || start >= n) ? 0 : start + 1;
    for (int i = first; i < n; ++i) {
        if (matches(i)) {
            return i;
        }
    }
    if (find.flags & LVFI_WRAP) {
        for (int i = 0; i < first && i < n; ++i) {
            if (matches(i)) {
                return i;
            }
        }
    }
    return -1;
}

BOOL ListView::SortItems(LPARAM lParamSort, PFNLVCOMPARE compare) {
    if (compare == nullptr || m_sorting) {
        return FALSE;
    }
    // The rows stay where they are while the callback runs, so it may look them up by lParam
    // and read their texts by index; they move once, at the end.
    m_sorting = true;
    std::vector<LPARAM> params;
    params.reserve(m_items.size());
    for (const Item& item : m_items) {
        params.push_back(item.lParam);
    }
    std::vector<int> order = MergeSortIndexes(ItemCount(), [&](int a, int b) {
        return compare(params[static_cast<size_t>(a)], params[static_cast<size_t>(b)], lParamSort) <
               0;
    });
    m_sorting = false;
    std::vector<Item> sorted;
    sorted.reserve(m_items.size());
    for (int index : order) {
        sorted.push_back(std::move(m_items[static_cast<size_t>(index)]));
    }
    m_items = std::move(sorted);
    Invalidate();
    return TRUE;
}

DWORD ListView::SetExtendedStyle(DWORD mask, DWORD style) {
    DWORD old = m_exStyle;
    if (mask == 0) {
        mask = ~DWORD{0};
    }
    m_exStyle = (old & ~mask) | (style & mask);
    bool checksNow = (m_exStyle & LVS_EX_CHECKBOXES) != 0;
    bool checksBefore = (old & LVS_EX_CHECKBOXES) != 0;
    if (checksNow != checksBefore) {
        for (Item& item : m_items) {
            item.state &= ~LVIS_STATEIMAGEMASK;
            if (checksNow) {
                item.state |= INDEXTOSTATEIMAGEMASK(1);
            }
        }
    }
    Invalidate();
    return old;
}

LRESULT ListView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<LVITEM*>(lParam);
    auto* column = reinterpret_cast<LVCOLUMN*>(lParam);
    auto* rect = reinterpret_cast<RECT*>(lParam);
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case WM_CREATE:
        m_header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hwnd,
                                  nullptr, nullptr, nullptr);
        Layout();
        return 0;
    case WM_SIZE:
    case WM_STYLECHANGED:
        Layout();
        return Control::WindowProc(msg, wParam, lParam);
    case LVM_GETITEMCOUNT:
        return ItemCount();
    case LVM_INSERTITEM:
        return item ? InsertItem(*item) : -1;
    case LVM_DELETEITEM:
        return DeleteItem(index);
    case LVM_DELETEALLITEMS:
        return DeleteAllItems();
    case LVM_SETITEM:
        return item ? SetItem(*item) : FALSE;
    case LVM_GETITEM:
        return item ? GetItem(*item) : FALSE;
    case LVM_SETITEMTEXT:
        return item ? SetItemText(index, *item) : FALSE;
    case LVM_GETITEMTEXT:
        return item ? GetItemText(index, *item) : 0;
    case LVM_SETITEMSTATE:
        return item ? SetItemState(index, *item) : FALSE;
    case LVM_GETITEMSTATE:
        return ValidIndex(index) ? m_items[static_cast<size_t>(index)].state & lParam : 0;
    case LVM_GETNEXTITEM:
        return NextItem(index, static_cast<UINT>(lParam));
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(m_items.begin(), m_items.end(),
                             [](const Item& i) { return (i.state & LVIS_SELECTED) != 0; });
    case LVM_FINDITEM:
        return lParam ? FindItem(index, *reinterpret_cast<LVFINDINFO*>(lParam)) : -1;
    case LVM_SORTITEMS:
        return SortItems(static_cast<LPARAM>(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return m_exStyle;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return SetExtendedStyle(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(m_header);
    case LVM_INSERTCOLUMN:
        return column ? InsertColumn(index, *column) : -1;
    case LVM_GETCOLUMN:
        return column ? GetColumn(index, *column) : FALSE;
    case LVM_SETCOLUMN:
        return column ? SetColumn(index, *column) : FALSE;
    case LVM_DELETECOLUMN:
        return DeleteColumn(index);
    case LVM_GETCOLUMNWIDTH:
        return index >= 0 && index < ColumnCount() ? ColumnWidth(index) : 0;
    case LVM_SETCOLUMNWIDTH:
        return SetColumnWidth(index, static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam))));
    case LVM_GETITEMRECT:
        return rect && ItemRect(index, rect->left, *rect) ? TRUE : FALSE;
    case LVM_GETSUBITEMRECT:
        return rect && SubItemRect(index, rect->top, rect->left, *rect) ? TRUE : FALSE;
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST:
        return lParam ? HitTest(*reinterpret_cast<LVHITTESTINFO*>(lParam)) : -1;
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(index);
    case LVM_SCROLL: {
        int dx = static_cast<int>(static_cast<INT_PTR>(wParam));
        int dy = static_cast<int>(lParam);
        ScrollPixels(dx);
        // Report view scrolls whole rows; a part of a row counts as one.
        int rows =
            dy > 0 ? (dy + kRowHeight - 1) / kRowHeight : -((-dy + kRowHeight - 1) / kRowHeight);
        ScrollRows(rows);
        return TRUE;
    }
    case LVM_GETTOPINDEX:
        return m_top;
    case LVM_GETCOUNTPERPAGE:
        return VisibleRows();
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        Invalidate();
        return TRUE;
    case LVM_GETTEXTCOLOR:
        return m_textColor;
    case LVM_SETTEXTCOLOR:
        m_textColor = static_cast<COLORREF>(lParam);
        Invalidate();
        return TRUE;
    case LVM_GETTEXTBKCOLOR:
        return m_textBkColor;
    case LVM_SETTEXTBKCOLOR:
        m_textBkColor = static_cast<COLORREF>(lParam);
        Invalidate();
        return TRUE;
    case LVM_GETBKCOLOR:
        return m_bkColor;
    case LVM_SETBKCOLOR:
        m_bkColor = static_cast<COLORREF>(lParam);
        Invalidate();
        return TRUE;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr != nullptr && hdr->hwndFrom == m_header && hdr->code == HDN_ITEMCLICK) {
            NMLISTVIEW nm{};
            nm.iItem = -1;
            nm.iSubItem = reinterpret_cast<NMHEADER*>(lParam)->iItem;
            Notify(nm.hdr, LVN_COLUMNCLICK);
        }
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEWHEEL:
        ScrollRows(-3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnScroll(msg == WM_VSCROLL, LOWORD(wParam));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        Invalidate();
        NMHDR nm{};
        Notify(nm, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return Control::WindowProc(msg, wParam, lParam);
    }
}

} // namespace win32::controls
