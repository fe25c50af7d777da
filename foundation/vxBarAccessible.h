// What a screen reader reads of a sizer bar or a splitter bar: a separator named by its window
// text, else its dialog label, else the names of the two windows it divides; valued by where
// its leading edge stands within the positions a drag may give it, in percent. UI Automation
// reads it as a thumb whose range value is that position, within those positions, and which
// moves there when the value is set.
#pragma once

#include "vxAccessible.h"

#include <functional>

// What the bar's owner tells of it, asked at each read (it may change with every layout).
struct vxBarPlace
{
    int nPos;                        // the leading edge, parent client coordinates
    int nLow, nHigh;                 // the positions a drag may give it
    HWND hBefore, hAfter;            // the windows either side, or NULL
};

class vxBarAccessible : public vxAccessibleProvider
{
public:
    // place fills a vxBarPlace, FALSE when the bar cannot move now (no neighbours, no room);
    // move moves it by a step, as a key does.
    vxBarAccessible(HWND hBar, std::function<BOOL(vxBarPlace&)> place, std::function<void(int)> move)
        : vxAccessibleProvider(hBar), m_place(std::move(place)), m_move(std::move(move))
    {
    }

    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccValue(long nChild, CString& strValue) override;
    long UiaControlType(long) override;
    BOOL UiaRange(long nChild, int& nPos, int& nLow, int& nHigh) override;
    BOOL UiaSetRange(long nChild, int nPos) override;

private:
    std::function<BOOL(vxBarPlace&)> m_place;
    std::function<void(int)> m_move;
};
