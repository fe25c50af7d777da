/// \file
/// The combo box control and its dialog data exchange functions.
#pragma once

#include <afxwin.h>

#include "vxListboxItem.h"
#include "vxComboMessages.h"

class vxAliveWatch;
class vxComboAccessible;
class vxDropWnd;
class vxDropListBox;
struct vxComboPaintLayout;

/// A combo box that keeps its own item list (text, image and data per item) and paints its
/// own selection field and drop button; the drop list is a separate top-most pop-up.
///
/// State: the items, the selection index m_nCurSel (which may name no item after deletions)
/// and the shown text m_strText. In the drop-down style an edit child (id 108) holds the
/// text, and the window text is the edit's; otherwise the combo paints m_strText, which is
/// then the window text. Hover: a move into the hot area starts
/// timer 1, which polls the cursor every 50 ms and ends the hover once it is outside.
/// Drop-down: closed (no frame) -> open by the button, F4, Alt+Up/Down or ShowDropDown: a new
/// top-most frame with the list is built from a copy of the items (CBN_DROPDOWN), then shown
/// (m_bDropped). Typing with the filtered option opens a frame on the matching items with
/// m_bDropped clear; each further keystroke closes it to the host and shows the new matches
/// in the same frame, which m_pKeptDrop holds while the host hears the close. Open -> closed:
/// a choice (CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE) or a close without one
/// (CBN_SELENDCANCEL, CBN_CLOSEUP). The frame and the list never close themselves: they post
/// the choice and the close to the combo, which destroys them outside their handlers; the
/// focus loss posts its close too.
/// The combo owns its font, its edit child and the open (or kept) drop-down, and deletes them.
class AFX_EXT_CLASS vxCtrlComboBox : public CWnd
{
    DECLARE_DYNAMIC(vxCtrlComboBox)
    friend class vxComboAccessible;
    friend class vxDropListBox;          // asks whether it is the list shown

public:
    /// A combo without a window. The window class "RavuComboBoxCtrl" is registered when the
    /// library loads, so a dialog template may name it; the argument is kept only.
    explicit vxCtrlComboBox(int n = 0);
    /// Destroys the window, the drop-down and the edit, and frees the items.
    virtual ~vxCtrlComboBox();

    /// Creates the combo as a child: CBS_DROPDOWN gives an edit child, CBS_DROPDOWNLIST a
    /// painted text. FALSE when the window cannot be made.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Item list (every search and comparison is multibyte-aware; -1 is CB_ERR)
    /// Appends an item (the list is never sorted); returns its index.
    int AddString(LPCTSTR pszText);
    /// Appends an item with an image value for the skin engine; returns its index.
    int AddString(LPCTSTR pszText, LPCTSTR pszImage);
    /// Inserts before the item at nIndex (-1: appends); returns the new index, or -1 when
    /// nIndex equals the count. A selection at or after it moves along.
    int InsertString(int nIndex, LPCTSTR pszText);
    /// The same with an image value.
    int InsertString(int nIndex, LPCTSTR pszText, LPCTSTR pszImage);
    /// Removes an item; returns the number left, or -1. The selection and text stay.
    int DeleteString(unsigned int nIndex);
    void ResetContent();                 ///< empties the list and the text; keeps the index
    int GetCount() const;                ///< number of items

    /// The first item from nStartAfter (the item itself; -1: from the start) whose text begins
    /// with pszText, ignoring case; -1 when none. There is no wrap-around.
    int FindString(int nStartAfter, LPCTSTR pszText);
    /// As FindString, but the text must be equal, case included.
    int FindStringExact(int nIndexStart, LPCTSTR pszText);
    /// Selects the item FindStringExact finds and shows its text; its index, or -1 with
    /// nothing changed. Sends no notification.
    int SelectString(int nStartAfter, LPCTSTR pszText);

    int GetCurSel();                     ///< the first item whose text is the shown text
    /// Selects the item and shows its text (-1: clears both); returns nSelect, or -1 when it
    /// names no item. Sends no notification.
    int SetCurSel(int nSelect);

    DWORD_PTR GetItemData(int nIndex);   ///< the item's data; all ones when nIndex names none
    int SetItemData(int nIndex, DWORD_PTR dwItemData); ///< 0, or -1 when nIndex names none
    void* GetItemDataPtr(int nIndex);    ///< as GetItemData, as a pointer
    int SetItemDataPtr(int nIndex, void* pData);       ///< as SetItemData

    int GetLBTextLen(int nIndex);        ///< length + 1
    /// Copies the item's text with its zero into pszText, which holds GetLBTextLen bytes;
    /// returns length + 1, or -1.
    int GetLBText(int nIndex, LPTSTR pszText);
    void GetLBText(int nIndex, CString& strText); ///< the item's text; empty when none

    int GetTopIndex();                   ///< -1 unless the drop list is shown
    int SetTopIndex(int nIndex);         ///< scrolls the shown drop list; -1 when none is shown
    int SetItemHeight(int nIndex, int cy); ///< -1: edit height, else drop rows; always -1

    /// -1 (no preferred count) or at least 1; anything else is refused.
    void SetDefaultVisibleItems(int n) { if (n == -1 || n >= 1) m_nDefaultVisibleItems = n; }
    /// Rows the drop list prefers to show; -1: as many as fit.
    int GetDefaultVisibleItems() const { return m_nDefaultVisibleItems; }
    /// Fewer rows than this below the combo open the list upward.
    void SetMinVisibleItems(int n) { m_nMinVisibleItems = n; }
    int GetMinVisibleItems() const { return m_nMinVisibleItems; } ///< see SetMinVisibleItems
    /// Height of the selection field (nIndex -1) or of the drop list's rows (any other).
    int GetItemHeight(int nIndex) const;
    /// The number of items the list holds with nItems more, or CB_ERRSPACE past INT_MAX.
    /// Nothing is set aside: the list takes its memory in small blocks as items come, and
    /// nBytes (for their texts) is not needed.
    int InitStorage(int nItems, UINT nBytes);
    /// Appends the names of the files matching lpszWildCard with the DDL_ attributes attr
    /// (directories as [name], drives as [-x-]); the index of the last one added, or CB_ERR.
    int Dir(UINT attr, LPCTSTR lpszWildCard);

// Window
    /// Changes the option bits (VXCB_FRAME, VXCB_AUTOCOMPLETE, VXCB_FILTEREDLIST).
    void ModifyCBStyle(DWORD dwRemove, DWORD dwAdd);
    DWORD GetCBStyle() const { return m_dwCBStyle; }   ///< the option bits
    CRect& GetComboRect() { return m_rcWnd; }          ///< Create's rectangle, or the client rectangle once the pointer moved over a drop-list combo
    CFont* GetEditTextFont() { return m_pFont; }       ///< the font the combo made
    /// Insets of the edit within the combo (right: the button strip); moves the edit.
    void SetEditMargin(RECT* pMargins);
    int LimitText(int nMaxChars);        ///< edit text limit (0: 65535); -1 without an edit
    /// Selects characters of the edit; 1, or -1 without an edit.
    int SetEditSel(int nStartChar, int nEndChar);
    DWORD GetEditSel();                  ///< start (low word) and end; all ones without an edit
    BOOL PointInWindow(CPoint ptScreen); ///< whether the screen point is on the combo

// Drop-down
    /// Opens the drop list as the button does (CBN_DROPDOWN), or closes it without a choice
    /// (CBN_SELENDCANCEL, CBN_CLOSEUP).
    void ShowDropDown(BOOL bShow = TRUE);
    BOOL GetDroppedState() const { return m_bDropped; } ///< the drop list is shown
    /// Screen rectangle of the shown list; with the list closed, where it would drop: from
    /// the combo's top left, as wide as the list and down to the list's bottom.
    void GetDroppedControlRect(RECT* pRect);
    /// The list at least nWidth wide (less than the combo: as wide as the combo); the width
    /// it then gets, or CB_ERR for a width of 32,768 or more.
    int SetDroppedWidth(UINT nWidth);
    int GetDroppedWidth() const;         ///< the list's width: the combo's, or more
    /// With the extended interface Down (and Up) opens the closed list and F4 does nothing.
    int SetExtendedUI(BOOL bExtended = TRUE);
    BOOL GetExtendedUI() const { return m_bExtendedUI; } ///< see SetExtendedUI
    /// The combo's parts as COMBOBOXINFO tells them (the list only while it is open); FALSE
    /// when pcbi is null or its cbSize is not that of the structure.
    BOOL GetComboBoxInfo(PCOMBOBOXINFO pcbi) const;
    /// Width the drop list scrolls over (0: its own); a wider one gives it a scroll bar.
    void SetHorizontalExtent(UINT nExtent);
    UINT GetHorizontalExtent() const { return static_cast<UINT>(m_nHorizontalExtent); } ///< see SetHorizontalExtent

// Text
    /// Shows the text (in the edit, or painted); the selection index stays. Sends no
    /// notification and runs no typing aid.
    void SetText(LPCTSTR pszText);
    void GetText(CString& strText);      ///< the shown text: the edit's, or the painted one
    /// Copies the shown text with its zero into pszText (large enough); returns its length.
    int GetText(LPTSTR pszText);

// Operations for derived classes
protected:
    /// The record of the item at nIndex, or NULL: its fields may change, its place may not.
    /// Valid until an item is inserted or deleted.
    _tagListboxItem* GetItemRecord(int nIndex);

// Overridables
protected:
    virtual void PreSubclassWindow();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    /// The window text is the edit's in the drop-down style, the painted text otherwise; the
    /// colour messages of the edit and the list go on to the parent.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

// Message handlers
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnChildActivate();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnSelectedItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDestroyDropdownList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropdownButton(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetfocusEdit();
    afx_msg void OnKillfocusEdit();
    afx_msg void OnChangeEdit();
    afx_msg void OnUpdateEdit();
    afx_msg LRESULT OnCbAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetCount(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetLBText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetLBTextLen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbResetContent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSelectString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetTopIndex(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetTopIndex(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbInsertString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbFindString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbFindStringExact(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetDroppedState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbShowDropDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetDroppedControlRect(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbLimitText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetEditSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetEditSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetComboBoxInfo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetExtendedUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetExtendedUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetDroppedWidth(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetDroppedWidth(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetMinVisible(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetMinVisible(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetItemHeight(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetItemHeight(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbInitStorage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbDir(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetHorizontalExtent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetHorizontalExtent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

// Internal helpers
private:
    static void RegisterWindowClass();
    /// The combo's own sizes the host has not replaced, at the window's DPI.
    void ScaleToDpi();
    void AdoptWindowText();              ///< the text the window was made with is shown
    /// The window's height for a field nFieldHeight high, unless the host sized the window.
    void FitFieldHeight(int nFieldHeight);
    void SelectByCharacter(const CString& strChar); ///< the combo may be gone after it
    void InvalidateIfShown();
    void SetFieldText(const CString& strText);  ///< the selection field's text, announced
    void AnnounceValue();                ///< tells screen readers the shown text changed
    void CreateFontA();                  ///< engine font, else the parent's, else the GUI font
    void RenewFontForDpi();              ///< the combo's own font made again for a new DPI
    void CreateEdit();
    int InsertString(int nIndex, _tagListboxItem& item);
    void ShowWindowImage(BOOL bShow);
    void SetWindowImage(CString strImage);
    vxComboPaintLayout CalcPaintLayout() const; ///< where painting puts frame, button, text
    CRect RecalcButtonArea();
    CRect RecalcEditArea();
    BOOL IsDropDownStyle() const;        ///< edit child, button strip at the right
    BOOL IsDropListStyle() const;        ///< painted text, the whole client is the button
    BOOL HasEdit() const;
    /// A frame on the rows (taken from rows), nRow highlighted (-1: none); FALSE once the
    /// combo is gone.
    BOOL CreateDropList(vxListboxItemList& rows, int nRow);
    BOOL IsStaleDropRequest(LPARAM lParam) const; ///< posted for a frame no longer open
    BOOL CloseDropDown();                ///< FALSE once the combo is gone
    BOOL AnnounceClosed();               ///< CBN_SELENDCANCEL unless chosen, CBN_CLOSEUP
    void KeepDropDownForRefill();        ///< the open frame closed for the host, kept hidden from it
    void DiscardDropDown();              ///< closes without notifications (window going)
    void SetDropListVisible(BOOL bVisible);
    BOOL IsDropListVisible() const { return m_bDropped; }
    vxDropListBox* GetDropListBox();     ///< the list of the open frame, or none
    void ScrollDropList(int nTopIndex);
    void MoveDropListSelection(int nStep); ///< keyboard moves in the open list
    BOOL OnRightKey(MSG* pMsg);          ///< completion key at the end of the text
    BOOL OnJumpKey(MSG* pMsg);           ///< Home, End, Page Up and Page Down
    BOOL CompleteTypedText(const CString& strTyped); ///< FALSE once the combo is gone
    BOOL IsEditComposing() const;    ///< an input method composes in the edit: its text is not typed yet
    void DisableInputMethodIfDropList();
    BOOL FilterDropList(const CString& strTyped);    ///< FALSE once the combo is gone
    BOOL WriteEditText(const CString& strText);      ///< no typing aid; FALSE once gone
    BOOL SelNextItem();                  ///< FALSE once the combo is gone
    BOOL SelPrevItem();
    BOOL TakeItem(int nIndex, const CString& strText); ///< FALSE once the combo is gone
    BOOL SetShownText(const CString& strText);         ///< edit or window text
    /// Where the first nBytes of strText, the edit's text, end in the edit's own count.
    int EditPosition(const CString& strText, int nBytes);
    BOOL Notify(UINT nCode);             ///< sends WM_COMMAND; FALSE once the combo is gone

protected:
// Item list (shared with the drop-down and the edit handling)
    int m_nCurSel;                       ///< may name no item
    CString m_strText;                   ///< text of the selection field
    int m_nEditHeight;                   ///< -1: between the margins
    int m_nItemHeight;                   ///< rows of the drop list
    int m_nDefaultVisibleItems;          ///< -1: no preferred row count
    int m_nMinVisibleItems;              ///< fewer rows below opens the list upward
    vxDropWnd* m_pDropWnd;               ///< the open drop-down, owned
    BOOL m_bDropped;                     ///< the drop-down is shown as the combo's list

// Window
    int m_nUnused;                       ///< constructor argument, kept only
    CEdit* m_pEdit;                      ///< drop-down style only, owned
    CFont* m_pFont;                      ///< owned
    DWORD m_dwStyle;                     ///< style given to Create
    DWORD m_dwCBStyle;                   ///< VXCB_ option bits
    CRect m_rcWnd;                       ///< Create's rectangle; the drop-list style keeps its client rectangle here for hover tests
    CRect m_rcEditMargin;                ///< right: width of the button strip
    CRect m_rcButton;
    BOOL m_bFocused;                     ///< the combo window itself has the focus
    BOOL m_bFocusNotified;               ///< CBN_SETFOCUS sent for the edit
    BOOL m_bSelEndOk;                    ///< a drop list choice is being completed
    BOOL m_bSyncEdit;                    ///< the first paint with a selection fills the edit
    BOOL m_bCreatedByCreate;
    BOOL m_bAutoComplete;                ///< last key was not Delete or Backspace
    BOOL m_bHover;
    BOOL m_bHoverTimer;
    int m_nWheelDelta;

private:
    // Reached only through the operations that keep the selection in step with the list.
    vxListboxItemList* m_pItems;         ///< the items in order; owned
    vxListboxItemList& m_lstItems;       ///< *m_pItems
    vxAliveWatch* m_pAliveWatches;       ///< handlers on the stack that call out to the host
    vxDropWnd* m_pKeptDrop;              ///< a filtered frame closed for the host, to show the next matches; owned
    HFONT m_hFont;                       ///< in use: m_pFont's, or the host's from WM_SETFONT
    BOOL m_bItemHeightGiven;             ///< the host set the rows' height: kept at any DPI
    int m_nDpi;                          ///< the DPI its own sizes were last scaled for
    BOOL m_bEditMarginGiven;             ///< the host set the edit's margins: kept at any DPI
    BOOL m_bExtendedUI;                  ///< Down opens the list, F4 does nothing
    int m_nDroppedWidth;                 ///< 0: the list is as wide as the combo
    int m_nHorizontalExtent;             ///< the drop list's scrollable width; 0: none
    BOOL m_bBeenFocused;                 ///< the first focus selected the edit's text
    BOOL m_bSizedByHost;                 ///< a size given after creation outranks the font's
    BOOL m_bFittingField;                ///< the combo sizes itself to its field
    TCHAR m_chLeadByte;                  ///< first unit of a two-unit character typed
    vxComboAccessible* m_pAccessible;    ///< what screen readers read; owned, made on demand
};

/// Dialog data exchange with a vxCtrlComboBox attached to the dialog item nIDC: its shown
/// text (GetText when saving, SetText when loading).
AFX_EXT_API void AFXAPI DDX_ACBString(CDataExchange* pDX, int nIDC, CString& value);
/// Dialog data exchange with a vxCtrlComboBox attached to the dialog item nIDC: the index of
/// the first item with the shown text (GetCurSel when saving, SetCurSel when loading).
AFX_EXT_API void AFXAPI DDX_ACBIndex(CDataExchange* pDX, int nIDC, int& index);
