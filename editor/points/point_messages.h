#pragma once
// The point core's own texts, shown to the user exactly as they stand.

inline constexpr char MSG_FILE_NOT_FOUND[] = "ファイルが見つかりませんでした。";
inline constexpr char MSG_ACCESS_DENIED[] = "ファイル アクセス禁止";
inline constexpr char MSG_SHARING_VIOLATION[] = "ファイルの共有違反です";
inline constexpr char MSG_READ_FAILED[] = "読み込みに失敗しました。";
inline constexpr char MSG_UNKNOWN_FILE_FORMAT[] = "%s\n    は認識できないファイルです";
inline constexpr char MSG_TOO_MANY_POINTS_FORMAT[] = "%d地点以上は登録出来ません";
inline constexpr char QPF_HEADER[] = "登録ポイント\r\n";
