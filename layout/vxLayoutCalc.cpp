// Layout calculation: sharing a container's length among its children, placing groups and
// items, applying sizer-bar drags, and moving exactly the windows whose rectangles changed.
// The arithmetic is integer and asks no window; the windows are read and moved only through
// vxLayoutWindowOps.
#include "vxLayout.h"

#include "vxAliveWatch.h"
#include "vxLayoutWindowOps.h"

namespace {

// Fixed children keep their sizes; stretch children share what is left by weight. The
// quotient is truncated, and the pixels lost to it stay free at the end of the container.
// Nothing is clamped: a negative remainder gives negative sizes.
template <class Element>
void ShareLength(const std::vector<Element*>& children, int nLength)
{
    int nStretch = 0;
    int nWeightSum = 0;
    int nFixed = 0;
    Element* pLastStretch = NULL;
    for (Element* pChild : children) {
        if (pChild->m_style == StyleStretch) {
            ++nStretch;
            nWeightSum += pChild->m_weight;
            pLastStretch = pChild;
        } else {
            nFixed += pChild->GetSize();
        }
    }
    const int nRemaining = nLength - nFixed;
    if (nStretch == 1) {
        pLastStretch->SetSize(nRemaining);
    } else if (nStretch > 1 && nWeightSum != 0) {
        for (Element* pChild : children)
            if (pChild->m_style == StyleStretch)
                pChild->SetSize(pChild->m_weight * nRemaining / nWeightSum);
    }
}

} // namespace

void vxLayout::CalcLayout(CRect rect, CWnd* /*pWnd*/)
{
    const CRect inner(rect.left + m_margins.left, rect.top + m_margins.top,
                      rect.right - m_margins.right, rect.bottom - m_margins.bottom);
    ShareLength(m_groups, m_direction == DirHorizontal ? inner.Height() : inner.Width());
    PositionGroupRects(inner);
    CalcGroupLayout();
    MoveWindows();
}

void vxLayout::CalcLayout(int nWidth, int nHeight, CWnd* pWnd)
{
    CalcLayout(CRect(0, 0, nWidth, nHeight), pWnd);
}

void vxLayout::CalcLayout(CWnd* pWnd)
{
    // Without a window there is no client area to lay out in.
    CSize size;
    if (pWnd != NULL && vxLayoutWindowOps::Get()->GetClientSize(pWnd->GetSafeHwnd(), size))
        CalcLayout(CRect(0, 0, size.cx, size.cy), pWnd);
}

void vxLayout::PositionGroupRects(const CRect& inner)
{
    // Groups keep their sizes, are packed in order along the layout's axis and take the
    // inner rectangle's full extent across it.
    int nPos = m_direction == DirVertical ? inner.left : inner.top;
    for (vxLayoutGroup* pGroup : m_groups) {
        const CRect rc = pGroup->ReadRect();
        if (m_direction == DirVertical) {
            pGroup->SetRect(CRect(nPos, inner.top, nPos + rc.Width(), inner.bottom));
            nPos += rc.Width();
        } else {
            pGroup->SetRect(CRect(inner.left, nPos, inner.right, nPos + rc.Height()));
            nPos += rc.Height();
        }
    }
}

void vxLayout::CalcGroupLayout()
{
    for (vxLayoutGroup* pGroup : m_groups)
        LayOutGroup(pGroup);
}

void vxLayout::LayOutGroup(vxLayoutGroup* pGroup)
{
    // Items are only re-placed when the group's own rectangle changed.
    if (!pGroup->m_bDirty)
        return;
    pGroup->m_bDirty = 0;
    const CRect group = pGroup->m_rect;
    const bool bRow = pGroup->m_direction == DirHorizontal;
    ShareLength(pGroup->m_items, bRow ? group.Width() : group.Height());
    int nPos = bRow ? group.left : group.top;
    for (vxLayoutItem* pItem : pGroup->m_items) {
        const CRect rc = pItem->ReadRect();
        if (bRow) {
            pItem->SetRect(CRect(nPos, group.top, nPos + rc.Width(), group.bottom));
            nPos += rc.Width();
        } else {
            pItem->SetRect(CRect(group.left, nPos, group.right, nPos + rc.Height()));
            nPos += rc.Height();
        }
    }
}

int vxLayout::CountWindows() const
{
    int nCount = 0;
    for (const vxLayoutGroup* pGroup : m_groups)
        for (const vxLayoutItem* pItem : pGroup->m_items)
            if (pItem->m_hWnd != NULL && pItem->m_bDirty)
                ++nCount;
    return nCount;
}

void vxLayout::MoveWindows()
{
    const int nCount = CountWindows();
    if (ParentWindow() == NULL || nCount < 1)
        return;
    vxLayoutWindowOps* pOps = vxLayoutWindowOps::Get();
    HDWP hBatch = pOps->BeginMove(nCount);
    if (hBatch == NULL)
        return;
    for (vxLayoutGroup* pGroup : m_groups)
        for (vxLayoutItem* pItem : pGroup->m_items)
            if (pItem->m_hWnd != NULL && pItem->m_bDirty) {
                hBatch = pOps->DeferMove(hBatch, pItem->m_hWnd, pItem->ReadRect());
                // A lost batch moves nothing: every flag stays set for the next attempt.
                if (hBatch == NULL)
                    return;
            }
    // The moved windows' owners hear of the move and may delete this layout.
    vxAliveWatch watch(m_pAliveWatches);
    pOps->EndMove(hBatch);
    if (!watch.IsAlive())
        return;
    for (vxLayoutGroup* pGroup : m_groups)
        for (vxLayoutItem* pItem : pGroup->m_items)
            if (pItem->m_hWnd != NULL)
                pItem->m_bDirty = 0;
}

void vxLayout::MoveLayoutItems(vxLayoutItem* pSplitter, CPoint delta)
{
    // A splitter whose neighbours were never set has no edge to move.
    if (pSplitter == NULL || pSplitter->m_pPrev == NULL || pSplitter->m_pNext == NULL)
        return;
    vxLayoutItem* pPrev = pSplitter->m_pPrev;
    vxLayoutItem* pNext = pSplitter->m_pNext;
    // A bar between two groups lives in a group of its own, which moves as a whole.
    vxLayoutItem* pMoved = pSplitter;
    if (pPrev->m_kind == ItemGroup)
        pMoved = pSplitter->m_pParentGroup;
    if (pMoved == NULL)
        return;

    CRect prev = pPrev->ReadRect();
    CRect next = pNext->ReadRect();
    if (pMoved->m_direction == DirVertical) {
        delta.y = 0;
        prev.right += delta.x;
        next.left += delta.x;
    } else {
        delta.x = 0;
        prev.bottom += delta.y;
        next.top += delta.y;
    }
    pPrev->SetRect(prev);
    pNext->SetRect(next);
    CRect moved = pMoved->ReadRect();
    moved.OffsetRect(delta);
    pMoved->SetRect(moved);

    // The bar's group is re-laid in any case; neighbour groups only when they changed.
    vxLayoutGroup* pRelaid = pMoved->m_kind == ItemGroup ? static_cast<vxLayoutGroup*>(pMoved)
                                                         : pSplitter->m_pParentGroup;
    if (pRelaid != NULL) {
        pRelaid->m_bDirty = 1;
        LayOutGroup(pRelaid);
    }
    if (pPrev->m_kind == ItemGroup)
        LayOutGroup(static_cast<vxLayoutGroup*>(pPrev));
    if (pNext->m_kind == ItemGroup)
        LayOutGroup(static_cast<vxLayoutGroup*>(pNext));
    MoveWindows();
}
