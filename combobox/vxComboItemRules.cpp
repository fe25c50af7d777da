#include "vxComboItemRules.h"

#include "vxAnsiText.h"

#include <tchar.h>

#include <iterator>

vxListboxItemList::iterator vxComboItemIndex::Find(vxListboxItemList& items, int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(items.size()))
        return items.end();
    if (!IsCurrent(items)) {
        m_positions.clear();
        m_positions.reserve(items.size());
        for (vxListboxItemList::iterator it = items.begin(); it != items.end(); ++it)
            m_positions.push_back(it);
    }
    return m_positions[static_cast<size_t>(nIndex)];
}

void vxComboItemIndex::Appended(vxListboxItemList& items)
{
    if (m_positions.size() + 1 != items.size()) {
        m_positions.clear();
        return;
    }
    // Growing by a quarter, not by double, keeps the spare room small for long lists.
    if (m_positions.size() == m_positions.capacity())
        m_positions.reserve(m_positions.capacity() + m_positions.capacity() / 4 + 64);
    m_positions.push_back(std::prev(items.end()));
}

void vxComboItemIndex::Reserve(vxListboxItemList& items, size_t nItems)
{
    if (!IsCurrent(items))
        Find(items, 0);
    m_positions.reserve(nItems);
}

void vxComboItemIndex::Forget()
{
    std::vector<vxListboxItemList::iterator>().swap(m_positions);
}

int vxComboInsertItem(vxListboxItemList& items, vxComboItemIndex& index, int& nCurSel,
                      int nIndex, const _tagListboxItem& item)
{
    const int nCount = static_cast<int>(items.size());
    // Appending never moves the selection.
    if (nIndex == -1 || nIndex > nCount || (nIndex == 0 && nCount == 0)) {
        items.push_back(item);
        index.Appended(items);
        return nCount;
    }
    // The count itself (and anything else naming no item) inserts nothing.
    vxListboxItemList::iterator it = index.Find(items, nIndex);
    if (it == items.end())
        return -1;
    index.m_positions.insert(index.m_positions.begin() + nIndex, items.insert(it, item));
    if (nCurSel != -1 && nIndex <= nCurSel)
        ++nCurSel;
    return nIndex;
}

int vxComboDeleteItem(vxListboxItemList& items, vxComboItemIndex& index, unsigned int nIndex)
{
    if (nIndex >= items.size())
        return -1;
    items.erase(index.Find(items, static_cast<int>(nIndex)));
    index.m_positions.erase(index.m_positions.begin() + nIndex);
    return static_cast<int>(items.size());
}

namespace {

// Walks from nStart to the end and answers the first index whose text matches.
template <typename Match>
int FindFrom(vxListboxItemList& items, vxComboItemIndex& index, int nStart, Match matches)
{
    if (nStart == -1)
        nStart = 0;
    vxListboxItemList::iterator it = index.Find(items, nStart);
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

int vxComboFindPrefixNoCase(vxListboxItemList& items, vxComboItemIndex& index, int nStart,
                            LPCTSTR pszText)
{
    if (pszText == NULL)
        return -1;
    const size_t nUnits = _tcslen(pszText);
    return FindFrom(items, index, nStart, [&](const CString& strText) {
        return vxBeginsWithNoCase(strText, pszText, nUnits);
    });
}

int vxComboFindExact(vxListboxItemList& items, vxComboItemIndex& index, int nStart,
                     LPCTSTR pszText)
{
    if (pszText == NULL || (nStart != -1 && nStart > static_cast<int>(items.size())))
        return -1;
    return FindFrom(items, index, nStart, [&](const CString& strText) {
        return vxTextEquals(strText, pszText);
    });
}

BOOL vxComboTextEquals(const CString& strText, LPCTSTR pszText)
{
    return pszText != NULL && vxTextEquals(strText, pszText);
}

BOOL vxComboBeginsWith(const CString& strText, LPCTSTR pszPrefix)
{
    return pszPrefix != NULL && vxBeginsWith(strText, pszPrefix, _tcslen(pszPrefix));
}
