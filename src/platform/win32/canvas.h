// A grid of character cells that a window paints into. Each cell holds one character and how
// it looks: attributes (reverse for selections, bold for the default button, grey for
// disabled text, underline for mnemonics) and, where a control sets them, colours.
// Drawing outside the grid is clipped, never an error.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/geometry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace win32 {

enum class CellAttr : std::uint8_t {
    None = 0,
    Reverse = 1,   // selected
    Bold = 2,      // default push button, emphasis
    Grey = 4,      // disabled
    Underline = 8, // mnemonic
};
constexpr CellAttr operator|(CellAttr a, CellAttr b) {
    return static_cast<CellAttr>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr CellAttr operator&(CellAttr a, CellAttr b) {
    return static_cast<CellAttr>(static_cast<unsigned>(a) & static_cast<unsigned>(b));
}
constexpr bool HasAttr(CellAttr set, CellAttr a) {
    return (set & a) != CellAttr::None;
}

// "Whatever the terminal's default is"; a window that never sets a colour gets this.
inline constexpr COLORREF kDefaultColor = 0xFF000000;

struct CellStyle {
    CellAttr attr = CellAttr::None;
    COLORREF foreground = kDefaultColor;
    COLORREF background = kDefaultColor;
    constexpr bool operator==(const CellStyle&) const = default;
};

struct Cell {
    char ch = ' ';
    CellStyle style;
    constexpr bool operator==(const Cell&) const = default;
};

class Canvas {
public:
    Canvas() = default;
    Canvas(int columns, int rows);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    CellRect Bounds() const { return {0, 0, m_width, m_height}; }

    // Keeps what fits of the old content; new cells are blank.
    void Resize(int columns, int rows);
    void Clear(CellStyle style = {});

    // nullptr outside the grid.
    const Cell* At(int column, int row) const;
    Cell* At(int column, int row);

    // Writes text from a cell to the right, clipped to the grid and to clip.
    void Put(int column, int row, std::string_view text, CellStyle style = {});
    void Put(int column, int row, std::string_view text, CellStyle style, const CellRect& clip);
    void Fill(const CellRect& rect, char ch, CellStyle style = {});
    // A box of '+', '-' and '|' along the edge of rect.
    void Frame(const CellRect& rect, CellStyle style = {});
    // Changes the attributes only.
    void SetAttr(const CellRect& rect, CellAttr attr);
    // Copies src onto this grid with its top-left at (column, row), within clip.
    void Blit(const Canvas& src, int column, int row, const CellRect& clip);

    // The characters, one string per row.
    std::vector<std::string> Lines() const;
    // One letter per cell for the attributes, for tests: ' ' none, 'r' reverse, 'b' bold,
    // 'g' grey, 'u' underline, '*' more than one.
    std::vector<std::string> AttrLines() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Cell> m_cells;
};

} // namespace win32
