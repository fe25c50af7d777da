#include "vxListAccessible.h"

#include "vxCtrlListView.h"
#include "vxListRecords.h"

#include <vexelcore.h>

namespace {

// The engine's tooltip text of a window in the build's character set (the query has a
// narrow and a wide form, told apart by the type of the second argument).
inline const char* EngineToolTips(HWND hItem, const char*) { return vxGetToolTips(hItem); }
inline const wchar_t* EngineToolTips(HWND hItem, const wchar_t*) { return vxGetToolTipsW(hItem); }

bool IsRadioItem(HWND hItem)
{
    return (::GetWindowLong(hItem, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

CString ItemName(HWND hItem)
{
    CString strName = vxWindowText(hItem);
    if (strName.IsEmpty()) {
        // An item that shows only an image is named by its tooltip.
        LPCTSTR pszTip = EngineToolTips(hItem, static_cast<LPCTSTR>(NULL));
        if (pszTip != NULL)
            strName = pszTip;
    }
    return strName;
}

long ItemState(HWND hItem)
{
    long nState = vxAccessibleWindowState(hItem);
    const LRESULT nButton = ::SendMessage(hItem, BM_GETSTATE, 0, 0);
    if (IsRadioItem(hItem) && (nButton & BST_CHECKED))
        nState |= STATE_SYSTEM_CHECKED;
    if (nButton & BST_PUSHED)
        nState |= STATE_SYSTEM_PRESSED;
    return nState;
}

long ItemRole(HWND hItem)
{
    return IsRadioItem(hItem) ? ROLE_SYSTEM_RADIOBUTTON : ROLE_SYSTEM_PUSHBUTTON;
}

} // namespace

vxListViewAccessible::vxListViewAccessible(vxCtrlListView* pList)
    : vxAccessibleProvider(pList->GetSafeHwnd()), m_pList(pList)
{
}

long vxListViewAccessible::AccChildCount()
{
    long nCount = 0;
    for (INT_PTR g = 0; g < m_pList->m_arrGroups.GetSize(); ++g)
        nCount += 1 + static_cast<long>(m_pList->m_arrGroups[g]->m_arrItems.GetSize());
    return nCount;
}

BOOL vxListViewAccessible::Resolve(long nChild, int& nGroup, int& nItem) const
{
    long nFirst = 1;                     // the group's own number; its items follow it
    for (INT_PTR g = 0; g < m_pList->m_arrGroups.GetSize(); ++g) {
        const long nItems = static_cast<long>(m_pList->m_arrGroups[g]->m_arrItems.GetSize());
        if (nChild >= nFirst && nChild <= nFirst + nItems) {
            nGroup = static_cast<int>(g);
            nItem = static_cast<int>(nChild - nFirst) - 1;
            return TRUE;
        }
        nFirst += 1 + nItems;
    }
    return FALSE;
}

HWND vxListViewAccessible::AccChildWindow(long nChild)
{
    int nGroup = 0, nItem = 0;
    if (!Resolve(nChild, nGroup, nItem) || nItem < 0)
        return NULL;
    return m_pList->m_arrGroups[nGroup]->m_arrItems[nItem]->LiveHwnd();
}

long vxListViewAccessible::AccRole(long nChild)
{
    if (nChild == CHILDID_SELF)
        return ROLE_SYSTEM_PANE;
    HWND hItem = AccChildWindow(nChild);
    return hItem != NULL ? ItemRole(hItem) : ROLE_SYSTEM_GROUPING;
}

long vxListViewAccessible::AccState(long nChild)
{
    if (nChild == CHILDID_SELF)
        return vxAccessibleWindowState(Hwnd()) & ~STATE_SYSTEM_FOCUSABLE;
    int nGroup = 0, nItem = 0;
    if (!Resolve(nChild, nGroup, nItem))
        return 0;
    if (nItem >= 0) {
        HWND hItem = AccChildWindow(nChild);
        return hItem != NULL ? ItemState(hItem) : STATE_SYSTEM_UNAVAILABLE;
    }
    return m_pList->m_arrGroups[nGroup]->m_bShowHeader ? 0 : STATE_SYSTEM_INVISIBLE;
}

BOOL vxListViewAccessible::AccName(long nChild, CString& strName)
{
    int nGroup = 0, nItem = 0;
    if (nChild == CHILDID_SELF || !Resolve(nChild, nGroup, nItem))
        return FALSE;
    HWND hItem = AccChildWindow(nChild);
    strName = nItem >= 0 ? (hItem != NULL ? ItemName(hItem) : CString())
                         : m_pList->m_arrGroups[nGroup]->m_strTitle;
    return TRUE;
}

BOOL vxListViewAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    int nGroup = 0, nItem = 0;
    if (nChild == CHILDID_SELF || !Resolve(nChild, nGroup, nItem))
        return FALSE;
    const vxListGroup* pGroup = m_pList->m_arrGroups[nGroup];
    CRect rc = nItem >= 0 ? pGroup->m_arrItems[nItem]->m_rcItem : pGroup->m_rcHeader;
    if (rc.IsRectEmpty())
        return FALSE;
    m_pList->ClientToScreen(&rc);
    rcScreen = rc;
    return TRUE;
}

long vxListViewAccessible::AccFocus()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == Hwnd())
        return CHILDID_SELF;
    int nGroup = 0, nItem = 0;
    if (hFocus == NULL || !m_pList->GetItemByHwnd(hFocus, nGroup, nItem))
        return -1;
    // Each group before it counts itself and its items; then the group and the items before.
    long nChild = 1;
    for (int g = 0; g < nGroup; ++g)
        nChild += 1 + static_cast<long>(m_pList->m_arrGroups[g]->m_arrItems.GetSize());
    return nChild + 1 + nItem;
}

vxListItemAccessible::vxListItemAccessible(HWND hItem) : vxAccessibleProvider(hItem)
{
}

long vxListItemAccessible::AccRole(long)
{
    return ItemRole(Hwnd());
}

long vxListItemAccessible::AccState(long)
{
    return ItemState(Hwnd());
}

BOOL vxListItemAccessible::AccName(long, CString& strName)
{
    strName = ItemName(Hwnd());
    return TRUE;
}

BOOL vxListItemAccessible::AccDefaultAction(long, CString& strAction)
{
    strAction = IsRadioItem(Hwnd()) ? _T("Check") : _T("Press");
    return TRUE;
}

BOOL vxListItemAccessible::AccDoDefaultAction(long)
{
    // Posted: the click reaches the host, which may delete the list view.
    return ::IsWindowEnabled(Hwnd()) && ::PostMessage(Hwnd(), BM_CLICK, 0, 0);
}
