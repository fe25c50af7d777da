// CVexelListBox: the sub-item list of a stack window item. An owner-drawn list box whose
// entries the skin engine paints from their per-entry values; the entry height is set with
// LB_SETITEMHEIGHT, so measuring does nothing. The entries keep no strings (their data is the
// text pointer they were added with), so the list keeps a copy of each entry's text for
// screen readers, in step with every insertion and deletion.
#pragma once

#include <afxwin.h>

#include <vector>

class vxSubItemListAccessible;

class CVexelListBox : public CListBox
{
    DECLARE_DYNAMIC(CVexelListBox)

public:
    CVexelListBox();
    virtual ~CVexelListBox();

// Operations
    int AddEntry(LPCTSTR pszText);   // LB_ADDSTRING, its text kept; the index or LB_ERR
    CString EntryText(int nEntry) const; // empty for an index that names none

// Overridables
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    // Insertions and deletions keep the texts in step with the entries.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Entries without strings: the list names them for screen readers.
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    vxSubItemListAccessible* m_pAccessible; // what screen readers read; owned, made on demand
    std::vector<CString> m_entryTexts;   // by entry; empty for entries added otherwise
};
