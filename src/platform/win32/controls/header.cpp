#include "platform/win32/controls/header.h"

#include <algorithm>

namespace win32::controls {

Header::Header(HWND hwnd, const CREATESTRUCT&) : Control(hwnd) {}

void Header::SetScroll(int pixels) {
    if (pixels == m_scroll) {
        return;
    }
    m_scroll = pixels;
    Invalidate();
}

int Header::ItemAt(int x) const {
    int left = -m_scroll;
    for (size_t i = 0; i < m_items.size(); ++i) {
        int right = left + m_items[i].width;
        if (x >= left && x < right) {
            return static_cast<int>(i);
        }
        left = right;
    }
    return -1;
}

int Header::Insert(int index, const HDITEM& item) {
    if (index < 0) {
        return -1;
    }
    Item added;
    if ((item.mask & HDI_TEXT) && item.pszText != nullptr) {
        added.text = item.pszText;
    }
    if (item.mask & HDI_WIDTH) {
        added.width = std::max(item.cxy, 0);
    }
    if (item.mask & HDI_FORMAT) {
        added.format = item.fmt;
    }
    if (item.mask & HDI_LPARAM) {
        added.lParam = item.lParam;
    }
    size_t at = std::min(static_cast<size_t>(index), m_items.size());
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), added);
    Invalidate();
    return static_cast<int>(at);
}

BOOL Header::Get(int index, HDITEM& item) const {
    if (index < 0 || static_cast<size_t>(index) >= m_items.size()) {
        return FALSE;
    }
    const Item& it = m_items[static_cast<size_t>(index)];
    if (item.mask & HDI_TEXT) {
        CopyText(it.text, item.pszText, item.cchTextMax);
    }
    if (item.mask & HDI_WIDTH) {
        item.cxy = it.width;
    }
    if (item.mask & HDI_FORMAT) {
        item.fmt = it.format;
    }
    if (item.mask & HDI_LPARAM) {
        item.lParam = it.lParam;
    }
    return TRUE;
}

BOOL Header::Set(int index, const HDITEM& item) {
    if (index < 0 || static_cast<size_t>(index) >= m_items.size()) {
        return FALSE;
    }
    Item& it = m_items[static_cast<size_t>(index)];
    if ((item.mask & HDI_TEXT) && item.pszText != nullptr) {
        it.text = item.pszText;
    }
    if (item.mask & HDI_WIDTH) {
        it.width = std::max(item.cxy, 0);
    }
    if (item.mask & HDI_FORMAT) {
        it.format = item.fmt;
    }
    if (item.mask & HDI_LPARAM) {
        it.lParam = item.lParam;
    }
    Invalidate();
    HWND parent = GetParent(m_hwnd);
    if (parent != nullptr) {
        InvalidateRect(parent, nullptr, TRUE);
    }
    return TRUE;
}

void Header::Paint() {
    PaintScope paint(m_hwnd);
    Canvas* canvas = paint.Target();
    if (canvas == nullptr) {
        return;
    }
    canvas->Fill(canvas->Bounds(), ' ');
    int left = -m_scroll;
    for (const Item& item : m_items) {
        int first = PixelToColumn(left);
        int last = PixelToColumn(left + item.width); // one past the item's cells
        left += item.width;
        if (last - first < 1) {
            continue;
        }
        std::string title = item.text;
        if (item.format & HDF_SORTUP) {
            title += " ^";
        } else if (item.format & HDF_SORTDOWN) {
            title += " v";
        }
        int room = last - first - 1; // the last cell is the divider
        if (static_cast<int>(title.size()) > room) {
            title.resize(static_cast<size_t>(std::max(room, 0)));
        }
        int at = first;
        int justify = item.format & HDF_JUSTIFYMASK;
        if (justify == HDF_RIGHT) {
            at = first + room - static_cast<int>(title.size());
        } else if (justify == HDF_CENTER) {
            at = first + (room - static_cast<int>(title.size())) / 2;
        }
        CellRect clip = Intersect(paint.Clip(), CellRect{first, 0, last, canvas->Height()});
        canvas->Put(at, 0, title, {}, clip);
        canvas->Put(last - 1, 0, "|", {}, clip);
    }
}

LRESULT Header::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case HDM_GETITEMCOUNT:
        return static_cast<LRESULT>(m_items.size());
    case HDM_INSERTITEM:
        return lParam ? Insert(static_cast<int>(wParam), *reinterpret_cast<HDITEM*>(lParam)) : -1;
    case HDM_DELETEITEM:
        if (wParam >= m_items.size()) {
            return FALSE;
        }
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(wParam));
        Invalidate();
        return TRUE;
    case HDM_GETITEM:
        return lParam ? Get(static_cast<int>(wParam), *reinterpret_cast<HDITEM*>(lParam)) : FALSE;
    case HDM_SETITEM:
        return lParam ? Set(static_cast<int>(wParam), *reinterpret_cast<HDITEM*>(lParam)) : FALSE;
    case HDM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (rect == nullptr || wParam >= m_items.size()) {
            return FALSE;
        }
        int left = -m_scroll;
        for (size_t i = 0; i < wParam; ++i) {
            left += m_items[i].width;
        }
        RECT client{};
        GetClientRect(m_hwnd, &client);
        *rect = RECT{left, 0, left + m_items[wParam].width, client.bottom};
        return TRUE;
    }
    case WM_LBUTTONDOWN: {
        int index = ItemAt(GET_X_LPARAM(lParam));
        if (index >= 0) {
            NMHEADER nm{};
            nm.iItem = index;
            nm.iButton = 0;
            Notify(nm.hdr, HDN_ITEMCLICK);
        }
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
