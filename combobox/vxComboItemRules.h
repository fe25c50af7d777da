// Index, insertion, deletion and search rules of the combo box's item list, free of windows.
// An item's index is its position from the front; an index that designates no item (below
// zero, or at or past the count) gives the failure result, and no walk steps past the end.
#pragma once

#include "vxListboxItem.h"

// Remembers the last position reached by index, so that reading the items in index order
// costs one step per item instead of a walk from the front. Every change of the list must
// Forget() it; results are the same with or without it.
class AFX_EXT_CLASS vxComboItemCursor
{
public:
    vxComboItemCursor() : m_nIndex(-1) {}

    // The item at nIndex, or items.end() when nIndex designates no item.
    vxListboxItemList::iterator Find(vxListboxItemList& items, int nIndex);
    void Forget() { m_nIndex = -1; }

private:
    int m_nIndex;                    // index of m_it; -1: nothing remembered
    vxListboxItemList::iterator m_it;
};

// Inserts item at nIndex: -1 or past the count appends, the count itself inserts nothing.
// Moves nCurSel up when the item goes in at or before it. Returns the new index or -1.
AFX_EXT_API int vxComboInsertItem(vxListboxItemList& items, vxComboItemCursor& cursor,
                                  int& nCurSel, int nIndex, const _tagListboxItem& item);
// Removes the item at nIndex; the selection stays. Returns the count left, or -1.
AFX_EXT_API int vxComboDeleteItem(vxListboxItemList& items, vxComboItemCursor& cursor,
                                  unsigned int nIndex);

// First index from nStart (-1: from 0) to the end whose text begins with pszText,
// compared case-insensitively and multibyte-aware; -1 without a match or a null text.
AFX_EXT_API int vxComboFindPrefixNoCase(vxListboxItemList& items, vxComboItemCursor& cursor,
                                        int nStart, const char* pszText);
// First index from nStart (-1: from 0) to the end whose text equals pszText exactly
// (case-sensitive, multibyte-aware); -1 without a match, a null text or a start past the count.
AFX_EXT_API int vxComboFindExact(vxListboxItemList& items, vxComboItemCursor& cursor,
                                 int nStart, const char* pszText);

// Whether strText begins with pszPrefix, case-sensitively and multibyte-aware (typing aids).
AFX_EXT_API BOOL vxComboBeginsWith(const CString& strText, const char* pszPrefix);
