#include "map_painter.h"

#include <cstdio>
#include <string>

#include "map_layers.h"
#include "mapview_texts.h"
#include "cp932_text.h"

namespace mapview {

namespace {

constexpr COLORREF kLand = RGB(236, 241, 228);
constexpr COLORREF kMinuteLine = RGB(196, 206, 220);
constexpr COLORREF kDegreeLine = RGB(118, 138, 170);
constexpr COLORREF kGridLabel = RGB(60, 80, 110);
constexpr COLORREF kTextPoint = RGB(200, 40, 40);
constexpr COLORREF kMark = RGB(220, 0, 0);
constexpr COLORREF kStatusBack = RGB(164, 174, 192);

// Scoped GDI selection: selects on construction, restores and deletes on destruction.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object, bool owned = true)
        : dc_(dc), object_(object), previous_(SelectObject(dc, object)), owned_(owned) {}
    ~Selected() {
        SelectObject(dc_, previous_);
        if (owned_) DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
    bool owned_;
};

void Text(HDC dc, int x, int y, const std::string& cp932) {
    const std::wstring wide = cp932ToWide(cp932);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

SIZE TextSize(HDC dc, const std::string& cp932) {
    const std::wstring wide = cp932ToWide(cp932);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

bool IsWholeDegree(int32_t v) {
    return v % kPerDegree == 0;
}

void PaintGraticule(HDC dc, const Viewport& view, const MapModel& model) {
    const MapLayer* layer = LayerByNumber(model.layer());
    if (layer == nullptr) return;
    GeoPoint low, high;
    VisibleRange(view, &low, &high);
    const std::vector<int32_t> lats = GridValues(low.lat, high.lat, layer->gridStep);
    const std::vector<int32_t> lons = GridValues(low.lon, high.lon, layer->gridStep);
    HPEN minorPen = CreatePen(PS_SOLID, 1, kMinuteLine);
    HPEN majorPen = CreatePen(PS_SOLID, 1, kDegreeLine);
    {
        Selected pen(dc, minorPen, false);
        for (int pass = 0; pass < 2; ++pass) { // degree lines over minute lines
            SelectObject(dc, pass == 0 ? minorPen : majorPen);
            for (int32_t lat : lats) {
                if (IsWholeDegree(lat) != (pass == 1)) continue;
                int x, y;
                ToPixel(view, GeoPoint{lat, view.centre.lon}, &x, &y);
                Line(dc, 0, y, view.width, y);
            }
            for (int32_t lon : lons) {
                if (IsWholeDegree(lon) != (pass == 1)) continue;
                int x, y;
                ToPixel(view, GeoPoint{view.centre.lat, lon}, &x, &y);
                Line(dc, x, 0, x, view.height);
            }
        }
    }
    DeleteObject(minorPen);
    DeleteObject(majorPen);
    SetTextColor(dc, kGridLabel);
    char label[32];
    for (int32_t lat : lats) {
        int x, y;
        ToPixel(view, GeoPoint{lat, view.centre.lon}, &x, &y);
        // Leave the top row to the longitude labels.
        if (y - 14 >= 16 && FormatDegreeMinute(lat, label, sizeof label) == 0) Text(dc, 3, y - 14, label);
    }
    for (int32_t lon : lons) {
        int x, y;
        ToPixel(view, GeoPoint{view.centre.lat, lon}, &x, &y);
        if (FormatDegreeMinute(lon, label, sizeof label) == 0) Text(dc, x + 3, 2, label);
    }
}

void PaintLabelBox(HDC dc, int x, int y, const std::string& label, bool framed, COLORREF frameColour) {
    const SIZE size = TextSize(dc, label);
    RECT box = {x, y - size.cy / 2 - 2, x + size.cx + 6, y + size.cy / 2 + 2};
    if (framed) {
        Selected pen(dc, CreatePen(PS_SOLID, 1, frameColour));
        Selected brush(dc, GetStockObject(WHITE_BRUSH), false);
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    }
    SetTextColor(dc, RGB(0, 0, 0));
    Text(dc, x + 3, box.top + 2, label);
}

void PaintTexts(HDC dc, const Viewport& view, const MapModel& model) {
    for (const PlacedText& t : model.texts()) {
        int x, y, lx, ly;
        ToPixel(view, t.at, &x, &y);
        ToPixel(view, t.labelAt, &lx, &ly);
        if (lx != x || ly != y) {
            Selected pen(dc, CreatePen(PS_SOLID, 1, kTextPoint));
            Line(dc, x, y, lx, ly);
        }
        {
            Selected pen(dc, CreatePen(PS_SOLID, 1, kTextPoint));
            Selected brush(dc, CreateSolidBrush(kTextPoint));
            Rectangle(dc, x - 3, y - 3, x + 4, y + 4);
        }
        PaintLabelBox(dc, lx + 7, ly, t.label, t.frame != 0, kTextPoint);
    }
}

void PaintIcons(HDC dc, const Viewport& view, const MapModel& model) {
    for (const PlacedIcon& icon : model.icons()) {
        int x, y;
        ToPixel(view, icon.at, &x, &y);
        const int r = icon.size / 2;
        {
            Selected pen(dc,
                         icon.lineWidth > 0 ? CreatePen(PS_SOLID, icon.lineWidth, icon.lineColour)
                                            : GetStockObject(NULL_PEN),
                         icon.lineWidth > 0);
            Selected brush(dc, CreateSolidBrush(icon.fillColour));
            Ellipse(dc, x - r, y - r, x + r + 1, y + r + 1);
        }
        if (icon.labelShown != 0) PaintLabelBox(dc, x + r + 4, y, icon.label, true, icon.lineColour);
    }
}

void PaintMark(HDC dc, const Viewport& view, const MapModel& model) {
    if (!model.markEnabled()) return;
    int x, y;
    ToPixel(view, model.mark(), &x, &y);
    if (model.family() == MapFamily::Mapple) {
        // The centre cross: thin, so the icon placed right there stays visible.
        Selected pen(dc, CreatePen(PS_SOLID, 1, kMark));
        Line(dc, x - 24, y, x - 12, y);
        Line(dc, x + 13, y, x + 25, y);
        Line(dc, x, y - 24, x, y - 12);
        Line(dc, x, y + 13, x, y + 25);
        return;
    }
    Selected pen(dc, CreatePen(PS_SOLID, 2, kMark));
    Selected brush(dc, GetStockObject(NULL_BRUSH), false);
    Ellipse(dc, x - 9, y - 9, x + 10, y + 10);
    Line(dc, x - 16, y, x - 4, y);
    Line(dc, x + 5, y, x + 17, y);
    Line(dc, x, y - 16, x, y - 4);
    Line(dc, x, y + 5, x, y + 17);
}

void PaintStatus(HDC dc, const RECT& band, const MapModel& model) {
    HBRUSH back = CreateSolidBrush(kStatusBack);
    FillRect(dc, &band, back);
    DeleteObject(back);
    const MapLayer* layer = LayerByNumber(model.layer());
    char centreLat[32], centreLon[32], markLat[32], markLon[32];
    formatMapCoord(model.centre().lat, centreLat, sizeof centreLat, MapCoordDialect::MapView);
    formatMapCoord(model.centre().lon, centreLon, sizeof centreLon, MapCoordDialect::MapView);
    formatMapCoord(model.mark().lat, markLat, sizeof markLat, MapCoordDialect::MapView);
    formatMapCoord(model.mark().lon, markLon, sizeof markLon, MapCoordDialect::MapView);
    char line[256];
    std::snprintf(line, sizeof line, kFmtStatusPosition, model.layer(), layer != nullptr ? layer->name : "",
                  centreLat, centreLon, markLat, markLon);
    std::string first = line;
    if (!model.markEnabled()) first += kStatusMarkOff;
    SetTextColor(dc, RGB(0, 0, 0));
    Text(dc, 6, band.top + 3, first);
    Text(dc, 6, band.top + 21, model.family() == MapFamily::Mapple ? kStatusHelpMapple : kStatusHelpProAtlas);
}

} // namespace

void PaintMap(HDC dc, const RECT& client, const Viewport& view, int statusHeight, const MapModel& model,
              HFONT font) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    // Drawn off-screen first so the map does not flicker while the mark moves.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = font != nullptr ? SelectObject(memory, font) : nullptr;
    SetBkMode(memory, TRANSPARENT);

    RECT mapArea = {0, 0, width, height - statusHeight};
    HBRUSH land = CreateSolidBrush(kLand);
    FillRect(memory, &mapArea, land);
    DeleteObject(land);
    PaintGraticule(memory, view, model);
    PaintTexts(memory, view, model);
    PaintIcons(memory, view, model);
    PaintMark(memory, view, model);
    RECT band = {0, height - statusHeight, width, height};
    PaintStatus(memory, band, model);

    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    if (oldFont != nullptr) SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace mapview
