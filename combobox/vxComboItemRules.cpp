#include "vxComboItemRules.h"

#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

#include <iterator>

vxListboxItemList::iterator vxComboItemCursor::Find(vxListboxItemList& items, int nIndex)
{
    const int nCount = static_cast<int>(items.size());
    if (nIndex < 0 || nIndex >= nCount)
        return items.end();

    // Start from whichever known position is nearest: the front, the back or the last one
    // reached.
    int nFrom = 0;
    vxListboxItemList::iterator it = items.begin();
    if (nCount - 1 - nIndex < nIndex) {
        nFrom = nCount - 1;
        it = std::prev(items.end());
    }
    if (m_nIndex >= 0 && abs(nIndex - m_nIndex) < abs(nIndex - nFrom)) {
        nFrom = m_nIndex;
        it = m_it;
    }
    for (; nFrom < nIndex; ++nFrom)
        ++it;
    for (; nFrom > nIndex; --nFrom)
        --it;

    m_nIndex = nIndex;
    m_it = it;
    return it;
}

int vxComboInsertItem(vxListboxItemList& items, vxComboItemCursor& cursor, int& nCurSel,
                      int nIndex, const _tagListboxItem& item)
{
    const int nCount = static_cast<int>(items.size());
    // Appending never moves the selection.
    if (nIndex == -1 || nIndex > nCount || (nIndex == 0 && nCount == 0)) {
        items.push_back(item);
        cursor.Forget();
        return nCount;
    }
    // The count itself (and anything else naming no item) inserts nothing.
    vxListboxItemList::iterator it = cursor.Find(items, nIndex);
    if (it == items.end())
        return -1;
    items.insert(it, item);
    cursor.Forget();
    if (nCurSel != -1 && nIndex <= nCurSel)
        ++nCurSel;
    return nIndex;
}

int vxComboDeleteItem(vxListboxItemList& items, vxComboItemCursor& cursor, unsigned int nIndex)
{
    if (nIndex >= items.size())
        return -1;
    items.erase(cursor.Find(items, static_cast<int>(nIndex)));
    cursor.Forget();
    return static_cast<int>(items.size());
}

namespace {

// Walks from nStart to the end and answers the first index whose text matches.
template <typename Match>
int FindFrom(vxListboxItemList& items, vxComboItemCursor& cursor, int nStart, Match matches)
{
    if (nStart == -1)
        nStart = 0;
    vxListboxItemList::iterator it = cursor.Find(items, nStart);
    for (int i = nStart; it != items.end(); ++it, ++i) {
        if (matches(it->strText))
            return i;
    }
    return -1;
}

const unsigned char* Bytes(const char* psz)
{
    return reinterpret_cast<const unsigned char*>(psz);
}

} // namespace

int vxComboFindPrefixNoCase(vxListboxItemList& items, vxComboItemCursor& cursor, int nStart,
                            const char* pszText)
{
    if (pszText == NULL)
        return -1;
    const size_t nBytes = strlen(pszText);
    return FindFrom(items, cursor, nStart, [&](const CString& strText) {
        return _mbsnbicmp(Bytes(strText), Bytes(pszText), nBytes) == 0;
    });
}

int vxComboFindExact(vxListboxItemList& items, vxComboItemCursor& cursor, int nStart,
                     const char* pszText)
{
    if (pszText == NULL || (nStart != -1 && nStart > static_cast<int>(items.size())))
        return -1;
    return FindFrom(items, cursor, nStart, [&](const CString& strText) {
        return _mbscmp(Bytes(strText), Bytes(pszText)) == 0;
    });
}

BOOL vxComboBeginsWith(const CString& strText, const char* pszPrefix)
{
    if (pszPrefix == NULL)
        return FALSE;
    return _mbsnbcmp(Bytes(strText), Bytes(pszPrefix), strlen(pszPrefix)) == 0;
}
