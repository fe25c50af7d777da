// A layout of rows stacked top to bottom, built with one fixed row to start with; each row
// lays its items out left to right.
#pragma once

#include "vxLayout.h"

class AFX_EXT_CLASS vxHorizLayout : public vxLayout
{
public:
    explicit vxHorizLayout(CWnd* pParent);
    virtual ~vxHorizLayout();

// Operations on the first row
    int AddItem(CWnd* pWnd, LayoutStyle style);
    int AddItem(int nID, LayoutStyle style);
    int AddSpacerItem();
    // Thickness of the row.
    void SetHeight(int nHeight);
    int GetGroupID() const { return m_nGroup; }

    using vxLayout::AddItem;
    using vxLayout::AddSpacerItem;

protected:
    int m_nGroup;                    // index of the row the constructor adds
};
