// What a screen reader reads of a sizer bar or a splitter bar: a separator whose value is the
// position of its leading edge (the edge it moves) in its parent's client coordinates.
#pragma once

#include "vxAccessible.h"

class vxBarAccessible : public vxAccessibleProvider
{
public:
    explicit vxBarAccessible(HWND hBar) : vxAccessibleProvider(hBar) {}

    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccValue(long nChild, CString& strValue) override;
};
