#include "CVexelListBox.h"

IMPLEMENT_DYNAMIC(CVexelListBox, CListBox)

BEGIN_MESSAGE_MAP(CVexelListBox, CListBox)
END_MESSAGE_MAP()

CVexelListBox::CVexelListBox()
{
}

CVexelListBox::~CVexelListBox()
{
}

void CVexelListBox::MeasureItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/)
{
}
