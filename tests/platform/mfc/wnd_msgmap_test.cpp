// Message-map dispatch: derived maps before base maps, virtual handlers, commands, and
// notifications reflected to the control that sent them before the parent's map sees them.
#include "wnd_support.h"

#include <string>
#include <vector>

namespace mfctest {
namespace {

inline constexpr UINT WM_FIRST = WM_USER + 1;
inline constexpr UINT WM_SECOND = WM_USER + 2;
inline constexpr UINT WM_THIRD = WM_USER + 3;
inline constexpr UINT WM_UNMAPPED = WM_USER + 4;

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    LRESULT OnFirst(WPARAM, LPARAM) {
        calls.push_back("base first");
        return 1;
    }
    LRESULT OnSecond(WPARAM, LPARAM) {
        calls.push_back("base second");
        return 2;
    }
    virtual LRESULT OnThird(WPARAM, LPARAM) {
        calls.push_back("base third");
        return 3;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_MESSAGE(WM_FIRST, &CBaseWnd::OnFirst)
ON_MESSAGE(WM_SECOND, &CBaseWnd::OnSecond)
ON_MESSAGE(WM_THIRD, &CBaseWnd::OnThird)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
protected:
    LRESULT OnDerivedFirst(WPARAM, LPARAM) {
        calls.push_back("derived first");
        return 10;
    }
    // Only overridden, not mapped: the base map's entry must call it.
    LRESULT OnThird(WPARAM, LPARAM) override {
        calls.push_back("derived third");
        return 30;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_FIRST, &CDerivedWnd::OnDerivedFirst)
END_MESSAGE_MAP()

class MessageMapTest : public MfcWindowTest {};

TEST_F(MessageMapTest, DerivedEntriesComeFirstThenBaseEntriesThenTheDefault) {
    struct Case {
        UINT message;
        LRESULT result;
        const char* call; // nullptr: no handler, DefWindowProc answers
    };
    const Case cases[] = {
        {WM_FIRST, 10, "derived first"},
        {WM_SECOND, 2, "base second"},
        {WM_THIRD, 30, "derived third"},
        {WM_UNMAPPED, 0, nullptr},
    };
    CDerivedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "w", WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr, nullptr));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        wnd.calls.clear();
        EXPECT_EQ(SendMessage(wnd.m_hWnd, c.message, 0, 0), c.result);
        if (c.call != nullptr) {
            EXPECT_EQ(wnd.calls, std::vector<std::string>{c.call});
        } else {
            EXPECT_TRUE(wnd.calls.empty());
        }
    }
}

TEST_F(MessageMapTest, AWindowCreatedByItsObjectIsBoundBeforeItsFirstMessage) {
    struct CCreateWatcher : CWnd {
        UINT first = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (first == 0) {
                first = message;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "w", WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.first, WM_NCCREATE);
}

// A control that handles some of its own notifications.
class CReflectingCtrl : public CWnd {
public:
    std::vector<UINT> seen;
    BOOL answer = FALSE; // what the _EX handler returns

protected:
    void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult) {
        seen.push_back(pNMHDR->code);
        *pResult = 5;
    }
    BOOL OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
        seen.push_back(pNMHDR->code);
        *pResult = 7;
        return answer;
    }
    void OnClicked() { seen.push_back(BN_CLICKED); }
    DECLARE_MESSAGE_MAP()
};

inline constexpr UINT kDblClk = static_cast<UINT>(-3);
inline constexpr UINT kCustomDraw = static_cast<UINT>(-12);
inline constexpr UINT kItemChanged = static_cast<UINT>(-101);
inline constexpr int kCtrlId = 1001;

BEGIN_MESSAGE_MAP(CReflectingCtrl, CWnd)
ON_NOTIFY_REFLECT(kDblClk, &CReflectingCtrl::OnDblClk)
ON_NOTIFY_REFLECT_EX(kCustomDraw, &CReflectingCtrl::OnCustomDraw)
ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingCtrl::OnClicked)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
public:
    std::vector<UINT> seen;

protected:
    void OnChildDblClk(NMHDR* pNMHDR, LRESULT* pResult) { Note(pNMHDR, pResult); }
    void OnChildCustomDraw(NMHDR* pNMHDR, LRESULT*) { seen.push_back(pNMHDR->code); }
    void OnChildItemChanged(NMHDR* pNMHDR, LRESULT* pResult) { Note(pNMHDR, pResult); }
    void OnChildClicked() { seen.push_back(BN_CLICKED); }
    void OnMenuCommand() { seen.push_back(0xE146); }
    void Note(NMHDR* pNMHDR, LRESULT* pResult) {
        seen.push_back(pNMHDR->code);
        *pResult = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_NOTIFY(kDblClk, kCtrlId, &CParentWnd::OnChildDblClk)
ON_NOTIFY(kCustomDraw, kCtrlId, &CParentWnd::OnChildCustomDraw)
ON_NOTIFY(kItemChanged, kCtrlId, &CParentWnd::OnChildItemChanged)
ON_BN_CLICKED(kCtrlId, &CParentWnd::OnChildClicked)
ON_COMMAND(0xE146, &CParentWnd::OnMenuCommand)
END_MESSAGE_MAP()

class ReflectionTest : public MfcWindowTest {
protected:
    void SetUp() override {
        MfcWindowTest::SetUp();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                    nullptr));
        ASSERT_TRUE(ctrl.SubclassWindow(MakeProbe(parent.m_hWnd, kCtrlId)));
    }
    LRESULT Notify(UINT code) {
        NMHDR nm;
        nm.hwndFrom = ctrl.m_hWnd;
        nm.idFrom = kCtrlId;
        nm.code = code;
        return SendMessage(parent.m_hWnd, WM_NOTIFY, kCtrlId, reinterpret_cast<LPARAM>(&nm));
    }
    CParentWnd parent;
    CReflectingCtrl ctrl;
};

TEST_F(ReflectionTest, TheControlSeesItsNotificationFirstAndDecidesWhetherTheParentDoes) {
    struct Case {
        const char* what;
        UINT code;
        BOOL answer;
        bool ctrlSees;
        bool parentSees;
        LRESULT result;
    };
    const Case cases[] = {
        {"reflected: the parent never sees it", kDblClk, FALSE, true, false, 5},
        {"reflected _EX answering TRUE stops it", kCustomDraw, TRUE, true, false, 7},
        {"reflected _EX answering FALSE passes it on", kCustomDraw, FALSE, true, true, 7},
        {"not reflected: only the parent", kItemChanged, FALSE, false, true, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ctrl.seen.clear();
        parent.seen.clear();
        ctrl.answer = c.answer;
        EXPECT_EQ(Notify(c.code), c.result);
        EXPECT_EQ(ctrl.seen, c.ctrlSees ? std::vector<UINT>{c.code} : std::vector<UINT>{});
        EXPECT_EQ(parent.seen, c.parentSees ? std::vector<UINT>{c.code} : std::vector<UINT>{});
    }
}

TEST_F(ReflectionTest, AControlWithoutAnObjectNotifiesOnlyItsParent) {
    HWND plain = MakeProbe(parent.m_hWnd, kCtrlId + 1);
    NMHDR nm;
    nm.hwndFrom = plain;
    nm.idFrom = kCtrlId; // the parent's entry is found by id
    nm.code = kDblClk;
    EXPECT_EQ(SendMessage(parent.m_hWnd, WM_NOTIFY, kCtrlId, reinterpret_cast<LPARAM>(&nm)), 9);
    EXPECT_EQ(parent.seen, std::vector<UINT>{kDblClk});
    EXPECT_TRUE(ctrl.seen.empty());
}

TEST_F(ReflectionTest, CommandsFromControlsAreReflectedAndMenuCommandsGoByIdOnly) {
    // From the control: its ON_CONTROL_REFLECT takes it.
    SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(kCtrlId, BN_CLICKED),
                reinterpret_cast<LPARAM>(ctrl.m_hWnd));
    EXPECT_EQ(ctrl.seen, std::vector<UINT>{BN_CLICKED});
    EXPECT_TRUE(parent.seen.empty());

    // The same id from a window without an object reaches the parent's ON_BN_CLICKED.
    ctrl.seen.clear();
    HWND plain = MakeProbe(parent.m_hWnd, kCtrlId + 1);
    SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(kCtrlId, BN_CLICKED),
                reinterpret_cast<LPARAM>(plain));
    EXPECT_EQ(parent.seen, std::vector<UINT>{BN_CLICKED});

    // A menu command (no control) whatever its code word says.
    parent.seen.clear();
    SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(0xE146, 1), 0);
    EXPECT_EQ(parent.seen, std::vector<UINT>{0xE146});
    EXPECT_TRUE(ctrl.seen.empty());
}

// Run-time class information.
class QBIOLike : public CWnd {
    DECLARE_DYNAMIC(QBIOLike)
};
IMPLEMENT_DYNAMIC(QBIOLike, CWnd)

TEST(RuntimeClassTest, NamesBasesAndDowncasts) {
    QBIOLike gateway;
    CDialog dialog(100u);
    CWnd plain;
    struct Case {
        const CObject* object;
        const char* name;
        const char* base;
        bool isWnd;
        bool isDialog;
    };
    const Case cases[] = {
        {&gateway, "QBIOLike", "CWnd", true, false},
        {&dialog, "CDialog", "CWnd", true, true},
        {&plain, "CWnd", "CCmdTarget", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CRuntimeClass* rc = c.object->GetRuntimeClass();
        EXPECT_STREQ(rc->m_lpszClassName, c.name);
        ASSERT_NE(rc->m_pBaseClass, nullptr);
        EXPECT_STREQ(rc->m_pBaseClass->m_lpszClassName, c.base);
        EXPECT_EQ(c.object->IsKindOf(RUNTIME_CLASS(CWnd)) != FALSE, c.isWnd);
        EXPECT_EQ(c.object->IsKindOf(RUNTIME_CLASS(CDialog)) != FALSE, c.isDialog);
        EXPECT_TRUE(c.object->IsKindOf(RUNTIME_CLASS(CObject)));
        EXPECT_EQ(DYNAMIC_DOWNCAST(CDialog, c.object) != nullptr, c.isDialog);
    }
    CObject* none = nullptr;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CWnd, none), nullptr);
}

} // namespace
} // namespace mfctest
