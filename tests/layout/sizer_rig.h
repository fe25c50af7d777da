// A sizer bar between two windows of a host, for the programs that drag one on other displays:
// a row 200 high of a fixed static 100 wide (minimum 50), a 4-pixel bar and a stretching static
// (minimum 20), laid out over the host's client area.
#pragma once

#include "vxHorizLayout.h"
#include "vxSizerBar.h"

struct SizerRig
{
    explicit SizerRig(CWnd* pHost) : layout(pHost)
    {
        left.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pHost, 201);
        right.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pHost, 202);
        bar.Create(WS_CHILD | WS_VISIBLE, pHost, &layout, 210, CRect(0, 0, 4, 200));
        layout.SetHeight(200);
        layout.AddItem(&left, StyleFixed);
        layout.SetItemSize(0, 0, 100);
        layout.SetItemMinSize(0, 0, 50);
        layout.AddSplitterItem(0, 0, &bar);
        layout.SetItemSize(0, 1, 4);
        layout.AddItem(&right, StyleStretch);
        layout.SetItemMinSize(0, 2, 20);
        layout.SetSplitterWnd(0, 1, 0, 2);
        layout.CalcLayout(pHost);
    }
    ~SizerRig() { bar.DestroyWindow(); }

    CStatic left, right;
    vxHorizLayout layout;
    vxSizerBar bar;
};
