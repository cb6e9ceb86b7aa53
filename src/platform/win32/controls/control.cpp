#include "platform/win32/controls/control.h"

#include <algorithm>
#include <cstring>

namespace win32::controls {

std::unordered_map<HWND, std::shared_ptr<Control>>& Objects() {
    static std::unordered_map<HWND, std::shared_ptr<Control>> objects;
    return objects;
}

LRESULT Control::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(m_hwnd, msg, wParam, lParam);
}

std::string Control::Text() const {
    int n = GetWindowTextLength(m_hwnd);
    std::string text(static_cast<size_t>(std::max(n, 0)) + 1, '\0');
    int got = GetWindowText(m_hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

LRESULT Control::Notify(NMHDR& hdr, UINT code) {
    hdr.hwndFrom = m_hwnd;
    hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(m_hwnd));
    hdr.code = code;
    HWND parent = GetParent(m_hwnd);
    if (parent == nullptr) {
        return 0;
    }
    return SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

void Control::Command(WORD code) {
    HWND parent = GetParent(m_hwnd);
    if (parent == nullptr) {
        return;
    }
    WORD id = static_cast<WORD>(GetDlgCtrlID(m_hwnd));
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(m_hwnd));
}

PaintScope::PaintScope(HWND hwnd) : m_hwnd(hwnd) {
    BeginPaint(hwnd, &m_ps);
    m_canvas = CanvasOf(m_ps.hdc, &m_clip);
}

PaintScope::~PaintScope() {
    EndPaint(m_hwnd, &m_ps);
}

COLORREF CellColor(COLORREF color) {
    if (color == CLR_INVALID || color == kDefaultColor || color == GetSysColor(COLOR_WINDOW) ||
        color == GetSysColor(COLOR_WINDOWTEXT)) {
        return kDefaultColor;
    }
    return color;
}

CellStyle TextStyle(bool enabled, CellAttr extra) {
    CellStyle style;
    style.attr = enabled ? extra : (extra | CellAttr::Grey);
    return style;
}

int CopyText(std::string_view text, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace win32::controls
