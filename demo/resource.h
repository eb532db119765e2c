// Identifiers of the gallery's resources (gallery.rc) and of the controls in them.
#pragma once

#define IDD_SPIN_PAGE 100

#define IDC_EDIT_BEFORE 10
#define IDC_SPIN_WHOLE 11
#define IDC_SPIN_DECIMAL 12
#define IDC_SPIN_TIME 13
#define IDC_SPIN_DATE 14
#define IDC_BUTTON_AFTER 20
