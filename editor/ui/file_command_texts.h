#pragma once
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
