// The combo box's window class ("RavuComboBoxCtrl"), registered when the library is loaded,
// so that a dialog template may name it before any combo object exists, as it may name the
// system's own controls.
#pragma once

#include <afxwin.h>

// Registers the class for the application's module; FALSE when the system refuses it.
BOOL vxRegisterComboBoxClass();
