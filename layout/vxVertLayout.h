#pragma once

#include "vxLayout.h"

/// A layout of columns placed left to right, built with one fixed column to start with; each
/// column lays its items out top to bottom.
class AFX_EXT_CLASS vxVertLayout : public vxLayout
{
public:
    /// A DirVertical layout of pParent's children with its first column (fixed, thickness 0 until
    /// SetWidth) already added.
    explicit vxVertLayout(CWnd* pParent);
    /// Destroys the groups and items, as ~vxLayout.
    virtual ~vxVertLayout();

// Operations on the first column
    /// Appends a window to the first column; returns its index there.
    int AddItem(CWnd* pWnd, LayoutStyle style);
    /// Appends the parent's child with this control ID to the first column.
    int AddItem(int nID, LayoutStyle style);
    /// Appends an empty stretching item to the first column.
    int AddSpacerItem();
    /// Thickness of the column.
    void SetWidth(int nWidth);
    /// Index of the first column (0).
    int GetGroupID() const { return m_nGroup; }

    using vxLayout::AddItem;
    using vxLayout::AddSpacerItem;

protected:
    int m_nGroup;                    ///< index of the column the constructor adds
};
