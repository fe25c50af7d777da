// Index, insertion, deletion and search rules of the combo box's item list, free of windows.
// An item's index is its position from the front; an index that designates no item (below
// zero, or at or past the count) gives the failure result, and no walk steps past the end.
#pragma once

#include "vxListboxItemList.h"

// The item at nIndex, or items.end() when nIndex designates no item.
vxListboxItemList::iterator vxComboItemAt(vxListboxItemList& items, int nIndex);

// Inserts item at nIndex: -1 or past the count appends, the count itself inserts nothing.
// Moves nCurSel up when the item goes in at or before it. Returns the new index or -1.
int vxComboInsertItem(vxListboxItemList& items, int& nCurSel, int nIndex,
                      const _tagListboxItem& item);
// Removes the item at nIndex; the selection stays. Returns the count left, or -1.
int vxComboDeleteItem(vxListboxItemList& items, unsigned int nIndex);

// First index from nStart (-1: from 0) to the end whose text begins with pszText,
// compared case-insensitively and multibyte-aware; -1 without a match or a null text.
int vxComboFindPrefixNoCase(vxListboxItemList& items, int nStart, LPCTSTR pszText);
// First index from nStart (-1: from 0) to the end whose text equals pszText exactly
// (case-sensitive, multibyte-aware); -1 without a match, a null text or a start past the count.
int vxComboFindExact(vxListboxItemList& items, int nStart, LPCTSTR pszText);

// Whether strText begins with pszPrefix, case-sensitively and multibyte-aware (typing aids).
BOOL vxComboBeginsWith(const CString& strText, LPCTSTR pszPrefix);
// The same ignoring case (searches).
BOOL vxComboBeginsWithNoCase(const CString& strText, LPCTSTR pszPrefix);

// The index of the first enabled item after nFrom whose text begins with pszPrefix, ignoring
// case; the search goes round to the front and ends at nFrom itself. -1 when none. A letter
// typed again so steps through the items that begin with it.
template <class Items>
int vxComboNextByPrefix(const Items& items, int nFrom, LPCTSTR pszPrefix)
{
    int nFirst = -1;
    int nIndex = 0;
    for (typename Items::const_iterator it = items.begin(); it != items.end(); ++it, ++nIndex) {
        if (it->bDisabled || !vxComboBeginsWithNoCase(it->strText, pszPrefix))
            continue;
        if (nIndex > nFrom)
            return nIndex;
        if (nFirst == -1)
            nFirst = nIndex;
    }
    return nFirst;
}

// The enabled item a key that moves from nFrom to nTarget lands on (Home, End, a page): the
// first enabled one from nTarget on, away from nFrom (towards the end when nTarget is nFrom),
// else the nearest between nTarget and nFrom; nTarget is held within the items. -1 when no
// enabled item but nFrom itself lies on the way.
int vxComboKeyTarget(const vxListboxItemList& items, int nFrom, int nTarget);
