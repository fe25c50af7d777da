// Construction, teardown, activation and the item notifications of the list view.
#include "vxCtrlListView.h"
#include "vxListRecords.h"
#include "vxListAccessible.h"
#include "vxAliveWatch.h"
#include "vxDpi.h"
#include "vxListGeometry.h"
#include "vxListScroll.h"

IMPLEMENT_DYNAMIC(vxCtrlListView, CWnd)

BEGIN_MESSAGE_MAP(vxCtrlListView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_DESTROY()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &vxCtrlListView::OnDpiChangedAfterParent)
    ON_MESSAGE(WM_GETOBJECT, &vxCtrlListView::OnGetObject)
    ON_MESSAGE(WM_VX_FOCUSNEIGHBOUR, &vxCtrlListView::OnFocusNeighbour)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

vxCtrlListView::vxCtrlListView()
    : m_displaySize(0, 0), m_pageSize(0, 0), m_scrollPos(0, 0), m_nGroupHeight(VX_LIST_GROUP_HEIGHT),
      m_szItem(VX_LIST_ITEM_SIZE, VX_LIST_ITEM_SIZE), m_ptItemStart(0, 0), m_rcMargins(0, 0, 0, 0),
      m_nItemRowSpace(VX_LIST_ITEM_SPACE), m_nItemColumnSpace(VX_LIST_ITEM_SPACE), m_bUpdate(1), m_itemMode(ModeButton), m_nGroupSpace(0),
      m_nLayoutPass(0), m_pAliveWatches(NULL), m_nWheelRemainder(0), m_bGroupHeightGiven(FALSE),
      m_bItemSizeGiven(FALSE), m_bRowSpaceGiven(FALSE), m_bColumnSpaceGiven(FALSE), m_nDpi(0),
      m_nLineStep(VX_LIST_LINE_STEP), m_pAccessible(NULL)
{
}

vxCtrlListView::~vxCtrlListView()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    // Destroyed here, while this class still handles the window's messages, so that
    // OnDestroy frees the records; records made without a window are freed after it.
    if (GetSafeHwnd())
        DestroyWindow();
    DeleteAllGroups();
    delete m_pAccessible;
}

void vxCtrlListView::PreSubclassWindow()
{
    ScaleToDpi();
    // The items are tab stops of the dialog the list view stands in.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    CWnd::PreSubclassWindow();
}

BOOL vxCtrlListView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.dwExStyle |= WS_EX_CONTROLPARENT;
    return CWnd::PreCreateWindow(cs);
}

int vxCtrlListView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ScaleToDpi();
    return 0;
}

void vxCtrlListView::ScaleToDpi()
{
    const int nDpi = vxDpiOf(m_hWnd);
    m_nDpi = nDpi;
    if (!m_bGroupHeightGiven)
        m_nGroupHeight = vxScaleToDpi(VX_LIST_GROUP_HEIGHT, nDpi);
    if (!m_bItemSizeGiven)
        m_szItem.SetSize(vxScaleToDpi(VX_LIST_ITEM_SIZE, nDpi), vxScaleToDpi(VX_LIST_ITEM_SIZE, nDpi));
    if (!m_bRowSpaceGiven)
        m_nItemRowSpace = vxScaleToDpi(VX_LIST_ITEM_SPACE, nDpi);
    if (!m_bColumnSpaceGiven)
        m_nItemColumnSpace = vxScaleToDpi(VX_LIST_ITEM_SPACE, nDpi);
    m_nLineStep = vxScaleToDpi(VX_LIST_LINE_STEP, nDpi);
}

LRESULT vxCtrlListView::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    ScaleToDpi();
    RelayoutIfUpdating();
    return 0;
}

void vxCtrlListView::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    // Hosts that Windows does not tell of a new DPI (per-monitor v1, Windows 8.1) still move
    // their children when it changes.
    if (vxDpiOf(m_hWnd) != m_nDpi)
        OnDpiChangedAfterParent(0, 0);
}

void vxCtrlListView::OnDestroy()
{
    CWnd::OnDestroy();
    DeleteAllGroups();
}

void vxCtrlListView::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CWnd::OnNcDestroy();
}

LRESULT vxCtrlListView::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] { return new vxListViewAccessible(this); });
    return lResult != 0 ? lResult : Default();
}

LRESULT vxCtrlListView::OnFocusNeighbour(WPARAM wParam, LPARAM lParam)
{
    // The shown items in their order; the arrow's neighbour among them takes the focus and
    // is scrolled into view.
    std::vector<RECT> rects;
    std::vector<HWND> windows;
    int nFrom = -1;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        for (INT_PTR i = 0; i < m_arrGroups[g]->m_arrItems.GetSize(); ++i) {
            const vxListItem* pItem = m_arrGroups[g]->m_arrItems[i];
            HWND hItem = pItem->LiveHwnd();
            if (hItem == NULL || !::IsWindowVisible(hItem))
                continue;
            if (hItem == reinterpret_cast<HWND>(lParam))
                nFrom = static_cast<int>(rects.size());
            rects.push_back(pItem->m_rcItem);
            windows.push_back(hItem);
        }
    }
    const int nTo = vxNeighbourItem(rects, nFrom, static_cast<UINT>(wParam));
    if (nTo < 0)
        return 0;
    ScrollIntoView(CRect(rects[nTo]));
    ::SetFocus(windows[nTo]);
    return 1;
}

int vxCtrlListView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    // A click on an item gives the item the focus itself: the list view taking it first
    // would tell screen readers of a focus that never stays.
    CPoint pt(::GetMessagePos());
    ScreenToClient(&pt);
    int nGroup = 0, nItem = 0;
    HWND hHit = ::ChildWindowFromPointEx(m_hWnd, pt, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (hHit == NULL || !GetItemByHwnd(hHit, nGroup, nItem))
        SetFocus();
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

BOOL vxCtrlListView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hSender = (HWND)lParam;
    int nGroup = 0, nItem = 0;
    if (hSender && GetItemByHwnd(hSender, nGroup, nItem)) {
        if (HIWORD(wParam) == BN_SETFOCUS)
            OnItemFocused(m_arrGroups[nGroup]->m_arrItems[nItem]);
        UINT message = 0;
        switch (HIWORD(wParam)) {
        case BN_CLICKED: message = WM_LISTVIEW_ITEMCLICK; break;
        case BN_DOUBLECLICKED: message = WM_LISTVIEW_ITEMDBLCLK; break;
        }
        if (message) {
            vxAliveWatch watch(m_pAliveWatches, m_hWnd);
            const BOOL bAnswer = (BOOL)::SendMessage(::GetParent(m_hWnd), message, (WPARAM)nGroup, (LPARAM)nItem);
            // A parent that deleted the list view or destroyed it has handled the command:
            // nothing may go on to the default procedure of a window or object that is gone.
            if (!watch.IsAlive())
                return TRUE;
            return bAnswer;
        }
    }
    // Headers, other codes of items, anything else.
    return CWnd::OnCommand(wParam, lParam);
}

void vxCtrlListView::OnItemFocused(vxListItem* pFocused)
{
    // However the focus came (Tab, an arrow, a click), the item is shown and is the one tab
    // stop of the list view, as in the system's list view.
    ScrollIntoView(pFocused->m_rcItem);
    SetTabStopItem(pFocused->LiveHwnd());
}

void vxCtrlListView::SetTabStopItem(HWND hStop)
{
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        for (INT_PTR i = 0; i < m_arrGroups[g]->m_arrItems.GetSize(); ++i) {
            HWND hItem = m_arrGroups[g]->m_arrItems[i]->LiveHwnd();
            if (hStop == NULL)
                hStop = hItem;
            const LONG lStyle = hItem != NULL ? ::GetWindowLong(hItem, GWL_STYLE) : 0;
            const LONG lWanted = hItem == hStop ? (lStyle | WS_TABSTOP) : (lStyle & ~WS_TABSTOP);
            if (hItem != NULL && lWanted != lStyle)
                ::SetWindowLong(hItem, GWL_STYLE, lWanted);
        }
    }
}

BOOL vxCtrlListView::HasTabStopItem()
{
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        for (INT_PTR i = 0; i < m_arrGroups[g]->m_arrItems.GetSize(); ++i) {
            HWND hItem = m_arrGroups[g]->m_arrItems[i]->LiveHwnd();
            if (hItem != NULL && (::GetWindowLong(hItem, GWL_STYLE) & WS_TABSTOP))
                return TRUE;
        }
    }
    return FALSE;
}

int vxCtrlListView::GetItemByHwnd(HWND hWnd, int& nGroup, int& nItem)
{
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        const vxListGroup* pGroup = m_arrGroups[g];
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            HWND hItem = pGroup->m_arrItems[i]->LiveHwnd();
            if (hItem && hItem == hWnd) {
                nGroup = (int)g;
                nItem = (int)i;
                return 1;
            }
        }
    }
    return 0;
}

void vxCtrlListView::DeleteAllGroups()
{
    // Each group is unlinked before it goes, as a deleted group is: the focus its windows
    // lose and their destruction reach screen readers that walk the groups meanwhile.
    while (m_arrGroups.GetSize() > 0) {
        const INT_PTR nLast = m_arrGroups.GetSize() - 1;
        vxListGroup* pGroup = m_arrGroups[nLast];
        m_arrGroups.RemoveAt(nLast);
        delete pGroup;
    }
}
