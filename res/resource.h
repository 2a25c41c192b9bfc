#pragma once

// Icons (1-99)
#define IDI_KELVORO 1
#define IDI_BLACK 2
#define IDI_WHITE 3
// The pictures for display scales above 100 %: one PNG image for each scale.
#define IDI_LOGO_SCALES 10
#define IDI_STOCK_SCALES 11
#define IDI_ARROW_SCALES 12

// Bitmaps (100-199)
#define IDB_LOGO 100
#define IDB_STOCK 101
#define IDB_ARROW 102

// Cursors (200-299)
#define IDC_HAND_POINTER 200

// Controls of the main window (1000-1099); the numbers follow the control names.
#define IDC_COMMAND1 1001
#define IDC_COMMAND2 1002
#define IDC_COMMAND3 1003
#define IDC_COMMAND5 1005
#define IDC_COMMAND6 1006
#define IDC_COMMAND7 1007
#define IDC_CHECK1 1010
#define IDC_LABEL1 1021
#define IDC_LABEL2 1022
#define IDC_LABEL3 1023
#define IDC_LABEL4 1024
#define IDC_LABEL5 1025
#define IDC_LABEL13 1033
#define IDC_LABEL14 1034
#define IDC_IMAGE1 1041
#define IDC_IMAGE2 1042
#define IDC_IMAGE3 1043
#define IDC_IMAGE4 1044
#define IDC_IMAGE5 1045
#define IDC_IMAGE6 1046

// Controls of the About window (1100-1199)
#define IDC_ABOUT_LABEL1 1101
#define IDC_ABOUT_LABEL2 1102
#define IDC_ABOUT_LABEL3 1103
#define IDC_ABOUT_LABEL4 1104
#define IDC_ABOUT_LABEL5 1105
#define IDC_ABOUT_LABEL6 1106
#define IDC_ABOUT_LABEL8 1108
#define IDC_ABOUT_LABEL9 1109

// Version record
#define KELVORO_VERSION_NUMBERS 2, 1, 0, 0
#define KELVORO_VERSION_TEXT "2.01"
