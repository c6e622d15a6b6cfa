/* resource.h -- identifiers of the inspector's resources and dialog controls.
   Shared by veldrix.rc and the program's code; IDCANCEL (2) comes from the
   platform headers. */
#ifndef VELDRIX_RESOURCE_H
#define VELDRIX_RESOURCE_H

#define IDD_MAIN 100
#define IDB_LOGO 103
#define IDI_PROGRAM 104

#define IDC_PATH 1000
#define IDC_RECORD_TYPE 1002
#define IDC_VERSION 1003
#define IDC_CR 1004
#define IDC_LF 1005
#define IDC_RECORD_LENGTH 1006
#define IDC_FILE_SIZE 1008
#define IDC_SELECT_FILE 1010
#define IDC_RECORD_COUNT 1011
#define IDC_LOGO 1014
#define IDC_HELP_BUTTON 1015
#define IDC_FILE_DATE 1016
#define IDC_STATIC (-1)

// The record check: its dialog and the item of the main dialog's system menu
// that opens it.  A system command's low four bits belong to the system, and
// the ids from 0xF000 up are its own commands, so the item's id is below
// 0xF000 with the low four bits zero.
#define IDD_CHECK 110
#define IDM_CHECK_RECORDS 0x0110

#define IDC_CHECK_PATH 1100
#define IDC_CHECK_CHECKSUMS 1101
#define IDC_CHECK_START 1102
#define IDC_CHECK_PROGRESS 1103
#define IDC_CHECK_STATUS 1104
#define IDC_CHECK_LIST 1105
#define IDC_CHECK_SUMMARY 1106
#define IDC_CHECK_STOP 1107
#define IDC_CHECK_SAVE 1108
#define IDC_CHECK_ITEMS 1109
#define IDC_CHECK_CHOOSE 1110

#endif
