// Tile images to bitmaps: PNG or JPEG bytes decoded with WIC into a 32-bit premultiplied
// BGRA DIB section that GDI draws directly. Call from any thread that has COM initialised.
#pragma once

#include <windows.h>

#include <string>

namespace mapview {

struct DecodedTile {
    HBITMAP bitmap = nullptr; // owned by the receiver: DeleteObject when done
    bool opaque = true;       // every pixel's alpha is 255: drawn with a plain copy
    int width = 0;
    int height = 0;
};

// -1 when the bytes are no complete image WIC can read (a truncated PNG too) or are not
// 1..1024 pixels a side; the result is then empty.
int DecodeTile(const std::string& bytes, DecodedTile* out);

// Lets go of this thread's decoder; call before the thread's CoUninitialize.
void ReleaseTileDecoder();

} // namespace mapview
