// Reading and setting an element's rectangle and size.
#include "vxLayoutItem.h"

vxLayoutItem::vxLayoutItem(Direction direction, ItemKind kind, LayoutStyle style)
    : m_direction(direction), m_kind(kind), m_style(style), m_rect(0, 0, 0, 0),
      m_maxWidth(0x10000), m_maxHeight(0x10000), m_minWidth(0), m_minHeight(0), m_weight(1),
      m_pPrev(NULL), m_pNext(NULL), m_pParentGroup(NULL), m_hWnd(NULL), m_nID(-1), m_bDirty(0)
{
}

CRect vxLayoutItem::ReadRect()
{
    // A window item starts with its window's client size. Without a window there is nothing
    // to measure and the item stays at size 0.
    CRect client;
    if (m_kind == ItemWindow && m_hWnd != NULL && m_rect.left == 0 && m_rect.top == 0 &&
        m_rect.right == 0 && m_rect.bottom == 0 && ::GetClientRect(m_hWnd, &client))
        SetRect(client);
    return m_rect;
}

void vxLayoutItem::SetRect(const CRect& rc)
{
    if (rc.left != m_rect.left || rc.top != m_rect.top || rc.right != m_rect.right ||
        rc.bottom != m_rect.bottom)
        m_bDirty = 1;
    m_rect = rc;
}

int vxLayoutItem::GetSize()
{
    CRect rc = ReadRect();
    return m_direction == DirVertical ? rc.Width() : rc.Height();
}

void vxLayoutItem::SetSize(int nSize)
{
    CRect rc = ReadRect();
    if (m_direction == DirVertical)
        rc.right = rc.left + nSize;
    else
        rc.bottom = rc.top + nSize;
    SetRect(rc);
}

void vxLayoutItem::SetMinSize(int nSize)
{
    if (m_direction == DirVertical)
        m_minWidth = nSize;
    else
        m_minHeight = nSize;
}

void vxLayoutItem::SetMaxSize(int nSize)
{
    if (m_direction == DirVertical)
        m_maxWidth = nSize;
    else
        m_maxHeight = nSize;
}

vxLayoutGroup::vxLayoutGroup(Direction direction, LayoutStyle style)
    : vxLayoutItem(direction, ItemGroup, style)
{
}

vxLayoutGroup::~vxLayoutGroup()
{
    for (vxLayoutItem* pItem : m_items)
        delete pItem;
    m_items.clear();
}
