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
    return static_cast<long>(m_pList->m_arrGroups.GetSize());
}

vxListGroup* vxListViewAccessible::GroupOf(long nChild) const
{
    return nChild >= 1 && nChild <= m_pList->m_arrGroups.GetSize() ? m_pList->m_arrGroups[nChild - 1] : NULL;
}

vxAccessibleProvider* vxListViewAccessible::AccChildPart(long nChild)
{
    vxListGroup* pGroup = GroupOf(nChild);
    if (pGroup == NULL)
        return NULL;
    if (pGroup->m_pAccessible == NULL)
        pGroup->m_pAccessible = new vxListGroupAccessible(Hwnd(), pGroup);
    return pGroup->m_pAccessible;
}

long vxListViewAccessible::AccRole(long nChild)
{
    return nChild == CHILDID_SELF ? ROLE_SYSTEM_PANE : ROLE_SYSTEM_GROUPING;
}

long vxListViewAccessible::AccState(long nChild)
{
    if (nChild == CHILDID_SELF)
        return vxAccessibleWindowState(Hwnd()) & ~STATE_SYSTEM_FOCUSABLE;
    return AccChildPart(nChild) != NULL ? AccChildPart(nChild)->AccState(CHILDID_SELF) : 0;
}

BOOL vxListViewAccessible::AccName(long nChild, CString& strName)
{
    if (nChild == CHILDID_SELF) {
        // Its dialog label, else what the system says of the window (its text).
        strName = vxAccessibleLabelOf(Hwnd());
        return !strName.IsEmpty();
    }
    vxListGroup* pGroup = GroupOf(nChild);
    strName = pGroup != NULL ? pGroup->m_strTitle : CString();
    return TRUE;
}

BOOL vxListViewAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    vxAccessibleProvider* pPart = AccChildPart(nChild);
    return pPart != NULL && static_cast<vxListGroupAccessible*>(pPart)->Place(rcScreen);
}

long vxListViewAccessible::AccFocus()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == Hwnd())
        return CHILDID_SELF;
    int nGroup = 0, nItem = 0;
    if (hFocus == NULL || !m_pList->GetItemByHwnd(hFocus, nGroup, nItem))
        return -1;
    return nGroup + 1;
}

vxListGroupAccessible::vxListGroupAccessible(HWND hList, vxListGroup* pGroup)
    : vxAccessibleProvider(hList, TRUE), m_pGroup(pGroup)
{
}

long vxListGroupAccessible::AccChildCount()
{
    return static_cast<long>(m_pGroup->m_arrItems.GetSize());
}

HWND vxListGroupAccessible::AccChildWindow(long nChild)
{
    const vxListItem* pItem = m_pGroup->GetItem(static_cast<int>(nChild - 1));
    return pItem != NULL ? pItem->LiveHwnd() : NULL;
}

long vxListGroupAccessible::AccRole(long nChild)
{
    HWND hItem = nChild != CHILDID_SELF ? AccChildWindow(nChild) : NULL;
    return hItem != NULL ? ItemRole(hItem) : (nChild == CHILDID_SELF ? ROLE_SYSTEM_GROUPING : ROLE_SYSTEM_PUSHBUTTON);
}

long vxListGroupAccessible::AccState(long nChild)
{
    if (nChild == CHILDID_SELF)
        return ::IsWindowVisible(Hwnd()) ? 0 : STATE_SYSTEM_INVISIBLE;
    HWND hItem = AccChildWindow(nChild);
    return hItem != NULL ? ItemState(hItem) : STATE_SYSTEM_UNAVAILABLE;
}

BOOL vxListGroupAccessible::AccName(long nChild, CString& strName)
{
    HWND hItem = nChild != CHILDID_SELF ? AccChildWindow(nChild) : NULL;
    strName = nChild == CHILDID_SELF ? m_pGroup->m_strTitle : (hItem != NULL ? ItemName(hItem) : CString());
    return TRUE;
}

BOOL vxListGroupAccessible::Place(RECT& rcScreen) const
{
    CRect rc = m_pGroup->m_bShowHeader ? m_pGroup->m_rcHeader : CRect(0, 0, 0, 0);
    for (INT_PTR i = 0; i < m_pGroup->m_arrItems.GetSize(); ++i)
        rc.UnionRect(&rc, &m_pGroup->m_arrItems[i]->m_rcItem);
    if (rc.IsRectEmpty())
        return FALSE;
    ::MapWindowPoints(Hwnd(), NULL, reinterpret_cast<POINT*>(&rc), 2);
    rcScreen = rc;
    return TRUE;
}

BOOL vxListGroupAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    if (nChild == CHILDID_SELF)
        return Place(rcScreen);
    const vxListItem* pItem = m_pGroup->GetItem(static_cast<int>(nChild - 1));
    if (pItem == NULL || pItem->m_rcItem.IsRectEmpty())
        return FALSE;
    CRect rc = pItem->m_rcItem;
    ::MapWindowPoints(Hwnd(), NULL, reinterpret_cast<POINT*>(&rc), 2);
    rcScreen = rc;
    return TRUE;
}

long vxListGroupAccessible::AccFocus()
{
    HWND hFocus = ::GetFocus();
    for (INT_PTR i = 0; hFocus != NULL && i < m_pGroup->m_arrItems.GetSize(); ++i) {
        if (m_pGroup->m_arrItems[i]->LiveHwnd() == hFocus)
            return static_cast<long>(i) + 1;
    }
    return -1;
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
