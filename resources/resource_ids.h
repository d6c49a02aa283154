// Resource identifiers of the editor. The numbers are fixed: other programs and files know them.
#pragma once

#include "edit_dialog_ids.h"
#include "map_dialog_ids.h"

// Dialogs
#define IDD_ABOUT 100
#define IDD_MAIN 132

// Menu, icons, cursors
#define IDR_MAIN_MENU 128
#define IDI_MAIN 128
#define IDI_PLACEHOLDER 208
#define IDCUR_ARROW 104
#define IDCUR_DRAG_ONE 105
#define IDCUR_DRAG_MANY 144
#define IDCUR_NO_DROP 106

// Main window controls
#define IDC_EXIT 2
#define IDC_MAIN_LIST 1000
#define IDC_DELETE 1002
#define IDC_CHANGE 1003
#define IDC_SHOW_ON_MAP 1004
#define IDC_CAPTURE 1005
#define IDC_ADD 1009
#define IDC_IMPORT_LIST 1024
#define IDC_LATITUDE 1056
#define IDC_LONGITUDE 1057

// Version dialog controls
#define IDC_ABOUT_ICON 1200
#define IDC_ABOUT_PRODUCT 1201
#define IDC_ABOUT_DESCRIPTION 1202

// Menu commands
#define IDM_FILE_OPEN 57601
#define IDM_FILE_SAVE 57603
#define IDM_FILE_SAVE_AS 57604
#define IDM_FILE_IMPORT 32775
#define IDM_APP_EXIT 57665
#define IDM_CHECK_ALL 32781
#define IDM_CLEAR_ALL 32783
#define IDM_VIEW_EDIT 32772
#define IDM_VIEW_IMPORT 32773
#define IDM_MAP_SELECT 32791
#define IDM_APP_ABOUT 57664
// Point exchange: export, and the datum of the device's files (in the 地図 popup).
#define IDM_FILE_EXPORT 33100
#define IDM_DATUM_TOKYO 33101
#define IDM_DATUM_WGS84 33102
// Appended to the 編集 popup when the bridge program stands beside the editor.
#define IDM_EDIT_MAP_SEPARATOR 104
#define IDM_EDIT_SHOW_ON_MAP 102
#define IDM_EDIT_CAPTURE 103

// Undo, find, sorting and duplicates (33200 .. 33249).
// Put before 変更 in the window's 編集 popup, not in the main list's context menu.
#define IDM_EDIT_UNDO 33200
#define IDM_EDIT_REDO 33201
#define IDM_EDIT_FIND 33202
#define IDM_EDIT_FIND_NEXT 33203
// The 変換 popup.
#define IDM_SORT_NAME 33210
#define IDM_SORT_READING 33211
#define IDM_SORT_LONGITUDE 33212
#define IDM_SORT_LATITUDE 33213
#define IDM_SORT_MARK 33214
#define IDM_SELECT_DUPLICATES 33215
// The find dialog.
#define IDD_FIND 33220
#define IDC_FIND_LABEL 33221
#define IDC_FIND_TEXT 33222

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
