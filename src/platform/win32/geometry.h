// How pixels, dialog units and character cells relate. Window coordinates are pixels, as on
// Windows; every canvas is a grid of character cells, one cell being 6 x 13 pixels, which is
// also the dialog font's base unit. So one cell column is 4 horizontal dialog units and one
// cell row 8 vertical ones.
//
// Non-client area: child windows have none (a control with WS_BORDER draws its own border
// inside its client area). A top-level window with a caption or frame style gets one cell
// column on the left and right, one cell row on top (the caption, which is also the top
// frame line) and one cell row at the bottom.
#pragma once

#include "platform/crt/wintypes.h"

namespace win32 {

inline constexpr int kCellWidth = 6;   // pixels per cell column
inline constexpr int kCellHeight = 13; // pixels per cell row

inline constexpr int kDialogBaseUnitX = 6;  // average character width of the dialog font
inline constexpr int kDialogBaseUnitY = 13; // character height of the dialog font

inline constexpr int kFrameWidth = kCellWidth;     // left and right frame of a top-level window
inline constexpr int kCaptionHeight = kCellHeight; // caption row (also the top frame line)
inline constexpr int kFrameBottom = kCellHeight;   // bottom frame row

inline constexpr int kIconSize = 32;      // SM_CXICON / SM_CYICON
inline constexpr int kSmallIconSize = 16; // SM_CXSMICON / SM_CYSMICON

// Floor division, so windows scrolled to negative pixels land on the right cell.
constexpr int FloorDiv(int value, int divisor) {
    int q = value / divisor;
    return (value % divisor != 0 && ((value < 0) != (divisor < 0))) ? q - 1 : q;
}
constexpr int PixelToColumn(int x) {
    return FloorDiv(x, kCellWidth);
}
constexpr int PixelToRow(int y) {
    return FloorDiv(y, kCellHeight);
}
constexpr int ColumnToPixel(int column) {
    return column * kCellWidth;
}
constexpr int RowToPixel(int row) {
    return row * kCellHeight;
}

// A rectangle in cells: [left, right) x [top, bottom).
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(int col, int row) const {
        return col >= left && col < right && row >= top && row < bottom;
    }
    constexpr bool operator==(const CellRect&) const = default;
};

// Snaps a pixel rectangle to the cells it starts in: a 75 pixel wide rectangle at 0 covers
// columns 0..11 (12.5 rounded down).
constexpr CellRect PixelsToCells(const RECT& r) {
    return {PixelToColumn(r.left), PixelToRow(r.top), PixelToColumn(r.right), PixelToRow(r.bottom)};
}

constexpr CellRect Intersect(const CellRect& a, const CellRect& b) {
    CellRect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
               a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.Empty()) {
        return {};
    }
    return r;
}

} // namespace win32
