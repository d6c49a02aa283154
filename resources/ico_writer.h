// Icon (.ico) and cursor (.cur) files from canvases: icons as 32-bit colour with alpha and
// an AND mask, cursors as monochrome images. Returns 0, or -1 when the file cannot be written.
#pragma once

#include "art_canvas.h"

#include <vector>

struct CursorImage {
    const Canvas* canvas;
    int hotX;
    int hotY;
};

int writeIconFile(const char* path, const std::vector<const Canvas*>& images);
int writeCursorFile(const char* path, const std::vector<CursorImage>& images);

// The bytes of the files above (for tests of the layout).
std::vector<unsigned char> iconFileBytes(const std::vector<const Canvas*>& images);
std::vector<unsigned char> cursorFileBytes(const std::vector<CursorImage>& images);
