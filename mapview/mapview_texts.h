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
constexpr const char kStatusHelpProAtlas[] =
    "クリック・矢印: マーク移動   Shift+矢印: 地図移動   Home: マークへ   +/-: レイヤ切替";
constexpr const char kStatusHelpMapple[] = "クリック・矢印: 地図移動   +/-: レイヤ切替";

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
