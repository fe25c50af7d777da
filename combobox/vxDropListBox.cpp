// The drop list: rows with their item copies, selection with skips, hot-tracking, choosing.
#include "vxDropListBox.h"

#include "vxAccessibleEvent.h"
#include "vxComboAccessible.h"
#include "vxComboMessages.h"
#include "vxCtrlComboBox.h"
#include "vxDropPlacement.h"

#include <vexelcore.h>

#include <string.h>

IMPLEMENT_DYNAMIC(vxDropListBox, CListBox)

BEGIN_MESSAGE_MAP(vxDropListBox, CListBox)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(WM_DROP_SETCAPTURE, &vxDropListBox::OnDropSetCapture)
    ON_MESSAGE(WM_DROP_RELEASECAPTURE, &vxDropListBox::OnDropReleaseCapture)
    ON_MESSAGE(WM_DROPLIST_ELEMENTCLICK, &vxDropListBox::OnElementClick)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

vxDropListBox::vxDropListBox(vxCtrlComboBox* pCombo)
    : m_pCombo(pCombo), m_pRows(NULL), m_nImageRowsEnd(0), m_bElementClicked(FALSE), m_pAccessible(NULL)
{
}

vxDropListBox::~vxDropListBox()
{
    delete m_pAccessible;
}

void vxDropListBox::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CListBox::OnNcDestroy();
}

BOOL vxDropListBox::PreTranslateMessage(MSG* pMsg)
{
    // With the focus in the list the combo's keys would pass the combo by: they are posted
    // on to it, so that a close they cause comes after this list's own handling.
    const bool bComboKey =
        (pMsg->message == WM_KEYDOWN &&
         (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_F4 ||
          pMsg->wParam == VK_UP || pMsg->wParam == VK_DOWN)) ||
        (pMsg->message == WM_SYSKEYDOWN && (pMsg->wParam == VK_UP || pMsg->wParam == VK_DOWN));
    if (bComboKey && m_pCombo != NULL && ::IsWindow(m_pCombo->GetSafeHwnd())) {
        ::PostMessage(m_pCombo->GetSafeHwnd(), pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    return CListBox::PreTranslateMessage(pMsg);
}

void vxDropListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Rows get their height from LB_SETITEMHEIGHT.
}

int vxDropListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    ShowWindow(SW_HIDE);
    ModifyStyleEx(0, WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE);
    ShowWindow(SW_SHOW);
    SetWindowPos(&wndTopMost, lpCreateStruct->x, lpCreateStruct->y, lpCreateStruct->cx,
                 lpCreateStruct->cy, SWP_SHOWWINDOW);
    // The combo's window keeps no font of its own (its class does not store WM_SETFONT):
    // then the font it owns and draws with.
    if (m_pCombo != NULL) {
        CFont* pFont = m_pCombo->GetFont();
        SetFont(pFont != NULL ? pFont : m_pCombo->GetEditTextFont(), TRUE);
    }
    return 0;
}

void vxDropListBox::SetRows(const vxListboxItemList& rows)
{
    // One message for the count, then the draw items; nothing is painted until the end.
    // Rows shown before may have had images the new rows at their places lack.
    const int nImageRowsBefore = m_nImageRowsEnd;
    m_nImageRowsEnd = 0;
    m_pRows = &rows;
    SetRedraw(FALSE);
    SendMessage(LB_SETCOUNT, rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const int nIndex = static_cast<int>(i);
        vxSetDrawItemValueEx(m_hWnd, nIndex, 0, _T("text.default"), rows[i].strText, 0);
        if (!rows[i].strImage.IsEmpty()) {
            vxSetDrawItemValueEx(m_hWnd, nIndex, 0, _T("image.default"), rows[i].strImage, 0);
            m_nImageRowsEnd = nIndex + 1;
        } else if (nIndex < nImageRowsBefore) {
            vxSetDrawItemValueEx(m_hWnd, nIndex, 0, _T("image.default"), NULL, 0);
        }
    }
    SetRedraw(TRUE);
    Invalidate(TRUE);
}

const _tagListboxItem* vxDropListBox::RowItem(int nIndex) const
{
    if (m_pRows == NULL || nIndex < 0 || nIndex >= static_cast<int>(m_pRows->size()))
        return NULL;
    return &(*m_pRows)[static_cast<size_t>(nIndex)];
}

LRESULT vxDropListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // As an owner-drawn list without strings answers: the data is the row's item, and the
    // text is that data.
    const _tagListboxItem* pItem = NULL;
    switch (message) {
    case LB_GETITEMDATA:
        pItem = RowItem(static_cast<int>(wParam));
        return pItem != NULL ? reinterpret_cast<LRESULT>(pItem) : LB_ERR;
    case LB_GETTEXTLEN:
        return RowItem(static_cast<int>(wParam)) != NULL ? sizeof(ULONG_PTR) : LB_ERR;
    case LB_GETTEXT:
        pItem = RowItem(static_cast<int>(wParam));
        if (pItem == NULL || lParam == 0)
            return LB_ERR;
        *reinterpret_cast<ULONG_PTR*>(lParam) = reinterpret_cast<ULONG_PTR>(pItem);
        return sizeof(ULONG_PTR);
    case LB_SETITEMDATA:
        return LB_ERR;               // the rows are copies of the combo's items
    case LB_SETCOUNT:
        // The count is the frame's rows; any other would have the skin engine keep room
        // for rows that do not exist.
        if (wParam != (m_pRows != NULL ? m_pRows->size() : 0))
            return LB_ERR;
        break;
    case WM_GETOBJECT:
        // Rows without strings: the list names them for screen readers.
        if (const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam,
                                                      [this] { return new vxDropListAccessible(this, m_pCombo); }))
            return lResult;
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

BOOL vxDropListBox::IsRowDisabled(int nIndex) const
{
    const _tagListboxItem* pItem = RowItem(nIndex);
    return pItem != NULL && pItem->bDisabled;
}

int vxDropListBox::SelectItem(int nSelect, BOOL bByUser)
{
    const int nCur = GetCurSel();
    // Towards the side of the move, the first enabled row from nSelect on; a walk that runs
    // out of rows keeps nSelect.
    const int nStep = nSelect < nCur ? -1 : (nSelect > nCur ? 1 : 0);
    if (nStep != 0) {
        for (int i = nSelect; RowItem(i) != NULL; i += nStep) {
            if (!RowItem(i)->bDisabled) {
                nSelect = i;
                break;
            }
        }
    }
    if (!IsRowDisabled(nSelect) && nSelect != nCur) {
        SetCurSel(nSelect);
        // The row a screen reader follows while the list is open as the combo's, and in the
        // filtered list as the user moves through it (not as typing refills it).
        if (nSelect >= 0 && m_pCombo != NULL && m_pCombo->GetDropListBox() == this &&
            (bByUser || m_pCombo->m_bDropped)) {
            vxNotifyAccessibleEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, nSelect + 1);
            vxNotifyAccessibleEvent(EVENT_OBJECT_SELECTION, m_hWnd, OBJID_CLIENT, nSelect + 1);
        }
    }
    return nSelect;
}

void vxDropListBox::SetTopIndexTracked(int nIndex)
{
    SendMessage(LB_SETTOPINDEX, nIndex);
}

int vxDropListBox::RowAt(CPoint point) const
{
    const int nRow = vxDropRowAt(point.y, GetItemHeight(0), GetTopIndex());
    return RowItem(nRow) != NULL ? nRow : -1;
}

void vxDropListBox::HandCaptureToFrame(CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.PtInRect(point))
        return;
    ::ReleaseCapture();
    GetParent()->SendMessage(WM_DROP_SETCAPTURE);
}

void vxDropListBox::OnMouseMove(UINT nFlags, CPoint point)
{
    HandCaptureToFrame(point);
    // Hot-tracking: the row under the pointer, unless it is disabled.
    const int nRow = RowAt(point);
    if (nRow != -1 && nRow != GetCurSel() && !IsRowDisabled(nRow))
        SelectItem(nRow, TRUE);
    CListBox::OnMouseMove(nFlags, point);
}

void vxDropListBox::PostChoice(int nRow)
{
    if (nRow != -1)
        m_pCombo->PostMessage(WM_COMBO_SELECTEDITEM, nRow, (LPARAM)::GetParent(m_hWnd));
    ::ReleaseCapture();
    m_pCombo->PostMessage(WM_COMBO_DESTROYDROPDOWN, 0, (LPARAM)::GetParent(m_hWnd));
}

BOOL vxDropListBox::ChooseRow(int nRow)
{
    if (RowItem(nRow) == NULL || IsRowDisabled(nRow))
        return FALSE;
    SelectItem(nRow, TRUE);
    PostChoice(nRow);
    return TRUE;
}

void vxDropListBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    HandCaptureToFrame(point);
    const int nRow = RowAt(point);
    const int nCur = GetCurSel();
    // Disabled rows choose nothing and close nothing.
    const bool bCloses = !(nRow != -1 && IsRowDisabled(nRow)) && !(nCur != -1 && IsRowDisabled(nCur));
    // The choice is the hot-tracked row; an element click only closes.
    if (bCloses)
        PostChoice(m_bElementClicked ? -1 : nCur);
    m_bElementClicked = FALSE;
    CListBox::OnLButtonUp(nFlags, point);
    // The list box's own button-up lets the capture go; a list that stays open takes it
    // back, or a click outside would no longer close it.
    if (!bCloses)
        SetCapture();
}

namespace {

// Whether lParam names the "close" element. The name comes from the skin engine, which names
// elements in ASCII and narrow whatever the host's character set. Any process may post the
// message, so the address is not trusted: the name is copied by a read that fails instead of
// faulting.
bool NamesCloseElement(LPARAM lParam)
{
    if (lParam == 0)
        return false;
    static const char kClose[] = "close";
    char szName[sizeof(kClose)] = {};
    SIZE_T nRead = 0;
    return ::ReadProcessMemory(::GetCurrentProcess(), reinterpret_cast<LPCVOID>(lParam), szName,
                               sizeof(szName), &nRead) &&
           nRead == sizeof(szName) && memcmp(szName, kClose, sizeof(kClose)) == 0;
}

} // namespace

LRESULT vxDropListBox::OnElementClick(WPARAM wParam, LPARAM lParam)
{
    // The host's click handling runs on this thread: a send from another thread, perhaps of
    // another process, is none of it.
    if (::InSendMessageEx(NULL) != ISMEX_NOSEND)
        return 0;
    m_bElementClicked = TRUE;
    if (NamesCloseElement(lParam) && m_pCombo != NULL) {
        CWnd* pParent = m_pCombo->GetParent();
        if (pParent != NULL)
            pParent->PostMessage(WM_COMBO_ITEMCLOSE, wParam);
    }
    return 1;
}

LRESULT vxDropListBox::OnDropSetCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 0;
}

LRESULT vxDropListBox::OnDropReleaseCapture(WPARAM, LPARAM)
{
    ::ReleaseCapture();
    return 0;
}
