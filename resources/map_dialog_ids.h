// Control ids of the map object dialog (161).
#pragma once

#define IDD_MAP_OBJECT 161
#define IDC_MAP_OBJECT_NAME 1003
#define IDC_MAP_OBJECT_ADD 1090
#define IDC_MAP_OBJECT_LIST 1091
#define IDC_MAP_OBJECT_DELETE 1092
