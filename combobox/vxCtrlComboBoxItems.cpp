// The item list interface, the selection, the image of the selection field and the
// standard combo box messages routed to them.
#include "vxCtrlComboBox.h"
#include "vxComboItemRules.h"
#include "vxAliveWatch.h"
#include "vxDropListBox.h"

#include <vexelcore.h>

#include <string.h>

namespace {

_tagListboxItem MakeItem(LPCTSTR pszText, LPCTSTR pszImage)
{
    _tagListboxItem item;
    item.strText = pszText;
    item.strImage = pszImage;
    return item;
}

} // namespace

int vxCtrlComboBox::AddString(LPCTSTR pszText)
{
    return AddString(pszText, NULL);
}

int vxCtrlComboBox::AddString(LPCTSTR pszText, LPCTSTR pszImage)
{
    m_lstItems.push_back(MakeItem(pszText, pszImage));
    return static_cast<int>(m_lstItems.size()) - 1;
}

int vxCtrlComboBox::InsertString(int nIndex, LPCTSTR pszText)
{
    return InsertString(nIndex, pszText, NULL);
}

int vxCtrlComboBox::InsertString(int nIndex, LPCTSTR pszText, LPCTSTR pszImage)
{
    _tagListboxItem item = MakeItem(pszText, pszImage);
    return InsertString(nIndex, item);
}

int vxCtrlComboBox::InsertString(int nIndex, _tagListboxItem& item)
{
    return vxComboInsertItem(m_lstItems, m_nCurSel, nIndex, item);
}

int vxCtrlComboBox::DeleteString(unsigned int nIndex)
{
    return vxComboDeleteItem(m_lstItems, nIndex);
}

void vxCtrlComboBox::ResetContent()
{
    m_lstItems.clear();
    SetFieldText(CString());
}

int vxCtrlComboBox::GetCount() const
{
    return static_cast<int>(m_lstItems.size());
}

int vxCtrlComboBox::FindString(int nStartAfter, LPCTSTR pszText)
{
    return vxComboFindPrefixNoCase(m_lstItems, nStartAfter, pszText);
}

int vxCtrlComboBox::FindStringExact(int nIndexStart, LPCTSTR pszText)
{
    return vxComboFindExact(m_lstItems, nIndexStart, pszText);
}

int vxCtrlComboBox::SelectString(int nStartAfter, LPCTSTR pszText)
{
    if (nStartAfter > GetCount())
        return -1;
    const int nFound = FindStringExact(nStartAfter, pszText);
    if (nFound == -1)
        return -1;
    m_nCurSel = nFound;
    SetFieldText(vxComboItemAt(m_lstItems, nFound)->strText);
    InvalidateIfShown();
    return nFound;
}

int vxCtrlComboBox::GetCurSel()
{
    CString strText;
    GetText(strText);
    return FindStringExact(-1, strText);
}

int vxCtrlComboBox::SetCurSel(int nSelect)
{
    // No selection: the field empties.
    if (nSelect == -1) {
        m_nCurSel = -1;
        SetFieldText(CString());
        if (HasEdit()) {
            WriteEditText(_T(""));
        } else if (::IsWindow(m_hWnd)) {
            ShowWindowImage(FALSE);
            InvalidateIfShown();
        }
        return -1;
    }
    // An empty list keeps the index for the items to come.
    if (m_lstItems.empty()) {
        m_nCurSel = nSelect;
        return -1;
    }
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nSelect);
    if (it == m_lstItems.end())
        return -1;

    m_nCurSel = nSelect;
    SetFieldText(it->strText);
    if (HasEdit()) {
        vxAliveWatch watch(m_pAliveWatches);
        WriteEditText(m_strText);
        if (!watch.IsAlive() || !HasEdit())
            return nSelect;
        const int nEnd = EditPosition(m_strText, m_strText.GetLength());
        m_pEdit->SetSel(nEnd, nEnd, FALSE);
        m_pEdit->EnableWindow(IsWindowEnabled());
    } else if (::IsWindow(m_hWnd)) {
        SetWindowImage(it->strImage);
        // The field is painted from m_strText: show the new text now.
        InvalidateIfShown();
    }
    return nSelect;
}

_tagListboxItem* vxCtrlComboBox::GetItemRecord(int nIndex)
{
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
    return it == m_lstItems.end() ? NULL : &*it;
}

DWORD_PTR vxCtrlComboBox::GetItemData(int nIndex)
{
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
    return it == m_lstItems.end() ? static_cast<DWORD_PTR>(-1) : it->dwItemData;
}

int vxCtrlComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
    if (it == m_lstItems.end())
        return -1;
    it->dwItemData = dwItemData;
    return 0;
}

void* vxCtrlComboBox::GetItemDataPtr(int nIndex)
{
    return reinterpret_cast<void*>(GetItemData(nIndex));
}

int vxCtrlComboBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int vxCtrlComboBox::GetLBTextLen(int nIndex)
{
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
    return it == m_lstItems.end() ? -1 : it->strText.GetLength() + 1;
}

int vxCtrlComboBox::GetLBText(int nIndex, LPTSTR pszText)
{
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
    // Without an item, or without a buffer, nothing is written.
    if (it == m_lstItems.end() || pszText == NULL)
        return -1;
    const int nLength = it->strText.GetLength();
    memcpy(pszText, static_cast<LPCTSTR>(it->strText), (nLength + 1) * sizeof(TCHAR));
    return nLength + 1;
}

void vxCtrlComboBox::GetLBText(int nIndex, CString& strText)
{
    vxListboxItemList::iterator it = vxComboItemAt(m_lstItems, nIndex);
    if (it == m_lstItems.end())
        strText.Empty();
    else
        strText = it->strText;
}

int vxCtrlComboBox::GetTopIndex()
{
    CListBox* pList = m_bDropped ? GetDropListBox() : NULL;
    return pList == NULL ? -1 : static_cast<int>(pList->SendMessage(LB_GETTOPINDEX));
}

int vxCtrlComboBox::SetTopIndex(int nIndex)
{
    CListBox* pList = m_bDropped ? GetDropListBox() : NULL;
    return pList == NULL ? -1 : static_cast<int>(pList->SendMessage(LB_SETTOPINDEX, nIndex));
}

int vxCtrlComboBox::SetItemHeight(int nIndex, int cy)
{
    if (nIndex == -1) {
        m_nEditHeight = cy;
        if (HasEdit())
            m_pEdit->MoveWindow(RecalcEditArea(), FALSE);
    } else {
        m_nItemHeight = cy;
        m_bItemHeightGiven = TRUE;
    }
    return -1;
}

void vxCtrlComboBox::ShowWindowImage(BOOL bShow)
{
    vxSetDrawItemVisible(m_hWnd, 100, 100, bShow ? 1 : 0, 0);
}

void vxCtrlComboBox::SetWindowImage(CString strImage)
{
    ShowWindowImage(TRUE);
    if (!strImage.IsEmpty())
        vxSetDrawItemValue(m_hWnd, _T("image.default"), strImage, 0);
}

// --- standard combo box messages -----------------------------------------------------

LRESULT vxCtrlComboBox::OnCbAddString(WPARAM, LPARAM lParam)
{
    return AddString(reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT vxCtrlComboBox::OnCbGetCount(WPARAM, LPARAM)
{
    return GetCount();
}

LRESULT vxCtrlComboBox::OnCbGetCurSel(WPARAM, LPARAM)
{
    return GetCurSel();
}

LRESULT vxCtrlComboBox::OnCbGetLBText(WPARAM wParam, LPARAM lParam)
{
    return GetLBText(static_cast<int>(wParam), reinterpret_cast<LPTSTR>(lParam));
}

LRESULT vxCtrlComboBox::OnCbGetLBTextLen(WPARAM wParam, LPARAM)
{
    return GetLBTextLen(static_cast<int>(wParam));
}

LRESULT vxCtrlComboBox::OnCbResetContent(WPARAM, LPARAM)
{
    m_lstItems.clear();
    SetFieldText(CString());
    m_nCurSel = -1;
    if (HasEdit()) {
        vxAliveWatch watch(m_pAliveWatches);
        WriteEditText(_T(""));
        if (!watch.IsAlive())
            return 0;
    }
    Invalidate(TRUE);
    return 0;
}

LRESULT vxCtrlComboBox::OnCbSelectString(WPARAM wParam, LPARAM lParam)
{
    return SetCurSel(FindStringExact(static_cast<int>(wParam), reinterpret_cast<LPCTSTR>(lParam)));
}

LRESULT vxCtrlComboBox::OnCbSetCurSel(WPARAM wParam, LPARAM)
{
    return SetCurSel(static_cast<int>(wParam));
}

LRESULT vxCtrlComboBox::OnCbGetTopIndex(WPARAM, LPARAM)
{
    return GetTopIndex();
}

LRESULT vxCtrlComboBox::OnCbSetTopIndex(WPARAM wParam, LPARAM)
{
    return SetTopIndex(static_cast<int>(wParam));
}

// --- standard messages beyond the ten, through the member functions ------------------

LRESULT vxCtrlComboBox::OnCbInsertString(WPARAM wParam, LPARAM lParam)
{
    return InsertString(static_cast<int>(wParam), reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT vxCtrlComboBox::OnCbDeleteString(WPARAM wParam, LPARAM)
{
    return DeleteString(static_cast<unsigned int>(wParam));
}

LRESULT vxCtrlComboBox::OnCbFindString(WPARAM wParam, LPARAM lParam)
{
    return FindString(static_cast<int>(wParam), reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT vxCtrlComboBox::OnCbFindStringExact(WPARAM wParam, LPARAM lParam)
{
    return FindStringExact(static_cast<int>(wParam), reinterpret_cast<LPCTSTR>(lParam));
}

LRESULT vxCtrlComboBox::OnCbGetItemData(WPARAM wParam, LPARAM)
{
    return static_cast<LRESULT>(GetItemData(static_cast<int>(wParam)));
}

LRESULT vxCtrlComboBox::OnCbSetItemData(WPARAM wParam, LPARAM lParam)
{
    return SetItemData(static_cast<int>(wParam), static_cast<DWORD_PTR>(lParam)) == -1 ? CB_ERR : TRUE;
}

LRESULT vxCtrlComboBox::OnCbGetDroppedState(WPARAM, LPARAM)
{
    return GetDroppedState();
}

LRESULT vxCtrlComboBox::OnCbShowDropDown(WPARAM wParam, LPARAM)
{
    ShowDropDown(wParam != 0);
    return TRUE;
}

LRESULT vxCtrlComboBox::OnCbGetDroppedControlRect(WPARAM, LPARAM lParam)
{
    if (lParam == 0)
        return CB_ERR;
    GetDroppedControlRect(reinterpret_cast<RECT*>(lParam));
    return TRUE;
}

LRESULT vxCtrlComboBox::OnCbLimitText(WPARAM wParam, LPARAM)
{
    return LimitText(static_cast<int>(wParam)) == -1 ? CB_ERR : TRUE;
}

LRESULT vxCtrlComboBox::OnCbGetEditSel(WPARAM wParam, LPARAM lParam)
{
    if (!IsDropDownStyle() || !HasEdit())
        return CB_ERR;
    // The edit's full positions for the pointers; the packed answer holds 16 bits each and
    // is -1 past them, as the system's edit answers.
    DWORD dwStart = 0, dwEnd = 0;
    m_pEdit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    if (wParam != 0)
        *reinterpret_cast<DWORD*>(wParam) = dwStart;
    if (lParam != 0)
        *reinterpret_cast<DWORD*>(lParam) = dwEnd;
    return dwStart > 0xFFFF || dwEnd > 0xFFFF ? -1 : MAKELONG(dwStart, dwEnd);
}

LRESULT vxCtrlComboBox::OnCbSetEditSel(WPARAM, LPARAM lParam)
{
    // The positions are signed 16-bit: -1 as the start removes the selection.
    return SetEditSel(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))) == -1 ? CB_ERR
                                                                                                  : TRUE;
}
