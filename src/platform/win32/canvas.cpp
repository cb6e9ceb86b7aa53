#include "platform/win32/canvas.h"

#include <algorithm>

namespace win32 {

Canvas::Canvas(int columns, int rows)
    : m_width(std::max(columns, 0)), m_height(std::max(rows, 0)),
      m_cells(static_cast<size_t>(m_width) * static_cast<size_t>(m_height)) {}

void Canvas::Resize(int columns, int rows) {
    Canvas resized(columns, rows);
    for (int r = 0; r < std::min(rows, m_height); ++r) {
        for (int c = 0; c < std::min(columns, m_width); ++c) {
            *resized.At(c, r) = *At(c, r);
        }
    }
    *this = std::move(resized);
}

void Canvas::Clear(CellStyle style) {
    std::fill(m_cells.begin(), m_cells.end(), Cell{' ', style});
}

const Cell* Canvas::At(int column, int row) const {
    if (column < 0 || row < 0 || column >= m_width || row >= m_height) {
        return nullptr;
    }
    return &m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_width) +
                    static_cast<size_t>(column)];
}

Cell* Canvas::At(int column, int row) {
    return const_cast<Cell*>(static_cast<const Canvas*>(this)->At(column, row));
}

void Canvas::Put(int column, int row, std::string_view text, CellStyle style) {
    Put(column, row, text, style, Bounds());
}

void Canvas::Put(int column, int row, std::string_view text, CellStyle style,
                 const CellRect& clip) {
    for (size_t i = 0; i < text.size(); ++i) {
        int c = column + static_cast<int>(i);
        Cell* cell = clip.Contains(c, row) ? At(c, row) : nullptr;
        if (cell != nullptr) {
            *cell = Cell{text[i], style};
        }
    }
}

void Canvas::Fill(const CellRect& rect, char ch, CellStyle style) {
    CellRect r = Intersect(rect, Bounds());
    for (int row = r.top; row < r.bottom; ++row) {
        for (int c = r.left; c < r.right; ++c) {
            *At(c, row) = Cell{ch, style};
        }
    }
}

void Canvas::Frame(const CellRect& rect, CellStyle style) {
    if (rect.Empty()) {
        return;
    }
    auto put = [&](int c, int r, char ch) {
        if (Cell* cell = At(c, r)) {
            *cell = Cell{ch, style};
        }
    };
    int right = rect.right - 1;
    int bottom = rect.bottom - 1;
    for (int c = rect.left; c <= right; ++c) {
        put(c, rect.top, '-');
        put(c, bottom, '-');
    }
    for (int r = rect.top; r <= bottom; ++r) {
        put(rect.left, r, '|');
        put(right, r, '|');
    }
    put(rect.left, rect.top, '+');
    put(right, rect.top, '+');
    put(rect.left, bottom, '+');
    put(right, bottom, '+');
}

void Canvas::SetAttr(const CellRect& rect, CellAttr attr) {
    CellRect r = Intersect(rect, Bounds());
    for (int row = r.top; row < r.bottom; ++row) {
        for (int c = r.left; c < r.right; ++c) {
            At(c, row)->style.attr = attr;
        }
    }
}

void Canvas::Blit(const Canvas& src, int column, int row, const CellRect& clip) {
    CellRect target = Intersect(Intersect(clip, Bounds()),
                                CellRect{column, row, column + src.Width(), row + src.Height()});
    for (int r = target.top; r < target.bottom; ++r) {
        for (int c = target.left; c < target.right; ++c) {
            *At(c, r) = *src.At(c - column, r - row);
        }
    }
}

std::vector<std::string> Canvas::Lines() const {
    std::vector<std::string> lines;
    for (int r = 0; r < m_height; ++r) {
        std::string line;
        for (int c = 0; c < m_width; ++c) {
            line += At(c, r)->ch;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> Canvas::AttrLines() const {
    std::vector<std::string> lines;
    for (int r = 0; r < m_height; ++r) {
        std::string line;
        for (int c = 0; c < m_width; ++c) {
            auto bits = static_cast<unsigned>(At(c, r)->style.attr);
            char ch = '*';
            switch (bits) {
            case 0:
                ch = ' ';
                break;
            case static_cast<unsigned>(CellAttr::Reverse):
                ch = 'r';
                break;
            case static_cast<unsigned>(CellAttr::Bold):
                ch = 'b';
                break;
            case static_cast<unsigned>(CellAttr::Grey):
                ch = 'g';
                break;
            case static_cast<unsigned>(CellAttr::Underline):
                ch = 'u';
                break;
            default:
                break;
            }
            line += ch;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace win32
