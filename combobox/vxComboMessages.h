/// \file
/// Window messages of the combo box family. The drop-down and its list post the private ones
/// to the combo; the host receives WM_COMBO_ITEMCLOSE and may send WM_DROPLIST_ELEMENTCLICK.
#pragma once

#include <windows.h>

/// \name Private to the library
/// The host must not use these values on a combo or its drop-down. Posted requests name the
/// frame they concern in lParam; one that names a frame no longer open (the host closed the
/// list and opened another meanwhile) is stale and ignored. Sent requests carry 0 and concern
/// whatever is open.
/// @{
#define WM_COMBO_SELECTEDITEM      (WM_USER + 1)      ///< wParam: row of the drop list
#define WM_COMBO_DESTROYDROPDOWN   (WM_USER + 2)      ///< closes the drop-down
#define WM_DROP_SETCAPTURE         (WM_USER + 3)      ///< frame and list hand the capture over
#define WM_DROP_RELEASECAPTURE     (WM_USER + 4)      ///< frame and list hand the capture over
#define WM_COMBO_DROPDOWNBUTTON    (WM_USER + 0x426)  ///< opens or closes the drop list
/// @}

/// \name Crossing the library's boundary
/// @{
#define WM_DROPLIST_ELEMENTCLICK   0x0BC0             ///< to the drop list: row, element name
#define WM_COMBO_ITEMCLOSE         0x0BC6             ///< to the combo's parent: row, 0
/// @}

/// \name Option bits of vxCtrlComboBox::ModifyCBStyle
/// @{
#define VXCB_FRAME                 0x0001             ///< sunken double frame and drop button
#define VXCB_AUTOCOMPLETE          0x0002             ///< complete typed text inline
#define VXCB_FILTEREDLIST          0x0004             ///< drop a list of the matching items
/// @}

/// Control id of the edit child of a drop-down combo.
#define VXCB_EDIT_ID               108
