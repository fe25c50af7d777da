// What a screen reader reads of an owner-drawn list box whose rows keep no strings: a list of
// list items named by the rows' texts, as the list's owner tells them; the current row is the
// selected one, and the focused one while the list (or, for a list that never takes the
// focus, its owner) has it; rows scrolled out of view are off screen.
#pragma once

#include "vxAccessible.h"

class vxListBoxAccessible : public vxAccessibleProvider
{
public:
    long AccChildCount() override;
    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccLocation(long nChild, RECT& rcScreen) override;
    long AccChildAt(POINT ptScreen) override;
    long AccFocus() override;
    long AccSelection() override;
    BOOL UiaSelect(long nChild) override;
    BOOL UiaScrollIntoView(long nChild) override;

protected:
    explicit vxListBoxAccessible(HWND hList) : vxAccessibleProvider(hList) {}

    virtual CString ListName() = 0;
    virtual CString RowName(int nRow) = 0;
    virtual BOOL IsRowDisabled(int) { return FALSE; }
    // Chooses the row as a click on it does; FALSE when it cannot be chosen.
    virtual BOOL ChooseRow(int nRow) = 0;
    // Whether the current row counts as focused now.
    virtual BOOL HasFocus() { return ::GetFocus() == Hwnd(); }
};
