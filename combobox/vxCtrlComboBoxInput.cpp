// Painting, hover polling, mouse, focus, keyboard and wheel of the combo box window.
#include "vxCtrlComboBox.h"
#include "vxDpi.h"
#include "vxComboItemRules.h"
#include "vxAliveWatch.h"
#include "vxComboGeometry.h"
#include "vxDropListBox.h"
#include "vxDropPlacement.h"
#include "vxDropWnd.h"

#include <algorithm>
#include <climits>

namespace {

const UINT_PTR kHoverTimer = 1;
const UINT kHoverPollMs = 50;

} // namespace

// --- painting ------------------------------------------------------------------------

void vxCtrlComboBox::OnPaint()
{
    CPaintDC dc(this);
    const BOOL bEnabled = IsWindowEnabled();

    // The field shows the selected item's text, when the selection names one; the first
    // paint with a selection also fills the edit.
    if (m_nCurSel != -1) {
        vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, m_nCurSel);
        if (it != m_lstItems.end())
            SetFieldText(it->strText);
        if (m_bSyncEdit && HasEdit()) {
            m_bSyncEdit = FALSE;
            // An edit that already shows the text keeps its selection (a choice's select-all).
            CString strEdit;
            m_pEdit->GetWindowText(strEdit);
            if (strEdit != m_strText) {
                vxAliveWatch watch(m_pAliveWatches);
                WriteEditText(m_strText);
                if (!watch.IsAlive() || !HasEdit())
                    return;
            }
            m_pEdit->EnableWindow(bEnabled);
        }
    }

    CRect rcClient;
    GetClientRect(&rcClient);
    const BOOL bFramed = (m_dwCBStyle & VXCB_FRAME) != 0;
    const vxComboPaintLayout layout = CalcPaintLayout();
    m_rcButton = layout.rcButton;

    dc.FillSolidRect(&rcClient, ::GetSysColor(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));
    if (bFramed) {
        dc.Draw3dRect(&layout.rcOuterFrame, ::GetSysColor(COLOR_3DSHADOW),
                      ::GetSysColor(COLOR_3DHILIGHT));
        dc.Draw3dRect(&layout.rcInnerFrame, ::GetSysColor(COLOR_3DDKSHADOW),
                      ::GetSysColor(COLOR_3DLIGHT));
        dc.DrawFrameControl(&m_rcButton, DFC_SCROLL, vxComboButtonState(m_bDropped, bEnabled));
    }

    if (IsDropListStyle()) {
        const vxComboFieldColours colours = vxComboFieldColoursFor(m_bFocused, m_bDropped, bEnabled);
        CRect rcText(layout.rcText);
        dc.SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
        const int nOldMode = dc.SetBkMode(TRANSPARENT);
        HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_hFont);
        dc.FillSolidRect(&rcText, ::GetSysColor(colours.nFill));
        dc.SetTextColor(::GetSysColor(colours.nText));
        dc.DrawText(m_strText, &rcText, DT_SINGLELINE | DT_VCENTER);
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
        dc.SetBkMode(nOldMode);
    } else if (HasEdit()) {
        m_pEdit->SendMessage(WM_SETFONT, (WPARAM)m_hFont, TRUE);
    }
}

vxComboPaintLayout vxCtrlComboBox::CalcPaintLayout() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    return vxComboCalcPaintLayout(rcClient, vxMetricAtDpi(SM_CXVSCROLL, vxDpiOf(m_hWnd)), (m_dwCBStyle & VXCB_FRAME) != 0);
}

// A documented entry of the message map; it only forwards.
BOOL vxCtrlComboBox::OnEraseBkgnd(CDC* pDC)
{
    return CWnd::OnEraseBkgnd(pDC);
}

// A documented entry of the message map; it only forwards.
void vxCtrlComboBox::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
}

// A documented entry of the message map; it only forwards.
void vxCtrlComboBox::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
}

void vxCtrlComboBox::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    Invalidate(TRUE);
    if (HasEdit())
        m_pEdit->EnableWindow(bEnable);
}

// --- hover ---------------------------------------------------------------------------

void vxCtrlComboBox::OnMouseMove(UINT nFlags, CPoint point)
{
    RecalcButtonArea();
    const BOOL bWasHover = m_bHover;
    if (IsDropDownStyle()) {
        m_bHover = m_rcButton.PtInRect(point);
    } else if (IsDropListStyle()) {
        GetClientRect(&m_rcWnd);
        m_bHover = m_rcWnd.PtInRect(point);
    } else {
        m_bHover = FALSE;
    }
    if (m_bHover != bWasHover) {
        // Nothing tells a window that the pointer left it: a poll ends the hover.
        if (!m_bHoverTimer) {
            m_bHoverTimer = TRUE;
            SetTimer(kHoverTimer, kHoverPollMs, NULL);
        }
        InvalidateRect(&m_rcButton, TRUE);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void vxCtrlComboBox::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHoverTimer) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        BOOL bInside = FALSE;
        if (IsDropDownStyle()) {
            bInside = RecalcButtonArea().PtInRect(point);
        } else if (IsDropListStyle()) {
            GetClientRect(&m_rcWnd);
            bInside = m_rcWnd.PtInRect(point);
        }
        if (!bInside) {
            KillTimer(kHoverTimer);
            const BOOL bWasHover = m_bHover;
            m_bHover = FALSE;
            m_bHoverTimer = FALSE;
            if (bWasHover)
                InvalidateRect(&m_rcButton, TRUE);
            return;
        }
    }
    CWnd::OnTimer(nIDEvent);
}

// --- mouse button and wheel ----------------------------------------------------------

void vxCtrlComboBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    if (::GetFocus() != m_hWnd)
        SetFocus();
    if (!watch.IsAlive())
        return;
    RecalcButtonArea();
    CRect rcClient;
    GetClientRect(&rcClient);
    const BOOL bToggles = (IsDropDownStyle() && m_rcButton.PtInRect(point)) ||
                          (IsDropListStyle() && rcClient.PtInRect(point));
    if (bToggles) {
        SendMessage(WM_COMBO_DROPDOWNBUTTON);
        if (!watch.IsAlive())
            return;
        Invalidate(TRUE);
    }
    CWnd::OnLButtonDown(nFlags, point);
}

BOOL vxCtrlComboBox::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const int nNotch = vxComboWheelNotch(m_nWheelDelta, zDelta);
    if (nNotch == 0)
        return TRUE;
    CListBox* pList = GetDropListBox();
    if (pList != NULL) {
        // One notch scrolls the open list by three rows.
        const int nTop = static_cast<int>(pList->SendMessage(LB_GETTOPINDEX));
        const int nCount = static_cast<int>(pList->SendMessage(LB_GETCOUNT));
        ScrollDropList(nNotch > 0 ? std::max(nTop - 3, 0) : std::min(nTop + 3, nCount));
    } else if (nNotch > 0) {
        SelPrevItem();
    } else {
        SelNextItem();
    }
    return TRUE;
}

// --- focus ---------------------------------------------------------------------------

void vxCtrlComboBox::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
    if (IsDropDownStyle() && HasEdit()) {
        vxAliveWatch watch(m_pAliveWatches, m_hWnd);
        m_pEdit->SetFocus();
        if (!watch.IsAlive() || !HasEdit())
            return;
        // The first focus the combo ever gets selects the whole text, as the system's does.
        if (!m_bBeenFocused) {
            m_bBeenFocused = TRUE;
            m_pEdit->SetSel(0, -1, TRUE);
        }
    } else if (IsDropListStyle()) {
        // The painted field shows the focus.
        Invalidate(TRUE);
        Notify(CBN_SETFOCUS);
    }
}

void vxCtrlComboBox::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_bFocused = FALSE;
    // Into the combo's own edit the focus has not left the combo; the edit tells its loss.
    if (HasEdit() && pNewWnd->GetSafeHwnd() == m_pEdit->GetSafeHwnd())
        return;
    // The list closes before the focus notifications, so that GetDroppedState() reads FALSE
    // in them; its close is the one CBN_SELENDCANCEL.
    const BOOL bClosedList = m_pDropWnd != NULL;
    if (bClosedList && !CloseDropDown())
        return;
    if (IsDropListStyle()) {
        Invalidate(TRUE);
        if (bClosedList || Notify(CBN_SELENDCANCEL))
            Notify(CBN_KILLFOCUS);
    }
}

// --- keyboard ------------------------------------------------------------------------

UINT vxCtrlComboBox::OnGetDlgCode()
{
    // Arrows and characters stay with the combo; Enter and Escape only while a list is
    // open, so that otherwise the dialog's default button and Cancel get them.
    UINT nCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* pMsg = reinterpret_cast<const MSG*>(GetCurrentMessage()->lParam);
    if (m_pDropWnd != NULL && pMsg != NULL && pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

BOOL vxCtrlComboBox::PreTranslateMessage(MSG* pMsg)
{
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    // The drop-down's notifications may end the combo: then the key is spent.
    auto gone = [&]() { return !watch.IsAlive(); };

    // Alt+Down and Alt+Up toggle the list.
    if (pMsg->message == WM_SYSKEYDOWN && (pMsg->wParam == VK_DOWN || pMsg->wParam == VK_UP)) {
        SendMessage(WM_COMBO_DROPDOWNBUTTON);
        if (gone())
            return TRUE;
        Invalidate(TRUE);
        return CWnd::PreTranslateMessage(pMsg);
    }
    if (pMsg->message != WM_KEYDOWN)
        return CWnd::PreTranslateMessage(pMsg);

    m_bAutoComplete = TRUE;
    CListBox* pList = GetDropListBox();
    switch (pMsg->wParam) {
    case VK_RETURN:
        // With the list closed the key is the dialog's (its default button).
        if (pList == NULL)
            return CWnd::PreTranslateMessage(pMsg);
        if (pList->SendMessage(LB_GETCURSEL) != LB_ERR) {
            SendMessage(WM_COMBO_SELECTEDITEM, pList->SendMessage(LB_GETCURSEL));
            return TRUE;
        }
        // No highlighted row (a filtered list without an exact match): the typed text stays
        // and the list closes as a cancel, as by Escape.
        [[fallthrough]];
    case VK_ESCAPE:
        // With the list closed the key is the dialog's (its Cancel), as with the system's
        // combo box.
        if (pList == NULL)
            return CWnd::PreTranslateMessage(pMsg);
        OnDestroyDropdownList(0, 0);
        if (!gone())
            Invalidate(TRUE);
        return TRUE;
    case VK_F4:
        // The extended interface opens the list by the arrows instead.
        if (m_bExtendedUI)
            return TRUE;
        SendMessage(WM_COMBO_DROPDOWNBUTTON);
        if (!gone())
            Invalidate(TRUE);
        return TRUE;
    case VK_UP:
    case VK_DOWN:
        if (pList != NULL) {
            MoveDropListSelection(pMsg->wParam == VK_DOWN ? +1 : -1);
        } else if (m_bExtendedUI && !m_bDropped) {
            SendMessage(WM_COMBO_DROPDOWNBUTTON);
            if (!gone())
                Invalidate(TRUE);
        } else if (pMsg->wParam == VK_DOWN) {
            SelNextItem();
        } else {
            SelPrevItem();
        }
        return TRUE;
    case VK_DELETE:
    case VK_BACK:
        m_bAutoComplete = FALSE;
        return CWnd::PreTranslateMessage(pMsg);
    case VK_RIGHT:
        return OnRightKey(pMsg);
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        return OnJumpKey(pMsg);
    default:
        return CWnd::PreTranslateMessage(pMsg);
    }
}

BOOL vxCtrlComboBox::OnJumpKey(MSG* pMsg)
{
    const UINT nKey = static_cast<UINT>(pMsg->wParam);
    // Home and End move an edit's caret, as in the system's combo box.
    if ((nKey == VK_HOME || nKey == VK_END) && HasEdit())
        return CWnd::PreTranslateMessage(pMsg);
    // A page is the rows the open list shows (less one, so that a row stays in view), or the
    // rows it would show.
    vxDropListBox* pList = GetDropListBox();
    int nPage = m_nDefaultVisibleItems > 0 ? m_nDefaultVisibleItems : 1;
    if (pList != NULL) {
        CRect rcList;
        pList->GetClientRect(&rcList);
        nPage = rcList.Height() / vxDropRowHeight(pList->GetItemHeight(0)) - 1;
    }
    nPage = nPage > 1 ? nPage : 1;
    const int nFrom = pList != NULL ? pList->GetCurSel() : m_nCurSel;
    const int nTarget = nKey == VK_HOME ? 0
                        : nKey == VK_END ? INT_MAX
                        : nKey == VK_NEXT ? (nFrom < 0 ? 0 : nFrom) + nPage
                                          : (nFrom < 0 ? 0 : nFrom) - nPage;
    if (pList != NULL) {
        const int nRow = vxComboKeyTarget(m_pDropWnd->GetRows(), nFrom, nTarget);
        if (nRow >= 0)
            pList->SelectItem(nRow, TRUE);
        return TRUE;
    }
    const int nItem = vxComboKeyTarget(m_lstItems, nFrom, nTarget);
    if (nItem >= 0 && TakeItem(nItem, vxComboItemAt(m_lstItems, nItem)->strText) && Notify(CBN_SELENDOK))
        Notify(CBN_SELCHANGE);
    return TRUE;
}

BOOL vxCtrlComboBox::OnRightKey(MSG* pMsg)
{
    if (!(m_dwCBStyle & VXCB_AUTOCOMPLETE))
        return CWnd::PreTranslateMessage(pMsg);
    if (!HasEdit())
        return TRUE;
    // With the caret at the end of the text, the key completes the text.
    const DWORD dwSel = static_cast<DWORD>(m_pEdit->SendMessage(EM_GETSEL));
    const int nStart = LOWORD(dwSel);
    const int nEnd = HIWORD(dwSel);
    const int nLength = static_cast<int>(m_pEdit->SendMessage(EM_LINELENGTH, static_cast<WPARAM>(-1)));
    if (nStart == nEnd && nStart == nLength) {
        OnUpdateEdit();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// --- moving the selection with the list closed ---------------------------------------

BOOL vxCtrlComboBox::TakeItem(int nIndex, const CString& strText)
{
    SetFieldText(strText);
    if (!SetShownText(m_strText))
        return FALSE;
    Invalidate(TRUE);
    m_nCurSel = nIndex;
    return TRUE;
}

BOOL vxCtrlComboBox::SetShownText(const CString& strText)
{
    // Without an edit the painted m_strText is the window text already.
    return !HasEdit() || WriteEditText(strText);
}

BOOL vxCtrlComboBox::SelNextItem()
{
    if (m_nCurSel == -1)
        m_nCurSel = 0;
    const int nFrom = m_nCurSel;
    // The next enabled item after the current one; a selection naming no item takes none.
    int nIndex = nFrom + 1;
    for (vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
         it != m_lstItems.end(); ++it, ++nIndex) {
        if (!it->bDisabled) {
            if (!TakeItem(nIndex, it->strText))
                return FALSE;
            break;
        }
    }
    if (m_nCurSel == nFrom)
        return TRUE;
    return Notify(CBN_SELENDOK) && Notify(CBN_SELCHANGE);
}

BOOL vxCtrlComboBox::SelPrevItem()
{
    if (m_nCurSel == -1)
        m_nCurSel = 0;
    const int nFrom = m_nCurSel;
    // The nearest enabled item before the current one, which must exist.
    if (vxComboItemAt(m_lstItems, nFrom) == m_lstItems.end())
        return TRUE;
    int nIndex = nFrom - 1;
    for (vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
         it != m_lstItems.end(); --nIndex) {
        if (!it->bDisabled) {
            if (!TakeItem(nIndex, it->strText))
                return FALSE;
            break;
        }
        if (it == m_lstItems.begin())
            break;
        --it;
    }
    if (m_nCurSel == nFrom)
        return TRUE;
    return Notify(CBN_SELENDOK) && Notify(CBN_SELCHANGE);
}

// --- characters ----------------------------------------------------------------------

void vxCtrlComboBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Characters sent to the combo type into its edit, as with the system's combo.
    if (HasEdit()) {
        m_pEdit->SendMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
        return;
    }
    if (!IsDropListStyle() || nChar < _T(' ')) {
        CWnd::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    // A character of two units comes in two messages: the first waits for the second.
    const TCHAR ch = static_cast<TCHAR>(nChar);
    const BOOL bFirstOfTwo = sizeof(TCHAR) == 1 ? ::IsDBCSLeadByte(static_cast<BYTE>(ch)) : IS_HIGH_SURROGATE(ch);
    if (m_chLeadByte == 0 && bFirstOfTwo) {
        m_chLeadByte = ch;
        return;
    }
    CString strChar;
    if (m_chLeadByte != 0)
        strChar += m_chLeadByte;
    strChar += ch;
    m_chLeadByte = 0;
    SelectByCharacter(strChar);
}

void vxCtrlComboBox::SelectByCharacter(const CString& strChar)
{
    // Open: the highlight moves, as Down moves it; closed: the selection, as Down moves it.
    vxDropListBox* pList = GetDropListBox();
    if (pList != NULL) {
        const int nRow = vxComboNextByPrefix(m_pDropWnd->GetRows(), pList->GetCurSel(), strChar);
        if (nRow != -1)
            pList->SelectItem(nRow, TRUE);
        return;
    }
    const int nFrom = m_nCurSel;
    const int nIndex = vxComboNextByPrefix(m_lstItems, nFrom, strChar);
    if (nIndex == -1 || nIndex == nFrom)
        return;
    // Each notice may be the combo's last: the next is sent only while it lives.
    if (TakeItem(nIndex, vxComboItemAt(m_lstItems, nIndex)->strText) && Notify(CBN_SELENDOK))
        Notify(CBN_SELCHANGE);
}
