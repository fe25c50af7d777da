// Layout of the stack window: item buttons one under another, the content of each open item
// below its button taking the height the buttons leave free. Plain integer geometry, free of
// window calls.
#pragma once

#include <afxwin.h>

// Where one item's button and content go. rcContent is empty for a closed item.
struct vxStackPlace
{
    RECT rcButton;
    RECT rcContent;
};

// Places the items of a stack top to bottom, one Next() call per item in order.
class vxStackFlow
{
public:
    // area: the client rectangle less the padding; szItem: every button (its width is also
    // the contents'); nSpace: below every button and below an open content.
    vxStackFlow(const RECT& area, SIZE szItem, int nSpace, int nItems);

    // Height of every open content: the area less all buttons and gaps. With one item open
    // the lowest window ends at the area's bottom; more open items run below it.
    int ContentHeight() const { return m_nContent; }
    vxStackPlace Next(BOOL bOpen);

private:
    int m_nLeft;
    SIZE m_szItem;
    int m_nSpace;
    int m_nContent;
    int m_y;                         // top of the next button
};

// Button width that fills a client of nClientWidth less the left and right padding; 0 when
// the padding takes it all (a window created with an empty rectangle, say), never negative.
inline int vxStackFillWidth(int nClientWidth, int nPadLeft, int nPadRight)
{
    const int cx = nClientWidth - nPadLeft - nPadRight;
    return cx > 0 ? cx : 0;
}

// Button width after new padding: cut to the room between the paddings when it passes the
// right padding, else unchanged.
inline int vxStackLimitWidth(int cx, int nClientWidth, int nPadLeft, int nPadRight)
{
    return cx + nPadLeft > nClientWidth - nPadRight ? vxStackFillWidth(nClientWidth, nPadLeft, nPadRight) : cx;
}
