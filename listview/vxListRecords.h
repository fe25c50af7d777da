// Records of the list view: a group (title, optional header window, items) and an item (its
// button window and laid-out rectangle). A group owns its items and its header window; an
// item owns its button window. Captions live in the windows, images and tooltips are handed
// to the skin engine, so the records keep no copies of them.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "vxListItemButton.h"

class vxCtrlListView;
class vxListGroupAccessible;

// Where a layout pass last put a window, so that the next pass moves only the windows whose
// rectangle changed.
struct vxPlacement
{
    CRect rc;
    bool bValid = false;             // false until the window is first placed

    bool Differs(const CRect& rcTarget) const { return !bValid || rc != rcTarget; }
    void Set(const CRect& rcPlaced) { rc = rcPlaced; bValid = true; }
};

class vxListItem
{
public:
    vxListItem();
    ~vxListItem();                   // destroys the button window

    HWND LiveHwnd() const;           // the button's handle while its window exists, else NULL

    vxListItemButton m_wndButton;
    CRect m_rcItem;                  // written by each layout pass
    vxPlacement m_placed;            // where the window stands
};

class vxListGroup
{
public:
    vxListGroup(vxCtrlListView* pOwner, LPCTSTR pszTitle, LPCTSTR pszSkin, BOOL bShowHeader);
    ~vxListGroup();                  // deletes the items in order, then destroys the header

    HWND LiveHeaderHwnd() const;     // the header's handle while it exists, else NULL
    vxListItem* GetItem(int nItem) const; // NULL for an index that names no item

    CString m_strTitle;
    CString m_strSkin;               // header skin name, empty for none
    vxCtrlListView* m_pOwner;        // parent of all the group's windows
    CStatic m_wndHeader;
    CRect m_rcHeader;                // written by each layout pass
    vxPlacement m_headerPlaced;      // where the header window stands
    BOOL m_bShowHeader;
    CArray<vxListItem*, vxListItem*> m_arrItems;
    vxListGroupAccessible* m_pAccessible; // the group's object for screen readers; owned, made on demand
};
