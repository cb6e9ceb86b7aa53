// Where rows and cells are, in client pixels: a border (WS_BORDER) takes one cell on each
// side, the header one row at the top, and each row one cell row.
#include "platform/win32/controls/header.h"
#include "platform/win32/controls/listview.h"

#include <algorithm>

namespace win32::controls {

RECT ListView::Inner() const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (Style() & WS_BORDER) {
        InflateRect(&client, -kCellWidth, -kCellHeight);
    }
    return client;
}

int ListView::HeaderHeight() const {
    return (Style() & LVS_NOCOLUMNHEADER) ? 0 : kRowHeight;
}

int ListView::VisibleRows() const {
    RECT inner = Inner();
    return std::max(0, static_cast<int>(inner.bottom - inner.top - HeaderHeight()) / kRowHeight);
}

int ListView::ColumnLeft(int column) const {
    int left = Inner().left - m_scrollX;
    for (int c = 0; c < column; ++c) {
        left += ColumnWidth(c);
    }
    return left;
}

void ListView::Layout() {
    if (m_header == nullptr) {
        return;
    }
    RECT inner = Inner();
    bool shown = HeaderHeight() > 0;
    SetWindowPos(m_header, nullptr, inner.left, inner.top, inner.right - inner.left, HeaderHeight(),
                 SWP_NOZORDER | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    Invalidate();
}

bool ListView::ItemRect(int index, int code, RECT& rect) const {
    if (!ValidIndex(index)) {
        return false;
    }
    if (code == LVIR_BOUNDS || code == LVIR_SELECTBOUNDS) {
        return SubItemRect(index, 0, LVIR_BOUNDS, rect);
    }
    return SubItemRect(index, 0, code, rect);
}

bool ListView::SubItemRect(int index, int column, int code, RECT& rect) const {
    if (!ValidIndex(index) || column < 0 || (column > 0 && column >= ColumnCount())) {
        return false;
    }
    RECT inner = Inner();
    LONG top = inner.top + HeaderHeight() + (index - m_top) * kRowHeight;
    LONG left = ColumnLeft(column);
    LONG right = left + ColumnWidth(column);
    // Subitem 0's bounds are the whole row's, as on Windows.
    if (column == 0 && code == LVIR_BOUNDS) {
        right = left + ColumnsWidth();
    }
    bool checks = (m_exStyle & LVS_EX_CHECKBOXES) != 0;
    if (column == 0 && code == LVIR_ICON) {
        right = checks ? std::min<LONG>(left + kCheckWidth, right) : left;
    } else if (column == 0 && code == LVIR_LABEL && checks) {
        left = std::min<LONG>(left + kCheckWidth, right);
    }
    rect = RECT{left, top, right, top + kRowHeight};
    return true;
}

int ListView::HitTest(LVHITTESTINFO& info) const {
    info.flags = LVHT_NOWHERE;
    info.iItem = -1;
    info.iSubItem = 0;
    RECT inner = Inner();
    int body = inner.top + HeaderHeight();
    if (info.pt.y < body || info.pt.y >= inner.bottom || info.pt.x < inner.left ||
        info.pt.x >= inner.right) {
        return -1;
    }
    int index = m_top + (info.pt.y - body) / kRowHeight;
    if (!ValidIndex(index)) {
        return -1;
    }
    int left = inner.left - m_scrollX;
    for (int c = 0, n = ColumnCount(); c < n; ++c) {
        int right = left + ColumnWidth(c);
        if (info.pt.x >= left && info.pt.x < right) {
            info.iItem = index;
            info.iSubItem = c;
            bool onCheck =
                c == 0 && (m_exStyle & LVS_EX_CHECKBOXES) && info.pt.x < left + kCheckWidth;
            info.flags = onCheck ? LVHT_ONITEMSTATEICON : LVHT_ONITEMLABEL;
            return index;
        }
        left = right;
    }
    return -1;
}

BOOL ListView::EnsureVisible(int index) {
    if (!ValidIndex(index)) {
        return FALSE;
    }
    int rows = std::max(VisibleRows(), 1);
    if (index < m_top) {
        ScrollRows(index - m_top);
    } else if (index >= m_top + rows) {
        ScrollRows(index - rows + 1 - m_top);
    }
    return TRUE;
}

void ListView::ScrollRows(int rows) {
    int top = std::clamp(m_top + rows, 0, std::max(0, ItemCount() - VisibleRows()));
    if (top != m_top) {
        m_top = top;
        Invalidate();
    }
}

void ListView::ScrollPixels(int dx) {
    RECT inner = Inner();
    int limit = std::max(0, ColumnsWidth() - static_cast<int>(inner.right - inner.left));
    int x = std::clamp(m_scrollX + dx, 0, limit);
    if (x != m_scrollX) {
        m_scrollX = x;
        if (auto* header = ControlOf<Header>(m_header)) {
            header->SetScroll(m_scrollX);
        }
        Invalidate();
    }
}

void ListView::OnScroll(bool vertical, WORD code) {
    if (vertical) {
        int page = std::max(VisibleRows(), 1);
        switch (code) {
        case SB_LINEUP:
            ScrollRows(-1);
            break;
        case SB_LINEDOWN:
            ScrollRows(1);
            break;
        case SB_PAGEUP:
            ScrollRows(-page);
            break;
        case SB_PAGEDOWN:
            ScrollRows(page);
            break;
        case SB_TOP:
            ScrollRows(-ItemCount());
            break;
        case SB_BOTTOM:
            ScrollRows(ItemCount());
            break;
        default:
            break;
        }
        return;
    }
    RECT inner = Inner();
    int page = std::max<int>(inner.right - inner.left, kCellWidth);
    switch (code) {
    case SB_LINELEFT:
        ScrollPixels(-kCellWidth);
        break;
    case SB_LINERIGHT:
        ScrollPixels(kCellWidth);
        break;
    case SB_PAGELEFT:
        ScrollPixels(-page);
        break;
    case SB_PAGERIGHT:
        ScrollPixels(page);
        break;
    case SB_LEFT:
        ScrollPixels(-ColumnsWidth());
        break;
    case SB_RIGHT:
        ScrollPixels(ColumnsWidth());
        break;
    default:
        break;
    }
}

} // namespace win32::controls
