// Building a layout: groups, items, sizes, limits, margins and splitter neighbours.
#include "vxLayout.h"

#include "vxSizerBar.h"

vxLayout::vxLayout(CWnd* pParent, Direction direction)
    : m_hParent(pParent->GetSafeHwnd()),
      m_pPendingParent(pParent != NULL && pParent->GetSafeHwnd() == NULL ? pParent : NULL),
      m_direction(direction), m_margins(0, 0, 0, 0)
{
}

HWND vxLayout::ParentWindow() const
{
    if (m_hParent == NULL && m_pPendingParent != NULL && m_pPendingParent->GetSafeHwnd() != NULL) {
        m_hParent = m_pPendingParent->GetSafeHwnd();
        m_pPendingParent = NULL;
    }
    return m_hParent;
}

vxLayout::~vxLayout()
{
    // Sizer bars outlive their layout when the host deletes it first: they let go of it.
    for (vxLayoutGroup* pGroup : m_groups)
        for (vxLayoutItem* pItem : pGroup->m_items) {
            if (pItem->m_kind != ItemSplitter)
                continue;
            if (vxSizerBar* pBar = DYNAMIC_DOWNCAST(vxSizerBar, CWnd::FromHandlePermanent(pItem->m_hWnd)))
                pBar->ForgetLayout(this);
        }
    m_hParent = NULL;
    m_pPendingParent = NULL;
    for (vxLayoutGroup* pGroup : m_groups)
        delete pGroup;
    m_groups.clear();
}

int vxLayout::AddGroup(LayoutStyle style)
{
    m_groups.push_back(new vxLayoutGroup(m_direction, style));
    return static_cast<int>(m_groups.size()) - 1;
}

int vxLayout::AddGroup(LayoutStyle style, int nMinSize, int nMaxSize)
{
    int nGroup = AddGroup(style);
    m_groups[nGroup]->SetMinSize(nMinSize);
    m_groups[nGroup]->SetMaxSize(nMaxSize);
    return nGroup;
}

int vxLayout::AddItem(int nGroup, CWnd* pWnd, LayoutStyle style)
{
    return AppendItem(nGroup, ItemWindow, style, pWnd->GetSafeHwnd(), -1);
}

int vxLayout::AddItem(int nGroup, int nID, LayoutStyle style)
{
    if (!IsGroupValid(nGroup))
        return -1;
    return AppendItem(nGroup, ItemWindow, style, FindChild(nID), nID);
}

int vxLayout::AddSpacerItem(int nGroup)
{
    return AppendItem(nGroup, ItemSpacer, StyleStretch, NULL, -1);
}

int vxLayout::AddSplitterItem(int nGroup, int bStretch, CWnd* pBar)
{
    return AppendItem(nGroup, ItemSplitter, bStretch ? StyleStretch : StyleFixed,
                      pBar->GetSafeHwnd(), -1);
}

int vxLayout::AddSplitterItem(int nGroup, int bStretch, int nID)
{
    if (!IsGroupValid(nGroup))
        return -1;
    return AppendItem(nGroup, ItemSplitter, bStretch ? StyleStretch : StyleFixed,
                      FindChild(nID), nID);
}

int vxLayout::SetSplitterWnd(int nGroup, int nItem, int nPrevItem, int nNextItem)
{
    vxLayoutItem* pItem = FindItem(nGroup, nItem);
    if (pItem == NULL)
        return 0;
    const vxLayoutGroup* pGroup = m_groups[nGroup];
    if (!pGroup->IsItemValid(nPrevItem) || !pGroup->IsItemValid(nNextItem))
        return 0;
    pItem->m_pPrev = pGroup->m_items[nPrevItem];
    pItem->m_pNext = pGroup->m_items[nNextItem];
    return 1;
}

int vxLayout::SetSplitterGroup(int nGroup, int nItem, int nPrevGroup, int nNextGroup)
{
    vxLayoutItem* pItem = FindItem(nGroup, nItem);
    if (pItem == NULL || !IsGroupValid(nPrevGroup) || !IsGroupValid(nNextGroup))
        return 0;
    pItem->m_pPrev = m_groups[nPrevGroup];
    pItem->m_pNext = m_groups[nNextGroup];
    return 1;
}

void vxLayout::SetItemStyle(int nGroup, int nItem, LayoutStyle style)
{
    if (vxLayoutItem* pItem = FindItem(nGroup, nItem))
        pItem->m_style = style;
}

void vxLayout::SetItemSize(int nGroup, int nItem, int nSize)
{
    if (vxLayoutItem* pItem = FindItem(nGroup, nItem))
        pItem->SetSize(nSize);
}

void vxLayout::SetGroupSize(int nGroup, int nSize)
{
    if (IsGroupValid(nGroup))
        m_groups[nGroup]->SetSize(nSize);
}

void vxLayout::SetItemMinSize(int nGroup, int nItem, int nSize)
{
    if (vxLayoutItem* pItem = FindItem(nGroup, nItem))
        pItem->SetMinSize(nSize);
}

void vxLayout::SetItemMaxSize(int nGroup, int nItem, int nSize)
{
    if (vxLayoutItem* pItem = FindItem(nGroup, nItem))
        pItem->SetMaxSize(nSize);
}

void vxLayout::SetGroupMinSize(int nGroup, int nSize)
{
    if (IsGroupValid(nGroup))
        m_groups[nGroup]->SetMinSize(nSize);
}

void vxLayout::SetGroupMaxSize(int nGroup, int nSize)
{
    if (IsGroupValid(nGroup))
        m_groups[nGroup]->SetMaxSize(nSize);
}

void vxLayout::SetMargins(int nLeft, int nTop, int nRight, int nBottom)
{
    m_margins.SetRect(nLeft, nTop, nRight, nBottom);
}

vxLayoutItem* vxLayout::GetItem(CWnd* pWnd)
{
    // Null finds the first item without a window; an object without a window finds none.
    HWND hWnd = pWnd->GetSafeHwnd();
    if (pWnd != NULL && hWnd == NULL)
        return NULL;
    for (vxLayoutGroup* pGroup : m_groups)
        for (vxLayoutItem* pItem : pGroup->m_items)
            if (pItem->m_hWnd == hWnd)
                return pItem;
    return NULL;
}

BOOL vxLayout::IsGroupValid(int nGroup) const
{
    return nGroup >= 0 && nGroup < static_cast<int>(m_groups.size());
}

vxLayoutItem* vxLayout::FindItem(int nGroup, int nItem) const
{
    if (!IsGroupValid(nGroup) || !m_groups[nGroup]->IsItemValid(nItem))
        return NULL;
    return m_groups[nGroup]->m_items[nItem];
}

Direction vxLayout::GetChildDirect(const vxLayoutGroup* pGroup) const
{
    return pGroup->m_direction == DirVertical ? DirHorizontal : DirVertical;
}

int vxLayout::AppendItem(int nGroup, ItemKind kind, LayoutStyle style, HWND hWnd, int nID)
{
    if (!IsGroupValid(nGroup))
        return -1;
    vxLayoutGroup* pGroup = m_groups[nGroup];
    vxLayoutItem* pItem = new vxLayoutItem(GetChildDirect(pGroup), kind, style);
    pItem->m_pParentGroup = pGroup;
    pItem->m_hWnd = hWnd;
    pItem->m_nID = nID;
    pGroup->m_items.push_back(pItem);
    // A group laid out already shares its length anew at the next calculation.
    pGroup->m_bDirty = 1;
    return static_cast<int>(pGroup->m_items.size()) - 1;
}

HWND vxLayout::FindChild(int nID) const
{
    HWND hParent = ParentWindow();
    return hParent != NULL ? ::GetDlgItem(hParent, nID) : NULL;
}
