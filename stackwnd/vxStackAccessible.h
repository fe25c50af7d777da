// What a screen reader reads of the stack window: each item button a push button, expanded
// while its item is open; each sub-item list a list named by its item's caption whose rows are
// named by their entries' texts.
#pragma once

#include "vxAccessible.h"
#include "vxListBoxAccessible.h"

class CVexelListBox;
class vxCtrlStackWnd;

class vxStackItemAccessible : public vxAccessibleProvider
{
public:
    vxStackItemAccessible(HWND hButton, vxCtrlStackWnd* pStack);

    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccDefaultAction(long nChild, CString& strAction) override;
    BOOL AccDoDefaultAction(long nChild) override;

private:
    vxCtrlStackWnd* m_pStack;            // the button's owner
};

class vxSubItemListAccessible : public vxListBoxAccessible
{
public:
    explicit vxSubItemListAccessible(CVexelListBox* pList);

protected:
    CString ListName() override;         // the window text: its item's caption
    CString RowName(int nRow) override;  // the entry's text, as the list keeps it
    BOOL ChooseRow(int nRow) override;

private:
    CVexelListBox* m_pList;              // the owner
};
