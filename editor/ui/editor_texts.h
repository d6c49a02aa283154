// The editor's own texts, byte for byte (narrow literals are compiled as cp932).
#pragma once

// Window and product
inline constexpr char TEXT_MAIN_CAPTION[] = "Markwerk";
inline constexpr char TEXT_PRODUCT_NAME[] = "Tenmark";
inline constexpr char TEXT_BRIDGE_PROGRAM[] = "Cartolink2.exe";

// Start-up
inline constexpr char TEXT_OLE_INIT_FAILED[] = "OLE初期化失敗";

// Status bar
inline constexpr char TEXT_POINT_COUNT_FORMAT[] = "地点登録数  %d";
inline constexpr char TEXT_ROW_NUMBER_FORMAT[] = " %3d行";

// Columns of both point lists
inline constexpr char TEXT_COLUMN_NAME[] = "地点名称";
inline constexpr char TEXT_COLUMN_LONGITUDE[] = "東経";
inline constexpr char TEXT_COLUMN_LATITUDE[] = "北緯";
inline constexpr char TEXT_COLUMN_MARK[] = "２Ｄマーク";
inline constexpr char TEXT_COLUMN_READING[] = "フリガナ";
inline constexpr char TEXT_COLUMN_PHONE[] = "電話番号";

// Items appended to the 編集 popup when the bridge program is present
inline constexpr char TEXT_MENU_SHOW_ON_MAP[] = "地図表示";
inline constexpr char TEXT_MENU_CAPTURE[] = "位置取り込み";

// Mark icon files in the working folder
inline constexpr char TEXT_MARK_ICON_FORMAT[] = "mark%02d.ico";

// Version dialog: product name and version from the version resource
inline constexpr char TEXT_ABOUT_PRODUCT_FORMAT[] = "%s Version %s";

// The point edit dialog.
// Shown when OK is pressed while a box holds a character that cp932 cannot store; the box is
// then focused with its text selected and the dialog stays open.
inline constexpr char MSG_TEXT_NOT_STORABLE[] = "保存できない文字が含まれています。\n別の文字に置き換えてください。";
// Follows the direction's name in the direction box (0x81 0x4B, not the degree sign).
inline constexpr char TEXT_DIRECTION_SUFFIX[] = "゜";

// The file commands.
// Texts of the file commands, exactly as the user sees them (cp932 in the program).

// File dialog filters: "name|pattern|name|pattern||".
inline constexpr char FILTER_OPEN[] = "QPF ファイル(*.qpf)|*.qpf|すべてのファイル (*.*)|*.*||";
inline constexpr char FILTER_SAVE[] = "QPF ファイル (*.qpf)|*.qpf|すべてのファイル (*.*)|*.*||";
// The first entry of the Import filter is the QPF one; one for the exchange formats follows it.
inline constexpr char FILTER_IMPORT[] =
    "地点ファイル ( *.qpf)|*.qpf|"
    "GPX, KML, KMZ, CSV, GeoJSON (*.gpx;*.kml;*.kmz;*.csv;*.geojson;*.json)|*.gpx;*.kml;*.kmz;*.csv;*.geojson;*.json|"
    "すべてのファイル (*.*)|*.*||";

// The closing question, joined without blank or line break.
inline constexpr char MSG_CLOSE_MODIFIED[] = "は変更されています。";
inline constexpr char MSG_CLOSE_NEW_FILE[] = "新規ファイルです。";
inline constexpr char MSG_CLOSE_SAVE[] = "保存しますか？";

// A chosen file name with characters the editor's file names (cp932) cannot hold.
inline constexpr char MSG_UNUSABLE_FILE_NAME[] = "このファイル名は使用できません。";

// The map link.
// Registry: HKEY_LOCAL_MACHINE, this prefix followed by the product name.
inline constexpr char TEXT_REGISTRY_KEY_PREFIX[] = "SOFTWARE\\Vorn\\";
inline constexpr char TEXT_VALUE_MAP_OBJECT[] = "MapObject";
inline constexpr char TEXT_VALUE_OBJECT_COUNT[] = "o-cnt";
inline constexpr char TEXT_VALUE_MAP_OBJECT_FORMAT[] = "MapObject%02d";

// The map applications every list starts with, in this order.
inline constexpr char TEXT_BUILTIN_MAP_OBJECT_1[] = "ProAtlasW2.Map";
inline constexpr char TEXT_BUILTIN_MAP_OBJECT_2[] = "ProAtlasW3.Map";
inline constexpr char TEXT_BUILTIN_MAP_OBJECT_3[] = "ProAtlasSV.Map";
inline constexpr char TEXT_BUILTIN_MAP_OBJECT_4[] = "Mapple.Document";
// What the bridge opens while no map application was ever chosen: MapView, beside the editor.
inline constexpr char TEXT_OWN_MAP_OBJECT[] = "MapView.Map";
inline constexpr wchar_t TEXT_OWN_MAP_PROGRAM[] = L"MapView.exe";

// The layer the map is asked for (the bridge's command line is TEXT_BRIDGE_PROGRAM).
inline constexpr char TEXT_MAP_LAYER[] = "4";

// Capture
inline constexpr char TEXT_CAPTURED_POINT_NAME[] = "新しいポイント";

// Point exchange: other formats in and out, and the datum of the device's files.
// The Export dialog: the format follows the chosen name's extension.
inline constexpr char FILTER_EXPORT[] =
    "GPX ファイル (*.gpx)|*.gpx|KML ファイル (*.kml)|*.kml|KMZ ファイル (*.kmz)|*.kmz|"
    "CSV ファイル (*.csv)|*.csv|GeoJSON ファイル (*.geojson)|*.geojson|QPF ファイル (*.qpf)|*.qpf||";
// Shown after an import or export that had to change or leave out something: the heading,
// then the exchange layer's lines (the first few, then how many more there are).
inline constexpr char MSG_IMPORT_REPORT[] = "読み込むときに次のように変えました。";
inline constexpr char MSG_EXPORT_REPORT[] = "書き出すときに次のように変えました。";
inline constexpr char TEXT_REPORT_MORE_FORMAT[] = "ほか %d 行";
// A file read that held no point the import list can show.
inline constexpr char MSG_IMPORT_NO_POINTS[] = "%s\n    に読める地点がありません";
// An export name whose extension names no format.
inline constexpr char MSG_EXPORT_UNKNOWN_FORMAT[] = "%s\n    の形式がわかりません (拡張子 .gpx .kml .kmz .csv .geojson .qpf)";
// The datum choice could not be stored.
inline constexpr char MSG_DATUM_NOT_STORED[] = "測地系の設定を保存できませんでした。";

// Undo, find, sorting and duplicates.
// The items put before 変更 in the window's 編集 popup (the context menu keeps its three).
inline constexpr char TEXT_MENU_UNDO[] = "元に戻す\tCtrl+Z";
inline constexpr char TEXT_MENU_REDO[] = "やり直し\tCtrl+Y";
inline constexpr char TEXT_MENU_FIND[] = "検索...\tCtrl+F";
inline constexpr char TEXT_MENU_FIND_NEXT[] = "次を検索\tF3";
// Status pane 1 after 変換 > 重複地点を選択.
inline constexpr char TEXT_DUPLICATES_FORMAT[] = "重複 %d地点";
// No point's name, reading or phone holds the text looked for.
inline constexpr char MSG_NOT_FOUND_FORMAT[] = "「%s」は見つかりません。";
// The edit dialog's coordinate boxes when OK is pressed over text that is no coordinate of
// Japan's extent; the box is focused and the dialog stays open.
inline constexpr char MSG_LONGITUDE_INVALID[] =
    "経度が正しくありません。\n日本の範囲（東経122～154度）の経度を、\n139.767125、139.46.01.7、139°46′01.7″E などの形で入力してください。";
inline constexpr char MSG_LATITUDE_INVALID[] =
    "緯度が正しくありません。\n日本の範囲（北緯20～46度）の緯度を、\n35.681236、35.40.52.4、35°40′52.4″N などの形で入力してください。";
