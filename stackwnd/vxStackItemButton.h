// The button of a stack window item: an item button that tells screen readers whether its
// item is open.
#pragma once

#include "vxItemButton.h"

class vxStackItemButton : public vxItemButton
{
protected:
    vxAccessibleProvider* NewAccessible() override;
};
