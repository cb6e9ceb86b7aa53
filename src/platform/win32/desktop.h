// The desktop: the screen the top-level windows live on, the service that shows what only a
// real screen can (message boxes, menus, beeps), and a headless renderer that composes a
// top-level window and its visible children into text, for tests and the terminal front end.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/canvas.h"
#include "platform/win32/geometry.h"
#include "platform/win32/kernel.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// clang-format off
inline constexpr UINT MB_OK                = 0x00000000;
inline constexpr UINT MB_OKCANCEL          = 0x00000001;
inline constexpr UINT MB_ABORTRETRYIGNORE  = 0x00000002;
inline constexpr UINT MB_YESNOCANCEL       = 0x00000003;
inline constexpr UINT MB_YESNO             = 0x00000004;
inline constexpr UINT MB_RETRYCANCEL       = 0x00000005;
inline constexpr UINT MB_CANCELTRYCONTINUE = 0x00000006;
inline constexpr UINT MB_TYPEMASK          = 0x0000000F;
inline constexpr UINT MB_ICONHAND          = 0x00000010;
inline constexpr UINT MB_ICONERROR         = 0x00000010;
inline constexpr UINT MB_ICONSTOP          = 0x00000010;
inline constexpr UINT MB_ICONQUESTION      = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION   = 0x00000030;
inline constexpr UINT MB_ICONWARNING       = 0x00000030;
inline constexpr UINT MB_ICONASTERISK      = 0x00000040;
inline constexpr UINT MB_ICONINFORMATION   = 0x00000040;
inline constexpr UINT MB_ICONMASK          = 0x000000F0;
inline constexpr UINT MB_DEFBUTTON1        = 0x00000000;
inline constexpr UINT MB_DEFBUTTON2        = 0x00000100;
inline constexpr UINT MB_DEFBUTTON3        = 0x00000200;
inline constexpr UINT MB_DEFMASK           = 0x00000F00;
inline constexpr UINT MB_APPLMODAL         = 0x00000000;
inline constexpr UINT MB_SYSTEMMODAL       = 0x00001000;
inline constexpr UINT MB_TASKMODAL         = 0x00002000;
inline constexpr UINT MB_SETFOREGROUND     = 0x00010000;
inline constexpr UINT MB_TOPMOST           = 0x00040000;

inline constexpr int SM_CXSCREEN     = 0;
inline constexpr int SM_CYSCREEN     = 1;
inline constexpr int SM_CXVSCROLL    = 2;
inline constexpr int SM_CYHSCROLL    = 3;
inline constexpr int SM_CYCAPTION    = 4;
inline constexpr int SM_CXBORDER     = 5;
inline constexpr int SM_CYBORDER     = 6;
inline constexpr int SM_CXDLGFRAME   = 7;
inline constexpr int SM_CXFIXEDFRAME = 7;
inline constexpr int SM_CYDLGFRAME   = 8;
inline constexpr int SM_CYFIXEDFRAME = 8;
inline constexpr int SM_CYVSCROLL    = 20;
inline constexpr int SM_CXHSCROLL    = 21;
inline constexpr int SM_CXICON       = 11;
inline constexpr int SM_CYICON       = 12;
inline constexpr int SM_CXCURSOR     = 13;
inline constexpr int SM_CYCURSOR     = 14;
inline constexpr int SM_CYMENU       = 15;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_CXMIN        = 28;
inline constexpr int SM_CYMIN        = 29;
inline constexpr int SM_CXFRAME      = 32;
inline constexpr int SM_CYFRAME      = 33;
inline constexpr int SM_CXDOUBLECLK  = 36;
inline constexpr int SM_CYDOUBLECLK  = 37;
inline constexpr int SM_CXEDGE       = 45;
inline constexpr int SM_CYEDGE       = 46;
inline constexpr int SM_CXSMICON     = 49;
inline constexpr int SM_CYSMICON     = 50;
inline constexpr int SM_CYSMCAPTION  = 51;
// clang-format on

// Pixels, from geometry.h: the frame of a top-level window is one cell wide at the sides and
// one cell tall at the bottom, the caption one cell tall, scroll bars one cell. Borders and
// edges answer 1 pixel; controls draw them inside their client area.
int GetSystemMetrics(int index);

// Returns the id of the button chosen; 0 with ERROR_INVALID_WINDOW_HANDLE for an owner that
// is not a window. A null caption reads "Error", as on Windows.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

namespace win32 {

// What a real screen does for the window system.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Shows a message box and returns the id of the button chosen (IDOK ...).
    virtual int Show(HWND owner, std::string_view text, std::string_view caption, UINT type) = 0;
    // Shows a pop-up menu and returns the id chosen, 0 for none.
    virtual UINT_PTR ChooseMenuItem(HMENU menu, POINT screenPoint, HWND owner);
    virtual void Beep(UINT type);
};

struct MessageBoxRecord {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
    bool operator==(const MessageBoxRecord&) const = default;
};

// The default service: records every box and answers with the box's default button (IDOK
// for MB_OK), or with the answers queued; records beeps; picks queued menu choices.
class RecordingDesktopService : public DesktopService {
public:
    int Show(HWND owner, std::string_view text, std::string_view caption, UINT type) override;
    UINT_PTR ChooseMenuItem(HMENU menu, POINT screenPoint, HWND owner) override;
    void Beep(UINT type) override;

    void QueueAnswer(int id) { m_answers.push_back(id); }
    void QueueMenuChoice(UINT_PTR id) { m_menuChoices.push_back(id); }

    const std::vector<MessageBoxRecord>& Boxes() const { return m_boxes; }
    int Beeps() const { return m_beeps; }
    int MenusShown() const { return m_menusShown; }
    void Clear();

private:
    std::vector<MessageBoxRecord> m_boxes;
    std::vector<int> m_answers;
    std::vector<UINT_PTR> m_menuChoices;
    int m_beeps = 0;
    int m_menusShown = 0;
};

// The service in use; a RecordingDesktopService until one is installed.
DesktopService& GetDesktopService();
// Installs a service (nullptr goes back to a fresh recording one); returns the previous.
std::unique_ptr<DesktopService> SetDesktopService(std::unique_ptr<DesktopService> service);
// The recording service in use, or nullptr when another is installed.
RecordingDesktopService* GetRecordingDesktopService();

class Desktop {
public:
    // The screen in cells (default 132 x 50); GetSystemMetrics(SM_CXSCREEN) follows it.
    static void SetScreenSize(int columns, int rows);
    static int ScreenColumns();
    static int ScreenRows();

    // Top-level windows, bottom first; owned windows are above their owners.
    static std::vector<HWND> TopLevelWindows();

    // Paints what needs painting, then composes the window (frame, caption, client canvas)
    // with its visible children clipped to their parents. Empty for a bad handle.
    static Canvas Compose(HWND topLevel);
    static std::vector<std::string> Render(HWND topLevel);
    // All visible top-level windows at their places on a screen-sized grid.
    static Canvas ComposeScreen();

    // The deepest visible window at a screen cell (children over parents, later siblings
    // over earlier ones, top-level windows in z-order), or nullptr.
    static HWND WindowAtCell(int column, int row);
};

// Destroys every window, empties the queue, removes hooks, timers and the quit flag, and
// puts back a fresh recording service; resources and classes stay. For test fixtures.
void ResetWindowSystem();

} // namespace win32
