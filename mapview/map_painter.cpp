#include "map_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "basemap_layer.h"
#include "cp932_text.h"
#include "map_layers.h"
#include "mapview_texts.h"
#include "scale_bar.h"

namespace mapview {

namespace {

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

// The layer's spacing, widened where the zoom would crowd the lines closer than 90 pixels.
int32_t GridStep(const Viewport& view, const MapLayer& layer) {
    static const int32_t kSteps[] = {kPerMinute,      2 * kPerMinute,  5 * kPerMinute, 10 * kPerMinute,
                                     30 * kPerMinute, kPerDegree,      2 * kPerDegree, 5 * kPerDegree,
                                     10 * kPerDegree};
    for (int32_t step : kSteps) {
        if (step >= layer.gridStep && step / static_cast<double>(view.scale) >= 90) return step;
    }
    return 10 * kPerDegree;
}

void PaintGraticule(HDC dc, const Viewport& view, const MapModel& model) {
    const MapLayer* layer = LayerByNumber(model.layer());
    if (layer == nullptr) return;
    GeoPoint low, high;
    VisibleRange(view, &low, &high);
    const int32_t step = GridStep(view, *layer);
    const std::vector<int32_t> lats = GridValues(low.lat, high.lat, step);
    const std::vector<int32_t> lons = GridValues(low.lon, high.lon, step);
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

void PaintScaleBar(HDC dc, const Viewport& view) {
    double lat = 0, lon = 0;
    ToWgs84Degrees(view.centre, view.datum, &lat, &lon);
    const double metresPerPixel = std::cos(lat * 3.14159265358979323846 / 180.0) * 2 *
                                  3.14159265358979323846 * kEarthRadiusMetres / view.world;
    const ScaleBar bar = ChooseScaleBar(metresPerPixel, 150);
    if (bar.pixels <= 0) return;
    char label[32];
    FormatScaleLength(bar.metres, label, sizeof label);
    const int x = 10, y = view.height - 12;
    RECT back = {x - 4, y - 18, x + std::max<LONG>(bar.pixels, TextSize(dc, label).cx) + 6, y + 5};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &back, white);
    DeleteObject(white);
    Selected pen(dc, CreatePen(PS_SOLID, 2, RGB(40, 40, 40)));
    Line(dc, x, y - 5, x, y);
    Line(dc, x, y, x + bar.pixels, y);
    Line(dc, x + bar.pixels, y, x + bar.pixels, y - 5);
    SetTextColor(dc, RGB(0, 0, 0));
    Text(dc, x + 2, y - 17, label);
}

// The credits of what shows, at the bottom right, on white so they stay readable.
void PaintCredits(HDC dc, const Viewport& view, const MapBackdrop& backdrop) {
    std::string credits;
    const bool tilesShow = backdrop.tileResult.exact + backdrop.tileResult.standIn > 0;
    if (tilesShow && !backdrop.tileCredit.empty()) credits = backdrop.tileCredit;
    if (!backdrop.tileResult.covered && backdrop.baseMap != nullptr && backdrop.baseMap->loaded()) {
        credits += (credits.empty() ? "" : " | ") + std::string(kCreditBaseMap);
    }
    if (credits.empty()) return;
    const std::wstring wide = utf8ToWide(credits);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    RECT box = {view.width - size.cx - 8, view.height - size.cy - 4, view.width, view.height};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &box, white);
    DeleteObject(white);
    SetTextColor(dc, RGB(40, 40, 40));
    TextOutW(dc, box.left + 4, box.top + 2, wide.c_str(), static_cast<int>(wide.size()));
}

void PaintStatus(HDC dc, const RECT& band, const MapModel& model, const MapBackdrop& backdrop) {
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
    char zoom[32];
    std::snprintf(zoom, sizeof zoom, kFmtStatusZoom, model.zoom());
    first += zoom;
    SetTextColor(dc, RGB(0, 0, 0));
    Text(dc, 6, band.top + 3, first);
    Text(dc, 6, band.top + 21, std::string(backdrop.datumLabel) + "   " + backdrop.message);
    Text(dc, 6, band.top + 39, model.family() == MapFamily::Mapple ? kStatusHelpMapple : kStatusHelpProAtlas);
}

} // namespace

void PaintMap(HDC dc, const RECT& client, const Viewport& view, int statusHeight, const MapModel& model,
              HFONT font, MapBackdrop* backdrop) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    // Drawn off-screen first so the map does not flicker while the mark moves.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = font != nullptr ? SelectObject(memory, font) : nullptr;
    SetBkMode(memory, TRANSPARENT);

    TileView tileView;
    tileView.zoom = view.zoom;
    tileView.originX = view.originX;
    tileView.originY = view.originY;
    tileView.width = view.width;
    tileView.height = view.height;
    backdrop->tileResult = TilePaintResult();
    const bool tiles = backdrop->tiles != nullptr && view.zoom >= 0;
    // The base map under the tiles, unless tiles cover every pixel.
    if (!tiles || !TilesCoverView(tileView, *backdrop->tiles)) {
        if (backdrop->baseMap != nullptr) {
            backdrop->baseMap->paint(memory, tileView);
        } else {
            RECT mapArea = {0, 0, width, height - statusHeight};
            FillRect(memory, &mapArea, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
    }
    if (tiles) PaintTiles(memory, tileView, *backdrop->tiles, backdrop->skipTile, &backdrop->tileResult);
    PaintGraticule(memory, view, model);
    PaintTexts(memory, view, model);
    PaintIcons(memory, view, model);
    PaintMark(memory, view, model);
    PaintScaleBar(memory, view);
    PaintCredits(memory, view, *backdrop);
    RECT band = {0, height - statusHeight, width, height};
    PaintStatus(memory, band, model, *backdrop);

    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    if (oldFont != nullptr) SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace mapview
