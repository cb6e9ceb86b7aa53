// The headless desktop: screen metrics, the desktop service and the composer that turns
// windows into text.
#include "platform/win32/desktop.h"

#include "platform/win32/dialog.h"
#include "platform/win32/gdi.h"
#include "platform/win32/menu.h"
#include "platform/win32/window_manager.h"

#include <algorithm>
#include <array>

using namespace win32;
using namespace win32::detail;

namespace win32::detail {
void ResetDCs();
void RemoveAllHooks();
} // namespace win32::detail

namespace {

int g_screenColumns = 132;
int g_screenRows = 50;

std::unique_ptr<win32::DesktopService>& Service() {
    static std::unique_ptr<win32::DesktopService> service =
        std::make_unique<win32::RecordingDesktopService>();
    return service;
}

bool Framed(const Window& w) {
    RECT nc = NonClientInsets(w.style, w.exStyle);
    return nc.left != 0 || nc.top != 0;
}

// The cells a top-level window covers on the screen, and where its client area starts.
CellRect TopLevelCells(const Window& w, int* clientCol, int* clientRow) {
    int left = PixelToColumn(w.rect.left);
    int top = PixelToRow(w.rect.top);
    int f = Framed(w) ? 1 : 0;
    *clientCol = left + f;
    *clientRow = top + f;
    return {left, top, left + w.canvas.Width() + 2 * f, top + w.canvas.Height() + 2 * f};
}

void PaintTree(HWND hwnd) {
    Window* w = Find(hwnd);
    if (w == nullptr || (w->style & WS_VISIBLE) == 0) {
        return;
    }
    UpdateWindow(hwnd);
    if ((w = Find(hwnd)) == nullptr) {
        return;
    }
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        PaintTree(c);
    }
}

void DrawTree(win32::Canvas& out, HWND hwnd, int col, int row, const win32::CellRect& clip) {
    Window* w = Find(hwnd);
    if (w == nullptr) {
        return;
    }
    out.Blit(w->canvas, col, row, clip);
    win32::CellRect inner =
        win32::Intersect(clip, {col, row, col + w->canvas.Width(), row + w->canvas.Height()});
    // Bottom of the z-order first, so the top ends up drawn over the rest.
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        Window* c = Find(*it);
        if (c == nullptr || (c->style & WS_VISIBLE) == 0) {
            continue;
        }
        DrawTree(out, *it, col + PixelToColumn(c->rect.left), row + PixelToRow(c->rect.top), inner);
    }
}

void DrawFrame(win32::Canvas& out, const Window& w, const win32::CellRect& cells) {
    out.Frame(cells);
    bool active = S().active == w.hwnd;
    win32::CellStyle title{active ? win32::CellAttr::Bold : win32::CellAttr::None};
    int closeWidth = (w.style & WS_SYSMENU) ? 3 : 0;
    int room = cells.Width() - 2 - closeWidth - 2;
    if ((w.style & WS_CAPTION) == WS_CAPTION && room > 0 && !w.text.empty()) {
        std::string text = " " + w.text.substr(0, static_cast<size_t>(room)) + " ";
        out.Put(cells.left + 1, cells.top, text, title);
    }
    if (closeWidth != 0 && cells.Width() >= closeWidth + 2) {
        out.Put(cells.right - 1 - closeWidth, cells.top, "[X]");
    }
}

void ComposeTopLevel(win32::Canvas& out, const Window& w, int dx, int dy) {
    int clientCol = 0;
    int clientRow = 0;
    win32::CellRect cells = TopLevelCells(w, &clientCol, &clientRow);
    cells = {cells.left + dx, cells.top + dy, cells.right + dx, cells.bottom + dy};
    if (w.style & WS_MINIMIZE) {
        out.Put(cells.left, cells.top, "[" + w.text + "]");
        return;
    }
    if (Framed(w)) {
        DrawFrame(out, w, cells);
    }
    win32::CellRect client{clientCol + dx, clientRow + dy, clientCol + dx + w.canvas.Width(),
                           clientRow + dy + w.canvas.Height()};
    DrawTree(out, w.hwnd, clientCol + dx, clientRow + dy, win32::Intersect(client, out.Bounds()));
}

HWND HitTree(HWND hwnd, int col, int row, int atCol, int atRow, const win32::CellRect& clip) {
    Window* w = Find(hwnd);
    win32::CellRect inner =
        win32::Intersect(clip, {col, row, col + w->canvas.Width(), row + w->canvas.Height()});
    for (HWND c : w->children) {
        Window* cw = Find(c);
        if (cw == nullptr || (cw->style & WS_VISIBLE) == 0) {
            continue;
        }
        int cc = col + PixelToColumn(cw->rect.left);
        int cr = row + PixelToRow(cw->rect.top);
        win32::CellRect area =
            win32::Intersect(inner, {cc, cr, cc + cw->canvas.Width(), cr + cw->canvas.Height()});
        if (area.Contains(atCol, atRow)) {
            return HitTree(c, cc, cr, atCol, atRow, inner);
        }
    }
    return hwnd;
}

int DefaultAnswer(UINT type) {
    static const std::array<std::vector<int>, 7> buttons{{
        {IDOK},
        {IDOK, IDCANCEL},
        {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL},
        {IDYES, IDNO},
        {IDRETRY, IDCANCEL},
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE},
    }};
    UINT kind = type & MB_TYPEMASK;
    const std::vector<int>& choice = kind < buttons.size() ? buttons[kind] : buttons[0];
    size_t def = (type & MB_DEFMASK) >> 8;
    return choice[def < choice.size() ? def : 0];
}

} // namespace

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
        return g_screenColumns * kCellWidth;
    case SM_CYSCREEN:
        return g_screenRows * kCellHeight;
    case SM_CYFULLSCREEN:
        return (g_screenRows - 1) * kCellHeight;
    case SM_CXVSCROLL:
    case SM_CXHSCROLL:
    case SM_CXDLGFRAME:
    case SM_CXFRAME:
    case SM_CXMIN:
        return kCellWidth;
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CYCAPTION:
    case SM_CYSMCAPTION:
    case SM_CYMENU:
    case SM_CYDLGFRAME:
    case SM_CYFRAME:
    case SM_CYMIN:
        return kCellHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 1;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return kIconSize;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return kSmallIconSize;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    default:
        return 0;
    }
}

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (owner != nullptr && FindOrFail(owner) == nullptr) {
        return 0;
    }
    return win32::GetDesktopService().Show(owner, text ? text : "", caption ? caption : "Error",
                                           type);
}

void MessageBeep(UINT type) {
    win32::GetDesktopService().Beep(type);
}

namespace win32 {

UINT_PTR DesktopService::ChooseMenuItem(HMENU, POINT, HWND) {
    return 0;
}
void DesktopService::Beep(UINT) {}

int RecordingDesktopService::Show(HWND owner, std::string_view text, std::string_view caption,
                                  UINT type) {
    m_boxes.push_back({owner, std::string(text), std::string(caption), type});
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
    }
    return DefaultAnswer(type);
}

UINT_PTR RecordingDesktopService::ChooseMenuItem(HMENU, POINT, HWND) {
    ++m_menusShown;
    if (m_menuChoices.empty()) {
        return 0;
    }
    UINT_PTR id = m_menuChoices.front();
    m_menuChoices.erase(m_menuChoices.begin());
    return id;
}

void RecordingDesktopService::Beep(UINT) {
    ++m_beeps;
}

void RecordingDesktopService::Clear() {
    m_boxes.clear();
    m_answers.clear();
    m_menuChoices.clear();
    m_beeps = 0;
    m_menusShown = 0;
}

DesktopService& GetDesktopService() {
    return *Service();
}

std::unique_ptr<DesktopService> SetDesktopService(std::unique_ptr<DesktopService> service) {
    std::unique_ptr<DesktopService> old = std::move(Service());
    Service() = service ? std::move(service) : std::make_unique<RecordingDesktopService>();
    return old;
}

RecordingDesktopService* GetRecordingDesktopService() {
    return dynamic_cast<RecordingDesktopService*>(Service().get());
}

void Desktop::SetScreenSize(int columns, int rows) {
    g_screenColumns = std::max(columns, 1);
    g_screenRows = std::max(rows, 1);
    if (Window* d = Find(S().desktop)) {
        d->rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
}
int Desktop::ScreenColumns() {
    return g_screenColumns;
}
int Desktop::ScreenRows() {
    return g_screenRows;
}

std::vector<HWND> Desktop::TopLevelWindows() {
    std::vector<HWND> result;
    for (HWND h : S().topLevels) {
        if (Find(h) != nullptr) {
            result.push_back(h);
        }
    }
    return result;
}

Canvas Desktop::Compose(HWND topLevel) {
    Window* w = Find(topLevel);
    if (w == nullptr || topLevel == S().desktop) {
        return {};
    }
    topLevel = TopLevelOf(topLevel);
    PaintTree(topLevel);
    if ((w = Find(topLevel)) == nullptr) {
        return {};
    }
    int clientCol = 0;
    int clientRow = 0;
    CellRect cells = TopLevelCells(*w, &clientCol, &clientRow);
    if (w->style & WS_MINIMIZE) {
        cells = {cells.left, cells.top, cells.left + static_cast<int>(w->text.size()) + 2,
                 cells.top + 1};
    }
    Canvas out(cells.Width(), cells.Height());
    ComposeTopLevel(out, *w, -cells.left, -cells.top);
    return out;
}

std::vector<std::string> Desktop::Render(HWND topLevel) {
    return Compose(topLevel).Lines();
}

Canvas Desktop::ComposeScreen() {
    Canvas out(g_screenColumns, g_screenRows);
    for (HWND h : TopLevelWindows()) {
        if (Window* w = Find(h); w && (w->style & WS_VISIBLE)) {
            PaintTree(h);
        }
    }
    for (HWND h : TopLevelWindows()) {
        if (Window* w = Find(h); w && (w->style & WS_VISIBLE)) {
            ComposeTopLevel(out, *w, 0, 0);
        }
    }
    return out;
}

HWND Desktop::WindowAtCell(int column, int row) {
    auto& tops = S().topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* w = Find(*it);
        if (w == nullptr || (w->style & WS_VISIBLE) == 0) {
            continue;
        }
        int clientCol = 0;
        int clientRow = 0;
        CellRect cells = TopLevelCells(*w, &clientCol, &clientRow);
        if (!cells.Contains(column, row)) {
            continue;
        }
        CellRect client{clientCol, clientRow, clientCol + w->canvas.Width(),
                        clientRow + w->canvas.Height()};
        if ((w->style & WS_MINIMIZE) || !client.Contains(column, row)) {
            return *it;
        }
        return HitTree(*it, clientCol, clientRow, column, row, client);
    }
    return nullptr;
}

void ResetWindowSystem() {
    auto& s = S();
    // Owners take their owned windows with them; repeat until nothing is left.
    while (true) {
        std::vector<HWND> tops = Desktop::TopLevelWindows();
        std::erase(tops, s.desktop);
        if (tops.empty()) {
            break;
        }
        DestroyWindow(tops.back());
        if (Find(tops.back()) != nullptr) {
            s.windows.erase(tops.back()); // a window that refuses to go
            std::erase(s.topLevels, tops.back());
        }
    }
    RemoveAllHooks();
    ResetQueue();
    ResetDCs();
    s.focus = nullptr;
    s.active = nullptr;
    s.capture = nullptr;
    s.focusAfterActivation = nullptr;
    SetDesktopService(nullptr);
    Desktop::SetScreenSize(132, 50);
}

} // namespace win32
