// The list view (SysListView32), report view with its header. Rows are kept in a vector of
// items (a text per column, the state, the lParam); columns are the header's items.
//
// Every state change goes through LVN_ITEMCHANGING (the parent may refuse with TRUE) and
// LVN_ITEMCHANGED, each with the item's whole old and new state. Check boxes
// (LVS_EX_CHECKBOXES) are state images 1 and 2, drawn "[ ]" and "[x]" at the start of the
// first column. Default colours: text COLOR_WINDOWTEXT, text background and background
// COLOR_WINDOW, the values Windows starts with; all three draw as the terminal's default.
// Views other than report are drawn as report view.
#pragma once

#include "platform/win32/controls/control.h"
#include "platform/win32/controls/listview_defs.h"
#include "platform/win32/controls/merge_sort.h"

#include <string>
#include <vector>

namespace win32::controls {

class ListView : public Control {
public:
    struct Item {
        std::vector<std::string> texts; // by column; missing ones are empty
        UINT state = 0;
        LPARAM lParam = 0;
        int image = 0;
    };

    static constexpr int kRowHeight = kCellHeight;
    static constexpr int kCheckWidth = 4 * kCellWidth; // "[x] "

    ListView(HWND hwnd, const CREATESTRUCT& cs);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    int ItemCount() const { return static_cast<int>(m_items.size()); }
    const Item* ItemAt(int index) const;
    HWND HeaderWindow() const { return m_header; }
    int TopIndex() const { return m_top; }
    int ScrollX() const { return m_scrollX; }

private:
    // Items and states (listview.cpp).
    LRESULT InsertItem(const LVITEM& item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    BOOL SetItem(const LVITEM& item);
    BOOL GetItem(LVITEM& item) const;
    BOOL SetItemText(int index, const LVITEM& item);
    int GetItemText(int index, LVITEM& item) const;
    BOOL SetItemState(int index, const LVITEM& item);
    // Sends the two notifications; false when the parent refused or the item went away.
    bool ChangeItem(int index, UINT state, UINT stateMask, const LPARAM* param);
    bool ChangeState(int index, UINT state, UINT mask) {
        return ChangeItem(index, state, mask, nullptr);
    }
    void SelectOnly(int index);
    void ToggleCheck(int index);
    int NextItem(int start, UINT flags) const;
    int FindItem(int start, const LVFINDINFO& find) const;
    BOOL SortItems(LPARAM lParamSort, PFNLVCOMPARE compare);
    DWORD SetExtendedStyle(DWORD mask, DWORD style);
    const std::string& CellText(int index, int column) const;
    bool ValidIndex(int index) const { return index >= 0 && index < ItemCount(); }

    // Columns (listview_columns.cpp).
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    int ColumnFormat(int column) const;
    int ColumnsWidth() const;
    LRESULT InsertColumn(int index, const LVCOLUMN& column);
    BOOL GetColumn(int index, LVCOLUMN& column) const;
    BOOL SetColumn(int index, const LVCOLUMN& column);
    BOOL DeleteColumn(int index);
    BOOL SetColumnWidth(int index, int width);

    // Geometry and scrolling (listview_layout.cpp), in client pixels.
    RECT Inner() const;
    int HeaderHeight() const;
    int VisibleRows() const;
    int ColumnLeft(int column) const;
    bool ItemRect(int index, int code, RECT& rect) const;
    bool SubItemRect(int index, int column, int code, RECT& rect) const;
    int HitTest(LVHITTESTINFO& info) const;
    BOOL EnsureVisible(int index);
    void ScrollRows(int rows);
    void ScrollPixels(int dx);
    void Layout();

    // Input and painting (listview_input.cpp, listview_paint.cpp).
    void OnKeyDown(UINT vk);
    void OnButtonDown(POINT pt, bool doubleClick);
    void OnScroll(bool vertical, WORD code);
    void Paint();
    void PaintRow(Canvas& canvas, const CellRect& clip, int index, int row, LRESULT prepaint,
                  HDC dc);
    void PaintCell(Canvas& canvas, const CellRect& clip, int index, int column, int row,
                   COLORREF text, COLORREF back);

    std::vector<Item> m_items;
    HWND m_header = nullptr;
    DWORD m_exStyle = 0;
    COLORREF m_textColor;
    COLORREF m_textBkColor;
    COLORREF m_bkColor;
    int m_top = 0;
    int m_scrollX = 0;
    bool m_sorting = false;
};

} // namespace win32::controls
