#include "vxListBoxAccessible.h"

namespace {

int CurrentRow(HWND hList)
{
    return static_cast<int>(::SendMessage(hList, LB_GETCURSEL, 0, 0));
}

} // namespace

long vxListBoxAccessible::AccChildCount()
{
    const LRESULT nCount = ::SendMessage(Hwnd(), LB_GETCOUNT, 0, 0);
    return nCount > 0 ? static_cast<long>(nCount) : 0;
}

long vxListBoxAccessible::AccRole(long nChild)
{
    return nChild == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
}

long vxListBoxAccessible::AccState(long nChild)
{
    if (nChild == CHILDID_SELF)
        return vxAccessibleWindowState(Hwnd());
    const int nRow = static_cast<int>(nChild - 1);
    long nState = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (nRow == CurrentRow(Hwnd())) {
        nState |= STATE_SYSTEM_SELECTED;
        if (HasFocus())
            nState |= STATE_SYSTEM_FOCUSED;
    }
    if (IsRowDisabled(nRow))
        nState |= STATE_SYSTEM_UNAVAILABLE;
    RECT rcRow = {}, rcClient = {}, rcShown = {};
    ::SendMessage(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rcRow));
    ::GetClientRect(Hwnd(), &rcClient);
    if (!::IntersectRect(&rcShown, &rcClient, &rcRow))
        nState |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return nState;
}

BOOL vxListBoxAccessible::AccName(long nChild, CString& strName)
{
    strName = nChild == CHILDID_SELF ? ListName() : RowName(static_cast<int>(nChild - 1));
    return TRUE;
}

BOOL vxListBoxAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    if (nChild == CHILDID_SELF)
        return FALSE;
    RECT rcRow = {};
    if (::SendMessage(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(nChild - 1),
                       reinterpret_cast<LPARAM>(&rcRow)) == LB_ERR)
        return FALSE;
    ::MapWindowPoints(Hwnd(), NULL, reinterpret_cast<POINT*>(&rcRow), 2);
    rcScreen = rcRow;
    return TRUE;
}

long vxListBoxAccessible::AccChildAt(POINT ptScreen)
{
    POINT pt = ptScreen;
    ::ScreenToClient(Hwnd(), &pt);
    const LRESULT nHit = ::SendMessage(Hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    if (HIWORD(nHit) != 0)
        return CHILDID_SELF;
    // The answer holds the row's low 16 bits only; the rows in view lie within 65,536 of the
    // top row, which makes the low bits name one row.
    const LRESULT nTop = ::SendMessage(Hwnd(), LB_GETTOPINDEX, 0, 0);
    if (nTop < 0)
        return CHILDID_SELF;
    const long nRow = static_cast<long>(nTop) + static_cast<WORD>(LOWORD(nHit) - static_cast<WORD>(nTop));
    return nRow < ::SendMessage(Hwnd(), LB_GETCOUNT, 0, 0) ? nRow + 1 : CHILDID_SELF;
}

long vxListBoxAccessible::AccFocus()
{
    if (!HasFocus())
        return -1;
    const int nRow = CurrentRow(Hwnd());
    return nRow >= 0 ? nRow + 1 : CHILDID_SELF;
}

long vxListBoxAccessible::AccSelection()
{
    return CurrentRow(Hwnd()) + 1;
}

BOOL vxListBoxAccessible::UiaSelect(long nChild)
{
    return nChild >= 1 && nChild <= AccChildCount() && !IsRowDisabled(static_cast<int>(nChild - 1)) &&
           ChooseRow(static_cast<int>(nChild - 1));
}

BOOL vxListBoxAccessible::UiaScrollIntoView(long nChild)
{
    // The fewest rows scrolled that show the whole row, as the list's own keys scroll.
    const int nRow = static_cast<int>(nChild - 1);
    RECT rcRow = {}, rcClient = {};
    if (nChild < 1 || nChild > AccChildCount() ||
        ::SendMessage(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rcRow)) == LB_ERR)
        return FALSE;
    ::GetClientRect(Hwnd(), &rcClient);
    const int nTop = static_cast<int>(::SendMessage(Hwnd(), LB_GETTOPINDEX, 0, 0));
    if (rcRow.top < rcClient.top)
        ::SendMessage(Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(nRow), 0);
    else if (rcRow.bottom > rcClient.bottom && rcRow.bottom > rcRow.top)
        ::SendMessage(Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(nTop + (rcRow.bottom - rcClient.bottom + rcRow.bottom - rcRow.top - 1) / (rcRow.bottom - rcRow.top)), 0);
    return TRUE;
}
