#pragma once
// The point core's own texts, shown to the user exactly as they stand.

#define MSG_FILE_NOT_FOUND "ファイルが見つかりませんでした。"
#define MSG_ACCESS_DENIED "ファイル アクセス禁止"
#define MSG_SHARING_VIOLATION "ファイルの共有違反です"
#define MSG_READ_FAILED "読み込みに失敗しました。"
#define MSG_UNKNOWN_FILE_FORMAT "%s\n    は認識できないファイルです"
#define MSG_TOO_MANY_POINTS_FORMAT "%d地点以上は登録出来ません"
#define QPF_HEADER "登録ポイント\r\n"
