#include "vxListRecords.h"

#include "vxListAccessible.h"

static HWND LiveHwndOf(const CWnd& wnd)
{
    HWND hwnd = wnd.GetSafeHwnd();
    return hwnd && ::IsWindow(hwnd) ? hwnd : NULL;
}

vxListItem::vxListItem() : m_rcItem(0, 0, 0, 0)
{
}

vxListItem::~vxListItem()
{
    if (LiveHwnd())
        m_wndButton.DestroyWindow();
}

HWND vxListItem::LiveHwnd() const
{
    return LiveHwndOf(m_wndButton);
}

vxListGroup::vxListGroup(vxCtrlListView* pOwner, LPCTSTR pszTitle, LPCTSTR pszSkin,
                         BOOL bShowHeader)
    : m_strTitle(pszTitle ? pszTitle : _T("")), m_strSkin(pszSkin ? pszSkin : _T("")), m_pOwner(pOwner),
      m_rcHeader(0, 0, 0, 0), m_bShowHeader(bShowHeader), m_pAccessible(NULL)
{
}

vxListGroup::~vxListGroup()
{
    // Screen readers holding the group's object find it gone before its items go.
    vxDeleteProvider(m_pAccessible);
    // Each item is unlinked before it goes, as a deleted item is.
    while (m_arrItems.GetSize() > 0) {
        vxListItem* pItem = m_arrItems[m_arrItems.GetSize() - 1];
        m_arrItems.RemoveAt(m_arrItems.GetSize() - 1);
        delete pItem;
    }
    if (LiveHeaderHwnd())
        m_wndHeader.DestroyWindow();
}

HWND vxListGroup::LiveHeaderHwnd() const
{
    return LiveHwndOf(m_wndHeader);
}

vxListItem* vxListGroup::GetItem(int nItem) const
{
    if (nItem < 0 || nItem >= m_arrItems.GetSize())
        return NULL;
    return m_arrItems[nItem];
}
