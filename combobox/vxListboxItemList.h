// The combo box's item list: the records in order. A deque keeps them in blocks of its own
// (an item costs its record's size, with no links), reaches any index at once, and moves only
// the records of the shorter side at an insertion or deletion.
#pragma once

#include <deque>

#include "vxListboxItem.h"

class vxListboxItemList : public std::deque<_tagListboxItem>
{
};
