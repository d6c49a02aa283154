#include "mark_art.h"

#include <cstdio>

namespace {

const Rgba kMarkColours[11] = {
    {220, 40, 40, 255},  {240, 130, 20, 255}, {200, 160, 0, 255}, {40, 160, 60, 255},
    {0, 150, 140, 255},  {30, 140, 220, 255}, {40, 70, 200, 255}, {100, 50, 170, 255},
    {170, 50, 180, 255}, {220, 50, 140, 255}, {140, 90, 40, 255},
};

Rgba darker(Rgba c) {
    return Rgba{static_cast<uint8_t>(c.r / 2), static_cast<uint8_t>(c.g / 2), static_cast<uint8_t>(c.b / 2),
                255};
}

// The shape's region and where its number sits (vertical centre as a fraction of the size).
Region markRegion(int shape, double s, double& textY) {
    textY = s / 2;
    switch (shape) {
    case 0:
        return circle(s / 2, s / 2, s / 2 - 0.5);
    case 1:
        return rectangle(1.5, 1.5, s - 1.5, s - 1.5);
    case 2:
        return polygon({s / 2, 0.5, s - 0.5, s / 2, s / 2, s - 0.5, 0.5, s / 2});
    case 3:
        textY = s * 0.64;
        return polygon({s / 2, 0.5, s - 0.5, s - 1.5, 0.5, s - 1.5});
    default:
        textY = s * 0.42;
        return polygon({1, 1.5, s - 1, 1.5, s - 1, s * 0.58, s / 2, s - 0.5, 1, s * 0.58});
    }
}

Region arrow(double x, double y, double scale) {
    const double p[] = {0, 0, 0, 16, 4, 12.5, 7, 19, 9.5, 18, 6.5, 11.5, 11.5, 11.5};
    std::vector<double> xy;
    for (size_t i = 0; i < sizeof p / sizeof p[0]; i += 2) {
        xy.push_back(x + p[i] * scale);
        xy.push_back(y + p[i + 1] * scale);
    }
    return polygon(xy);
}

void drawArrow(Canvas& canvas, double x, double y) {
    Region shape = arrow(x, y, 1.0);
    canvas.fill(shape, kWhite);
    canvas.outline(shape, 1.0, kBlack);
}

void drawPlus(Canvas& canvas, int cx, int cy) {
    // Whole pixels only: a monochrome cursor has no half-covered pixels to spare.
    Region white =
        unite(rectangle(cx - 4, cy - 1, cx + 5, cy + 2), rectangle(cx - 1, cy - 4, cx + 2, cy + 5));
    Region black = unite(rectangle(cx - 3, cy, cx + 4, cy + 1), rectangle(cx, cy - 3, cx + 1, cy + 4));
    canvas.fill(white, kWhite);
    canvas.fill(black, kBlack);
}

// A page outline with a folded corner, white inside.
void drawPage(Canvas& canvas, int x0, int y0, int x1, int y1) {
    Region page = polygon({double(x0), double(y0), x1 - 4.0, double(y0), double(x1), y0 + 4.0, double(x1),
                           double(y1), double(x0), double(y1)});
    canvas.fill(page, kWhite);
    canvas.outline(page, 1.0, kBlack);
    canvas.fill(rectangle(x1 - 5, y0, x1 - 4, y0 + 5), kBlack);
    canvas.fill(rectangle(x1 - 5, y0 + 4, x1, y0 + 5), kBlack);
}

} // namespace

int markShape(int n) {
    return (n - 1) % 5;
}
int markColour(int n) {
    return (n - 1) / 5;
}

Canvas drawMark(int n, int size) {
    Canvas canvas(size, size);
    const double s = size;
    double textY = 0;
    Region shape = markRegion(markShape(n), s, textY);
    Rgba colour = kMarkColours[markColour(n) % 11];
    canvas.fill(shape, colour);
    canvas.outline(shape, size >= 32 ? 1.2 : 0.8, darker(colour));
    char digits[4];
    std::snprintf(digits, sizeof digits, "%d", n);
    canvas.text(digits, size >= 32 ? 2 : 1, s / 2, textY, kWhite, Rgba{30, 30, 30, 200});
    return canvas;
}

Canvas drawWindowIcon(int size) {
    Canvas canvas(size, size);
    const double s = size;
    Region sheet = rectangle(1, 2, s - 1, s - 2);
    canvas.fill(sheet, Rgba{40, 110, 190, 255});
    // A graticule on the map sheet.
    for (int i = 1; i < 4; ++i) {
        double at = 1 + (s - 2) * i / 4.0;
        canvas.fill(thickLine(at, 2, at, s - 2, s / 64), Rgba{150, 200, 240, 255});
        canvas.fill(thickLine(1, at, s - 1, at, s / 64), Rgba{150, 200, 240, 255});
    }
    canvas.outline(sheet, s / 32, Rgba{20, 50, 100, 255});
    // The registered point: a pin.
    Region pin = unite(circle(s * 0.5, s * 0.38, s * 0.22),
                       polygon({s * 0.3, s * 0.46, s * 0.7, s * 0.46, s * 0.5, s * 0.92}));
    canvas.fill(pin, Rgba{230, 50, 40, 255});
    canvas.outline(pin, s / 32, Rgba{110, 20, 20, 255});
    canvas.fill(circle(s * 0.5, s * 0.38, s * 0.09), kWhite);
    return canvas;
}

Canvas drawPlaceholderIcon(int size) {
    Canvas canvas(size, size);
    const double s = size;
    Region face = rectangle(1.5, 1.5, s - 1.5, s - 1.5);
    canvas.fill(face, Rgba{215, 215, 215, 255});
    // Dashed border: the mark is missing, not a mark of its own.
    Region dashes = [s](double x, double y) {
        int step = static_cast<int>((x + y) / (s / 8));
        return step % 2 == 0;
    };
    Region border = [face, s](double x, double y) {
        return face(x, y) &&
               !(face(x - s / 16, y) && face(x + s / 16, y) && face(x, y - s / 16) && face(x, y + s / 16));
    };
    canvas.fill([border, dashes](double x, double y) { return border(x, y) && dashes(x, y); },
                Rgba{90, 90, 90, 255});
    canvas.text("?", size >= 32 ? 4 : 2, s / 2, s / 2, Rgba{70, 70, 70, 255}, Rgba{215, 215, 215, 0});
    return canvas;
}

Canvas drawArrowCursor() {
    Canvas canvas(32, 32);
    drawArrow(canvas, 1, 1);
    return canvas;
}

Canvas drawDragOneCursor() {
    Canvas canvas(32, 32);
    drawArrow(canvas, 1, 1);
    drawPlus(canvas, 16, 6);
    drawPage(canvas, 13, 17, 23, 30);
    return canvas;
}

Canvas drawDragManyCursor() {
    Canvas canvas(32, 32);
    drawArrow(canvas, 0, 0);
    drawPlus(canvas, 15, 5);
    drawPage(canvas, 16, 15, 26, 27);
    drawPage(canvas, 12, 19, 22, 31);
    return canvas;
}

Canvas drawNoDropCursor(int size) {
    Canvas canvas(size, size);
    const double c = size / 2.0;
    const double outer = size / 2.0 - 1;
    const double width = size >= 32 ? 4 : 2;
    const double d = (outer - width / 2) * 0.7071;
    Region sign = unite(ring(c, c, outer, outer - width), thickLine(c - d, c - d, c + d, c + d, width / 2));
    Region border = [sign](double x, double y) {
        return !sign(x, y) && (sign(x - 1, y) || sign(x + 1, y) || sign(x, y - 1) || sign(x, y + 1));
    };
    canvas.fill(border, kWhite);
    canvas.fill(sign, kBlack);
    return canvas;
}
