// The list and header wrappers against the real list view: what the system's list relies on
// (texts of any length, item data, check boxes, selection, the header's columns).
#include "platform/mfc/afx.h"
#include "platform/win32/controls/registration.h"
#include "wnd_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class CListCtrlTest : public mfctest::MfcWindowTest {
protected:
    void SetUp() override {
        MfcWindowTest::SetUp();
        win32::controls::InstallControlClasses();
        win32::controls::RegisterControlClasses(ICC_LISTVIEW_CLASSES);
        m_parent = mfctest::MakeTopLevelProbe("owner");
        HWND list =
            ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300, 200,
                             m_parent, reinterpret_cast<HMENU>(1000), nullptr, nullptr);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(m_list.SubclassWindow(list));
        ASSERT_EQ(m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 120), 0);
        ASSERT_EQ(m_list.InsertColumn(1, "Amount", LVCFMT_RIGHT, 80, 1), 1);
    }
    void TearDown() override {
        m_list.DestroyWindow();
        ::DestroyWindow(m_parent);
        MfcWindowTest::TearDown();
    }
    void AddRows(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const int at = m_list.GetItemCount();
            ASSERT_EQ(m_list.InsertItem(at, name), at);
        }
    }

    HWND m_parent = nullptr;
    CListCtrl m_list;
};

TEST_F(CListCtrlTest, ColumnsReachTheHeaderWithTheirFormatAndWidth) {
    CHeaderCtrl* header = m_list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header, m_list.GetHeaderCtrl()) << "one wrapper per header window";
    ASSERT_EQ(header->GetItemCount(), 2);

    struct Case {
        int column;
        const char* text;
        int justify;
        int width;
    };
    for (const Case& c : {Case{0, "Name", HDF_LEFT, 120}, Case{1, "Amount", HDF_RIGHT, 80}}) {
        char text[32] = {};
        HDITEM item;
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ASSERT_TRUE(header->GetItem(c.column, &item)) << c.column;
        EXPECT_STREQ(text, c.text);
        EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, c.justify) << c.text;
        EXPECT_EQ(item.cxy, c.width) << c.text;
        EXPECT_EQ(m_list.GetColumnWidth(c.column), c.width) << c.text;
    }

    // A sort mark set through the header must stay on the header item.
    HDITEM mark;
    mark.mask = HDI_FORMAT;
    mark.fmt = HDF_STRING | HDF_RIGHT | HDF_SORTUP;
    ASSERT_TRUE(header->SetItem(1, &mark));
    HDITEM back;
    back.mask = HDI_FORMAT;
    ASSERT_TRUE(header->GetItem(1, &back));
    EXPECT_EQ(back.fmt & HDF_SORTUP, HDF_SORTUP);

    ASSERT_TRUE(m_list.SetColumnWidth(0, 150));
    LVCOLUMN column;
    column.mask = LVCF_WIDTH;
    ASSERT_TRUE(m_list.GetColumn(0, &column));
    EXPECT_EQ(column.cx, 150);
}

TEST_F(CListCtrlTest, ItemTextOfAnyLengthComesBackWhole) {
    AddRows({"first"});
    const std::string longText(1000, 'x');
    struct Case {
        int subItem;
        std::string text;
    };
    for (const Case& c :
         {Case{0, ""}, Case{0, std::string(255, 'a')}, Case{1, longText}, Case{1, "12.50"}}) {
        ASSERT_TRUE(m_list.SetItemText(0, c.subItem, c.text.c_str()));
        EXPECT_EQ(std::string(m_list.GetItemText(0, c.subItem)), c.text) << c.text.size();
    }
    // A short buffer gets a terminated prefix, never an overrun.
    char small[4] = {'?', '?', '?', '?'};
    EXPECT_EQ(m_list.GetItemText(0, 1, small, 4), 3);
    EXPECT_STREQ(small, "12.");
    EXPECT_EQ(std::string(m_list.GetItemText(5, 0)), "") << "no such row";
}

TEST_F(CListCtrlTest, ItemDataFollowsItsRowThroughInsertDeleteAndSort) {
    AddRows({"b", "c", "a"});
    const DWORD_PTR data[] = {20, 30, 10};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(m_list.SetItemData(i, data[i]));
    }
    ASSERT_TRUE(m_list.SortItems(
        [](LPARAM a, LPARAM b, LPARAM) { return static_cast<int>(a) - static_cast<int>(b); }, 0));
    struct Row {
        const char* name;
        DWORD_PTR data;
    };
    auto expectRows = [&](std::initializer_list<Row> rows) {
        ASSERT_EQ(m_list.GetItemCount(), static_cast<int>(rows.size()));
        int i = 0;
        for (const Row& r : rows) {
            EXPECT_EQ(std::string(m_list.GetItemText(i, 0)), r.name) << i;
            EXPECT_EQ(m_list.GetItemData(i), r.data) << i;
            ++i;
        }
    };
    expectRows({{"a", 10}, {"b", 20}, {"c", 30}});

    ASSERT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, 1, "m", 0, 0, 0, 15), 1);
    expectRows({{"b", 20}, {"m", 15}, {"c", 30}});

    LVFINDINFO find;
    find.flags = LVFI_PARAM;
    find.lParam = 30;
    EXPECT_EQ(m_list.FindItem(&find), 2);
    find.flags = LVFI_STRING;
    find.psz = "m";
    EXPECT_EQ(m_list.FindItem(&find), 1);

    EXPECT_EQ(m_list.GetItemData(7), 0u) << "no such row";
    EXPECT_FALSE(m_list.SetItemData(7, 1));
    ASSERT_TRUE(m_list.DeleteAllItems());
    EXPECT_EQ(m_list.GetItemCount(), 0);
}

TEST_F(CListCtrlTest, ChecksAndSelectionAreKeptApart) {
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(m_list.GetExtendedStyle() & (LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
              LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    AddRows({"r0", "r1", "r2"});

    struct Case {
        int item;
        BOOL check;
    };
    for (const Case& c : {Case{0, TRUE}, Case{2, TRUE}, Case{0, FALSE}}) {
        ASSERT_TRUE(m_list.SetCheck(c.item, c.check));
        EXPECT_EQ(m_list.GetCheck(c.item), c.check) << c.item;
    }
    EXPECT_FALSE(m_list.GetCheck(1));
    EXPECT_TRUE(m_list.GetCheck(2));
    EXPECT_EQ(m_list.GetSelectedCount(), 0u) << "a tick is no selection";

    ASSERT_TRUE(m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(m_list.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
    EXPECT_EQ(m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(m_list.GetNextItem(1, LVNI_SELECTED), -1);
    EXPECT_EQ(m_list.GetSelectedCount(), 1u);
    EXPECT_TRUE(m_list.GetCheck(2)) << "selecting must not clear a tick";
}

TEST_F(CListCtrlTest, ColoursAndGeometryRoundTrip) {
    ASSERT_TRUE(m_list.SetTextColor(RGB(1, 2, 3)));
    ASSERT_TRUE(m_list.SetTextBkColor(RGB(4, 5, 6)));
    ASSERT_TRUE(m_list.SetBkColor(RGB(7, 8, 9)));
    EXPECT_EQ(m_list.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(m_list.GetTextBkColor(), RGB(4, 5, 6));
    EXPECT_EQ(m_list.GetBkColor(), RGB(7, 8, 9));

    AddRows({"r0", "r1"});
    RECT row{};
    ASSERT_TRUE(m_list.GetItemRect(1, &row, LVIR_BOUNDS));
    RECT cell{};
    ASSERT_TRUE(m_list.GetSubItemRect(1, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(cell.top, row.top) << "the subitem lies on its row";
    EXPECT_EQ(cell.right - cell.left, 80);
    EXPECT_GE(cell.left, 120);
    EXPECT_FALSE(m_list.GetItemRect(5, &row, LVIR_BOUNDS));
    EXPECT_EQ(m_list.GetTopIndex(), 0);
    EXPECT_GT(m_list.GetCountPerPage(), 0);
}

} // namespace
