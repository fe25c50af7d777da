// Groups and items of the list view: creation of their windows with what the skin engine is
// handed, captions, images, tooltips, radio selection and deletion.
#include "vxCtrlListView.h"
#include "vxListRecords.h"

#include <vexelcore.h>

#include <memory>

enum
{
    HEADER_ID = 0xFFFF,              // every group header
    ITEM_ID = 100,                   // every item window
    SKIN_KIND_PUSH = 103,
    SKIN_KIND_RADIO = 105,
    SKIN_KIND_HEADER = 106,
};

// Push buttons and radio buttons both report double-clicks (BS_NOTIFY); without it neither
// style sends BN_DOUBLECLICKED and a double-click arrives as clicks only.
// One item at a time is a tab stop (SetTabStopItem); the arrows move among them.
static const DWORD ITEM_STYLE_PUSH = WS_CHILD | WS_VISIBLE | BS_NOTIFY;
static const DWORD ITEM_STYLE_RADIO = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_NOTIFY;
static const DWORD HEADER_STYLE = WS_CHILD | WS_VISIBLE | SS_NOTIFY;

static const TCHAR IMAGE_DRAW_ITEM[] = _T("image.default");

BOOL vxCtrlListView::IsGroupValid(int nGroup)
{
    return nGroup >= 0 && nGroup < m_arrGroups.GetSize();
}

vxListItem* vxCtrlListView::FindItem(int nGroup, int nItem)
{
    return IsGroupValid(nGroup) ? m_arrGroups[nGroup]->GetItem(nItem) : NULL;
}

int vxCtrlListView::GetGroupCount()
{
    return (int)m_arrGroups.GetSize();
}

int vxCtrlListView::GetItemCount(int nGroup)
{
    return IsGroupValid(nGroup) ? (int)m_arrGroups[nGroup]->m_arrItems.GetSize() : -1;
}

int vxCtrlListView::AddGroup(LPCTSTR pszTitle, LPCTSTR pszSkin, int bShowHeader)
{
    // Without a window there is nothing to show a group in: refused, as items are.
    if (GetSafeHwnd() == NULL)
        return -1;
    // Owned here until the array holds it: an array that cannot grow leaves nothing made.
    std::unique_ptr<vxListGroup> pGroup(new vxListGroup(this, pszTitle, pszSkin, bShowHeader));
    if (bShowHeader) {
        pGroup->m_wndHeader.Create(pGroup->m_strTitle, HEADER_STYLE, CRect(0, 0, 0, 0), this,
                                   HEADER_ID);
        if (!pGroup->m_strSkin.IsEmpty() && pGroup->LiveHeaderHwnd())
            vxSkinWindow(pGroup->LiveHeaderHwnd(), SKIN_KIND_HEADER, pGroup->m_strSkin, 0);
    }
    const int nIndex = (int)m_arrGroups.Add(pGroup.get());
    pGroup.release();
    RelayoutIfUpdating();
    return nIndex;
}

int vxCtrlListView::AddItem(int nGroup, LPCTSTR pszSkin)
{
    return AddItem(nGroup, pszSkin, NULL, NULL);
}

int vxCtrlListView::AddItem(int nGroup, LPCTSTR pszSkin, LPCTSTR pszCaption,
                            LPCTSTR pszImage)
{
    if (!IsGroupValid(nGroup) || GetSafeHwnd() == NULL)
        return -1;

    // A failed creation leaves a record without a window; it still counts as an item.
    const BOOL bPush = m_itemMode == ModeButton;
    std::unique_ptr<vxListItem> pItem(new vxListItem);
    pItem->m_wndButton.Create(pszCaption ? pszCaption : _T(""), bPush ? ITEM_STYLE_PUSH : ITEM_STYLE_RADIO,
                              CRect(0, 0, 0, 0), this, ITEM_ID);
    HWND hItem = pItem->LiveHwnd();
    if (pszSkin && hItem)
        vxSkinWindow(hItem, bPush ? SKIN_KIND_PUSH : SKIN_KIND_RADIO, pszSkin, 0);
    if (pszImage && hItem)
        vxSetDrawItemValue(hItem, IMAGE_DRAW_ITEM, pszImage, 0);

    pItem->m_rcItem.SetRectEmpty();
    const int nIndex = (int)m_arrGroups[nGroup]->m_arrItems.Add(pItem.get());
    pItem.release();
    if (!HasTabStopItem())
        SetTabStopItem(NULL);
    RelayoutIfUpdating();
    return nIndex;
}

BOOL vxCtrlListView::DeleteItem(int nGroup, int nItem)
{
    if (!IsGroupValid(nGroup))
        return 0;
    vxListGroup* pGroup = m_arrGroups[nGroup];
    vxListItem* pItem = pGroup->GetItem(nItem);
    // Unlinked before it goes: destroying its window may bring messages (a focus lost) whose
    // handlers walk the items.
    if (pItem) {
        pGroup->m_arrItems.RemoveAt(nItem);
        delete pItem;
        if (!HasTabStopItem())
            SetTabStopItem(NULL);
    }
    RelayoutIfUpdating();
    return pItem != NULL;
}

BOOL vxCtrlListView::DeleteGroup(int nGroup)
{
    if (!IsGroupValid(nGroup))
        return 0;
    vxListGroup* pGroup = m_arrGroups[nGroup];
    m_arrGroups.RemoveAt(nGroup);   // unlinked first, as an item is
    delete pGroup;
    if (!HasTabStopItem())
        SetTabStopItem(NULL);
    RelayoutIfUpdating();
    return 1;
}

BOOL vxCtrlListView::SetItemImage(int nGroup, int nItem, LPCTSTR pszImage)
{
    vxListItem* pItem = FindItem(nGroup, nItem);
    if (!pItem)
        return 0;
    if (pszImage && pItem->LiveHwnd())
        vxSetDrawItemValue(pItem->LiveHwnd(), IMAGE_DRAW_ITEM, pszImage, 0);
    return 1;
}

BOOL vxCtrlListView::SetItemText(int nGroup, int nItem, LPCTSTR pszCaption)
{
    vxListItem* pItem = FindItem(nGroup, nItem);
    if (!pItem)
        return 0;
    if (pItem->LiveHwnd())
        pItem->m_wndButton.SetWindowText(pszCaption ? pszCaption : _T(""));
    return 1;
}

BOOL vxCtrlListView::SetItemToolTips(int nGroup, int nItem, LPCTSTR pszText)
{
    vxListItem* pItem = FindItem(nGroup, nItem);
    if (!pItem)
        return 0;
    vxSetToolTips(pItem->LiveHwnd(), pszText);
    return 1;
}

void vxCtrlListView::SelectItem(int nGroup, int nItem)
{
    if (m_itemMode != ModeRadio)
        return;
    vxListItem* pItem = FindItem(nGroup, nItem);
    if (pItem && pItem->LiveHwnd())
        ::SendMessage(pItem->LiveHwnd(), BM_SETCHECK, BST_CHECKED, 0);
}

BOOL vxCtrlListView::GetSelectedItem(int& nGroup, int& nItem)
{
    if (m_itemMode != ModeRadio)
        return 0;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        const vxListGroup* pGroup = m_arrGroups[g];
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            HWND hItem = pGroup->m_arrItems[i]->LiveHwnd();
            if (hItem && ::SendMessage(hItem, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                nGroup = (int)g;
                nItem = (int)i;
                return 1;
            }
        }
    }
    return 0;
}
