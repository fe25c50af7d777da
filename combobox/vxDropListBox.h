// The drop list inside the combo's drop-down frame: an owner-drawn list box painted by the
// skin engine. It keeps no data of its own (LBS_NODATA): its rows are the frame's copies of
// the items, set all at once by their count, and the list answers the reads of a row's data
// and text from them. Rows are hot-tracked under the pointer, passing over disabled ones; a
// button-up posts the hot-tracked row and then the close to the combo.
#pragma once

#include <afxwin.h>

#include "vxListboxItemList.h"


class vxCtrlComboBox;
class vxDropListAccessible;

class vxDropListBox : public CListBox
{
    DECLARE_DYNAMIC(vxDropListBox)

public:
    explicit vxDropListBox(vxCtrlComboBox* pCombo);
    virtual ~vxDropListBox();

// Operations
    // Shows these rows, which must outlive the list, and gives each its draw items.
    void SetRows(const vxListboxItemList& rows);
    // Passes over disabled rows towards nSelect's side; bByUser: a key or the pointer moved it.
    int SelectItem(int nSelect, BOOL bByUser = FALSE);
    // Chooses the row and closes the list, as a click on it does (posted to the combo);
    // FALSE for a disabled row or none.
    BOOL ChooseRow(int nRow);
    void SetTopIndexTracked(int nIndex);
    // The row's item, or none for an index outside the list.
    const _tagListboxItem* RowItem(int nIndex) const;

// Overridables
    virtual BOOL PreTranslateMessage(MSG* pMsg); // the combo's keys go on to the combo
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
protected:
    // Reads of a row's data and text answered from the rows.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

// Message handlers
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnDropSetCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropReleaseCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnElementClick(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

// Internal helpers
private:
    BOOL IsRowDisabled(int nIndex) const; // FALSE for rows outside the list
    void PostChoice(int nRow);            // -1: closes choosing nothing
    int RowAt(CPoint point) const;       // row under a client point, or -1
    void HandCaptureToFrame(CPoint point);

    vxCtrlComboBox* m_pCombo;
    const vxListboxItemList* m_pRows; // the frame's; none before SetRows
    int m_nImageRowsEnd;                 // no row from this one on was given an image
    BOOL m_bElementClicked;              // a named element was clicked since the last button-up
    vxDropListAccessible* m_pAccessible; // what screen readers read; owned, made on demand
};
