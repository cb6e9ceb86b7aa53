// Painting: invalidation, paint and window device contexts, and the few drawing calls the
// controls need, all drawing into the window's character-cell canvas. Pixel positions snap
// to cells (column = x / 6, row = y / 13).
//
// System colours become attributes, so controls written the Windows way look right: text
// on COLOR_HIGHLIGHT is reverse, COLOR_GRAYTEXT text is grey, and the window's own text and
// background colours (COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT) are the
// terminal's defaults. Any other colour is kept in the cell.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/canvas.h"
#include "platform/win32/kernel.h"

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint{};
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
};

// clang-format off
inline constexpr int COLOR_SCROLLBAR     = 0;
inline constexpr int COLOR_BACKGROUND    = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU          = 4;
inline constexpr int COLOR_WINDOW        = 5;
inline constexpr int COLOR_WINDOWFRAME   = 6;
inline constexpr int COLOR_MENUTEXT      = 7;
inline constexpr int COLOR_WINDOWTEXT    = 8;
inline constexpr int COLOR_CAPTIONTEXT   = 9;
inline constexpr int COLOR_ACTIVEBORDER  = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE  = 12;
inline constexpr int COLOR_HIGHLIGHT     = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE       = 15;
inline constexpr int COLOR_3DFACE        = 15;
inline constexpr int COLOR_BTNSHADOW     = 16;
inline constexpr int COLOR_GRAYTEXT      = 17;
inline constexpr int COLOR_BTNTEXT       = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT  = 20;
inline constexpr int COLOR_3DDKSHADOW    = 21;
inline constexpr int COLOR_3DLIGHT       = 22;
inline constexpr int COLOR_INFOTEXT      = 23;
inline constexpr int COLOR_INFOBK        = 24;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE      = 2;

inline constexpr UINT DT_TOP          = 0x00000000;
inline constexpr UINT DT_LEFT         = 0x00000000;
inline constexpr UINT DT_CENTER       = 0x00000001;
inline constexpr UINT DT_RIGHT        = 0x00000002;
inline constexpr UINT DT_VCENTER      = 0x00000004;
inline constexpr UINT DT_BOTTOM       = 0x00000008;
inline constexpr UINT DT_WORDBREAK    = 0x00000010;
inline constexpr UINT DT_SINGLELINE   = 0x00000020;
inline constexpr UINT DT_EXPANDTABS   = 0x00000040;
inline constexpr UINT DT_NOCLIP       = 0x00000100;
inline constexpr UINT DT_CALCRECT     = 0x00000400;
inline constexpr UINT DT_NOPREFIX     = 0x00000800; // '&' is shown, not a mnemonic mark
inline constexpr UINT DT_EDITCONTROL  = 0x00002000;
inline constexpr UINT DT_END_ELLIPSIS = 0x00008000;
inline constexpr UINT DT_HIDEPREFIX   = 0x00100000;

inline constexpr int WHITE_BRUSH      = 0;
inline constexpr int LTGRAY_BRUSH     = 1;
inline constexpr int GRAY_BRUSH       = 2;
inline constexpr int DKGRAY_BRUSH     = 3;
inline constexpr int BLACK_BRUSH      = 4;
inline constexpr int NULL_BRUSH       = 5;
inline constexpr int HOLLOW_BRUSH     = 5;
inline constexpr int SYSTEM_FONT      = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
// clang-format on

// Invalidation. A NULL window invalidates every top-level window and its children.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd); // sends WM_PAINT now when the window needs painting

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
HBRUSH CreateSolidBrush(COLORREF color);
HGDIOBJ GetStockObject(int object);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length);
// Returns the height of the text in pixels; DT_CALCRECT only measures.
int DrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);

namespace win32 {

// Attributes added to what the DC draws next (on top of those the colours give). Returns the
// previous ones.
CellAttr SetCellAttr(HDC dc, CellAttr attr);
// The canvas a DC draws on and the cells it may touch; nullptr for a bad DC.
Canvas* CanvasOf(HDC dc, CellRect* clip = nullptr);
// The canvas of a window as last painted (tests, the desktop); nullptr for a bad handle.
const Canvas* WindowCanvas(HWND hwnd);

} // namespace win32
