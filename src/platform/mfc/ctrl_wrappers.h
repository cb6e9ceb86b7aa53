// Thin wrappers over the controls' messages: each member sends one message, as MFC's do.
// CListCtrl's InsertItem, SetItemData, GetItemData and DeleteAllItems are not virtual, so a
// derived list that hides them is not reached through a CListCtrl pointer.
#pragma once

#include "platform/mfc/cstring.h"
#include "platform/mfc/oledatetime.h"
#include "platform/mfc/wnd.h"
#include "platform/win32/controls/datetime_defs.h"
#include "platform/win32/controls/listview_defs.h"
#include "platform/win32/controls/progress_defs.h"
#include "platform/win32/controls/user_controls_defs.h"

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void LimitText(int nChars = 0);
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetPos(int nPos);
    int GetPos() const;
    int SetStep(int nStep);
    int StepIt();
    int OffsetPos(int nPos);
};

class CMonthCalCtrl : public CWnd {};

class CDateTimeCtrl : public CWnd {
public:
    // FALSE when the control holds no date (DTS_SHOWNONE unticked) or cannot answer.
    BOOL GetTime(COleDateTime& timeDest) const;
    DWORD GetTime(SYSTEMTIME* pTimeDest) const;
    BOOL SetTime(const COleDateTime& timeNew);
    CMonthCalCtrl* GetMonthCalCtrl() const;
};

class CComboBox : public CWnd {
public:
    int AddString(LPCTSTR lpszString);
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    BOOL GetDroppedState() const;
    void ShowDropDown(BOOL bShowIt = TRUE);
};

class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEM* pHeaderItem);
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);

    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;

    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);

    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, RECT& ref) const;
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL Scroll(SIZE size);
    BOOL RedrawItems(int nFirst, int nLast);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    CHeaderCtrl* GetHeaderCtrl() const;

    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
};
