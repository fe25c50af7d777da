// Layout calculation: the sizes and places the arithmetic gives are applied to the groups and
// items, and exactly the windows whose rectangles changed are moved, in one batch.
#include "vxLayout.h"

#include "vxLayoutGeometry.h"
#include "vxWindowBatch.h"

namespace {

// Shares the container's length among the children and packs them along it.
template <class Element>
void PlaceChildren(const std::vector<Element*>& children, const CRect& container, bool bAlongWidth)
{
    std::vector<vxLayoutShare> shares;
    shares.reserve(children.size());
    for (Element* pChild : children)
        shares.push_back({pChild->GetSize(), pChild->m_style == StyleStretch, pChild->m_weight});
    const std::vector<int> sizes = vxShareLength(shares, bAlongWidth ? container.Width() : container.Height());
    const std::vector<CRect> rects = vxPackSpans(container, sizes, bAlongWidth);
    for (size_t i = 0; i < children.size(); ++i)
        children[i]->SetRect(rects[i]);
}

} // namespace

void vxLayout::CalcLayout(CRect rect, CWnd* /*pWnd*/)
{
    const CRect inner(rect.left + m_margins.left, rect.top + m_margins.top,
                      rect.right - m_margins.right, rect.bottom - m_margins.bottom);
    // Groups follow one another along the layout's axis and take its full extent across.
    PlaceChildren(m_groups, inner, m_direction == DirVertical);
    for (vxLayoutGroup* pGroup : m_groups)
        LayOutGroup(pGroup);
    MoveWindows();
}

void vxLayout::CalcLayout(int nWidth, int nHeight, CWnd* pWnd)
{
    CalcLayout(CRect(0, 0, nWidth, nHeight), pWnd);
}

void vxLayout::CalcLayout(CWnd* pWnd)
{
    // Without a window there is no client area to lay out in.
    const HWND hWnd = pWnd->GetSafeHwnd();
    CRect rc;
    if (hWnd != NULL && ::GetClientRect(hWnd, &rc))
        CalcLayout(rc, pWnd);
}

void vxLayout::LayOutGroup(vxLayoutGroup* pGroup)
{
    // Items are only re-placed when the group's own rectangle changed.
    if (!pGroup->m_bDirty)
        return;
    pGroup->m_bDirty = 0;
    PlaceChildren(pGroup->m_items, pGroup->m_rect, pGroup->m_direction == DirHorizontal);
}

void vxLayout::MoveWindows()
{
    if (ParentWindow() == NULL)
        return;
    std::vector<vxWindowMove> moves;
    for (vxLayoutGroup* pGroup : m_groups)
        for (vxLayoutItem* pItem : pGroup->m_items)
            if (pItem->m_hWnd != NULL && pItem->m_bDirty)
                moves.push_back({pItem->m_hWnd, pItem->ReadRect()});
    // A lost batch moves nothing: every flag stays set for the next attempt. The flags are
    // cleared before the windows move, as their owners may delete this layout meanwhile.
    vxMoveInOneBatch(moves, [this] {
        for (vxLayoutGroup* pGroup : m_groups)
            for (vxLayoutItem* pItem : pGroup->m_items)
                if (pItem->m_hWnd != NULL)
                    pItem->m_bDirty = 0;
    });
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

    const vxEdgeStep step = vxStepEdge(pPrev->ReadRect(), pNext->ReadRect(), delta,
                                       pMoved->m_direction == DirVertical);
    pPrev->SetRect(step.prev);
    pNext->SetRect(step.next);
    CRect moved = pMoved->ReadRect();
    moved.OffsetRect(step.offset);
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
