// The scale bar: a round length (1, 2 or 5 times a power of ten metres) that fits a width.
#pragma once

namespace mapview {

struct ScaleBar {
    double metres = 0;
    int pixels = 0;
};

// The longest round length not wider than maxPixels at metresPerPixel; pixels 0 when none.
ScaleBar ChooseScaleBar(double metresPerPixel, int maxPixels);

// "500 m", "2 km" (ASCII).
void FormatScaleLength(double metres, char* out, int size);

} // namespace mapview
