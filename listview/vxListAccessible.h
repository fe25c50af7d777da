// What a screen reader reads of the list view: its groups, each a grouping named by its header
// text and followed by its items; an item is a push button or a radio button (checked when
// chosen), a window of its own named by its caption, or by its tooltip text when it shows only
// an image.
#pragma once

#include "vxAccessible.h"

class vxCtrlListView;

class vxListViewAccessible : public vxAccessibleProvider
{
public:
    explicit vxListViewAccessible(vxCtrlListView* pList);

    long AccChildCount() override;
    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccLocation(long nChild, RECT& rcScreen) override;
    long AccFocus() override;
    HWND AccChildWindow(long nChild) override;

private:
    // The group and item a child number names (item -1: the group itself); FALSE for none.
    BOOL Resolve(long nChild, int& nGroup, int& nItem) const;

    vxCtrlListView* m_pList;             // the owner
};

// An item button's own object.
class vxListItemAccessible : public vxAccessibleProvider
{
public:
    explicit vxListItemAccessible(HWND hItem);

    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccDefaultAction(long nChild, CString& strAction) override;
    BOOL AccDoDefaultAction(long nChild) override;
};
