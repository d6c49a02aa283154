#include "scale_bar.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace mapview {

ScaleBar ChooseScaleBar(double metresPerPixel, int maxPixels) {
    ScaleBar bar;
    if (!(metresPerPixel > 0) || maxPixels <= 0) return bar;
    const double most = metresPerPixel * maxPixels;
    double power = std::pow(10.0, std::floor(std::log10(most)));
    for (int i = 0; i < 2 && bar.pixels == 0; ++i, power /= 10) {
        for (double step : {5.0, 2.0, 1.0}) {
            const double metres = step * power;
            if (metres <= most * (1 + 1e-9)) {
                bar.metres = metres;
                bar.pixels = static_cast<int>(std::lround(metres / metresPerPixel));
                break;
            }
        }
    }
    return bar;
}

void FormatScaleLength(double metres, char* out, int size) {
    if (metres >= 1000) {
        std::snprintf(out, static_cast<size_t>(size), "%g km", metres / 1000);
    } else {
        std::snprintf(out, static_cast<size_t>(size), "%g m", metres);
    }
}

} // namespace mapview
