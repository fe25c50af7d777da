// The framework's object model under an unkind host: a self-deleting window whose creation
// fails, a temporary object whose handle is subclassed, temporaries freed by a plain
// AfxPumpMessage loop at idle only, and exceptions that handlers throw.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "vxtest.h"

using namespace vxtest;

namespace {

// Deletes itself when its window goes, as frames and tips do; can refuse its creation.
class SelfDeletingWnd : public CWnd
{
public:
    explicit SelfDeletingWnd(int* pDeletes, bool bRefuse) : m_pDeletes(pDeletes), m_bRefuse(bRefuse) {}
    virtual ~SelfDeletingWnd() { ++*m_pDeletes; }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) { return m_bRefuse ? -1 : CWnd::OnCreate(lpcs); }
    virtual void PostNcDestroy() { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    int* m_pDeletes;
    bool m_bRefuse;
};

BEGIN_MESSAGE_MAP(SelfDeletingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(FrameworkObjectModel, SelfDeletingWindowWhoseCreationFailsIsDeletedOnceAndLeftAlone)
{
    HostWindow host;
    auto round = [&] {
        // Refused in WM_CREATE: gone through WM_NCDESTROY and PostNcDestroy.
        int deletes = 0;
        SelfDeletingWnd* pWnd = new SelfDeletingWnd(&deletes, true);
        EXPECT_FALSE(pWnd->CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD, CRect(0, 0, 10, 10),
                                    CWnd::FromHandle(host.Hwnd()), 7));
        EXPECT_EQ(deletes, 1);
        // No such class: no window ever, and the object still hears of its end.
        deletes = 0;
        pWnd = new SelfDeletingWnd(&deletes, false);
        EXPECT_FALSE(pWnd->CreateEx(0, _T("no.such.class"), _T(""), WS_CHILD, CRect(0, 0, 10, 10),
                                    CWnd::FromHandle(host.Hwnd()), 7));
        EXPECT_EQ(deletes, 1);
    };
    round();                         // first uses (class registration, maps) out of the count
    CWnd::DeleteTempMap();
    const GuiCounts before = GuiCounts::Now();
    const size_t bytesBefore = HeapBytesInUse();
    for (int i = 0; i < 200; ++i)
        round();
    CWnd::DeleteTempMap();
    EXPECT_EQ(GuiCounts::Now(), before) << ToString(GuiCounts::Now());
    EXPECT_LT(HeapBytesInUse(), bytesBefore + 8 * 1024);
}

TEST(FrameworkObjectModel, TemporaryObjectLivesOnWhenItsHandleIsSubclassed)
{
    HostWindow host;
    HWND hChild = ::CreateWindowExA(0, "Static", "child", WS_CHILD, 0, 0, 10, 10, host.Hwnd(),
                                    NULL, ::GetModuleHandleA(NULL), NULL);
    CWnd* pTemp = CWnd::FromHandle(hChild);
    CWnd permanent;
    ASSERT_TRUE(permanent.SubclassWindow(hChild));
    // The caller's temporary still names the window until the idle pass; lookups find the
    // permanent object first.
    EXPECT_EQ(pTemp->GetSafeHwnd(), hChild);
    TCHAR text[16] = {};
    pTemp->GetWindowText(text, _countof(text));
    EXPECT_STREQ(text, _T("child"));
    EXPECT_EQ(CWnd::FromHandle(hChild), &permanent);
    CWnd::DeleteTempMap();
    EXPECT_EQ(CWnd::FromHandle(hChild), &permanent);
    EXPECT_EQ(permanent.UnsubclassWindow(), hChild);
    ::DestroyWindow(hChild);
}

// A plain host loop of AfxPumpMessage frees temporary objects once the queue is empty, but
// never under a handler or a modal loop of the framework, whose callers may hold them.
TEST(FrameworkObjectModel, PlainPumpFreesTemporariesAtIdleOnly)
{
    HostWindow host;
    std::vector<HWND> windows;
    for (int i = 0; i < 300; ++i)
        windows.push_back(::CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 5, 5, host.Hwnd(), NULL,
                                            ::GetModuleHandleA(NULL), NULL));
    auto makeTemporaries = [&] {
        for (HWND h : windows)
            CWnd::FromHandle(h);
    };
    // Pumps from inside a framework handler.
    class PumpingWnd : public CWnd
    {
    public:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_APP) {
                ::PostMessage(m_hWnd, WM_NULL, 0, 0);
                AfxPumpMessage();
                return 1;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } pumping;
    ASSERT_TRUE(pumping.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD, CRect(0, 0, 5, 5),
                                 CWnd::FromHandle(host.Hwnd()), 9));
    // A first round, so that what the loop and the maps make on first use is not counted.
    auto pumpUntilIdle = [&] {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
            ASSERT_TRUE(AfxPumpMessage());
        ::PostMessage(host.Hwnd(), WM_NULL, 0, 0);
        ASSERT_TRUE(AfxPumpMessage());
    };
    makeTemporaries();
    pumping.SendMessage(WM_APP);
    pumpUntilIdle();
    const size_t bytesBefore = HeapBytesInUse();
    makeTemporaries();
    const size_t bytesWithTemporaries = HeapBytesInUse();
    ASSERT_GT(bytesWithTemporaries, bytesBefore + 300 * 32);

    // Pumped from inside a framework handler: the temporaries stay.
    makeTemporaries();
    const size_t bytesInHandler = HeapBytesInUse();
    pumping.SendMessage(WM_APP);
    EXPECT_GE(HeapBytesInUse() + 1024, bytesInHandler);

    // The outermost loop, once its queue is empty: freed.
    pumpUntilIdle();
    // Far below the temporaries' share; the handler window's own records stay.
    EXPECT_LT(HeapBytesInUse(), bytesBefore + (bytesWithTemporaries - bytesBefore) / 2);

    // Temporary GDI objects go at the same idle pass.
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 300; ++i)
        brushes.push_back(::CreateSolidBrush(RGB(i, 0, 0)));
    auto makeGdiTemporaries = [&] {
        for (HBRUSH h : brushes)
            CBrush::FromHandle(h);
    };
    makeGdiTemporaries();
    pumpUntilIdle();
    const size_t gdiBefore = HeapBytesInUse();
    makeGdiTemporaries();
    const size_t gdiWithTemporaries = HeapBytesInUse();
    ASSERT_GT(gdiWithTemporaries, gdiBefore + 300 * 16);
    pumpUntilIdle();
    EXPECT_LT(HeapBytesInUse(), gdiBefore + (gdiWithTemporaries - gdiBefore) / 2);
    for (HBRUSH h : brushes)
        ::DeleteObject(h);
    pumping.DestroyWindow();
    for (HWND h : windows)
        ::DestroyWindow(h);
}

// Throws from its handlers what a host's code may throw.
class ThrowingWnd : public CWnd
{
public:
    enum Kind { None, Framework, Memory, Other };
    Kind kind = None;
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Throw();
        return CWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnApp(WPARAM, LPARAM)
    {
        Throw();
        return 5;
    }
    void Throw()
    {
        switch (kind) {
        case Framework: throw new CResourceException;
        case Memory: throw std::bad_alloc();
        case Other: throw std::runtime_error("host");
        case None: break;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP, &ThrowingWnd::OnApp)
END_MESSAGE_MAP()

// The application's hook for exceptions that handlers let go.
class RecordingApp : public CWinApp
{
public:
    std::vector<std::pair<CRuntimeClass*, UINT>> seen;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override
    {
        seen.push_back({e->GetRuntimeClass(), pMsg->message});
        return pMsg->message == WM_APP ? 99 : CWinApp::ProcessWndProcException(e, pMsg);
    }
};

TEST(FrameworkObjectModel, ExceptionsFromHandlersEndAtTheWindowProcedure)
{
    HostWindow host;
    // Takes the place of the test program's application for the rest of this process.
    auto app = std::make_unique<RecordingApp>();
    RecordingApp* pApp = app.get();

    ThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD, CRect(0, 0, 5, 5),
                             CWnd::FromHandle(host.Hwnd()), 3));
    // A framework exception reaches the application's handler, which chooses the result.
    wnd.kind = ThrowingWnd::Framework;
    EXPECT_EQ(::SendMessage(wnd.m_hWnd, WM_APP, 0, 0), 99);
    // A failed allocation reaches it as a memory exception.
    wnd.kind = ThrowingWnd::Memory;
    EXPECT_EQ(::SendMessage(wnd.m_hWnd, WM_APP, 0, 0), 99);
    // Anything else ends the message as a failure; the window lives on.
    wnd.kind = ThrowingWnd::Other;
    EXPECT_EQ(::SendMessage(wnd.m_hWnd, WM_APP, 0, 0), 0);
    wnd.kind = ThrowingWnd::None;
    EXPECT_EQ(::SendMessage(wnd.m_hWnd, WM_APP, 0, 0), 5);
    ASSERT_EQ(pApp->seen.size(), 2u);
    EXPECT_EQ(pApp->seen[0].first, RUNTIME_CLASS(CResourceException));
    EXPECT_EQ(pApp->seen[1].first, RUNTIME_CLASS(CMemoryException));
    wnd.DestroyWindow();

    // Thrown in WM_CREATE: the creation fails, by default and for any exception.
    for (ThrowingWnd::Kind kind : {ThrowingWnd::Framework, ThrowingWnd::Other}) {
        ThrowingWnd failing;
        failing.kind = kind;
        EXPECT_FALSE(failing.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD, CRect(0, 0, 5, 5),
                                      CWnd::FromHandle(host.Hwnd()), 4));
        EXPECT_EQ(failing.GetSafeHwnd(), (HWND)NULL);
    }
}

} // namespace

namespace {

char* volatile g_sink = nullptr;     // keeps the allocations below from being elided

TEST(FrameworkObjectModel, FailedNewThrowsAMemoryException)
{
    // As with MFC: a host's catch (CMemoryException*) sees an allocation that fails.
    bool caught = false;
    try {
        volatile size_t huge = SIZE_MAX / 4;
        g_sink = new char[huge];
        delete[] g_sink;
    } catch (CMemoryException* e) {
        caught = true;
        // Its message for a host's report, cut to the room given.
        TCHAR text[8] = {};
        UINT nHelp = 1;
        EXPECT_TRUE(e->GetErrorMessage(text, _countof(text), &nHelp));
        EXPECT_EQ(CString(text), CString(_T("Out of ")));
        EXPECT_EQ(nHelp, 0u);
        EXPECT_FALSE(e->GetErrorMessage(text, 0));
        e->Delete();
    }
    EXPECT_TRUE(caught);
    // Out of memory there may be no room for an exception object: the one thrown is made
    // beforehand, and its catcher's Delete() keeps it for the next failure.
    CMemoryException* pFirst = nullptr;
    for (int i = 0; i < 2; ++i) {
        try {
            AfxThrowMemoryException();
        } catch (CMemoryException* e) {
            EXPECT_TRUE(pFirst == nullptr || e == pFirst);
            pFirst = e;
            e->Delete();
        }
    }
    // The nothrow form answers null.
    volatile size_t huge = SIZE_MAX / 4;
    g_sink = new (std::nothrow) char[huge];
    EXPECT_EQ(g_sink, nullptr);
}

} // namespace

namespace {

TEST(FrameworkStrings, EditsStayWithinTheStringAndLongResourcesLoadWhole)
{
    // A count longer than the string stops at its end, as MFC's Append does.
    CString s(_T("ab"));
    s.Append(_T("xyz"), 100);
    EXPECT_EQ(s, CString(_T("abxyz")));
    s.Append(_T("!"), INT_MAX);
    EXPECT_EQ(s, CString(_T("abxyz!")));
    s.Append(_T("tail"), 2);
    EXPECT_EQ(s, CString(_T("abxyz!ta")));
    // Insertion and deletion keep their indices within the string.
    EXPECT_EQ(s.Insert(2, _T("--")), 10);
    EXPECT_EQ(s.Insert(-5, _T("<")), 11);
    EXPECT_EQ(s.Insert(99, _T('>')), 12);
    EXPECT_EQ(s.Insert(3, _T("")), 12);
    EXPECT_EQ(s, CString(_T("<ab--xyz!ta>")));
    EXPECT_EQ(s.Delete(3, 2), 10);
    EXPECT_EQ(s.Delete(8, 99), 8);
    EXPECT_EQ(s.Delete(8, 1), 8);
    EXPECT_EQ(s, CString(_T("<abxyz!t")));
    s.AppendFormat(_T("%d%s"), 42, _T("!"));
    EXPECT_EQ(s, CString(_T("<abxyz!t42!")));
    // Truncation within the length only; past it, an invalid argument is thrown.
    s.Truncate(3);
    EXPECT_EQ(s, CString(_T("<ab")));
    for (int bad : {-1, 4}) {
        bool thrown = false;
        try {
            s.Truncate(bad);
        } catch (CInvalidArgException* e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_TRUE(thrown) << bad;
    }
    EXPECT_EQ(s, CString(_T("<ab")));

    CString text;
    ASSERT_TRUE(text.LoadString(::GetModuleHandle(NULL), 9001));
    EXPECT_EQ(text.GetLength(), 1500);
    EXPECT_EQ(text.Right(10), CString(_T("0123456789")));
    EXPECT_FALSE(text.LoadString(::GetModuleHandle(NULL), 9002));
}

} // namespace
