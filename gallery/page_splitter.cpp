// Gallery page: a mail-reader style layout of nested splitters. A vertical splitter holds a
// folder list and, in its other pane, a horizontal splitter with a message list above a
// preview. Both bars can be dragged; the page drags the outer bar once when it is built.
#include "gallery_page.h"

#include "vxCtrlSplitter.h"

namespace {

const UINT WM_APP_DEMO_DRAG = WM_APP + 1;

// A bar window: paints the bar, shows the splitter's cursor and starts its drag.
class SplitterBarWnd : public CWnd
{
public:
    BOOL CreateBar(CWnd* pParent, vxCtrlSplitter* pSplitter)
    {
        m_pSplitter = pSplitter;
        return CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1),
                        pParent, 0);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        dc.DrawEdge(&rc, EDGE_RAISED, BF_RECT);
    }
    afx_msg BOOL OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
    {
        m_pSplitter->ShowCursor(1);
        return TRUE;
    }
    afx_msg void OnLButtonDown(UINT /*nFlags*/, CPoint point)
    {
        m_pSplitter->Track(this, point);
    }
    DECLARE_MESSAGE_MAP()

private:
    vxCtrlSplitter* m_pSplitter = nullptr;
};

BEGIN_MESSAGE_MAP(SplitterBarWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

LPCTSTR const kFolders[] = {_T("Inbox (12)"), _T("Drafts"), _T("Sent items"), _T("Archive 2025"),
                                _T("Archive 2026"), _T("Projects"), _T("  Vexel release"), _T("  Customer notes"),
                                _T("Newsletters"), _T("Junk e-mail"), _T("Deleted items")};

LPCTSTR const kMessages[] = {
    _T("Anna Berg\tRelease candidate 3 is ready for testing\t08:14"),
    _T("Build server\tNightly build 1184 passed (482 tests)\t06:02"),
    _T("Jonas Keller\tRe: splitter bar colours\tYesterday"),
    _T("Marta Silva\tMinutes of the design review\tYesterday"),
    _T("Support desk\tTicket 5521: drop list opens off screen\tMon"),
    _T("Anna Berg\tTranslations for the tooltip texts\tMon"),
    _T("Peter Novak\tBenchmark figures for the layout engine\tSun"),
    _T("Calendar\tInvitation: planning for the next quarter\tFri"),
};

const TCHAR kPreview[] =
    _T("From: Anna Berg\r\nSubject: Release candidate 3 is ready for testing\r\n\r\n")
    _T("Hello all,\r\n\r\nrelease candidate 3 is on the share. Please check the splitter ")
    _T("layouts in your dialogs: the bars now keep each pane's minimum size while dragging, and ")
    _T("Escape puts everything back where it was.\r\n\r\nThanks,\r\nAnna");

class SplitterPage : public GalleryPage
{
protected:
    void Build() override
    {
        m_folders = CreateList(WS_VSCROLL | LBS_NOINTEGRALHEIGHT);
        for (LPCTSTR folder : kFolders)
            ::SendMessage(m_folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder));
        ::SendMessage(m_folders, LB_SETCURSEL, 0, 0);

        m_messages = CreateList(WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS);
        int tabs[] = {90, 330};
        ::SendMessage(m_messages, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabs));
        for (LPCTSTR message : kMessages)
            ::SendMessage(m_messages, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(message));
        ::SendMessage(m_messages, LB_SETCURSEL, 0, 0);

        m_preview = ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("EDIT"), kPreview,
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                         ES_READONLY,
                                     0, 0, 1, 1, m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
        SetGalleryFont(m_preview);

        m_outerBar.CreateBar(this, &m_outer);
        m_innerBar.CreateBar(this, &m_inner);
        m_outer.CreateSplitter(m_outerBar.GetSafeHwnd(), 1, 1, 1);   // folders keep their width
        m_outer.SetPaneSize(0, Px(200), Px(120));
        m_outer.SetPaneSize(1, -1, Px(300));
        m_outer.SetSplitterSize(Px(6));
        m_outer.AttachWnd(0, m_folders);
        m_outer.AttachSplitter(1, &m_inner);
        m_inner.CreateSplitter(m_innerBar.GetSafeHwnd(), 0, 0, 1);   // the preview keeps its height
        m_inner.SetPaneSize(0, -1, Px(80));
        m_inner.SetPaneSize(1, Px(300), Px(100));
        m_inner.SetSplitterSize(Px(6));
        m_inner.AttachWnd(0, m_messages);
        m_inner.AttachWnd(1, m_preview);
        LayoutAll();
        PostMessage(WM_APP_DEMO_DRAG);
    }

    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        GalleryPage::OnSize(nType, cx, cy);
        LayoutAll();
    }

    // One drag of the outer bar by 60 pixels, through the splitter's own loop.
    afx_msg LRESULT OnDemoDrag(WPARAM, LPARAM)
    {
        m_outerBar.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(Px(60), Px(100)));
        m_outerBar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(Px(60), Px(100)));
        m_outer.Track(&m_outerBar, CPoint(0, Px(100)));
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    HWND CreateList(DWORD style)
    {
        HWND hwnd = ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("LISTBOX"), _T(""),
                                     WS_CHILD | WS_VISIBLE | LBS_NOTIFY | style, 0, 0, 1, 1,
                                     m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
        SetGalleryFont(hwnd);
        return hwnd;
    }
    void SetGalleryFont(HWND hwnd)
    {
        ::SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetGalleryFont()->GetSafeHandle()),
                      FALSE);
    }
    void LayoutAll()
    {
        if (m_outerBar.GetSafeHwnd() == NULL)
            return;
        CRect rc;
        GetClientRect(&rc);
        rc.DeflateRect(Px(12), Px(12));
        m_outer.Layout(rc.left, rc.top, rc.Width(), rc.Height());
    }

    vxCtrlSplitter m_outer, m_inner;
    SplitterBarWnd m_outerBar, m_innerBar;
    HWND m_folders = NULL, m_messages = NULL, m_preview = NULL;
};

BEGIN_MESSAGE_MAP(SplitterPage, GalleryPage)
    ON_WM_SIZE()
    ON_MESSAGE(WM_APP_DEMO_DRAG, &SplitterPage::OnDemoDrag)
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(SplitterPage, _T("Splitter"), 30)
