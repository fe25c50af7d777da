// What a screen reader reads of a shown tip: the tip window is the host's, so the library
// answers for the window's alert object (OBJID_ALERT), an alert named as the window's own
// object names it, which the tip's alert event names.
#pragma once

#include "vxAccessible.h"

class vxTipAlertAccessible : public vxAccessibleProvider
{
public:
    explicit vxTipAlertAccessible(HWND hTip) : vxAccessibleProvider(hTip) {}

    LONG AccObjectId() override { return OBJID_ALERT; }
    HWND AccParentWindow() override { return Hwnd(); }
    long AccRole(long) override { return ROLE_SYSTEM_ALERT; }
    long AccState(long) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccLocation(long nChild, RECT& rcScreen) override;
};
