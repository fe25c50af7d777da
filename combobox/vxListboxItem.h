#pragma once

#include <afx.h>

/// One entry of a combo box: its text, image, data and flags, kept by value in the combo's
/// item list and copied into the drop list when it opens.
struct _tagListboxItem
{
    CString strText;                 ///< shown text; the key of every search
    CString strImage;                ///< image value for the skin engine; empty: none
    DWORD_PTR dwItemData;            ///< the caller's data, wide enough for a pointer
    int nItemHeight;                 ///< per-item height; nothing reads it
    BOOL bDisabled;                  ///< passed over by keyboard, hover and click selection

    _tagListboxItem() : dwItemData(0), nItemHeight(26), bDisabled(FALSE) {}
};

// The combo box's ordered list of items; its type is the library's own.
class vxListboxItemList;
