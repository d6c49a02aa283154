#pragma once
// The exchange layer's own texts (cp932). Failures are shown through the core's notifier and
// name the file (a line break and four blanks before the reason, like the core's messages);
// the changes made to fit are report lines, one per point and field or per kind.

// Failures: %s is the path.
#define MSG_EX_TOO_LARGE "%s\n    は大きすぎて読めません (上限 %d MB)"
#define MSG_EX_TOO_MANY_ELEMENTS "%s\n    は要素が多すぎて読めません (上限 %d 個)"
#define MSG_EX_ENTITY "%s\n    は実体宣言 (<!ENTITY>) を含むため読めません"
#define MSG_EX_BAD_XML "%s\n    は XML として読めません (%d バイト目: %s)"
#define MSG_EX_NOT_GPX "%s\n    は GPX ファイルではありません"
#define MSG_EX_NOT_KML "%s\n    は KML ファイルではありません"
#define MSG_EX_BAD_ZIP "%s\n    は KMZ (zip) として読めません"
#define MSG_EX_NO_KML_IN_KMZ "%s\n    の中に KML ファイルがありません"
#define MSG_EX_KMZ_TOO_LARGE "%s\n    の KML は展開すると大きすぎます (上限 %d MB)"
#define MSG_EX_BAD_JSON "%s\n    は JSON として読めません (%d バイト目)"
#define MSG_EX_NOT_GEOJSON "%s\n    は GeoJSON ではありません"
#define MSG_EX_CSV_FIELD_TOO_LONG "%s\n    の %d 行目に長すぎる値があります (上限 %d KB)"
#define MSG_EX_CSV_UNCLOSED "%s\n    の %d 行目で始まる引用符が閉じていません"
#define MSG_EX_NO_MEMORY "%s\n    を読むためのメモリが足りません"
#define MSG_EX_NO_POINTS "%s\n    に読める地点がありません"
#define MSG_EX_WRITE_FAILED "%s\n    を書けませんでした"

// Changes to one field of one point: the point's number (from 1) and the field's name.
#define MSG_EX_REPLACED "地点 %d の %s: cp932 にない文字 %d 個を \"?\" にしました"
#define MSG_EX_CUT "地点 %d の %s: %d バイトで切りました"
#define MSG_EX_SEPARATORS "地点 %d の %s: QPF の区切り文字 (#, タブ, 改行) を置き換えました"
#define MSG_EX_NOT_INTEGER "地点 %d の %s: 整数でない値の代わりに %d にしました"
#define MSG_EX_UNDECODABLE "地点 %d の %s: cp932 の文字でないバイトを U+FFFD にしました"
#define MSG_EX_CONTROL "地点 %d の %s: XML に書けない制御文字 %d 個を \"?\" にしました"

// Points left out and geometry ignored, one line per kind with its count.
#define MSG_EX_LEFT_BEYOND "200 地点を超える %d 地点は読みませんでした"
#define MSG_EX_LEFT_SOUTH_WEST "南緯または西経の %d 地点は読みませんでした (QPF は北緯と東経だけを持てます)"
#define MSG_EX_LEFT_NO_POSITION "座標がないか読めない %d 地点は読みませんでした"
#define MSG_EX_IGNORED "点でない図形 %s %d 個は読みませんでした"
#define MSG_EX_NETWORK_LINK "ネットワーク リンク %d 個は読みませんでした (リンク先のファイルを読み込んでください)"
