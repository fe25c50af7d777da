// What a screen reader reads of the balloon: a tooltip named by its text.
#pragma once

#include "vxAccessible.h"

class rvToolTip;

class rvToolTipAccessible : public vxAccessibleProvider
{
public:
    explicit rvToolTipAccessible(rvToolTip* pTip);

    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;

private:
    rvToolTip* m_pTip;                   // the owner
};
