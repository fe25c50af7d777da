// The edit child's notifications, the two typing aids (inline completion and the filtered
// drop list) and the text accessors.
#include "vxCtrlComboBox.h"
#include "vxComboItemRules.h"
#include "vxAliveWatch.h"
#include "vxAnsiText.h"
#include "vxDropWnd.h"

#include <imm.h>

#include <string.h>

namespace {

// Set while a completion writes the edit text, for every combo of the process, so that the
// edit update caused by that write runs no typing aid.
BOOL s_bCompleting = FALSE;

} // namespace

void vxCtrlComboBox::OnSetfocusEdit()
{
    m_bFocused = FALSE;
    // Focus moving between the combo and its edit is not news to the parent.
    if (!m_bFocusNotified) {
        m_bFocusNotified = TRUE;
        Notify(CBN_SETFOCUS);
    }
}

void vxCtrlComboBox::OnKillfocusEdit()
{
    m_bFocused = FALSE;
    // Into the combo window itself the focus has not left the combo.
    if (::GetFocus() == m_hWnd)
        return;
    // Gone elsewhere (Tab, a click, another application): an open list closes first, with
    // its own CBN_SELENDCANCEL and CBN_CLOSEUP; the drop list itself never takes the focus.
    if (m_pDropWnd != NULL) {
        if (!CloseDropDown() || !Notify(CBN_KILLFOCUS))
            return;
    } else if (!Notify(CBN_SELENDCANCEL) || !Notify(CBN_KILLFOCUS)) {
        return;
    }
    m_bFocusNotified = FALSE;
    if (HasEdit())
        m_pEdit->SetSel(0, 0, FALSE);
}

void vxCtrlComboBox::OnChangeEdit()
{
    AnnounceValue();
    if (m_pDropWnd == NULL)
        Notify(CBN_EDITCHANGE);
}

void vxCtrlComboBox::OnUpdateEdit()
{
    if (!HasEdit())
        return;
    CString strTyped;
    m_pEdit->GetWindowText(strTyped);

    // Texts set by the program get no typing aid, nor the steps of an input method's
    // composition: only the text it commits is typed.
    const BOOL bTyping = ::GetFocus() == m_pEdit->GetSafeHwnd() && !s_bCompleting && !IsEditComposing();
    if (bTyping && (m_dwCBStyle & VXCB_AUTOCOMPLETE) && m_bAutoComplete) {
        if (strTyped.IsEmpty())
            return;
        if (!CompleteTypedText(strTyped))
            return;
    }
    if (bTyping && (m_dwCBStyle & VXCB_FILTEREDLIST)) {
        // An emptied edit only closes the list.
        if (strTyped.IsEmpty()) {
            CloseDropDown();
            return;
        }
        if (!FilterDropList(strTyped))
            return;
    }
    if (m_pDropWnd == NULL)
        Notify(CBN_EDITUPDATE);
}

BOOL vxCtrlComboBox::IsEditComposing() const
{
    const HWND hEdit = m_pEdit->GetSafeHwnd();
    const HIMC hImc = ::ImmGetContext(hEdit);
    if (hImc == NULL)
        return FALSE;
    const LONG nComposing = ::ImmGetCompositionString(hImc, GCS_COMPSTR, NULL, 0);
    ::ImmReleaseContext(hEdit, hImc);
    return nComposing > 0;
}

BOOL vxCtrlComboBox::CompleteTypedText(const CString& strTyped)
{
    for (vxListboxItemList::iterator it = m_lstItems.begin(); it != m_lstItems.end(); ++it) {
        if (!vxComboBeginsWith(it->strText, strTyped))
            continue;
        // Only the first item beginning with the text is used; its tail is selected so
        // that typing on replaces it.
        const CString strCompleted = it->strText;
        vxAliveWatch watch(m_pAliveWatches, m_hWnd);
        if (!WriteEditText(strCompleted) || !HasEdit())
            return FALSE;
        m_pEdit->SetSel(EditPosition(strCompleted, strTyped.GetLength()),
                        EditPosition(strCompleted, strCompleted.GetLength()), TRUE);
        return watch.IsAlive();
    }
    return TRUE;
}

BOOL vxCtrlComboBox::FilterDropList(const CString& strTyped)
{
    // The items beginning with the text as typed, before any completion, in list order,
    // collected before the close: running out of memory here changes nothing.
    vxListboxItemList rows;
    for (vxListboxItemList::const_iterator it = m_lstItems.begin(); it != m_lstItems.end(); ++it) {
        if (vxComboBeginsWith(it->strText, strTyped))
            rows.push_back(*it);
    }
    // A filtered list open while typing shows the new matches in the same frame: making the
    // top-level frame anew would be most of a keystroke's time. The host hears the close and
    // the open all the same, and while it hears them no frame is open.
    if (m_pDropWnd != NULL && !m_bDropped && !rows.empty()) {
        KeepDropDownForRefill();
        if (!AnnounceClosed())
            return FALSE;
    } else if (!CloseDropDown()) {
        return FALSE;
    }
    try {
        // The row shown highlighted is the match of the text as it now stands, or none.
        CString strShown;
        m_pEdit->GetWindowText(strShown);
        const int nRow = vxComboFindExact(rows, -1, strShown);
        // The host opened a list of its own while it heard the close: that one stays.
        if (m_pDropWnd != NULL)
            return TRUE;
        if (m_pKeptDrop == NULL)
            return CreateDropList(rows, nRow);
        m_pDropWnd = m_pKeptDrop;
        m_pKeptDrop = NULL;
        m_pDropWnd->ShowRows(rows, nRow);
    } catch (...) {
        DiscardDropDown();
        throw;
    }
    return Notify(CBN_DROPDOWN);
}

BOOL vxCtrlComboBox::WriteEditText(const CString& strText)
{
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    // The edit updates caused by this write run no typing aid (also when they nest).
    const BOOL bWasCompleting = s_bCompleting;
    s_bCompleting = TRUE;
    m_pEdit->SetWindowText(strText);
    s_bCompleting = bWasCompleting;
    return watch.IsAlive();
}

int vxCtrlComboBox::EditPosition(const CString& strText, int nBytes)
{
    // An edit that keeps Unicode text counts UTF-16 units, one that keeps the bytes counts
    // bytes: its own length of the text tells which.
    const int nEditLength = static_cast<int>(m_pEdit->SendMessage(EM_LINELENGTH, 0));
    if (nEditLength == strText.GetLength() || nBytes <= 0)
        return nBytes;
    return vxWideUnits(static_cast<LPCTSTR>(strText), nBytes);
}

void vxCtrlComboBox::SetText(LPCTSTR pszText)
{
    // The window text is the edit's, or the painted m_strText: WM_SETTEXT comes here too.
    const CString strText(pszText);
    if (HasEdit() && !WriteEditText(strText))
        return;
    SetFieldText(strText);
    if (!HasEdit() && ::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

void vxCtrlComboBox::GetText(CString& strText)
{
    if (HasEdit())
        m_pEdit->GetWindowText(strText);
    else
        strText = m_strText;
}

int vxCtrlComboBox::GetText(LPTSTR pszText)
{
    if (pszText == NULL)
        return -1;
    CString strText;
    GetText(strText);
    memcpy(pszText, static_cast<LPCTSTR>(strText), (strText.GetLength() + 1) * sizeof(TCHAR));
    return strText.GetLength();
}
