// The header control (SysHeader32): the column titles above a list view. It keeps the items
// (title, width, format with the sort arrows) that the list's columns are made of, draws
// them in one row and reports a click on a title to its parent as HDN_ITEMCLICK.
#pragma once

#include "platform/win32/controls/control.h"
#include "platform/win32/controls/listview_defs.h"

#include <string>
#include <vector>

namespace win32::controls {

class Header : public Control {
public:
    struct Item {
        std::string text;
        int width = 0; // pixels
        int format = HDF_LEFT | HDF_STRING;
        LPARAM lParam = 0;
    };

    Header(HWND hwnd, const CREATESTRUCT& cs);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    const std::vector<Item>& Items() const { return m_items; }
    // Horizontal scroll of the list below, in pixels.
    void SetScroll(int pixels);
    // The item under a client x, or -1.
    int ItemAt(int x) const;

private:
    int Insert(int index, const HDITEM& item);
    BOOL Get(int index, HDITEM& item) const;
    BOOL Set(int index, const HDITEM& item);
    void Paint();

    std::vector<Item> m_items;
    int m_scroll = 0;
};

} // namespace win32::controls
