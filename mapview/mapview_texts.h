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

// Window.
inline constexpr char kWindowClass[] = "MapViewWindow";
inline constexpr char kWindowTitle[] = "MapView";
inline constexpr char kFmtWindowTitleFamily[] = "MapView - %s";
inline constexpr char kFontFace[] = "MS UI Gothic";
inline constexpr char kFmtStatusPosition[] = "レイヤ%d %s   中心 北緯%s 東経%s   マーク 北緯%s 東経%s";
inline constexpr char kStatusMarkOff[] = "(マーク非表示)";
inline constexpr char kStatusHelpProAtlas[] =
    "クリック・矢印: マーク移動   Shift+矢印: 地図移動   Home: マークへ   +/-: レイヤ切替";
inline constexpr char kStatusHelpMapple[] = "クリック・矢印: 地図移動   +/-: レイヤ切替";

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
