#pragma once

#include "vxLayout.h"

/// A layout of rows stacked top to bottom, built with one fixed row to start with; each row
/// lays its items out left to right.
class AFX_EXT_CLASS vxHorizLayout : public vxLayout
{
public:
    /// A DirHorizontal layout of pParent's children with its first row (fixed, thickness 0 until
    /// SetHeight) already added.
    explicit vxHorizLayout(CWnd* pParent);
    /// Destroys the groups and items, as ~vxLayout.
    virtual ~vxHorizLayout();

// Operations on the first row
    /// Appends a window to the first row; returns its index there.
    int AddItem(CWnd* pWnd, LayoutStyle style);
    /// Appends the parent's child with this control ID to the first row.
    int AddItem(int nID, LayoutStyle style);
    /// Appends an empty stretching item to the first row.
    int AddSpacerItem();
    /// Thickness of the row.
    void SetHeight(int nHeight);
    /// Index of the first row (0).
    int GetGroupID() const { return m_nGroup; }

    using vxLayout::AddItem;
    using vxLayout::AddSpacerItem;

protected:
    int m_nGroup;                    ///< index of the row the constructor adds
};
