// Modal dialogs from a registered template, driven by keys through the queue.
#include "wnd_support.h"

#include <vector>

namespace mfctest {
namespace {

const DLGITEMTEMPLATE kItems[] = {
    {WS_VISIBLE | WS_TABSTOP, 0, 10, 10, 50, 14, 1001, kProbeClass, "one"},
    {WS_VISIBLE | WS_TABSTOP, 0, 10, 30, 50, 14, 1002, kProbeClass, "two"},
};
const DLGTEMPLATE kTemplate{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE,
                            0,
                            0,
                            0,
                            120,
                            80,
                            "Test",
                            "MS Shell Dlg",
                            8,
                            kItems};

class CProbeCtrl : public CWnd {
public:
    std::vector<int>* order = nullptr;
    bool procChangedBefore = false;

protected:
    void PreSubclassWindow() override {
        procChangedBefore =
            GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc);
        order->push_back(GetDlgCtrlID());
    }
};

class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(200u) {
        first.order = &order;
        second.order = &order;
    }
    std::vector<int> order;
    CProbeCtrl first;
    CProbeCtrl second;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 1002, second);
        DDX_Control(pDX, 1001, first);
    }
    void OnSecond() { EndDialog(42); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(1002, &CTestDlg::OnSecond)
END_MESSAGE_MAP()

class DialogModalTest : public MfcWindowTest {
protected:
    void SetUp() override {
        MfcWindowTest::SetUp();
        win32::RegisterDialogTemplate(200, &kTemplate);
    }
};

TEST_F(DialogModalTest, KeysEndTheDialogWithTheirResults) {
    struct Case {
        const char* what;
        std::vector<UINT> keys;
        INT_PTR result;
    };
    const std::vector<Case> cases = {
        {"Escape cancels", {VK_ESCAPE}, IDCANCEL},
        {"Tab to the second control, Space: EndDialog from its handler", {VK_TAB, VK_SPACE}, 42},
        {"no input: the loop ends without a result", {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::function<void()>> steps;
        for (UINT key : c.keys) {
            steps.push_back([key] { win32::PostKeyPress(key); });
        }
        InputScript script(steps);
        CTestDlg dlg;
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        // Data exchange order, and each control bound before its procedure changed.
        EXPECT_EQ(dlg.order, (std::vector<int>{1002, 1001}));
        EXPECT_FALSE(dlg.first.procChangedBefore);
        EXPECT_FALSE(dlg.second.procChangedBefore);
        MSG quit{};
        PeekMessage(&quit, nullptr, 0, 0, PM_REMOVE); // a reposted WM_QUIT
    }
}

TEST_F(DialogModalTest, AMissingTemplateFails) {
    CDialog dlg(999u);
    EXPECT_EQ(dlg.DoModal(), -1);
}

} // namespace
} // namespace mfctest
