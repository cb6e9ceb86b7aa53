// Device contexts and drawing into a window's canvas.
#include "platform/win32/gdi.h"

#include "platform/win32/resources.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <utility>

using namespace win32;
using namespace win32::detail;
using win32::Canvas;
using win32::CellAttr;
using win32::CellRect;
using win32::CellStyle;
using win32::kDefaultColor;

namespace {

struct DC {
    HWND hwnd = nullptr;
    COLORREF text = kDefaultColor;
    COLORREF background = kDefaultColor;
    int bkMode = OPAQUE;
    CellAttr attr = CellAttr::None;
    HGDIOBJ font = nullptr;
    HGDIOBJ brush = nullptr;
    CellRect clip;
};

std::map<HDC, DC>& DCs() {
    static std::map<HDC, DC> dcs;
    return dcs;
}

std::map<HBRUSH, COLORREF>& SolidBrushes() {
    static std::map<HBRUSH, COLORREF> brushes;
    return brushes;
}

constexpr std::array<COLORREF, 25> kSysColors{
    RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219),
    RGB(240, 240, 240), RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(180, 180, 180), RGB(244, 247, 252),
    RGB(171, 171, 171), RGB(0, 120, 215),   RGB(255, 255, 255), RGB(240, 240, 240),
    RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),
    RGB(255, 255, 225)};

// System colour brushes are small fixed handles; (HBRUSH)(COLOR_x + 1) names them too.
constexpr std::uintptr_t kSysBrushBase = 0x1000;
constexpr std::uintptr_t kStockBase = 0x2000;

DC* FindDC(HDC dc) {
    auto it = DCs().find(dc);
    return it == DCs().end() ? nullptr : &it->second;
}

Canvas* CanvasFor(DC& dc) {
    Window* w = Find(dc.hwnd);
    return w ? &w->canvas : nullptr;
}

HDC MakeDC(HWND hwnd, const CellRect& clip) {
    HDC handle = NewHandle<HDC>();
    DC dc;
    dc.hwnd = hwnd;
    dc.clip = clip;
    DCs()[handle] = dc;
    return handle;
}

// Whether a brush paints and in what colour; the sentinel kDefaultColor for the window's own.
bool BrushColor(HBRUSH brush, COLORREF* color) {
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= kSysColors.size()) {
        *color = kSysColors[value - 1];
        return true;
    }
    if (value >= kSysBrushBase && value < kSysBrushBase + kSysColors.size()) {
        *color = kSysColors[value - kSysBrushBase];
        return true;
    }
    if (value >= kStockBase && value <= kStockBase + BLACK_BRUSH) {
        constexpr std::array<COLORREF, 5> stock{RGB(255, 255, 255), RGB(192, 192, 192),
                                                RGB(128, 128, 128), RGB(64, 64, 64), RGB(0, 0, 0)};
        *color = stock[value - kStockBase];
        return true;
    }
    if (value == kStockBase + NULL_BRUSH) {
        return false;
    }
    auto it = SolidBrushes().find(brush);
    if (it == SolidBrushes().end()) {
        return false;
    }
    *color = it->second;
    return true;
}

bool Is(COLORREF c, int index) {
    return c == kSysColors[static_cast<size_t>(index)];
}

// System colours become attributes or the terminal's defaults.
CellStyle StyleOf(COLORREF text, COLORREF background, CellAttr attr) {
    CellStyle style;
    style.attr = attr;
    if (Is(background, COLOR_HIGHLIGHT)) {
        style.attr = style.attr | CellAttr::Reverse;
    } else if (background != kDefaultColor && !Is(background, COLOR_WINDOW) &&
               !Is(background, COLOR_BTNFACE)) {
        style.background = background;
    }
    if (Is(text, COLOR_GRAYTEXT)) {
        style.attr = style.attr | CellAttr::Grey;
    } else if (text != kDefaultColor && !Is(text, COLOR_WINDOWTEXT) && !Is(text, COLOR_BTNTEXT) &&
               !Is(text, COLOR_HIGHLIGHTTEXT)) {
        style.foreground = text;
    }
    return style;
}

void PutText(DC& dc, int column, int row, std::string_view text, std::string_view underline) {
    Canvas* canvas = CanvasFor(dc);
    if (canvas == nullptr) {
        return;
    }
    CellStyle style = StyleOf(dc.text, dc.background, dc.attr);
    for (size_t i = 0; i < text.size(); ++i) {
        int c = column + static_cast<int>(i);
        if (!dc.clip.Contains(c, row)) {
            continue;
        }
        win32::Cell* cell = canvas->At(c, row);
        if (cell == nullptr) {
            continue;
        }
        CellStyle s = style;
        if (dc.bkMode == TRANSPARENT) {
            s.background = cell->style.background;
            s.attr = s.attr | (cell->style.attr & CellAttr::Reverse);
        }
        if (i < underline.size() && underline[i] == '_') {
            s.attr = s.attr | CellAttr::Underline;
        }
        *cell = win32::Cell{text[i], s};
    }
}

// Removes mnemonic marks: "&File" shows "File" with F underlined, "&&" shows "&".
void StripPrefix(std::string_view in, bool hide, std::string* text, std::string* marks) {
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '&' && i + 1 < in.size()) {
            ++i;
            if (in[i] != '&') {
                *marks += hide ? ' ' : '_';
                *text += in[i];
                continue;
            }
        }
        *marks += ' ';
        *text += in[i];
    }
}

std::vector<std::string> WrapLines(const std::string& text, int width, bool wrap) {
    std::vector<std::string> lines;
    std::string line;
    auto flush = [&] {
        lines.push_back(line);
        line.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '\r') {
            continue;
        }
        if (ch == '\n') {
            flush();
            continue;
        }
        line += ch;
        if (wrap && width > 0 && static_cast<int>(line.size()) > width) {
            size_t space = line.rfind(' ');
            if (space != std::string::npos && space > 0) {
                std::string rest = line.substr(space + 1);
                line.resize(space);
                flush();
                line = rest;
            } else {
                std::string rest = line.substr(static_cast<size_t>(width));
                line.resize(static_cast<size_t>(width));
                flush();
                line = rest;
            }
        }
    }
    flush();
    return lines;
}

} // namespace

namespace win32::detail {
void ResetDCs() {
    DCs().clear();
}
} // namespace win32::detail

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (hwnd == nullptr) {
        for (auto& [handle, w] : S().windows) {
            Invalidate(*w, nullptr, erase != FALSE);
        }
        return TRUE;
    }
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    Invalidate(*w, rect, erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    RECT covered{};
    if (rect == nullptr || (UnionRect(&covered, rect, &w->update) && EqualRect(&covered, rect))) {
        w->needsPaint = false;
        w->needsErase = false;
        w->update = {};
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (rect != nullptr) {
        *rect = w->needsPaint ? w->update : RECT{};
    }
    return w->needsPaint ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (w->needsPaint && !w->noRedraw) {
        SendMessage(hwnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr || paint == nullptr) {
        return nullptr;
    }
    SIZE size = ClientSize(*w);
    RECT area =
        (w->needsPaint && !IsRectEmpty(&w->update)) ? w->update : RECT{0, 0, size.cx, size.cy};
    if (!w->needsPaint) {
        area = {};
    }
    bool erase = w->needsErase;
    w->needsPaint = false;
    w->needsErase = false;
    w->update = {};
    // Cells the update rectangle touches, even partly.
    CellRect clip{PixelToColumn(area.left), PixelToRow(area.top),
                  PixelToColumn(area.right + kCellWidth - 1),
                  PixelToRow(area.bottom + kCellHeight - 1)};
    HDC dc = MakeDC(hwnd, clip);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->rcPaint = area;
    if (erase) {
        paint->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    }
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (paint != nullptr) {
        DCs().erase(paint->hdc);
    }
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    return MakeDC(hwnd, w->canvas.Bounds());
}

int ReleaseDC(HWND, HDC dc) {
    return DCs().erase(dc) != 0 ? 1 : 0;
}

HWND WindowFromDC(HDC dc) {
    DC* d = FindDC(dc);
    return d ? d->hwnd : nullptr;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    DC* d = FindDC(dc);
    if (d == nullptr) {
        return CLR_INVALID;
    }
    return std::exchange(d->text, color);
}
COLORREF GetTextColor(HDC dc) {
    DC* d = FindDC(dc);
    return d ? d->text : CLR_INVALID;
}
COLORREF SetBkColor(HDC dc, COLORREF color) {
    DC* d = FindDC(dc);
    if (d == nullptr) {
        return CLR_INVALID;
    }
    return std::exchange(d->background, color);
}
COLORREF GetBkColor(HDC dc) {
    DC* d = FindDC(dc);
    return d ? d->background : CLR_INVALID;
}
int SetBkMode(HDC dc, int mode) {
    DC* d = FindDC(dc);
    if (d == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    return std::exchange(d->bkMode, mode);
}
int GetBkMode(HDC dc) {
    DC* d = FindDC(dc);
    return d ? d->bkMode : 0;
}

DWORD GetSysColor(int index) {
    return index >= 0 && static_cast<size_t>(index) < kSysColors.size()
               ? kSysColors[static_cast<size_t>(index)]
               : 0;
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || static_cast<size_t>(index) >= kSysColors.size()) {
        return nullptr;
    }
    return reinterpret_cast<HBRUSH>(kSysBrushBase + static_cast<std::uintptr_t>(index));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = NewHandle<HBRUSH>();
    SolidBrushes()[brush] = color;
    return brush;
}

HGDIOBJ GetStockObject(int object) {
    if (object < 0 || object > DEFAULT_GUI_FONT) {
        return nullptr;
    }
    return reinterpret_cast<HGDIOBJ>(kStockBase + static_cast<std::uintptr_t>(object));
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DC* d = FindDC(dc);
    if (d == nullptr || object == nullptr) {
        return nullptr;
    }
    COLORREF ignored = 0;
    HGDIOBJ& slot = BrushColor(static_cast<HBRUSH>(object), &ignored) ? d->brush : d->font;
    return std::exchange(slot, object);
}

BOOL DeleteObject(HGDIOBJ object) {
    return SolidBrushes().erase(static_cast<HBRUSH>(object)) != 0 ? TRUE : FALSE;
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) {
    DC* d = FindDC(dc);
    if (d == nullptr || text == nullptr) {
        return FALSE;
    }
    size_t n = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
    PutText(*d, PixelToColumn(x), PixelToRow(y), std::string_view(text, n), {});
    return TRUE;
}

int DrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    DC* d = FindDC(dc);
    if (d == nullptr || text == nullptr || rect == nullptr) {
        return 0;
    }
    std::string_view raw(text, length < 0 ? std::strlen(text) : static_cast<size_t>(length));
    std::string shown;
    std::string marks;
    if (format & DT_NOPREFIX) {
        shown = raw;
        marks.assign(shown.size(), ' ');
    } else {
        StripPrefix(raw, (format & DT_HIDEPREFIX) != 0, &shown, &marks);
    }
    CellRect cells = win32::PixelsToCells(*rect);
    int width = cells.Width();
    bool single = (format & DT_SINGLELINE) != 0;
    std::vector<std::string> lines;
    if (single) {
        std::string one = shown;
        std::replace(one.begin(), one.end(), '\n', ' ');
        std::erase(one, '\r');
        lines.push_back(one);
    } else {
        lines = WrapLines(shown, width, (format & DT_WORDBREAK) != 0);
    }
    int height = static_cast<int>(lines.size()) * kCellHeight;
    if (format & DT_CALCRECT) {
        size_t widest = 0;
        for (const auto& l : lines) {
            widest = std::max(widest, l.size());
        }
        rect->right = rect->left + static_cast<LONG>(widest) * kCellWidth;
        rect->bottom = rect->top + height;
        return height;
    }
    int row = cells.top;
    if (single && (format & DT_VCENTER)) {
        row = cells.top + (cells.Height() - 1) / 2;
    } else if (single && (format & DT_BOTTOM)) {
        row = cells.bottom - 1;
    }
    CellRect savedClip = d->clip;
    if ((format & DT_NOCLIP) == 0) {
        d->clip = win32::Intersect(d->clip, cells);
    }
    size_t markAt = 0;
    for (std::string& line : lines) {
        std::string lineMarks =
            single ? marks : marks.substr(std::min(markAt, marks.size()), line.size());
        markAt += line.size() + 1;
        if ((format & DT_END_ELLIPSIS) && width > 3 && static_cast<int>(line.size()) > width) {
            line = line.substr(0, static_cast<size_t>(width - 3)) + "...";
        }
        int len = static_cast<int>(line.size());
        int col = cells.left;
        if (format & DT_CENTER) {
            col = cells.left + (width - len) / 2;
        } else if (format & DT_RIGHT) {
            col = cells.right - len;
        }
        PutText(*d, col, row++, line, lineMarks);
    }
    d->clip = savedClip;
    return height;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DC* d = FindDC(dc);
    COLORREF color = 0;
    if (d == nullptr || rect == nullptr || !BrushColor(brush, &color)) {
        return 0;
    }
    Canvas* canvas = CanvasFor(*d);
    if (canvas == nullptr) {
        return 0;
    }
    CellStyle style = StyleOf(kDefaultColor, color, CellAttr::None);
    canvas->Fill(win32::Intersect(win32::PixelsToCells(*rect), d->clip), ' ', style);
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DC* d = FindDC(dc);
    COLORREF color = 0;
    if (d == nullptr || rect == nullptr || !BrushColor(brush, &color)) {
        return 0;
    }
    Canvas* canvas = CanvasFor(*d);
    if (canvas == nullptr) {
        return 0;
    }
    CellRect cells = win32::PixelsToCells(*rect);
    Canvas frame(cells.Width(), cells.Height());
    frame.Frame(frame.Bounds(), StyleOf(color, kDefaultColor, d->attr));
    // Only the edge cells change.
    for (int r = 0; r < frame.Height(); ++r) {
        for (int c = 0; c < frame.Width(); ++c) {
            bool edge = r == 0 || c == 0 || r == frame.Height() - 1 || c == frame.Width() - 1;
            int col = cells.left + c;
            int row = cells.top + r;
            if (edge && d->clip.Contains(col, row)) {
                if (win32::Cell* cell = canvas->At(col, row)) {
                    *cell = *frame.At(c, r);
                }
            }
        }
    }
    return 1;
}

BOOL DrawFocusRect(HDC dc, const RECT*) {
    return FindDC(dc) ? TRUE : FALSE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    DC* d = FindDC(dc);
    std::span<const std::string> picture = win32::IconPicture(icon);
    if (d == nullptr || picture.empty()) {
        SetLastError(ERROR_INVALID_ICON_HANDLE);
        return FALSE;
    }
    int row = PixelToRow(y);
    for (const std::string& line : picture) {
        PutText(*d, PixelToColumn(x), row++, line, {});
    }
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size) {
    if (FindDC(dc) == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) {
        return FALSE;
    }
    *size = {static_cast<LONG>(length) * kCellWidth, kCellHeight};
    return TRUE;
}

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
    if (FindDC(dc) == nullptr || metrics == nullptr) {
        return FALSE;
    }
    *metrics = TEXTMETRIC{kCellHeight, 10, 3, 0, 0, kCellWidth, kCellWidth};
    return TRUE;
}

namespace win32 {

CellAttr SetCellAttr(HDC dc, CellAttr attr) {
    DC* d = FindDC(dc);
    if (d == nullptr) {
        return CellAttr::None;
    }
    return std::exchange(d->attr, attr);
}

Canvas* CanvasOf(HDC dc, CellRect* clip) {
    DC* d = FindDC(dc);
    if (d == nullptr) {
        return nullptr;
    }
    if (clip != nullptr) {
        *clip = d->clip;
    }
    return CanvasFor(*d);
}

const Canvas* WindowCanvas(HWND hwnd) {
    Window* w = Find(hwnd);
    return w ? &w->canvas : nullptr;
}

} // namespace win32
