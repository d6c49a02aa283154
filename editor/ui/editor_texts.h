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

// The point edit dialog.
// Shown when OK is pressed while a box holds a character that cp932 cannot store; the box is
// then focused with its text selected and the dialog stays open.
#define MSG_TEXT_NOT_STORABLE "保存できない文字が含まれています。\n別の文字に置き換えてください。"
// Follows the direction's name in the direction box (0x81 0x4B, not the degree sign).
#define TEXT_DIRECTION_SUFFIX "゜"

// The file commands.
// Texts of the file commands, exactly as the user sees them (cp932 in the program).

// File dialog filters: "name|pattern|name|pattern||".
#define FILTER_OPEN "QPF ファイル(*.qpf)|*.qpf|すべてのファイル (*.*)|*.*||"
#define FILTER_SAVE "QPF ファイル (*.qpf)|*.qpf|すべてのファイル (*.*)|*.*||"
#define FILTER_IMPORT "地点ファイル ( *.qpf)|*.qpf|すべてのファイル (*.*)|*.*||"

// The closing question, joined without blank or line break.
#define MSG_CLOSE_MODIFIED "は変更されています。"
#define MSG_CLOSE_NEW_FILE "新規ファイルです。"
#define MSG_CLOSE_SAVE "保存しますか？"

// A chosen file name with characters the editor's file names (cp932) cannot hold.
#define MSG_UNUSABLE_FILE_NAME "このファイル名は使用できません。"

// The map link.
// Registry: HKEY_LOCAL_MACHINE, this prefix followed by the product name.
#define TEXT_REGISTRY_KEY_PREFIX "SOFTWARE\\Vorn\\"
#define TEXT_VALUE_MAP_OBJECT "MapObject"
#define TEXT_VALUE_OBJECT_COUNT "o-cnt"
#define TEXT_VALUE_MAP_OBJECT_FORMAT "MapObject%02d"

// The map applications every list starts with, in this order.
#define TEXT_BUILTIN_MAP_OBJECT_1 "ProAtlasW2.Map"
#define TEXT_BUILTIN_MAP_OBJECT_2 "ProAtlasW3.Map"
#define TEXT_BUILTIN_MAP_OBJECT_3 "ProAtlasSV.Map"
#define TEXT_BUILTIN_MAP_OBJECT_4 "Mapple.Document"

// The layer the map is asked for (the bridge's command line is TEXT_BRIDGE_PROGRAM).
#define TEXT_MAP_LAYER "4"

// Capture
#define TEXT_CAPTURED_POINT_NAME "新しいポイント"

// Undo, find, sorting and duplicates.
// The items put before 変更 in the window's 編集 popup (the context menu keeps its three).
#define TEXT_MENU_UNDO "元に戻す\tCtrl+Z"
#define TEXT_MENU_REDO "やり直し\tCtrl+Y"
#define TEXT_MENU_FIND "検索...\tCtrl+F"
#define TEXT_MENU_FIND_NEXT "次を検索\tF3"
// Status pane 1 after 変換 > 重複地点を選択.
#define TEXT_DUPLICATES_FORMAT "重複 %d地点"
// No point's name, reading or phone holds the text looked for.
#define MSG_NOT_FOUND_FORMAT "「%s」は見つかりません。"
// The edit dialog's coordinate boxes when OK is pressed over text that is no coordinate of
// Japan's extent; the box is focused and the dialog stays open.
#define MSG_LONGITUDE_INVALID \
    "経度が正しくありません。\n日本の範囲（東経122～154度）の経度を、\n139.767125、139.46.01.7、139°46′01.7″E などの形で入力してください。"
#define MSG_LATITUDE_INVALID \
    "緯度が正しくありません。\n日本の範囲（北緯20～46度）の緯度を、\n35.681236、35.40.52.4、35°40′52.4″N などの形で入力してください。"
