// A layout of columns placed left to right, built with one fixed column to start with; each
// column lays its items out top to bottom.
#pragma once

#include "vxLayout.h"

class AFX_EXT_CLASS vxVertLayout : public vxLayout
{
public:
    explicit vxVertLayout(CWnd* pParent);
    virtual ~vxVertLayout();

// Operations on the first column
    int AddItem(CWnd* pWnd, LayoutStyle style);
    int AddItem(int nID, LayoutStyle style);
    int AddSpacerItem();
    // Thickness of the column.
    void SetWidth(int nWidth);
    int GetGroupID() const { return m_nGroup; }

    using vxLayout::AddItem;
    using vxLayout::AddSpacerItem;

protected:
    int m_nGroup;                    // index of the column the constructor adds
};
