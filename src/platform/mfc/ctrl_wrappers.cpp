#include "platform/mfc/ctrl_wrappers.h"

#include "platform/win32/queue.h"
#include "platform/win32/window.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace {

template <typename T>
LRESULT Send(const T* wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessage(wnd->m_hWnd, message, wParam, lParam);
}

template <typename P>
LPARAM AsParam(P* p) {
    return reinterpret_cast<LPARAM>(p);
}

// A control of the right class for a handle: its own object when one of that class is
// attached, else a temporary that lives until its window is gone and another is asked for.
template <typename T>
T* TypedFromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (auto* typed = dynamic_cast<T*>(CWnd::FromHandlePermanent(hWnd))) {
        return typed;
    }
    thread_local std::unordered_map<HWND, std::unique_ptr<T>> temporaries;
    if (auto it = temporaries.find(hWnd); it != temporaries.end() && ::IsWindow(hWnd)) {
        return it->second.get();
    }
    // Handles are reused, so a dead window's wrapper must not answer for a new one.
    for (auto it = temporaries.begin(); it != temporaries.end();) {
        if (it->first == hWnd || !::IsWindow(it->first)) {
            it->second->m_hWnd = nullptr;
            it = temporaries.erase(it);
        } else {
            ++it;
        }
    }
    if (!::IsWindow(hWnd)) {
        return nullptr;
    }
    auto wnd = std::make_unique<T>();
    wnd->m_hWnd = hWnd;
    return temporaries.emplace(hWnd, std::move(wnd)).first->second.get();
}

} // namespace

// CButton

int CButton::GetCheck() const {
    return static_cast<int>(Send(this, BM_GETCHECK));
}

void CButton::SetCheck(int nCheck) {
    Send(this, BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

UINT CButton::GetState() const {
    return static_cast<UINT>(Send(this, BM_GETSTATE));
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    Send(this, BM_SETSTYLE, nStyle, bRedraw);
}

// CEdit

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    Send(this, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) {
        Send(this, EM_SCROLLCARET);
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0;
    DWORD end = 0;
    Send(this, EM_GETSEL, reinterpret_cast<WPARAM>(&start), AsParam(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    Send(this, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::LimitText(int nChars) {
    Send(this, EM_LIMITTEXT, static_cast<WPARAM>(nChars));
}

// CProgressCtrl

void CProgressCtrl::SetRange(short nLower, short nUpper) {
    Send(this, PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nLower), static_cast<WORD>(nUpper)));
}

void CProgressCtrl::SetRange32(int nLower, int nUpper) {
    Send(this, PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    PBRANGE range;
    Send(this, PBM_GETRANGE, FALSE, AsParam(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::SetPos(int nPos) {
    return static_cast<int>(Send(this, PBM_SETPOS, static_cast<WPARAM>(nPos)));
}

int CProgressCtrl::GetPos() const {
    return static_cast<int>(Send(this, PBM_GETPOS));
}

int CProgressCtrl::SetStep(int nStep) {
    return static_cast<int>(Send(this, PBM_SETSTEP, static_cast<WPARAM>(nStep)));
}

int CProgressCtrl::StepIt() {
    return static_cast<int>(Send(this, PBM_STEPIT));
}

int CProgressCtrl::OffsetPos(int nPos) {
    return static_cast<int>(Send(this, PBM_DELTAPOS, static_cast<WPARAM>(nPos)));
}

// CDateTimeCtrl

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* pTimeDest) const {
    return static_cast<DWORD>(Send(this, DTM_GETSYSTEMTIME, 0, AsParam(pTimeDest)));
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const {
    SYSTEMTIME st{};
    if (GetTime(&st) != GDT_VALID) {
        return FALSE;
    }
    timeDest = COleDateTime(st);
    return TRUE;
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew) {
    SYSTEMTIME st{};
    // An invalid date must not reach the control as some arbitrary day.
    if (timeNew.GetStatus() != COleDateTime::valid || !timeNew.GetAsSystemTime(st)) {
        return FALSE;
    }
    return static_cast<BOOL>(Send(this, DTM_SETSYSTEMTIME, GDT_VALID, AsParam(&st)));
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const {
    return TypedFromHandle<CMonthCalCtrl>(reinterpret_cast<HWND>(Send(this, DTM_GETMONTHCAL)));
}

// CComboBox

int CComboBox::AddString(LPCTSTR lpszString) {
    return static_cast<int>(Send(this, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(Send(this, CB_GETCURSEL));
}

int CComboBox::SetCurSel(int nSelect) {
    return static_cast<int>(Send(this, CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(Send(this, CB_GETDROPPEDSTATE));
}

void CComboBox::ShowDropDown(BOOL bShowIt) {
    Send(this, CB_SHOWDROPDOWN, bShowIt);
}

// CHeaderCtrl

int CHeaderCtrl::GetItemCount() const {
    return static_cast<int>(Send(this, HDM_GETITEMCOUNT));
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const {
    return static_cast<BOOL>(
        Send(this, HDM_GETITEM, static_cast<WPARAM>(nPos), AsParam(pHeaderItem)));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem) {
    return static_cast<BOOL>(
        Send(this, HDM_SETITEM, static_cast<WPARAM>(nPos), AsParam(pHeaderItem)));
}

// CListCtrl

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return static_cast<int>(
        Send(this, LVM_INSERTCOLUMN, static_cast<WPARAM>(nCol), AsParam(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    return static_cast<BOOL>(
        Send(this, LVM_GETCOLUMN, static_cast<WPARAM>(nCol), AsParam(pColumn)));
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return static_cast<int>(Send(this, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return static_cast<BOOL>(Send(this, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol),
                                  MAKELPARAM(static_cast<WORD>(cx), 0)));
}

int CListCtrl::InsertItem(const LVITEM* pItem) {
    return static_cast<int>(Send(this, LVM_INSERTITEM, 0, AsParam(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
    LVITEM item;
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(Send(this, LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(Send(this, LVM_DELETEALLITEMS));
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(Send(this, LVM_GETITEMCOUNT));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LVITEM item;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(
        Send(this, LVM_SETITEMTEXT, static_cast<WPARAM>(nItem), AsParam(&item)));
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    if (lpszText == nullptr || nLen <= 0) {
        return 0;
    }
    LVITEM item;
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    return static_cast<int>(
        Send(this, LVM_GETITEMTEXT, static_cast<WPARAM>(nItem), AsParam(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // The control copies at most the buffer less one; a full buffer may mean more text.
    std::vector<char> buffer(256);
    for (;;) {
        int length = GetItemText(nItem, nSubItem, buffer.data(), static_cast<int>(buffer.size()));
        if (length < static_cast<int>(buffer.size()) - 1) {
            return CString(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEM item;
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItem(const LVITEM* pItem) {
    return static_cast<BOOL>(Send(this, LVM_SETITEM, 0, AsParam(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    LVITEM item;
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    return static_cast<BOOL>(Send(this, LVM_GETITEM, 0, AsParam(pItem)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item;
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(
        Send(this, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), AsParam(&item)));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(Send(this, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return static_cast<int>(Send(this, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem),
                                 MAKELPARAM(static_cast<WORD>(nFlags), 0)));
}

UINT CListCtrl::GetSelectedCount() const {
    return static_cast<UINT>(Send(this, LVM_GETSELECTEDCOUNT));
}

BOOL CListCtrl::GetCheck(int nItem) const {
    // State image 2 is the ticked box, 1 the clear one.
    return ((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1 ? TRUE : FALSE;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck) {
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(Send(this, LVM_GETEXTENDEDLISTVIEWSTYLE));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(
        Send(this, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return static_cast<BOOL>(
        Send(this, LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare)));
}

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    return static_cast<int>(
        Send(this, LVM_FINDITEM, static_cast<WPARAM>(nStart), AsParam(pFindInfo)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return static_cast<BOOL>(Send(this, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, RECT& ref) const {
    // The control reads the subitem and the area from the rectangle it is given.
    ref.top = iSubItem;
    ref.left = nArea;
    return static_cast<BOOL>(
        Send(this, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem), AsParam(&ref)));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (lpRect == nullptr) {
        return FALSE;
    }
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(
        Send(this, LVM_GETITEMRECT, static_cast<WPARAM>(nItem), AsParam(lpRect)));
}

BOOL CListCtrl::Scroll(SIZE size) {
    return static_cast<BOOL>(Send(this, LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy));
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    return static_cast<BOOL>(Send(this, LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast));
}

int CListCtrl::GetTopIndex() const {
    return static_cast<int>(Send(this, LVM_GETTOPINDEX));
}

int CListCtrl::GetCountPerPage() const {
    return static_cast<int>(Send(this, LVM_GETCOUNTPERPAGE));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    return TypedFromHandle<CHeaderCtrl>(reinterpret_cast<HWND>(Send(this, LVM_GETHEADER)));
}

COLORREF CListCtrl::GetTextColor() const {
    return static_cast<COLORREF>(Send(this, LVM_GETTEXTCOLOR));
}

BOOL CListCtrl::SetTextColor(COLORREF cr) {
    return static_cast<BOOL>(Send(this, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr)));
}

COLORREF CListCtrl::GetTextBkColor() const {
    return static_cast<COLORREF>(Send(this, LVM_GETTEXTBKCOLOR));
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
    return static_cast<BOOL>(Send(this, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr)));
}

COLORREF CListCtrl::GetBkColor() const {
    return static_cast<COLORREF>(Send(this, LVM_GETBKCOLOR));
}

BOOL CListCtrl::SetBkColor(COLORREF cr) {
    return static_cast<BOOL>(Send(this, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr)));
}
