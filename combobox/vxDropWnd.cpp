// The drop-down frame: creation, placement, filling and the capture hand-off.
#include "vxDropWnd.h"

#include "vxAccessibleEvent.h"
#include "vxComboMessages.h"
#include "vxCtrlComboBox.h"
#include "vxDpi.h"
#include "vxDropListBox.h"
#include "vxMirror.h"
#include "vxMonitors.h"
#include "vxDropPlacement.h"

#include <vexelcore.h>

namespace {

const UINT kListId = 101;
const DWORD kListStyle = WS_CHILD | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NODATA;

} // namespace

IMPLEMENT_DYNAMIC(vxDropWnd, CWnd)

BEGIN_MESSAGE_MAP(vxDropWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
    ON_WM_SHOWWINDOW()
    ON_WM_ACTIVATEAPP()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_DROP_SETCAPTURE, &vxDropWnd::OnDropSetCapture)
    ON_MESSAGE(WM_DROP_RELEASECAPTURE, &vxDropWnd::OnDropReleaseCapture)
    ON_MESSAGE(WM_DPICHANGED, &vxDropWnd::OnDpiChanged)
    ON_MESSAGE(WM_DISPLAYCHANGE, &vxDropWnd::OnDisplayChange)
    ON_MESSAGE(WM_SETFONT, &vxDropWnd::OnSetFont)
END_MESSAGE_MAP()

vxDropWnd::vxDropWnd(vxCtrlComboBox* pCombo, vxListboxItemList& rows, DWORD dwCBStyle,
                     int nItemHeight)
    : m_pListBox(NULL),
      m_rcList(0, 0, 0, 0),
      m_rcGrip(0, 0, 0, 0),
      m_pCombo(pCombo),
      m_nListItemHeight(vxDropRowHeight(nItemHeight)),
      m_dwCBStyle(dwCBStyle),
      m_hInputMethodPress(NULL)
{
    m_rows.swap(rows);
}

vxDropWnd::~vxDropWnd()
{
    delete m_pListBox;
}

BOOL vxDropWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    return CWnd::Create(NULL, NULL, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL vxDropWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The list reads in its combo's direction; as a child of the desktop it inherits none.
    if (vxIsMirrored(m_pCombo->GetSafeHwnd()))
        cs.dwExStyle |= WS_EX_LAYOUTRTL;
    return CWnd::PreCreateWindow(cs);
}

BOOL vxDropWnd::DestroyWindow()
{
    ::ReleaseCapture();
    if (m_pListBox != NULL && ::IsWindow(m_pListBox->GetSafeHwnd()))
        m_pListBox->DestroyWindow();
    return CWnd::DestroyWindow();
}

int vxDropWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    SetWindowPos(&wndTopMost, lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->cx,
                 lpCreateStruct->cy, SWP_SHOWWINDOW);
    m_rcList.SetRect(lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->x + lpCreateStruct->cx,
                     lpCreateStruct->y + lpCreateStruct->cy);
    ScreenToClient(&m_rcList);
    if (!CreateListBox())
        return -1;
    PlaceOnScreen();
    FillList();
    SetCapture();
    return 0;
}

BOOL vxDropWnd::CreateListBox()
{
    m_pListBox = new vxDropListBox(m_pCombo);
    // A scrollable width gives the list its horizontal scroll bar.
    const int nExtent = static_cast<int>(m_pCombo->GetHorizontalExtent());
    if (!m_pListBox->Create(kListStyle | (nExtent > 0 ? WS_HSCROLL : 0), m_rcList, this, kListId))
        return FALSE;
    m_pListBox->SendMessage(LB_SETITEMHEIGHT, 0, m_nListItemHeight);
    if (nExtent > 0)
        m_pListBox->SetHorizontalExtent(nExtent);
    m_pListBox->ShowWindow(SW_SHOW);
    vxSkinWindow(m_pListBox->GetSafeHwnd(), 108, _T("combobox.listbox"), 0);
    return TRUE;
}

void vxDropWnd::FollowRowHeight(int nItemHeight)
{
    m_nListItemHeight = vxDropRowHeight(nItemHeight);
    if (m_pListBox == NULL || !::IsWindow(m_pListBox->GetSafeHwnd()))
        return;
    m_pListBox->SendMessage(LB_SETITEMHEIGHT, 0, m_nListItemHeight);
    PlaceOnScreen();
}

void vxDropWnd::ShowRows(vxListboxItemList& rows, int nRow)
{
    // As a new frame starts: nothing highlighted, the first row at the top.
    m_pListBox->SetCurSel(-1);
    m_rows.swap(rows);
    FillList();
    m_pListBox->SetTopIndex(0);
    m_pListBox->SelectItem(nRow);
    PlaceOnScreen();
    vxNotifyAccessibleEvent(EVENT_OBJECT_REORDER, m_pListBox->GetSafeHwnd(), OBJID_CLIENT, CHILDID_SELF);
    SetCapture();
}

LRESULT vxDropWnd::OnDpiChanged(WPARAM, LPARAM)
{
    // The rows follow the combo's sizes, which follow its own window's DPI: the combo takes
    // its new sizes and hands them back through FollowRowHeight.
    m_pCombo->SendMessage(WM_DPICHANGED_AFTERPARENT);
    return 0;
}

LRESULT vxDropWnd::OnDisplayChange(WPARAM, LPARAM)
{
    // Monitors came, went or changed size: the list is placed on the combo's monitor again.
    if (m_pListBox != NULL)
        PlaceOnScreen();
    return 0;
}

LRESULT vxDropWnd::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    // The list draws in the combo's font: it takes every new one before the combo frees the
    // one it had.
    Default();
    if (m_pListBox != NULL && ::IsWindow(m_pListBox->GetSafeHwnd()))
        m_pListBox->SendMessage(WM_SETFONT, wParam, lParam);
    return 0;
}

vxDropPlacement vxDropWnd::PlacementFor(vxCtrlComboBox* pCombo, int nRows, int nRowHeight)
{
    CRect rcCombo;
    pCombo->GetWindowRect(&rcCombo);
    vxDropPlacementInput in;
    in.cx = pCombo->GetDroppedWidth();
    // Aligned with the combo's leading edge: its right one when it reads right to left.
    in.x = vxIsMirrored(pCombo->GetSafeHwnd()) ? rcCombo.right - in.cx : rcCombo.left;
    in.y = rcCombo.bottom;
    in.cyCombo = rcCombo.Height();
    in.nRowHeight = nRowHeight;
    in.nRows = nRows;
    in.nDefaultVisible = pCombo->GetDefaultVisibleItems();
    in.nMinVisible = pCombo->GetMinVisibleItems();
    in.rcScreen = vxMonitorOf(pCombo->GetSafeHwnd()).rcMonitor;
    in.cyMinimum = vxMetricAtDpi(SM_CYVSCROLL, vxDpiOf(pCombo->GetSafeHwnd()));
    return vxCalcDropPlacement(in);
}

void vxDropWnd::PlaceOnScreen()
{
    const vxDropPlacement out =
        PlacementFor(m_pCombo, static_cast<int>(m_rows.size()), m_pListBox->GetItemHeight(0));
    SetWindowPos(&wndTopMost, out.left, out.top, out.width, out.height,
                 SWP_SHOWWINDOW | SWP_NOZORDER);
}

void vxDropWnd::FillList()
{
    m_pListBox->SetRows(m_rows);
}

void vxDropWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_hInputMethodPress != NULL) {
        ForwardToInputMethod(WM_MOUSEMOVE, nFlags, point);
        return;
    }
    if (m_pListBox == NULL || !::IsWindow(m_pListBox->GetSafeHwnd())) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    CRect rcList;
    m_pListBox->GetWindowRect(&rcList);
    ScreenToClient(&rcList);
    if (rcList.PtInRect(point)) {
        // The list takes over: it hot-tracks and hands the capture back when left.
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        ::ReleaseCapture();
        m_pListBox->SetFocus();
        m_pListBox->SendMessage(WM_DROP_SETCAPTURE);
        return;
    }
    SetCapture();
    CWnd::OnMouseMove(nFlags, point);
}

namespace {

// A window of an input method (its candidate or composition window), or one it owns: their
// classes are registered with CS_IME.
BOOL IsInputMethodWindow(HWND hWnd)
{
    for (; hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_OWNER)) {
        if ((::GetClassLongPtr(hWnd, GCL_STYLE) & CS_IME) != 0)
            return TRUE;
    }
    return FALSE;
}

} // namespace

void vxDropWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(point)) {
        // A click on the input method's candidates while the user types into a filtered list
        // is the input method's: the press is handed on until its release, and the list stays
        // open.
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        const HWND hUnder = ::WindowFromPoint(ptScreen);
        if (IsInputMethodWindow(hUnder)) {
            m_hInputMethodPress = hUnder;
            ForwardToInputMethod(WM_LBUTTONDOWN, nFlags, point);
            return;
        }
        ::ReleaseCapture();
        m_pCombo->PostMessage(WM_COMBO_DESTROYDROPDOWN, 0, (LPARAM)m_hWnd);
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void vxDropWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CWnd::OnActivateApp(bActive, dwThreadID);
    if (!bActive)
        m_pCombo->PostMessage(WM_COMBO_DESTROYDROPDOWN, 0, (LPARAM)m_hWnd);
}

BOOL vxDropWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    // With the capture on the frame the wheel comes here: the combo scrolls the list.
    return static_cast<BOOL>(m_pCombo->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta),
                                                   MAKELPARAM(pt.x, pt.y)));
}

void vxDropWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_rcList.SetRect(0, 0, cx, cy);
    if (m_pListBox != NULL && ::IsWindow(m_pListBox->GetSafeHwnd()))
        m_pListBox->MoveWindow(&m_rcList, TRUE);
}

void vxDropWnd::OnPaint()
{
    // The list covers the whole client area; the grip rectangle stays empty.
    CPaintDC dc(this);
    if (!m_rcGrip.IsRectEmpty())
        dc.DrawFrameControl(&m_rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void vxDropWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_hInputMethodPress != NULL) {
        ForwardToInputMethod(WM_LBUTTONUP, nFlags, point);
        m_hInputMethodPress = NULL;
        return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void vxDropWnd::ForwardToInputMethod(UINT message, UINT nFlags, CPoint point)
{
    if (!::IsWindow(m_hInputMethodPress))
        return;
    ClientToScreen(&point);
    ::ScreenToClient(m_hInputMethodPress, &point);
    ::PostMessage(m_hInputMethodPress, message, nFlags, MAKELPARAM(point.x, point.y));
}

// A documented entry of the message map; it only forwards.
void vxDropWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
}

LRESULT vxDropWnd::OnDropSetCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 0;
}

LRESULT vxDropWnd::OnDropReleaseCapture(WPARAM, LPARAM)
{
    ::ReleaseCapture();
    return 0;
}
