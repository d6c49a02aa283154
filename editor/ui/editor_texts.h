// The editor's own texts, byte for byte (narrow literals are compiled as cp932).
#pragma once

// Window and product
#define TEXT_MAIN_CAPTION "Markwerk"
#define TEXT_PRODUCT_NAME "Tenmark"
#define TEXT_BRIDGE_PROGRAM "Cartolink2.exe"

// Start-up
#define TEXT_OLE_INIT_FAILED "OLE初期化失敗"

// Status bar
#define TEXT_POINT_COUNT_FORMAT "地点登録数  %d"
#define TEXT_ROW_NUMBER_FORMAT " %3d行"

// Columns of both point lists
#define TEXT_COLUMN_NAME "地点名称"
#define TEXT_COLUMN_LONGITUDE "東経"
#define TEXT_COLUMN_LATITUDE "北緯"
#define TEXT_COLUMN_MARK "２Ｄマーク"
#define TEXT_COLUMN_READING "フリガナ"
#define TEXT_COLUMN_PHONE "電話番号"

// Items appended to the 編集 popup when the bridge program is present
#define TEXT_MENU_SHOW_ON_MAP "地図表示"
#define TEXT_MENU_CAPTURE "位置取り込み"

// Mark icon files in the working folder
#define TEXT_MARK_ICON_FORMAT "mark%02d.ico"

// Version dialog: product name and version from the version resource
#define TEXT_ABOUT_PRODUCT_FORMAT "%s Version %s"
