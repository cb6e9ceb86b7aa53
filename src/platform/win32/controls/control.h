// What every control shares: the object behind a window, the procedure that finds it, and
// the notifications to the parent.
//
// Objects live in a map from handle to shared_ptr: a message that ends in the window being
// destroyed (a parent reacting to a notification, say) only drops the map's reference, and
// the handler running keeps its object alive until it returns.
#pragma once

#include "platform/win32/windows.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace win32::controls {

class Control {
public:
    explicit Control(HWND hwnd) : m_hwnd(hwnd) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return m_hwnd; }
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    DWORD Style() const { return static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_STYLE)); }
    bool HasFocus() const { return GetFocus() == m_hwnd; }
    void Invalidate() { InvalidateRect(m_hwnd, nullptr, TRUE); }
    std::string Text() const;
    // The WM_NOTIFY to the parent with the header filled in; its answer.
    LRESULT Notify(NMHDR& hdr, UINT code);
    // WM_COMMAND to the parent with the control id and a notification code.
    void Command(WORD code);

    HWND m_hwnd;
};

// The objects of all controls, by handle.
std::unordered_map<HWND, std::shared_ptr<Control>>& Objects();

template <class T>
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& objects = Objects();
    if (msg == WM_NCCREATE) {
        objects[hwnd] = std::make_shared<T>(hwnd, *reinterpret_cast<CREATESTRUCT*>(lParam));
    }
    auto it = objects.find(hwnd);
    if (it == objects.end()) {
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    std::shared_ptr<Control> self = it->second;
    LRESULT result = self->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        objects.erase(hwnd);
    }
    return result;
}

// The object of a control window of class T, or nullptr.
template <class T>
T* ControlOf(HWND hwnd) {
    auto it = Objects().find(hwnd);
    return it == Objects().end() ? nullptr : dynamic_cast<T*>(it->second.get());
}

// A paint pass over the control's canvas.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return m_ps.hdc; }
    // nullptr when the DC could not be made.
    Canvas* Target() const { return m_canvas; }
    const CellRect& Clip() const { return m_clip; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    Canvas* m_canvas = nullptr;
    CellRect m_clip;
};

// A colour as the canvas keeps it: the window's own colours and CLR_NONE / CLR_DEFAULT are
// the terminal's default.
COLORREF CellColor(COLORREF color);
// The style of text drawn enabled or grey.
CellStyle TextStyle(bool enabled, CellAttr extra = CellAttr::None);
// Copies text into a caller's buffer the Windows way: at most size - 1 characters and a NUL;
// returns the number copied.
int CopyText(std::string_view text, LPSTR buffer, int size);

} // namespace win32::controls
