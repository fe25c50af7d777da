#include "CVexelListBox.h"

#include "vxStackAccessible.h"

IMPLEMENT_DYNAMIC(CVexelListBox, CListBox)

BEGIN_MESSAGE_MAP(CVexelListBox, CListBox)
    ON_MESSAGE(WM_GETOBJECT, &CVexelListBox::OnGetObject)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CVexelListBox::CVexelListBox() : m_pAccessible(NULL)
{
}

CVexelListBox::~CVexelListBox()
{
    delete m_pAccessible;
}

void CVexelListBox::MeasureItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/)
{
}

int CVexelListBox::AddEntry(LPCTSTR pszText)
{
    const int nEntry = static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszText)));
    if (nEntry >= 0 && nEntry < static_cast<int>(m_entryTexts.size()))
        m_entryTexts[static_cast<size_t>(nEntry)] = pszText != NULL ? pszText : _T("");
    return nEntry;
}

CString CVexelListBox::EntryText(int nEntry) const
{
    return nEntry >= 0 && nEntry < static_cast<int>(m_entryTexts.size())
               ? m_entryTexts[static_cast<size_t>(nEntry)]
               : CString();
}

LRESULT CVexelListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && lResult <= static_cast<LRESULT>(m_entryTexts.size()))
            m_entryTexts.insert(m_entryTexts.begin() + lResult, CString());
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && wParam < m_entryTexts.size())
            m_entryTexts.erase(m_entryTexts.begin() + static_cast<ptrdiff_t>(wParam));
        break;
    case LB_RESETCONTENT:
        m_entryTexts.clear();
        break;
    }
    return lResult;
}

LRESULT CVexelListBox::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] { return new vxSubItemListAccessible(this); });
    return lResult != 0 ? lResult : Default();
}

void CVexelListBox::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CListBox::OnNcDestroy();
}
