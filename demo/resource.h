// Identifiers of the gallery's resources (gallery.rc) and of the controls in them.
#pragma once

// The spin control page.
#define IDD_SPIN_PAGE 100
#define IDC_EDIT_BEFORE 10
#define IDC_SPIN_WHOLE 11
#define IDC_SPIN_DECIMAL 12
#define IDC_SPIN_TIME 13
#define IDC_SPIN_DATE 14
#define IDC_BUTTON_AFTER 20

// The percent bar page: four fixed bars and one the host drives.
#define IDC_FIRST_BAR 30
#define IDC_DRIVEN_BAR 34

// The pop-up tip page.
#define IDC_TIP_FIELD 40
#define IDC_TIP_OPEN 41
#define IDC_TIP_SAVE 42

// The bitmap button page.
#define IDC_BUTTON_FIELD 50
#define IDC_BUTTON_PLAY 51
#define IDC_BUTTON_SAVE 52
#define IDC_BUTTON_STOP 53

// The dialog base page.
#define IDD_BACKUP 600
#define IDC_COUNTDOWN 50
#define IDC_SHOW_ERROR 51
#define IDC_RETITLE 52
#define IDS_NO_DRIVE 500
#define IDS_BACKUP 501

// The property sheet page.
#define IDD_GENERAL 700
#define IDD_SPIN 701
#define IDD_ADVANCED 702
#define IDS_SHEET 710
#define IDS_SAVE 711
#define IDC_NAME 720
#define IDC_AUTO_SAVE 721
#define IDC_INTERVAL 722
#define IDC_START_AT 723
#define IDC_LOG_LEVEL 724

// The status bar page: its menu and accelerators, and the lamp in its bitmap pane.
#define IDR_STATUS_FRAME 800
#define IDB_LAMP 500

#ifdef RC_INVOKED
// The framework's identifiers that the resources name, as the framework's headers define them
// for C++.
#define ID_HELP 0xE146
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_INDICATOR_CAPS 0xE701
#define ID_VIEW_STATUS_BAR 0xE801
#endif
