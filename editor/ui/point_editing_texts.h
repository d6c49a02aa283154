#pragma once
// The point edit dialog's texts, until they stand in editor_texts.h with the editor's others.
#include "editor_texts.h"

#ifndef MSG_TEXT_NOT_STORABLE
// Shown when OK is pressed while a box holds a character that cp932 cannot store; the box is
// then focused with its text selected and the dialog stays open.
#define MSG_TEXT_NOT_STORABLE "保存できない文字が含まれています。\n別の文字に置き換えてください。"
#endif
#ifndef TEXT_DIRECTION_SUFFIX
// Follows the direction's name in the direction box (0x81 0x4B, not the degree sign).
#define TEXT_DIRECTION_SUFFIX "゜"
#endif
