// CVexelListBox: the sub-item list of a stack window item. An owner-drawn list box whose
// entries the skin engine paints from their per-entry values; the entry height is set with
// LB_SETITEMHEIGHT, so measuring does nothing.
#pragma once

#include <afxwin.h>

class CVexelListBox : public CListBox
{
    DECLARE_DYNAMIC(CVexelListBox)

public:
    CVexelListBox();
    virtual ~CVexelListBox();

// Overridables
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};
