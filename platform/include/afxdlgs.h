// Standard dialogs of the framework: everything in afxwin.h.
//
// Property sheets and pages (CPropertySheet, CPropertyPage) and the common dialogs
// (CCommonDialog, CFileDialog, CPrintDialog) belong here; they come with the dialog classes
// that build on them and are not part of the platform yet.
#pragma once

#include "afxwin.h"

// Property sheets and pages.
#include "afxprsht.h"
