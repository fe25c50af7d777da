// A sizer bar in a real dialog, driven by the mouse and keys: Escape in a drag ends the
// drag and leaves the dialog open, a quick second press drags again without a double-click
// notice, and a window that takes the capture or ends the layout as it loses the focus leaves
// the cursor free.
#include "dialog_template.h"
#include "vxHorizLayout.h"
#include "vxSizerBar.h"
#include "vxtest.h"

#include <gtest/gtest.h>

namespace {

const WORD kLeftId = 201, kRightId = 202, kBarId = 210;

class BarDialog : public CDialog
{
public:
    vxHorizLayout* m_pLayout = nullptr;
    vxSizerBar m_bar;
    int m_nCancel = 0;
    vxtest::MessageRecorder m_recorder;

    virtual BOOL OnInitDialog()
    {
        m_pLayout = new vxHorizLayout(this);
        m_bar.SubclassDlgItem(kBarId, this, m_pLayout);
        m_pLayout->SetHeight(200);
        m_pLayout->AddItem(kLeftId, StyleFixed);
        m_pLayout->SetItemSize(0, 0, 100);
        m_pLayout->AddSplitterItem(0, 0, &m_bar);
        m_pLayout->SetItemSize(0, 1, 6);
        m_pLayout->AddItem(kRightId, StyleStretch);
        m_pLayout->SetSplitterWnd(0, 1, 0, 2);
        m_pLayout->CalcLayout(this);
        m_recorder.Attach(m_hWnd);
        return CDialog::OnInitDialog();
    }
    virtual void OnCancel() { ++m_nCancel; }
    void Done()
    {
        m_recorder.Detach();
        DestroyWindow();
        delete m_pLayout;
    }
};

struct SizerBarInDialog : ::testing::Test {
    vxtest::DialogTemplate tpl{300, 150};
    BarDialog dlg;
    RECT freeClip = {};

    vxtest::PreTranslateFn plainPump = nullptr;

    void SetUp() override
    {
        // Pumped as the framework's loop pumps: dialog keys go through the dialog manager.
        plainPump = vxtest::SetPreTranslate(AfxPreTranslateMessage);
        tpl.Item(vxtest::DialogTemplate::kStatic, SS_GRAYRECT, 0, 0, 10, 10, kLeftId)
            .Item(vxtest::DialogTemplate::kStatic, SS_NOTIFY, 0, 0, 4, 10, kBarId)
            .Item(vxtest::DialogTemplate::kEdit, WS_TABSTOP | WS_BORDER, 0, 0, 10, 10, kRightId)
            .Item(vxtest::DialogTemplate::kButton, WS_TABSTOP, 200, 120, 50, 14, IDCANCEL, "Cancel");
        ::GetClipCursor(&freeClip);
        ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
        ::SetForegroundWindow(dlg.m_hWnd);
        vxtest::PumpMessages();
    }
    void TearDown() override
    {
        ::ClipCursor(NULL);
        dlg.Done();
        vxtest::PumpMessages();
        vxtest::SetPreTranslate(plainPump);
    }
    static void Pump(DWORD ms) { vxtest::PumpFor(ms); }
    POINT OnBar() { return vxtest::CentreOf(dlg.m_bar.m_hWnd); }
    bool Clipped()
    {
        RECT clip;
        ::GetClipCursor(&clip);
        return !::EqualRect(&clip, &freeClip);
    }
};

TEST_F(SizerBarInDialog, EscapeEndsTheDragAndLeavesTheDialogOpen)
{
    ::SetFocus(::GetDlgItem(dlg.m_hWnd, kRightId));
    vxtest::MouseMove(OnBar());
    vxtest::MouseDown();
    Pump(50);
    ASSERT_EQ(::GetCapture(), dlg.m_bar.m_hWnd);
    ASSERT_TRUE(Clipped());
    vxtest::KeyPress(VK_ESCAPE);
    Pump(50);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_FALSE(Clipped());
    EXPECT_EQ(dlg.m_nCancel, 0);
    vxtest::MouseUp();
    Pump(30);
    // Without a drag Escape is the dialog's again.
    vxtest::KeyPress(VK_ESCAPE);
    Pump(50);
    EXPECT_EQ(dlg.m_nCancel, 1);
}

TEST_F(SizerBarInDialog, QuickSecondPressDragsAgainWithoutADoubleClickNotice)
{
    const POINT at = OnBar();
    vxtest::MouseMove(at);
    vxtest::Click(at);
    Pump(20);
    vxtest::MouseDown();                     // within the double-click time
    Pump(50);
    EXPECT_EQ(::GetCapture(), dlg.m_bar.m_hWnd);
    EXPECT_TRUE(Clipped());
    vxtest::MouseMove({at.x + 30, at.y});
    Pump(50);
    vxtest::MouseUp();
    Pump(50);
    EXPECT_EQ(vxtest::PlaceIn(dlg.m_hWnd, ::GetDlgItem(dlg.m_hWnd, kLeftId)).right, 130);
    const auto dblclk = dlg.m_recorder.Filter([](const vxtest::RecordedMessage& m) {
        return m.message == WM_COMMAND && HIWORD(m.wParam) == STN_DBLCLK;
    });
    EXPECT_TRUE(dblclk.empty());
}

// The edit, losing the focus to a press on the bar, takes the capture (as some controls do)
// or has its owner delete the layout: no drag begins, and the cursor is left free.
BarDialog* s_pDialog = NULL;
bool s_bDeleteLayout = false;
WNDPROC s_editProc = NULL;
LRESULT CALLBACK ActsOnLosingTheFocus(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KILLFOCUS) {
        if (!s_bDeleteLayout) {
            ::SetCapture(hwnd);
        } else if (s_pDialog->m_pLayout != NULL) {
            delete s_pDialog->m_pLayout;
            s_pDialog->m_pLayout = NULL;
        }
    }
    return ::CallWindowProcA(s_editProc, hwnd, message, wParam, lParam);
}

TEST_F(SizerBarInDialog, TheWindowLosingTheFocusTakesTheCaptureOrEndsTheLayout)
{
    HWND hEdit = ::GetDlgItem(dlg.m_hWnd, kRightId);
    s_pDialog = &dlg;
    s_editProc = (WNDPROC)::SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)ActsOnLosingTheFocus);
    for (bool bDelete : {false, true}) {
        SCOPED_TRACE(bDelete ? "layout deleted" : "capture taken");
        s_bDeleteLayout = bDelete;
        ::SetFocus(hEdit);
        Pump(20);
        vxtest::MouseMove(OnBar());
        vxtest::MouseDown();
        Pump(50);
        EXPECT_NE(::GetCapture(), dlg.m_bar.m_hWnd);
        EXPECT_FALSE(Clipped());
        if (bDelete) {
            EXPECT_EQ(::GetCapture(), (HWND)NULL);
            EXPECT_EQ(::GetFocus(), hEdit);      // given back
        }
        vxtest::MouseUp();
        Pump(20);
        ::ReleaseCapture();
    }
    ::SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)s_editProc);
}

} // namespace
