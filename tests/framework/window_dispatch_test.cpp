// Message maps, Default(), reflection and subclassing on real windows.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <string>
#include <vector>

#include "fault_injection.h"
#include "vxtest.h"

using namespace vxtest;

namespace {

const UINT kChildId = 41;

// Records its handlers in order and lets the window procedure continue where asked.
class ProbeWnd : public CWnd
{
public:
    std::vector<std::string> calls;
    LRESULT appResult = 7;
    int lastSizeCx = -1, lastSizeCy = -1;
    int createCount = 0;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++createCount;
        calls.push_back("create");
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        lastSizeCx = cx;
        lastSizeCy = cy;
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM lParam)
    {
        calls.push_back("app " + std::to_string(wParam) + " " + std::to_string(lParam));
        return appResult;
    }
    afx_msg void OnChildClicked() { calls.push_back("clicked"); }
    afx_msg void OnCommandRange(UINT nID) { calls.push_back("range " + std::to_string(nID)); }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        calls.push_back("timer " + std::to_string(nIDEvent));
        KillTimer(nIDEvent);
    }
    afx_msg void OnDestroy()
    {
        calls.push_back("destroy");
        CWnd::OnDestroy();
    }
    virtual void PostNcDestroy() { calls.push_back("postncdestroy"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_APP + 1, &ProbeWnd::OnApp)
    ON_BN_CLICKED(kChildId, &ProbeWnd::OnChildClicked)
    ON_COMMAND_RANGE(200, 210, &ProbeWnd::OnCommandRange)
END_MESSAGE_MAP()

// A derived class adds an entry and inherits the rest.
class DerivedProbeWnd : public ProbeWnd
{
public:
    afx_msg LRESULT OnApp2(WPARAM, LPARAM) { calls.push_back("app2"); return 11; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbeWnd, ProbeWnd)
    ON_MESSAGE(WM_APP + 2, &DerivedProbeWnd::OnApp2)
END_MESSAGE_MAP()

// A button that handles its own click and, through _EX, lets the parent see it as well.
class SelfClickButton : public CButton
{
public:
    int ownClicks = 0;
    BOOL passOn = FALSE;
    afx_msg BOOL OnReflectedClick()
    {
        ++ownClicks;
        return !passOn;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfClickButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &SelfClickButton::OnReflectedClick)
END_MESSAGE_MAP()

// An owner-drawn list box that counts its reflected draw and measure calls.
class CountingListBox : public CListBox
{
public:
    int draws = 0, measures = 0;
    virtual void DrawItem(LPDRAWITEMSTRUCT) { ++draws; }
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpmis)
    {
        ++measures;
        lpmis->itemHeight = 19;
    }
    virtual int CompareItem(LPCOMPAREITEMSTRUCT) { return -1; }
};

} // namespace

TEST(FrameworkDispatch, CreationHandlersAndMapChainInOrder)
{
    HostWindow host;
    DerivedProbeWnd wnd;
    {
        // The creation hook is given back once the window is made.
        vxtest::FaultInjector injector;
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T("probe"), WS_CHILD | WS_VISIBLE,
                                 CRect(10, 10, 210, 110), CWnd::FromHandle(host.Hwnd()), 5));
        EXPECT_EQ(injector.LiveHooks(), 0);
        EXPECT_GT(injector.Count(vxtest::Request::Hook), 0);
    }
    EXPECT_EQ(1, wnd.createCount);
    EXPECT_EQ(200, wnd.lastSizeCx);
    EXPECT_EQ(100, wnd.lastSizeCy);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    // The base's entry, the derived entry, and a message with no entry (default result).
    EXPECT_EQ(7, ::SendMessage(wnd.m_hWnd, WM_APP + 1, 3, 4));
    EXPECT_EQ(11, ::SendMessage(wnd.m_hWnd, WM_APP + 2, 0, 0));
    EXPECT_EQ(0, ::SendMessage(wnd.m_hWnd, WM_APP + 3, 0, 0));
    // The same message again comes from the lookup cache and still reaches the handler.
    wnd.appResult = 9;
    EXPECT_EQ(9, ::SendMessage(wnd.m_hWnd, WM_APP + 1, 5, 6));
    ASSERT_EQ(4u, wnd.calls.size());
    EXPECT_EQ("create", wnd.calls[0]);
    EXPECT_EQ("app 3 4", wnd.calls[1]);
    EXPECT_EQ("app2", wnd.calls[2]);
    EXPECT_EQ("app 5 6", wnd.calls[3]);

    // Timers reach OnTimer through the queue.
    wnd.SetTimer(3, 10, NULL);
    EXPECT_TRUE(PumpUntil([&] { return wnd.calls.back() == "timer 3"; }));

    // Destruction: WM_DESTROY handler, then PostNcDestroy, then the binding is gone.
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    ASSERT_GE(wnd.calls.size(), 2u);
    EXPECT_EQ("destroy", wnd.calls[wnd.calls.size() - 2]);
    EXPECT_EQ("postncdestroy", wnd.calls.back());
    EXPECT_FALSE(wnd.DestroyWindow()); // no window any more

    // A class whose name is as short as the input method's is bound like any other.
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = _T("Box");
    ASSERT_TRUE(AfxRegisterClass(&wc));
    ProbeWnd shortName;
    ASSERT_TRUE(shortName.CreateEx(0, _T("Box"), _T(""), WS_CHILD, CRect(0, 0, 10, 10),
                                   CWnd::FromHandle(host.Hwnd()), 6));
    EXPECT_EQ(1, shortName.createCount);
    shortName.DestroyWindow();
}

TEST(FrameworkDispatch, CommandsReflectionAndOwnerDrawnChildren)
{
    HostWindow host;
    ProbeWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300),
                                CWnd::FromHandle(host.Hwnd()), 1));
    CButton plain;
    ASSERT_TRUE(plain.Create(_T("plain"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 100, 40), &parent, kChildId));
    // A real click on a plain button reaches the parent's ON_BN_CLICKED entry.
    Click(CentreOf(plain.m_hWnd));
    EXPECT_TRUE(PumpUntil([&] { return !parent.calls.empty() && parent.calls.back() == "clicked"; }));

    // The control handles its own notification; the parent sees it only when told to.
    SelfClickButton self;
    ASSERT_TRUE(self.Create(_T("self"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 50, 100, 80), &parent, kChildId));
    parent.calls.clear();
    ::SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), (LPARAM)self.m_hWnd);
    EXPECT_EQ(1, self.ownClicks);
    EXPECT_TRUE(parent.calls.empty());
    self.passOn = TRUE;
    ::SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), (LPARAM)self.m_hWnd);
    EXPECT_EQ(2, self.ownClicks);
    ASSERT_EQ(1u, parent.calls.size());
    EXPECT_EQ("clicked", parent.calls[0]);

    // Menu-style commands by id range.
    parent.calls.clear();
    ::SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(205, 0), 0);
    ::SendMessage(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(211, 0), 0);
    ASSERT_EQ(1u, parent.calls.size());
    EXPECT_EQ("range 205", parent.calls[0]);

    // Owner-drawn list: measure during creation and draw while painting come back to it.
    CountingListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(120, 10, 300, 200),
                            &parent, 77));
    EXPECT_GE(list.measures, 1);
    EXPECT_EQ(19, list.GetItemHeight(0));
    list.AddString(_T("one"));
    list.AddString(_T("two"));
    list.UpdateWindow();
    PumpMessages();
    EXPECT_GE(list.draws, 2);
    // The answer the list gives is the parent's answer.
    COMPAREITEMSTRUCT compare = {};
    compare.CtlType = ODT_LISTBOX;
    compare.CtlID = 77;
    compare.hwndItem = list.m_hWnd;
    EXPECT_EQ(::SendMessage(parent.m_hWnd, WM_COMPAREITEM, 77, (LPARAM)&compare), -1);
}

TEST(FrameworkDispatch, SubclassDefaultAndUnsubclass)
{
    HostWindow host;
    HWND hEdit = ::CreateWindowEx(0, _T("EDIT"), _T("abc"), WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, host.Hwnd(), (HMENU)9,
                                  NULL, NULL);
    // A temporary wrapper until a permanent object is bound.
    CWnd* pTemp = CWnd::FromHandle(hEdit);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));

    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(9, CWnd::FromHandle(host.Hwnd())));
    EXPECT_EQ(&edit, CWnd::FromHandle(hEdit));
    EXPECT_FALSE(CEdit().SubclassWindow(hEdit)); // bound already
    // Default() reaches the edit's own procedure.
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(_T("abc"), text);
    edit.SetWindowText(_T("xyz"));
    edit.SetSel(1, 2);
    int from = -1, to = -1;
    edit.GetSel(from, to);
    EXPECT_EQ(1, from);
    EXPECT_EQ(2, to);

    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    EXPECT_EQ(NULL, edit.m_hWnd);
    TCHAR buffer[8] = {};
    ::GetWindowText(hEdit, buffer, _countof(buffer));
    EXPECT_STREQ(_T("xyz"), buffer);            // the window works on without the object
    ::DestroyWindow(hEdit);

    // Bad input: dead or null handles change nothing.
    EXPECT_FALSE(edit.SubclassWindow(NULL));
    EXPECT_FALSE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    EXPECT_FALSE(edit.SubclassDlgItem(9, NULL));
}

TEST(FrameworkDispatch, TemporaryObjectsAreFreedAndObjectsDestroyTheirWindows)
{
    HostWindow host;
    GuiCounts before = GuiCounts::Now();
    for (int i = 0; i < 50; ++i) {
        CWnd* pWnd = new CWnd;
        ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD, CRect(0, 0, 10, 10),
                                   CWnd::FromHandle(host.Hwnd()), 100 + i));
        CWnd::FromHandle(::GetDlgItem(host.Hwnd(), 100 + i)); // permanent, not a new wrapper
        delete pWnd;                                          // takes the window with it
        CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    }
    CWnd::DeleteTempMap();
    AfxDeleteTempGdiMaps();
    EXPECT_EQ(before, GuiCounts::Now()) << ToString(GuiCounts::Now());
}
