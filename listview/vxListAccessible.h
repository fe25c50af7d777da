// What a screen reader reads of the list view: a pane named by its dialog label whose
// children are its groups; a group is a grouping named by its header text (shown or not) that
// holds its items; an item is a push button or a radio button (checked when chosen), a window
// of its own named by its caption, or by its tooltip text when it shows only an image.
// A group's object is a part of the list view's window, owned by the group's record: deleting
// the group disconnects it.
#pragma once

#include "vxAccessible.h"

class vxCtrlListView;
class vxListGroup;

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
    vxAccessibleProvider* AccChildPart(long nChild) override;

private:
    vxListGroup* GroupOf(long nChild) const; // NULL for a number that names no group

    vxCtrlListView* m_pList;             // the owner
};

class vxListGroupAccessible : public vxAccessibleProvider
{
public:
    vxListGroupAccessible(HWND hList, vxListGroup* pGroup);

    long AccChildCount() override;
    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccLocation(long nChild, RECT& rcScreen) override;
    long AccFocus() override;
    HWND AccChildWindow(long nChild) override;

    // The group's place on the screen: its header and its items, empty when nothing is laid out.
    BOOL Place(RECT& rcScreen) const;

private:
    vxListGroup* m_pGroup;               // the owner
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
