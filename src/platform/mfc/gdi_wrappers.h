// CPoint, CSize and CRect (derived from POINT, SIZE and RECT so they pass wherever those
// go), CMenu, and the device contexts CDC / CPaintDC / CClientDC. CPaintDC is
// BeginPaint/EndPaint as one object, so a handler that returns early still ends the paint.
#pragma once

#include "platform/mfc/cstring.h"
#include "platform/mfc/object.h"
#include "platform/win32/gdi.h"
#include "platform/win32/menu.h"
#include "platform/win32/window.h"

class CWnd;

class CSize : public SIZE {
public:
    CSize() noexcept { cx = cy = 0; }
    CSize(int initCX, int initCY) noexcept {
        cx = initCX;
        cy = initCY;
    }
    CSize(SIZE s) noexcept : SIZE(s) {}
    bool operator==(const SIZE& s) const { return cx == s.cx && cy == s.cy; }
};

class CPoint : public POINT {
public:
    CPoint() noexcept { x = y = 0; }
    CPoint(int initX, int initY) noexcept {
        x = initX;
        y = initY;
    }
    CPoint(POINT p) noexcept : POINT(p) {}
    // The packed coordinates of a mouse message.
    explicit CPoint(LPARAM dwPoint) noexcept {
        x = GET_X_LPARAM(dwPoint);
        y = GET_Y_LPARAM(dwPoint);
    }
    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
};

class CRect : public RECT {
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& r) noexcept : RECT(r) {}
    CRect(POINT topLeft, SIZE size) noexcept
        : CRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT p) const { return ::PtInRect(this, p); }
    void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void NormalizeRect();

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }
};

// A menu handle with MFC's wrappers. A CMenu made by FromHandle is temporary: it does not own
// the menu and is freed by the framework once the menu is gone.
class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    static CMenu* FromHandle(HMENU hMenu);
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return GetSafeHmenu(); }

    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = nullptr);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return GetSafeHdc(); }
    BOOL Attach(HDC hDC);
    HDC Detach();

    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    BOOL DrawIcon(POINT point, HICON hIcon) { return ::DrawIcon(m_hDC, point.x, point.y, hIcon); }
    BOOL TextOut(int x, int y, const CString& str);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    int FillRect(LPCRECT lpRect, HBRUSH hBrush) { return ::FillRect(m_hDC, lpRect, hBrush); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
};

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    PAINTSTRUCT m_ps{};

    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

protected:
    HWND m_hWnd = nullptr;
};

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
