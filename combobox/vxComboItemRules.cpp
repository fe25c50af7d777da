#include "vxComboItemRules.h"

#include "vxAnsiText.h"

#include <tchar.h>

vxListboxItemList::iterator vxComboItemAt(vxListboxItemList& items, int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(items.size()))
        return items.end();
    return items.begin() + nIndex;
}

int vxComboInsertItem(vxListboxItemList& items, int& nCurSel, int nIndex,
                      const _tagListboxItem& item)
{
    const int nCount = static_cast<int>(items.size());
    // Appending never moves the selection.
    if (nIndex == -1 || nIndex > nCount || (nIndex == 0 && nCount == 0)) {
        items.push_back(item);
        return nCount;
    }
    // The count itself (and anything else naming no item) inserts nothing.
    vxListboxItemList::iterator it = vxComboItemAt(items, nIndex);
    if (it == items.end())
        return -1;
    items.insert(it, item);
    if (nCurSel != -1 && nIndex <= nCurSel)
        ++nCurSel;
    return nIndex;
}

int vxComboDeleteItem(vxListboxItemList& items, unsigned int nIndex)
{
    if (nIndex >= items.size())
        return -1;
    items.erase(items.begin() + nIndex);
    return static_cast<int>(items.size());
}

namespace {

// Walks from nStart to the end and answers the first index whose text matches.
template <typename Match>
int FindFrom(vxListboxItemList& items, int nStart, Match matches)
{
    if (nStart == -1)
        nStart = 0;
    vxListboxItemList::iterator it = vxComboItemAt(items, nStart);
    for (int i = nStart; it != items.end(); ++it, ++i) {
        if (matches(it->strText))
            return i;
    }
    return -1;
}

} // namespace

BOOL vxComboBeginsWithNoCase(const CString& strText, LPCTSTR pszPrefix)
{
    return pszPrefix != NULL && vxBeginsWithNoCase(strText, pszPrefix, _tcslen(pszPrefix));
}

int vxComboFindPrefixNoCase(vxListboxItemList& items, int nStart, LPCTSTR pszText)
{
    if (pszText == NULL)
        return -1;
    const size_t nUnits = _tcslen(pszText);
    return FindFrom(items, nStart, [&](const CString& strText) {
        return vxBeginsWithNoCase(strText, pszText, nUnits);
    });
}

int vxComboFindExact(vxListboxItemList& items, int nStart, LPCTSTR pszText)
{
    if (pszText == NULL || (nStart != -1 && nStart > static_cast<int>(items.size())))
        return -1;
    return FindFrom(items, nStart, [&](const CString& strText) {
        return vxTextEquals(strText, pszText);
    });
}

BOOL vxComboBeginsWith(const CString& strText, LPCTSTR pszPrefix)
{
    return pszPrefix != NULL && vxBeginsWith(strText, pszPrefix, _tcslen(pszPrefix));
}

int vxComboKeyTarget(const vxListboxItemList& items, int nFrom, int nTarget)
{
    const int nCount = static_cast<int>(items.size());
    if (nCount == 0)
        return -1;
    nTarget = nTarget < 0 ? 0 : (nTarget >= nCount ? nCount - 1 : nTarget);
    const int nAway = nTarget >= nFrom ? 1 : -1;
    for (int i = nTarget; i >= 0 && i < nCount; i += nAway) {
        if (!items[static_cast<size_t>(i)].bDisabled)
            return i == nFrom ? -1 : i;
    }
    for (int i = nTarget - nAway; i != nFrom && i >= 0 && i < nCount; i -= nAway) {
        if (!items[static_cast<size_t>(i)].bDisabled)
            return i;
    }
    return -1;
}
