// Extended framework classes; the controls need only what afxwin.h declares.
#pragma once

#include <afxwin.h>
