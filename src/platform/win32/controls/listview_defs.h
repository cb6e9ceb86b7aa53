// The list view's and the header's messages, styles, notification codes and structures,
// with the numbers and layouts of the real common controls (8-bit build: the A forms).
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"
#include "platform/win32/messages.h"

inline constexpr const char* WC_LISTVIEW = "SysListView32";
inline constexpr const char* WC_HEADER = "SysHeader32";

// clang-format off
inline constexpr UINT NM_FIRST       = 0;
inline constexpr UINT NM_CLICK       = NM_FIRST - 2;
inline constexpr UINT NM_DBLCLK      = NM_FIRST - 3;
inline constexpr UINT NM_RETURN      = NM_FIRST - 4;
inline constexpr UINT NM_RCLICK      = NM_FIRST - 5;
inline constexpr UINT NM_SETFOCUS    = NM_FIRST - 7;
inline constexpr UINT NM_KILLFOCUS   = NM_FIRST - 8;
inline constexpr UINT NM_CUSTOMDRAW  = NM_FIRST - 12;

inline constexpr UINT LVN_FIRST          = 0u - 100u;
inline constexpr UINT LVN_ITEMCHANGING   = LVN_FIRST - 0;
inline constexpr UINT LVN_ITEMCHANGED    = LVN_FIRST - 1;
inline constexpr UINT LVN_INSERTITEM     = LVN_FIRST - 2;
inline constexpr UINT LVN_DELETEITEM     = LVN_FIRST - 3;
inline constexpr UINT LVN_DELETEALLITEMS = LVN_FIRST - 4;
inline constexpr UINT LVN_COLUMNCLICK    = LVN_FIRST - 8;
inline constexpr UINT LVN_KEYDOWN        = LVN_FIRST - 55;

inline constexpr UINT HDN_FIRST      = 0u - 300u;
inline constexpr UINT HDN_ITEMCLICK  = HDN_FIRST - 2;

inline constexpr UINT LVM_FIRST                = 0x1000;
inline constexpr UINT LVM_GETBKCOLOR           = LVM_FIRST + 0;
inline constexpr UINT LVM_SETBKCOLOR           = LVM_FIRST + 1;
inline constexpr UINT LVM_GETITEMCOUNT         = LVM_FIRST + 4;
inline constexpr UINT LVM_GETITEM              = LVM_FIRST + 5;
inline constexpr UINT LVM_SETITEM              = LVM_FIRST + 6;
inline constexpr UINT LVM_INSERTITEM           = LVM_FIRST + 7;
inline constexpr UINT LVM_DELETEITEM           = LVM_FIRST + 8;
inline constexpr UINT LVM_DELETEALLITEMS       = LVM_FIRST + 9;
inline constexpr UINT LVM_GETNEXTITEM          = LVM_FIRST + 12;
inline constexpr UINT LVM_FINDITEM             = LVM_FIRST + 13;
inline constexpr UINT LVM_GETITEMRECT          = LVM_FIRST + 14;
inline constexpr UINT LVM_HITTEST              = LVM_FIRST + 18;
inline constexpr UINT LVM_ENSUREVISIBLE        = LVM_FIRST + 19;
inline constexpr UINT LVM_SCROLL               = LVM_FIRST + 20;
inline constexpr UINT LVM_REDRAWITEMS          = LVM_FIRST + 21;
inline constexpr UINT LVM_GETCOLUMN            = LVM_FIRST + 25;
inline constexpr UINT LVM_SETCOLUMN            = LVM_FIRST + 26;
inline constexpr UINT LVM_INSERTCOLUMN         = LVM_FIRST + 27;
inline constexpr UINT LVM_DELETECOLUMN         = LVM_FIRST + 28;
inline constexpr UINT LVM_GETCOLUMNWIDTH       = LVM_FIRST + 29;
inline constexpr UINT LVM_SETCOLUMNWIDTH       = LVM_FIRST + 30;
inline constexpr UINT LVM_GETHEADER            = LVM_FIRST + 31;
inline constexpr UINT LVM_GETTEXTCOLOR         = LVM_FIRST + 35;
inline constexpr UINT LVM_SETTEXTCOLOR         = LVM_FIRST + 36;
inline constexpr UINT LVM_GETTEXTBKCOLOR       = LVM_FIRST + 37;
inline constexpr UINT LVM_SETTEXTBKCOLOR       = LVM_FIRST + 38;
inline constexpr UINT LVM_GETTOPINDEX          = LVM_FIRST + 39;
inline constexpr UINT LVM_GETCOUNTPERPAGE      = LVM_FIRST + 40;
inline constexpr UINT LVM_UPDATE               = LVM_FIRST + 42;
inline constexpr UINT LVM_SETITEMSTATE         = LVM_FIRST + 43;
inline constexpr UINT LVM_GETITEMSTATE         = LVM_FIRST + 44;
inline constexpr UINT LVM_GETITEMTEXT          = LVM_FIRST + 45;
inline constexpr UINT LVM_SETITEMTEXT          = LVM_FIRST + 46;
inline constexpr UINT LVM_SORTITEMS            = LVM_FIRST + 48;
inline constexpr UINT LVM_GETSELECTEDCOUNT     = LVM_FIRST + 50;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;
inline constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;
inline constexpr UINT LVM_GETSUBITEMRECT       = LVM_FIRST + 56;
inline constexpr UINT LVM_SUBITEMHITTEST       = LVM_FIRST + 57;

inline constexpr DWORD LVS_ICON            = 0x0000;
inline constexpr DWORD LVS_REPORT          = 0x0001;
inline constexpr DWORD LVS_SMALLICON       = 0x0002;
inline constexpr DWORD LVS_LIST            = 0x0003;
inline constexpr DWORD LVS_TYPEMASK        = 0x0003;
inline constexpr DWORD LVS_SINGLESEL       = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS   = 0x0008;
inline constexpr DWORD LVS_SORTASCENDING   = 0x0010;
inline constexpr DWORD LVS_SORTDESCENDING  = 0x0020;
inline constexpr DWORD LVS_SHAREIMAGELISTS = 0x0040;
inline constexpr DWORD LVS_NOLABELWRAP     = 0x0080;
inline constexpr DWORD LVS_AUTOARRANGE     = 0x0100;
inline constexpr DWORD LVS_EDITLABELS      = 0x0200;
inline constexpr DWORD LVS_OWNERDATA       = 0x1000;
inline constexpr DWORD LVS_NOSCROLL        = 0x2000;
inline constexpr DWORD LVS_ALIGNTOP        = 0x0000;
inline constexpr DWORD LVS_ALIGNLEFT       = 0x0800;
inline constexpr DWORD LVS_NOCOLUMNHEADER  = 0x4000;
inline constexpr DWORD LVS_NOSORTHEADER    = 0x8000;

inline constexpr DWORD LVS_EX_GRIDLINES       = 0x00000001;
inline constexpr DWORD LVS_EX_SUBITEMIMAGES   = 0x00000002;
inline constexpr DWORD LVS_EX_CHECKBOXES      = 0x00000004; // state images 1 (clear), 2 (ticked)
inline constexpr DWORD LVS_EX_TRACKSELECT     = 0x00000008;
inline constexpr DWORD LVS_EX_HEADERDRAGDROP  = 0x00000010;
inline constexpr DWORD LVS_EX_FULLROWSELECT   = 0x00000020; // the whole row shows the selection
inline constexpr DWORD LVS_EX_ONECLICKACTIVATE = 0x00000040;
inline constexpr DWORD LVS_EX_TWOCLICKACTIVATE = 0x00000080;
inline constexpr DWORD LVS_EX_INFOTIP         = 0x00000400;
inline constexpr DWORD LVS_EX_LABELTIP        = 0x00004000;
inline constexpr DWORD LVS_EX_DOUBLEBUFFER    = 0x00010000;

inline constexpr UINT LVIF_TEXT   = 0x0001;
inline constexpr UINT LVIF_IMAGE  = 0x0002;
inline constexpr UINT LVIF_PARAM  = 0x0004;
inline constexpr UINT LVIF_STATE  = 0x0008;
inline constexpr UINT LVIF_INDENT = 0x0010;

inline constexpr UINT LVIS_FOCUSED        = 0x0001;
inline constexpr UINT LVIS_SELECTED       = 0x0002;
inline constexpr UINT LVIS_CUT            = 0x0004;
inline constexpr UINT LVIS_DROPHILITED    = 0x0008;
inline constexpr UINT LVIS_OVERLAYMASK    = 0x0F00;
inline constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;

inline constexpr UINT LVNI_ALL      = 0x0000;
inline constexpr UINT LVNI_FOCUSED  = 0x0001;
inline constexpr UINT LVNI_SELECTED = 0x0002;

inline constexpr int LVIR_BOUNDS       = 0;
inline constexpr int LVIR_ICON         = 1;
inline constexpr int LVIR_LABEL        = 2;
inline constexpr int LVIR_SELECTBOUNDS = 3;

inline constexpr UINT LVFI_PARAM     = 0x0001;
inline constexpr UINT LVFI_STRING    = 0x0002;
inline constexpr UINT LVFI_SUBSTRING = 0x0004;
inline constexpr UINT LVFI_PARTIAL   = 0x0008;
inline constexpr UINT LVFI_WRAP      = 0x0020;

inline constexpr UINT LVHT_NOWHERE         = 0x0001;
inline constexpr UINT LVHT_ONITEMICON      = 0x0002;
inline constexpr UINT LVHT_ONITEMLABEL     = 0x0004;
inline constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
inline constexpr UINT LVHT_ONITEM          = 0x000E;

inline constexpr UINT LVCF_FMT     = 0x0001;
inline constexpr UINT LVCF_WIDTH   = 0x0002;
inline constexpr UINT LVCF_TEXT    = 0x0004;
inline constexpr UINT LVCF_SUBITEM = 0x0008;
inline constexpr UINT LVCF_IMAGE   = 0x0010;
inline constexpr UINT LVCF_ORDER   = 0x0020;

inline constexpr int LVCFMT_LEFT        = 0x0000;
inline constexpr int LVCFMT_RIGHT       = 0x0001;
inline constexpr int LVCFMT_CENTER      = 0x0002;
inline constexpr int LVCFMT_JUSTIFYMASK = 0x0003;

inline constexpr UINT HDM_FIRST        = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
inline constexpr UINT HDM_INSERTITEM   = HDM_FIRST + 1;
inline constexpr UINT HDM_DELETEITEM   = HDM_FIRST + 2;
inline constexpr UINT HDM_GETITEM      = HDM_FIRST + 3;
inline constexpr UINT HDM_SETITEM      = HDM_FIRST + 4;
inline constexpr UINT HDM_GETITEMRECT  = HDM_FIRST + 7;

inline constexpr UINT HDI_WIDTH  = 0x0001;
inline constexpr UINT HDI_HEIGHT = HDI_WIDTH;
inline constexpr UINT HDI_TEXT   = 0x0002;
inline constexpr UINT HDI_FORMAT = 0x0004;
inline constexpr UINT HDI_LPARAM = 0x0008;

inline constexpr int HDF_LEFT      = 0x0000;
inline constexpr int HDF_RIGHT     = 0x0001;
inline constexpr int HDF_CENTER    = 0x0002;
inline constexpr int HDF_JUSTIFYMASK = 0x0003;
inline constexpr int HDF_SORTDOWN  = 0x0200; // drawn as v after the title
inline constexpr int HDF_SORTUP    = 0x0400; // drawn as ^ after the title
inline constexpr int HDF_STRING    = 0x4000;

inline constexpr DWORD CDDS_PREPAINT      = 0x00000001;
inline constexpr DWORD CDDS_POSTPAINT     = 0x00000002;
inline constexpr DWORD CDDS_ITEM          = 0x00010000;
inline constexpr DWORD CDDS_SUBITEM       = 0x00020000;
inline constexpr DWORD CDDS_ITEMPREPAINT  = CDDS_ITEM | CDDS_PREPAINT;
inline constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;

inline constexpr LRESULT CDRF_DODEFAULT         = 0x00000000;
inline constexpr LRESULT CDRF_NEWFONT           = 0x00000002;
inline constexpr LRESULT CDRF_SKIPDEFAULT       = 0x00000004;
inline constexpr LRESULT CDRF_NOTIFYPOSTPAINT   = 0x00000010;
inline constexpr LRESULT CDRF_NOTIFYITEMDRAW    = 0x00000020;
inline constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x00000020;

inline constexpr UINT CDIS_SELECTED = 0x0001;
inline constexpr UINT CDIS_FOCUS    = 0x0010;

inline constexpr COLORREF CLR_NONE    = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;
// clang-format on

// Check boxes are state images 1 (clear) and 2 (ticked) in bits 12-15 of the state.
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT i) {
    return i << 12;
}

using PFNLVCOMPARE = int (*)(LPARAM, LPARAM, LPARAM);

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    LPSTR pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
    int iIndent = 0;
};
using LPLVITEM = LVITEM*;

struct LVCOLUMN {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    LPSTR pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
    int iImage = 0;
    int iOrder = 0;
};
using LPLVCOLUMN = LVCOLUMN*;

struct LVFINDINFO {
    UINT flags = 0;
    LPCSTR psz = nullptr;
    LPARAM lParam = 0;
    POINT pt{};
    UINT vkDirection = 0;
};

struct LVHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
    int iItem = 0;
    int iSubItem = 0;
};

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
};
using LPNMLISTVIEW = NMLISTVIEW*;

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc = nullptr;
    RECT rc{};
    DWORD_PTR dwItemSpec = 0;
    UINT uItemState = 0;
    LPARAM lItemlParam = 0;
};
using LPNMCUSTOMDRAW = NMCUSTOMDRAW*;

struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
    COLORREF clrTextBk = 0;
    int iSubItem = 0;
};
using LPNMLVCUSTOMDRAW = NMLVCUSTOMDRAW*;

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};

struct HDITEM {
    UINT mask = 0;
    int cxy = 0;
    LPSTR pszText = nullptr;
    HBITMAP hbm = nullptr;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
    int iImage = 0;
    int iOrder = 0;
};
using LPHDITEM = HDITEM*;

struct NMHEADER {
    NMHDR hdr;
    int iItem = 0;
    int iButton = 0;
    HDITEM* pitem = nullptr;
};
using LPNMHEADER = NMHEADER*;
