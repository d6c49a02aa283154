// MapView's own texts (cp932 literals: the build compiles narrow strings as cp932).
#pragma once

namespace mapview {

// Graticule labels.
constexpr const char kFmtLabelDegree[] = "%d°";
constexpr const char kFmtLabelDegreeMinute[] = "%d°%02d'";

// Layer names, widest first.
constexpr const char kLayerName1[] = "広域図";
constexpr const char kLayerName2[] = "地方図";
constexpr const char kLayerName3[] = "県域図";
constexpr const char kLayerName4[] = "市域図";
constexpr const char kLayerName5[] = "市街図";
constexpr const char kLayerName6[] = "詳細図";
constexpr const char kLayerName7[] = "街区図";

// Tile sources (menu names) and the credits shown while their tiles show.
constexpr const char kSourceNamePale[] = "淡色地図 (地理院タイル)";
constexpr const char kSourceNameStandard[] = "標準地図 (地理院タイル)";
constexpr const char kSourceNamePhoto[] = "写真 (地理院タイル)";
constexpr const char kSourceNameOsm[] = "OpenStreetMap";
// Credits are UTF-8: cp932 has no "©".
constexpr const char kCreditGsi[] = u8"地理院タイル";
constexpr const char kCreditOsm[] = u8"© OpenStreetMap contributors";
constexpr const char kCreditCustomPrefix[] = u8"タイル: ";
constexpr const char kCreditBaseMap[] = u8"海岸線: GSHHG";

// Window.
constexpr const char kWindowClass[] = "MapViewWindow";
constexpr const char kWindowTitle[] = "MapView";
constexpr const char kFmtWindowTitleFamily[] = "MapView - %s";
constexpr const char kFontFace[] = "MS UI Gothic";
constexpr const char kFmtStatusPosition[] = "レイヤ%d %s   中心 北緯%s 東経%s   マーク 北緯%s 東経%s";
constexpr const char kStatusMarkOff[] = "(マーク非表示)";
constexpr const char kFmtStatusZoom[] = "   ズーム%d";
constexpr const char kStatusHelpProAtlas[] = "クリック・矢印: マーク移動   ドラッグ・Shift+矢印: 地図移動   "
                                             "ホイール・+/-・ダブルクリック: ズーム   Home: マークへ";
constexpr const char kStatusHelpMapple[] =
    "クリック・ドラッグ・矢印: 地図移動   ホイール・+/-・ダブルクリック: ズーム";

// Menu.
constexpr const char kMenuMap[] = "地図(&M)";
constexpr const char kMenuCustomSource[] = "設定のタイル (TileUrl)";
constexpr const char kMenuFitAll[] = "全地点表示(&A)";
constexpr const char kMenuDatum[] = "測地系(&D)";
constexpr const char kMenuDatumTokyo[] = "日本測地系 (旧測地系、Tokyo)";
constexpr const char kMenuDatumWgs84[] = "世界測地系 (WGS84・JGD2011)";
constexpr const char kMenuHelp[] = "ヘルプ(&H)";
constexpr const char kMenuAbout[] = "MapView について(&A)...";
constexpr const char kDatumLabelTokyo[] = "測地系: 日本測地系";
constexpr const char kDatumLabelWgs84[] = "測地系: 世界測地系";

// The second status line: what the tiles, the cache and the search are doing.
constexpr const char kFmtTilesWaiting[] = "タイル読込中 %u   ";
constexpr const char kFmtTilesFailed[] = "取得できないタイル %u (%s)   ";
constexpr const char kProblemNotFound[] = "タイルなし";
constexpr const char kProblemNotImage[] = "画像でない応答";
constexpr const char kProblemTimedOut[] = "応答なし";
constexpr const char kProblemUnreachable[] = "接続できません";
constexpr const char kProblemBlocked[] = "外部への接続は無効";
constexpr const char kMsgCacheTrouble[] = "キャッシュフォルダに保存できません   ";
constexpr const char kMsgBadTileUrl[] = "TileUrl が正しくありません (タイルは読み込みません)   ";
constexpr const char kMsgNoBaseMap[] = "海岸線データ (japan_basemap.bin) を読めません   ";
constexpr const char kFmtSearching[] = "検索中: %s";
constexpr const char kFmtSearchFound[] = "検索: %u 件   %s";
constexpr const char kFmtSearchEmpty[] = "検索: 見つかりませんでした (%s)";
constexpr const char kMsgSearchMalformed[] = "検索: 答えを読めません (地図は変えていません)";
constexpr const char kFmtSearchFailed[] = "検索: できません (%s)";
constexpr const char kFmtSearchStatus[] = "検索: できません (HTTP %d)";
constexpr const char kMsgSearchTooLarge[] = "検索: 答えが大きすぎます (地図は変えていません)";
constexpr const char kMsgBadSearchUrl[] = "検索: SearchUrl が正しくありません";
constexpr const char kMsgNoPoints[] = "表示する地点がありません";
constexpr const wchar_t kSearchCue[] = L"地名・住所で検索 (Enter)";

// The About box (UTF-8 for the "©").
constexpr const char kAboutTitle[] = u8"MapView について";
constexpr const char kAboutText[] =
    u8"MapView: Tenmark の地図\n\n"
    u8"背景地図: 地理院タイル (国土地理院) https://maps.gsi.go.jp/development/ichiran.html\n"
    u8"OpenStreetMap (選んだときのみ): © OpenStreetMap contributors, "
    u8"https://www.openstreetmap.org/copyright\n"
    u8"地名検索: 国土地理院 住所検索\n\n"
    u8"オフラインの海岸線: GSHHG (Global Self-consistent, Hierarchical, High-resolution Geography "
    u8"Database), Wessel, P., and W. H. F. Smith, A Global Self-consistent, Hierarchical, "
    u8"High-resolution Shoreline Database, J. Geophys. Res., 101, 8741-8743, 1996. "
    u8"GNU Lesser General Public License (LGPL) 3 以降。データは japan_basemap.bin (GMT で切り出し)。\n\n"
    u8"タイルは表示したものだけをキャッシュします。";

// Registry and environment names.
constexpr const wchar_t kClassDescriptionPrefix[] = L"MapView (";
constexpr const wchar_t kCallLogVariable[] = L"TENMARK_MAPVIEW_LOG";
constexpr const wchar_t kCallLogKey[] = L"Software\\Vorn\\MapView";
constexpr const wchar_t kCallLogValue[] = L"CallLog";

// Registration (printed by /RegServer and /UnregServer).
constexpr const char kFmtRegistered[] = "登録しました: %s";
constexpr const char kFmtLeftAlone[] = "他のプログラムの登録があるため変更しません: %s";
constexpr const char kFmtRegisterFailed[] = "登録できません: %s";
constexpr const char kFmtUnregistered[] = "登録を削除しました: %s";
constexpr const char kFmtUnregisterFailed[] = "登録を削除できません: %s";
constexpr const char kUsage[] = "使い方: MapView.exe [/RegServer [ID...] | /UnregServer [ID...]]";

// Errors reported to automation clients.
constexpr const char kErrorSource[] = "MapView";
constexpr const char kErrorBadCoord[] = "座標の形式が正しくありません";
constexpr const char kErrorNoLayer[] = "そのレイヤはありません";
constexpr const char kErrorTooManyTexts[] = "テキストが多すぎます";
constexpr const char kErrorTooManyIcons[] = "アイコンが多すぎます";

} // namespace mapview
