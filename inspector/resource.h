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

#endif
