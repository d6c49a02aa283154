// MapView's own texts (cp932 literals: the build compiles narrow strings as cp932).
#pragma once

namespace mapview {

// Graticule labels.
inline constexpr char kFmtLabelDegree[] = "%d°";
inline constexpr char kFmtLabelDegreeMinute[] = "%d°%02d'";

// Layer names, widest first.
inline constexpr char kLayerName1[] = "広域図";
inline constexpr char kLayerName2[] = "地方図";
inline constexpr char kLayerName3[] = "県域図";
inline constexpr char kLayerName4[] = "市域図";
inline constexpr char kLayerName5[] = "市街図";
inline constexpr char kLayerName6[] = "詳細図";
inline constexpr char kLayerName7[] = "街区図";

// Tile sources (menu names) and the credits shown while their tiles show.
inline constexpr char kSourceNamePale[] = "淡色地図 (地理院タイル)";
inline constexpr char kSourceNameStandard[] = "標準地図 (地理院タイル)";
inline constexpr char kSourceNamePhoto[] = "写真 (地理院タイル)";
inline constexpr char kSourceNameOsm[] = "OpenStreetMap";
// Credits are UTF-8: cp932 has no "©".
inline constexpr char kCreditGsi[] = u8"地理院タイル";
inline constexpr char kCreditOsm[] = u8"© OpenStreetMap contributors";
inline constexpr char kCreditCustomPrefix[] = u8"タイル: ";
inline constexpr char kCreditBaseMap[] = u8"海岸線: GSHHG";

// Window.
inline constexpr char kWindowClass[] = "MapViewWindow";
inline constexpr char kWindowTitle[] = "MapView";
inline constexpr char kFmtWindowTitleFamily[] = "MapView - %s";
inline constexpr char kFontFace[] = "MS UI Gothic";
inline constexpr char kFmtStatusPosition[] = "レイヤ%d %s   中心 北緯%s 東経%s   マーク 北緯%s 東経%s";
inline constexpr char kStatusMarkOff[] = "(マーク非表示)";
inline constexpr char kFmtStatusZoom[] = "   ズーム%d";
inline constexpr char kStatusHelpProAtlas[] = "クリック・矢印: マーク移動   ドラッグ・Shift+矢印: 地図移動   "
                                             "ホイール・+/-・ダブルクリック: ズーム   Home: マークへ";
inline constexpr char kStatusHelpMapple[] =
    "クリック・ドラッグ・矢印: 地図移動   ホイール・+/-・ダブルクリック: ズーム";

// Menu.
inline constexpr char kMenuMap[] = "地図(&M)";
inline constexpr char kMenuCustomSource[] = "設定のタイル (TileUrl)";
inline constexpr char kMenuSourceOff[] = "タイルを使わない (海岸線のみ)";
inline constexpr char kMenuFitAll[] = "全地点表示(&A)";
inline constexpr char kMenuDatum[] = "測地系(&D)";
inline constexpr char kMenuDatumTokyo[] = "日本測地系 (旧測地系、Tokyo)";
inline constexpr char kMenuDatumWgs84[] = "世界測地系 (WGS84・JGD2011)";
inline constexpr char kMenuHelp[] = "ヘルプ(&H)";
inline constexpr char kMenuAbout[] = "MapView について(&A)...";
inline constexpr char kDatumLabelTokyo[] = "測地系: 日本測地系";
inline constexpr char kDatumLabelWgs84[] = "測地系: 世界測地系";

// The second status line: what the tiles, the cache and the search are doing.
inline constexpr char kFmtTilesWaiting[] = "タイル読込中 %u   ";
inline constexpr char kFmtTilesFailed[] = "取得できないタイル %u (%s)   ";
inline constexpr char kProblemNotFound[] = "タイルなし";
inline constexpr char kProblemNotImage[] = "画像でない応答";
inline constexpr char kProblemTimedOut[] = "応答なし";
inline constexpr char kProblemUnreachable[] = "接続できません";
inline constexpr char kProblemBlocked[] = "外部への接続は無効";
inline constexpr char kMsgCacheTrouble[] = "キャッシュフォルダに保存できません   ";
inline constexpr char kMsgBadTileUrl[] = "TileUrl が正しくありません (タイルは読み込みません)   ";
inline constexpr char kMsgNoBaseMap[] = "海岸線データ (japan_basemap.bin) を読めません   ";
inline constexpr char kFmtSearching[] = "検索中: %s";
inline constexpr char kFmtSearchFound[] = "検索: %u 件   %s";
inline constexpr char kFmtSearchEmpty[] = "検索: 見つかりませんでした (%s)";
inline constexpr char kMsgSearchMalformed[] = "検索: 答えを読めません (地図は変えていません)";
inline constexpr char kFmtSearchFailed[] = "検索: できません (%s)";
inline constexpr char kFmtSearchStatus[] = "検索: できません (HTTP %d)";
inline constexpr char kMsgSearchTooLarge[] = "検索: 答えが大きすぎます (地図は変えていません)";
inline constexpr char kMsgBadSearchUrl[] = "検索: SearchUrl が正しくありません";
inline constexpr char kMsgNoPoints[] = "表示する地点がありません";
inline constexpr wchar_t kSearchCue[] = L"地名・住所で検索 (Enter)";

// The About box (UTF-8 for the "©").
inline constexpr char kAboutTitle[] = u8"MapView について";
inline constexpr char kAboutText[] =
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
inline constexpr wchar_t kClassDescriptionPrefix[] = L"MapView (";
inline constexpr wchar_t kCallLogVariable[] = L"TENMARK_MAPVIEW_LOG";
inline constexpr wchar_t kCallLogKey[] = L"Software\\Vorn\\MapView";
inline constexpr wchar_t kCallLogValue[] = L"CallLog";

// Registration (printed by /RegServer and /UnregServer).
inline constexpr char kFmtRegistered[] = "登録しました: %s";
inline constexpr char kFmtLeftAlone[] = "他のプログラムの登録があるため変更しません: %s";
inline constexpr char kFmtRegisterFailed[] = "登録できません: %s";
inline constexpr char kFmtUnregistered[] = "登録を削除しました: %s";
inline constexpr char kFmtUnregisterFailed[] = "登録を削除できません: %s";
inline constexpr char kUsage[] = "使い方: MapView.exe [/RegServer [ID...] | /UnregServer [ID...]]";

// Errors reported to automation clients.
inline constexpr char kErrorSource[] = "MapView";
inline constexpr char kErrorBadCoord[] = "座標の形式が正しくありません";
inline constexpr char kErrorNoLayer[] = "そのレイヤはありません";
inline constexpr char kErrorTooManyTexts[] = "テキストが多すぎます";
inline constexpr char kErrorTooManyIcons[] = "アイコンが多すぎます";

} // namespace mapview
