// The combo box's item list: the records in order, their nodes from the item node pool.
#pragma once

#include <list>

#include "vxItemNodePool.h"
#include "vxListboxItem.h"

class vxListboxItemList : public std::list<_tagListboxItem, vxItemNodeAllocator<_tagListboxItem>>
{
};
