// Our artwork: the 55 mark icons, the window icon, the placeholder icon and the drag cursors.
#pragma once

#include "art_canvas.h"

constexpr int kMarkCount = 55;

// Mark n (1..55): one of five shapes in one of eleven colours, no two marks alike, with the
// number drawn on it.
Canvas drawMark(int n, int size);
// The shape and colour a mark uses (0..4, 0..10).
int markShape(int n);
int markColour(int n);

Canvas drawWindowIcon(int size);
Canvas drawPlaceholderIcon(int size);

// Cursors, 32 x 32 unless noted, drawn for the hot spots given in resources/tenmark.rc's comments.
Canvas drawArrowCursor();          // 104: hot spot 1, 1
Canvas drawDragOneCursor();        // 105: hot spot 1, 1
Canvas drawDragManyCursor();       // 144: hot spot 0, 0
Canvas drawNoDropCursor(int size); // 106: 32 (hot spot 15, 15) and 16 (hot spot 7, 7)
