// The combo's side of the drop-down: toggling, opening, choosing and closing.
#include "vxCtrlComboBox.h"
#include "vxAccessibleEvent.h"
#include "vxAliveWatch.h"
#include "vxComboAccessible.h"
#include "vxComboGeometry.h"
#include "vxDropListBox.h"
#include "vxDropPlacement.h"
#include "vxDropWnd.h"
#include "vxDpi.h"
#include "vxMirror.h"
#include "vxMonitors.h"

#include <vexelcore.h>

#include <algorithm>

namespace {

const DWORD kFrameStyle = 0x40001001;    // WS_CHILD of the desktop: top-most, never activated
const UINT kFrameId = 10;

} // namespace

void vxCtrlComboBox::ShowDropDown(BOOL bShow)
{
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    if (bShow && !m_bDropped)
        SendMessage(WM_COMBO_DROPDOWNBUTTON);
    else if (!bShow && m_bDropped)
        SendMessage(WM_COMBO_DESTROYDROPDOWN);
    else
        return;
    if (watch.IsAlive())
        Invalidate(TRUE);
}

void vxCtrlComboBox::GetDroppedControlRect(RECT* pRect)
{
    if (pRect == NULL || !::IsWindow(m_hWnd))
        return;
    if (m_bDropped && m_pDropWnd != NULL) {
        m_pDropWnd->GetWindowRect(pRect);
        return;
    }
    // Closed: from the combo's top left, as wide as the list, down to where its bottom
    // would be when it opens below the combo (no items open nothing).
    CRect rcCombo;
    GetWindowRect(&rcCombo);
    pRect->left = rcCombo.left;
    pRect->top = rcCombo.top;
    pRect->right = rcCombo.left + GetDroppedWidth();
    pRect->bottom = rcCombo.bottom;
    if (m_lstItems.empty())
        return;
    const vxDropPlacement place = vxDropWnd::PlacementFor(this, GetCount(), vxDropRowHeight(m_nItemHeight));
    if (!place.bUpward)
        pRect->bottom = std::max<LONG>(rcCombo.bottom, place.top + place.height);
}

LRESULT vxCtrlComboBox::OnDropdownButton(WPARAM, LPARAM)
{
    // Shown: the toggle closes.
    if (m_bDropped) {
        CloseDropDown();
        return 1;
    }
    // A combo without the drop-down styles opens nothing.
    if (!(GetStyle() & CBS_DROPDOWN))
        return 1;
    // A filtered list already open becomes the shown list.
    if (m_pDropWnd == NULL) {
        vxListboxItemList rows(m_lstItems);
        if (!CreateDropList(rows, m_nCurSel))
            return 1;
    }
    if (m_pDropWnd != NULL) {
        m_pDropWnd->ShowWindow(SW_SHOW);
        SetDropListVisible(TRUE);
    }
    return 1;
}

BOOL vxCtrlComboBox::CreateDropList(vxListboxItemList& rows, int nRow)
{
    // A frame kept for a refill (the host opening the list while it hears the close) goes.
    DiscardDropDown();
    if (rows.empty())
        return TRUE;
    // Zero height at the combo's bottom edge, kept within the work area of its monitor.
    CRect rc;
    GetWindowRect(&rc);
    rc.top = rc.bottom;
    if (vxIsMirrored(m_hWnd))
        rc.left = rc.right - GetDroppedWidth();
    else
        rc.right = rc.left + GetDroppedWidth();
    const CRect rcWork = vxMonitorOf(m_hWnd).rcWork;
    if (rc.bottom >= rcWork.bottom)
        rc.bottom = rcWork.bottom;

    // Out of memory anywhere here, nothing stays made and nothing was announced: the frame
    // is the combo's from its creation on (its list asks for it), and goes again unopened.
    CWnd* pDesktop = CWnd::FromHandle(::GetDesktopWindow());
    vxDropWnd* pDrop = new vxDropWnd(this, rows, m_dwCBStyle, m_nItemHeight);
    m_pDropWnd = pDrop;
    try {
        if (!pDrop->Create(kFrameStyle, rc, pDesktop, kFrameId)) {
            m_pDropWnd = NULL;
            delete pDrop;
            return TRUE;
        }
        vxDropListBox* pList = pDrop->GetListBox();
        pList->SelectItem(nRow);
        pList->SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(-1), vxDropRowHeight(m_nItemHeight));
        pDrop->SendMessage(WM_SETFONT, (WPARAM)m_hFont, TRUE);
    } catch (...) {
        if (m_pDropWnd == pDrop)
            DiscardDropDown();
        throw;
    }
    return Notify(CBN_DROPDOWN);
}

void vxCtrlComboBox::SetDropListVisible(BOOL bVisible)
{
    const BOOL bChanged = m_bDropped != bVisible;
    m_bDropped = bVisible;
    if (bVisible)
        vxLockState(m_hWnd, 1);
    if (!bChanged || m_hWnd == NULL)
        return;
    // Expanded or collapsed; an opened list hands the screen reader's focus to its row.
    vxNotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    vxDropListBox* pList = bVisible ? GetDropListBox() : NULL;
    if (pList != NULL && pList->GetCurSel() >= 0)
        vxNotifyAccessibleEvent(EVENT_OBJECT_FOCUS, pList->GetSafeHwnd(), OBJID_CLIENT, pList->GetCurSel() + 1);
}

BOOL vxCtrlComboBox::IsStaleDropRequest(LPARAM lParam) const
{
    return lParam != 0 && (m_pDropWnd == NULL || (HWND)lParam != m_pDropWnd->GetSafeHwnd());
}

LRESULT vxCtrlComboBox::OnSelectedItem(WPARAM wParam, LPARAM lParam)
{
    if (m_pDropWnd == NULL || IsStaleDropRequest(lParam))
        return 1;
    const vxListboxItemList& rows = m_pDropWnd->GetRows();
    const int nRow = static_cast<int>(wParam);
    if (nRow < 0 || nRow >= static_cast<int>(rows.size()))
        return 1;
    // A disabled row is never chosen, also not by Enter on a row the list box selected.
    if (rows[nRow].bDisabled)
        return 1;
    // A copy of the row: the notifications below may close the frame or end the combo.
    const _tagListboxItem item = rows[nRow];

    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    auto gone = [&]() { return !watch.IsAlive(); };

    SetFieldText(item.strText);
    m_nCurSel = FindStringExact(0, m_strText);
    if (!HasEdit())
        InvalidateIfShown();
    SetWindowImage(item.strImage);
    if (IsDropDownStyle() && HasEdit()) {
        if (!WriteEditText(m_strText))
            return 1;
        m_pEdit->SetFocus();
        if (gone() || !HasEdit())
            return 1;
        m_pEdit->SetSel(0, -1, TRUE);
    }
    m_bSelEndOk = TRUE;
    if (!Notify(CBN_SELENDOK))
        return 1;
    Invalidate(TRUE);
    if (!CloseDropDown())
        return 1;
    InvalidateRect(&m_rcButton, TRUE);
    Notify(CBN_SELCHANGE);
    return 1;
}

LRESULT vxCtrlComboBox::OnDestroyDropdownList(WPARAM, LPARAM lParam)
{
    if (!IsStaleDropRequest(lParam))
        CloseDropDown();
    return 1;
}

BOOL vxCtrlComboBox::CloseDropDown()
{
    if (m_pDropWnd == NULL)
        return TRUE;
    DiscardDropDown();
    return AnnounceClosed();
}

BOOL vxCtrlComboBox::AnnounceClosed()
{
    InvalidateRect(&m_rcButton, TRUE);
    if (!m_bSelEndOk) {
        if (!Notify(CBN_SELENDCANCEL))
            return FALSE;
    } else {
        m_bSelEndOk = FALSE;
    }
    return Notify(CBN_CLOSEUP);
}

void vxCtrlComboBox::KeepDropDownForRefill()
{
    // Closed as the host sees it; the capture comes back with the new rows.
    m_pKeptDrop = m_pDropWnd;
    m_pDropWnd = NULL;
    ::ReleaseCapture();
}

void vxCtrlComboBox::DiscardDropDown()
{
    // Both forgotten first: destroying the windows may call back into the combo.
    vxDropWnd* pKept = m_pKeptDrop;
    m_pKeptDrop = NULL;
    if (pKept != NULL) {
        pKept->DestroyWindow();
        delete pKept;
    }
    vxDropWnd* pDrop = m_pDropWnd;
    if (pDrop == NULL)
        return;
    // Forgotten before the collapse is told, so that a reader finds the combo collapsed.
    pDrop->ShowWindow(SW_HIDE);
    m_pDropWnd = NULL;
    SetDropListVisible(FALSE);
    pDrop->DestroyWindow();
    delete pDrop;
}

void vxCtrlComboBox::OnDestroy()
{
    // The frame is a child of the desktop: it would outlive the combo's window.
    DiscardDropDown();
    CWnd::OnDestroy();
}

LRESULT vxCtrlComboBox::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    const HFONT hFont = reinterpret_cast<HFONT>(wParam);
    const BOOL bRedraw = LOWORD(lParam);
    // The host's font is used, not owned; none means the combo's own font again.
    const HFONT hOwnFont = m_pFont != NULL ? static_cast<HFONT>(m_pFont->GetSafeHandle()) : NULL;
    m_hFont = hFont != NULL ? hFont : hOwnFont;
    // As with the system's combo, a host's font sizes the field to its text, unless the
    // host sized the window itself or set the field's height.
    if (hFont != NULL && hFont != hOwnFont && !m_bSizedByHost && m_nEditHeight == -1) {
        CClientDC dc(this);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hFont);
        TEXTMETRIC tm;
        const BOOL bMeasured = ::GetTextMetrics(dc.GetSafeHdc(), &tm);
        ::SelectObject(dc.GetSafeHdc(), hOld);
        if (bMeasured)
            FitFieldHeight(tm.tmHeight + vxScaleToDpi(VXCB_FIELD_PADDING, vxDpiOf(m_hWnd)));
    }
    if (HasEdit())
        m_pEdit->SendMessage(WM_SETFONT, (WPARAM)m_hFont, bRedraw);
    if (m_pDropWnd != NULL)
        m_pDropWnd->SendMessage(WM_SETFONT, (WPARAM)m_hFont, bRedraw);
    if (bRedraw)
        Invalidate(TRUE);
    return 0;
}

LRESULT vxCtrlComboBox::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hFont);
}

void vxCtrlComboBox::OnNcDestroy()
{
    // The object may get a window again (a dialog member over two runs, Create after
    // DestroyWindow): what belonged to this window goes, the items stay.
    DiscardDropDown();
    delete m_pEdit;                  // its window went with this one
    m_pEdit = NULL;
    m_bFocused = FALSE;
    m_bFocusNotified = FALSE;
    m_bSelEndOk = FALSE;
    m_bSyncEdit = TRUE;
    m_bCreatedByCreate = FALSE;
    m_bAutoComplete = TRUE;
    m_bHover = FALSE;
    m_bHoverTimer = FALSE;           // timers end with the window
    m_nWheelDelta = 0;
    m_bBeenFocused = FALSE;
    m_bSizedByHost = FALSE;
    m_chLeadByte = 0;
    vxDeleteProvider(m_pAccessible);
    CWnd::OnNcDestroy();
}

vxDropListBox* vxCtrlComboBox::GetDropListBox()
{
    if (m_pDropWnd == NULL)
        return NULL;
    vxDropListBox* pList = m_pDropWnd->GetListBox();
    return pList != NULL && ::IsWindow(pList->GetSafeHwnd()) ? pList : NULL;
}

void vxCtrlComboBox::ScrollDropList(int nTopIndex)
{
    vxDropListBox* pList = GetDropListBox();
    if (pList != NULL)
        pList->SetTopIndexTracked(nTopIndex);
}

void vxCtrlComboBox::MoveDropListSelection(int nStep)
{
    vxDropListBox* pList = GetDropListBox();
    if (pList == NULL)
        return;
    const int nCur = pList->GetCurSel();
    // Down from no row selects row 0; Up stops at row 0. SelectItem passes over disabled rows.
    if (nStep > 0 && nCur < pList->GetCount())
        pList->SelectItem(nCur + 1, TRUE);
    else if (nStep < 0 && nCur >= 1)
        pList->SelectItem(nCur - 1, TRUE);
}
