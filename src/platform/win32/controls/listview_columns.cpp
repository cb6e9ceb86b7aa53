// The list's columns are its header's items; subitem texts move with them.
#include "platform/win32/controls/listview.h"

namespace win32::controls {

int ListView::ColumnCount() const {
    return static_cast<int>(SendMessage(m_header, HDM_GETITEMCOUNT, 0, 0));
}

int ListView::ColumnWidth(int column) const {
    HDITEM hd{};
    hd.mask = HDI_WIDTH;
    return SendMessage(m_header, HDM_GETITEM, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&hd))
               ? hd.cxy
               : 0;
}

int ListView::ColumnFormat(int column) const {
    HDITEM hd{};
    hd.mask = HDI_FORMAT;
    SendMessage(m_header, HDM_GETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&hd));
    return hd.fmt;
}

int ListView::ColumnsWidth() const {
    int total = 0;
    for (int c = 0, n = ColumnCount(); c < n; ++c) {
        total += ColumnWidth(c);
    }
    return total;
}

LRESULT ListView::InsertColumn(int index, const LVCOLUMN& column) {
    if (index < 0) {
        return -1;
    }
    HDITEM hd{};
    hd.mask = HDI_FORMAT;
    hd.fmt = HDF_STRING | ((column.mask & LVCF_FMT) ? (column.fmt & LVCFMT_JUSTIFYMASK) : 0);
    if (column.mask & LVCF_WIDTH) {
        hd.mask |= HDI_WIDTH;
        hd.cxy = column.cx;
    }
    if (column.mask & LVCF_TEXT) {
        hd.mask |= HDI_TEXT;
        hd.pszText = column.pszText;
    }
    LRESULT at = SendMessage(m_header, HDM_INSERTITEM, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&hd));
    if (at > 0) {
        for (Item& item : m_items) {
            if (static_cast<size_t>(at) < item.texts.size()) {
                item.texts.insert(item.texts.begin() + at, std::string());
            }
        }
    }
    Invalidate();
    return at;
}

BOOL ListView::GetColumn(int index, LVCOLUMN& column) const {
    HDITEM hd{};
    hd.mask = HDI_FORMAT | HDI_WIDTH | ((column.mask & LVCF_TEXT) ? HDI_TEXT : 0);
    hd.pszText = column.pszText;
    hd.cchTextMax = column.cchTextMax;
    if (!SendMessage(m_header, HDM_GETITEM, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&hd))) {
        return FALSE;
    }
    if (column.mask & LVCF_FMT) {
        column.fmt = hd.fmt & LVCFMT_JUSTIFYMASK;
    }
    if (column.mask & LVCF_WIDTH) {
        column.cx = hd.cxy;
    }
    if (column.mask & LVCF_SUBITEM) {
        column.iSubItem = index;
    }
    return TRUE;
}

BOOL ListView::SetColumn(int index, const LVCOLUMN& column) {
    HDITEM hd{};
    hd.mask = HDI_FORMAT;
    int old = ColumnFormat(index);
    hd.fmt = (column.mask & LVCF_FMT)
                 ? ((old & ~LVCFMT_JUSTIFYMASK) | (column.fmt & LVCFMT_JUSTIFYMASK))
                 : old;
    if (column.mask & LVCF_WIDTH) {
        hd.mask |= HDI_WIDTH;
        hd.cxy = column.cx;
    }
    if (column.mask & LVCF_TEXT) {
        hd.mask |= HDI_TEXT;
        hd.pszText = column.pszText;
    }
    BOOL ok = static_cast<BOOL>(SendMessage(m_header, HDM_SETITEM, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(&hd)));
    Invalidate();
    return ok;
}

BOOL ListView::DeleteColumn(int index) {
    if (!SendMessage(m_header, HDM_DELETEITEM, static_cast<WPARAM>(index), 0)) {
        return FALSE;
    }
    for (Item& item : m_items) {
        if (static_cast<size_t>(index) < item.texts.size()) {
            item.texts.erase(item.texts.begin() + index);
        }
    }
    Invalidate();
    return TRUE;
}

BOOL ListView::SetColumnWidth(int index, int width) {
    if (index < 0 || index >= ColumnCount()) {
        return FALSE;
    }
    HDITEM hd{};
    hd.mask = HDI_WIDTH;
    hd.cxy = width < 0 ? 0 : width;
    Invalidate();
    return static_cast<BOOL>(SendMessage(m_header, HDM_SETITEM, static_cast<WPARAM>(index),
                                         reinterpret_cast<LPARAM>(&hd)));
}

} // namespace win32::controls
