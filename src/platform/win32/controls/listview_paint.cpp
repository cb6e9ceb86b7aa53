// Drawing the rows through custom draw: the parent is asked at the stages it asked for and
// the colours it writes into the structure are the ones each cell is drawn with.
#include "platform/win32/controls/listview.h"

#include <algorithm>

namespace win32::controls {

namespace {

// The text that fits in width cells, with "..." where it is cut.
std::string Fit(std::string_view text, int width) {
    if (width <= 0) {
        return {};
    }
    if (static_cast<int>(text.size()) <= width) {
        return std::string(text);
    }
    if (width <= 3) {
        return std::string(text.substr(0, static_cast<size_t>(width)));
    }
    return std::string(text.substr(0, static_cast<size_t>(width - 3))) + "...";
}

} // namespace

void ListView::Paint() {
    PaintScope paint(m_hwnd);
    Canvas* canvas = paint.Target();
    if (canvas == nullptr) {
        return;
    }
    CellStyle back;
    back.background = CellColor(m_bkColor);
    canvas->Fill(canvas->Bounds(), ' ', back);
    if (Style() & WS_BORDER) {
        canvas->Frame(canvas->Bounds());
    }
    NMLVCUSTOMDRAW cd{};
    cd.nmcd.dwDrawStage = CDDS_PREPAINT;
    cd.nmcd.hdc = paint.Dc();
    GetClientRect(m_hwnd, &cd.nmcd.rc);
    cd.clrText = m_textColor;
    cd.clrTextBk = m_textBkColor;
    LRESULT prepaint = Notify(cd.nmcd.hdr, NM_CUSTOMDRAW);
    if (!IsWindow(m_hwnd) || (prepaint & CDRF_SKIPDEFAULT)) {
        return;
    }
    RECT inner = Inner();
    CellRect body = Intersect(
        paint.Clip(),
        PixelsToCells(RECT{inner.left, inner.top + HeaderHeight(), inner.right, inner.bottom}));
    int rows = VisibleRows();
    for (int row = 0; row < rows && ValidIndex(m_top + row); ++row) {
        PaintRow(*canvas, body, m_top + row, row, prepaint, paint.Dc());
        if (!IsWindow(m_hwnd)) {
            return; // the parent destroyed the list from a notification
        }
    }
    if (prepaint & CDRF_NOTIFYPOSTPAINT) {
        NMLVCUSTOMDRAW post{};
        post.nmcd.dwDrawStage = CDDS_POSTPAINT;
        post.nmcd.hdc = paint.Dc();
        Notify(post.nmcd.hdr, NM_CUSTOMDRAW);
    }
}

void ListView::PaintRow(Canvas& canvas, const CellRect& clip, int index, int row, LRESULT prepaint,
                        HDC dc) {
    COLORREF text = m_textColor;
    COLORREF back = m_textBkColor;
    LRESULT itemAnswer = 0;
    NMLVCUSTOMDRAW cd{};
    auto fill = [&](DWORD stage, int column) {
        cd = NMLVCUSTOMDRAW{};
        cd.nmcd.dwDrawStage = stage;
        cd.nmcd.hdc = dc;
        SubItemRect(index, column, column == 0 ? LVIR_BOUNDS : LVIR_LABEL, cd.nmcd.rc);
        cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(index);
        const Item& now = m_items[static_cast<size_t>(index)];
        cd.nmcd.uItemState = ((now.state & LVIS_SELECTED) ? CDIS_SELECTED : 0) |
                             ((now.state & LVIS_FOCUSED) ? CDIS_FOCUS : 0);
        cd.nmcd.lItemlParam = now.lParam;
        cd.clrText = text;
        cd.clrTextBk = back;
        cd.iSubItem = column;
    };
    if (prepaint & CDRF_NOTIFYITEMDRAW) {
        fill(CDDS_ITEMPREPAINT, 0);
        itemAnswer = Notify(cd.nmcd.hdr, NM_CUSTOMDRAW);
        if (!IsWindow(m_hwnd) || !ValidIndex(index) || (itemAnswer & CDRF_SKIPDEFAULT)) {
            return;
        }
        text = cd.clrText;
        back = cd.clrTextBk;
    }
    for (int c = 0, n = std::max(ColumnCount(), 1); c < n; ++c) {
        COLORREF cellText = text;
        COLORREF cellBack = back;
        if (itemAnswer & CDRF_NOTIFYSUBITEMDRAW) {
            fill(CDDS_ITEMPREPAINT | CDDS_SUBITEM, c);
            LRESULT answer = Notify(cd.nmcd.hdr, NM_CUSTOMDRAW);
            if (!IsWindow(m_hwnd) || !ValidIndex(index)) {
                return;
            }
            if (answer & CDRF_SKIPDEFAULT) {
                continue;
            }
            cellText = cd.clrText;
            cellBack = cd.clrTextBk;
        }
        PaintCell(canvas, clip, index, c, row, cellText, cellBack);
    }
    if (itemAnswer & CDRF_NOTIFYPOSTPAINT) {
        fill(CDDS_ITEMPOSTPAINT, 0);
        Notify(cd.nmcd.hdr, NM_CUSTOMDRAW);
    }
}

void ListView::PaintCell(Canvas& canvas, const CellRect& clip, int index, int column, int row,
                         COLORREF text, COLORREF back) {
    const Item& item = m_items[static_cast<size_t>(index)];
    RECT inner = Inner();
    int left = ColumnLeft(column);
    int first = PixelToColumn(left);
    int last = PixelToColumn(left + ColumnWidth(column)); // one past the column's cells
    int y = PixelToRow(inner.top + HeaderHeight()) + row;
    CellRect cell = Intersect(clip, CellRect{first, y, last, y + 1});
    if (cell.Empty()) {
        return;
    }
    bool selectionShown =
        (item.state & LVIS_SELECTED) && (HasFocus() || (Style() & LVS_SHOWSELALWAYS));
    bool fullRow = (m_exStyle & LVS_EX_FULLROWSELECT) != 0;
    CellStyle style;
    style.foreground = CellColor(text);
    style.background = CellColor(back);
    canvas.Fill(cell, ' ', style);
    int at = first;
    if (column == 0 && (m_exStyle & LVS_EX_CHECKBOXES)) {
        bool ticked = ((item.state & LVIS_STATEIMAGEMASK) >> 12) == 2;
        canvas.Put(at, y, ticked ? "[x]" : "[ ]", style, cell);
        at += kCheckWidth / kCellWidth;
    }
    CellStyle label = style;
    if (selectionShown && (fullRow || column == 0)) {
        label = CellStyle{CellAttr::Reverse, kDefaultColor, kDefaultColor};
        CellRect marked =
            Intersect(cell, CellRect{fullRow && column > 0 ? first : at, y, last, y + 1});
        canvas.Fill(marked, ' ', label);
    } else if ((item.state & LVIS_FOCUSED) && HasFocus()) {
        label.attr = label.attr | CellAttr::Underline; // the focus rectangle
    }
    int room = last - at - 1; // one cell apart from the next column
    std::string shown = Fit(CellText(index, column), room);
    int justify = column == 0 ? LVCFMT_LEFT : (ColumnFormat(column) & LVCFMT_JUSTIFYMASK);
    if (justify == LVCFMT_RIGHT) {
        at += room - static_cast<int>(shown.size());
    } else if (justify == LVCFMT_CENTER) {
        at += (room - static_cast<int>(shown.size())) / 2;
    }
    canvas.Put(at, y, shown, label, cell);
}

} // namespace win32::controls
