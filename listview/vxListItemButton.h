// The button window of a list view item: an item button read to screen readers as a list view
// item (by its caption, or by its tooltip text when it shows only an image).
#pragma once

#include "vxItemButton.h"

class vxListItemButton : public vxItemButton
{
protected:
    vxAccessibleProvider* NewAccessible() override;
};
