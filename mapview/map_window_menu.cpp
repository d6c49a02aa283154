// The map window's menu (tile source, all points, datum, about) and its place search.
#include <cstdio>

#include "call_log.h"
#include "cp932_text.h"
#include "map_window.h"
#include "map_window_ids.h"
#include "mapview_texts.h"

namespace mapview {

namespace {

void Append(HMENU menu, UINT flags, UINT_PTR id, const char* cp932) {
    AppendMenuW(menu, flags, id, cp932ToWide(cp932).c_str());
}

const char* HttpProblem(HttpResult result) {
    switch (result) {
    case HttpResult::TimedOut:
        return kProblemTimedOut;
    case HttpResult::Blocked:
        return kProblemBlocked;
    default:
        return kProblemUnreachable;
    }
}

std::string Format(const char* format, const std::string& cp932) {
    char line[512];
    std::snprintf(line, sizeof line, format, cp932.c_str());
    return line;
}

} // namespace

void MapWindow::buildMenu() {
    menu_ = CreateMenu();
    HMENU map = CreatePopupMenu();
    for (int i = 0; i < kSourceCount; ++i) {
        const TileSource& source = SourceById(static_cast<TileSourceId>(i));
        Append(map, MF_STRING, kIdSourceFirst + i, source.menuName);
    }
    Append(map, MF_STRING, kIdSourceCustom, kMenuCustomSource);
    Append(map, MF_STRING, kIdSourceOff, kMenuSourceOff);
    AppendMenuW(map, MF_SEPARATOR, 0, nullptr);
    Append(map, MF_STRING, kIdFitAll, kMenuFitAll);
    HMENU datum = CreatePopupMenu();
    Append(datum, MF_STRING, kIdDatumTokyo, kMenuDatumTokyo);
    Append(datum, MF_STRING, kIdDatumWgs84, kMenuDatumWgs84);
    HMENU help = CreatePopupMenu();
    Append(help, MF_STRING, kIdAbout, kMenuAbout);
    Append(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(map), kMenuMap);
    Append(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(datum), kMenuDatum);
    Append(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(help), kMenuHelp);
}

void MapWindow::updateMenu() {
    // A template in the registry overrides the menu's sources, which then only show it.
    const bool custom = !settings_.tileUrl.empty();
    for (int i = 0; i < kSourceCount; ++i) {
        const bool chosen =
            !custom && !settings_.tilesOff && settings_.source == static_cast<TileSourceId>(i);
        CheckMenuItem(menu_, kIdSourceFirst + i, MF_BYCOMMAND | (chosen ? MF_CHECKED : MF_UNCHECKED));
        EnableMenuItem(menu_, kIdSourceFirst + i, MF_BYCOMMAND | (custom ? MF_GRAYED : MF_ENABLED));
    }
    CheckMenuItem(menu_, kIdSourceCustom, MF_BYCOMMAND | (custom ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(menu_, kIdSourceCustom, MF_BYCOMMAND | MF_GRAYED);
    CheckMenuItem(menu_, kIdSourceOff,
                  MF_BYCOMMAND | (settings_.tilesOff && !custom ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(menu_, kIdSourceOff, MF_BYCOMMAND | (custom ? MF_GRAYED : MF_ENABLED));
    CheckMenuRadioItem(menu_, kIdDatumTokyo, kIdDatumWgs84,
                       settings_.datum == Datum::Tokyo ? kIdDatumTokyo : kIdDatumWgs84, MF_BYCOMMAND);
}

LRESULT MapWindow::OnCommand(WORD id, WORD code) {
    if (id == kIdSearchList && code == LBN_SELCHANGE) {
        if (const FoundPlace* place = searchBox_.picked()) goToPlace(*place);
        return 0;
    }
    if (id >= kIdSourceFirst && id < kIdSourceFirst + kSourceCount) {
        chooseSource(static_cast<TileSourceId>(id - kIdSourceFirst));
    } else if (id == kIdSourceOff) {
        chooseTilesOff();
    } else if (id == kIdFitAll) {
        fitAll();
    } else if (id == kIdDatumTokyo || id == kIdDatumWgs84) {
        chooseDatum(id == kIdDatumTokyo ? Datum::Tokyo : Datum::Wgs84);
    } else if (id == kIdAbout) {
        MessageBoxW(window_, utf8ToWide(kAboutText).c_str(), utf8ToWide(kAboutTitle).c_str(),
                    MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}

void MapWindow::chooseTilesOff() {
    if (!settings_.tileUrl.empty() || settings_.tilesOff) return;
    settings_.tilesOff = true;
    WriteTilesOff();
    applySource();
    updateMenu();
    CallLogWrite(model_.family(), "@Source", {"none"});
    refresh();
}

void MapWindow::chooseSource(TileSourceId source) {
    if (!settings_.tileUrl.empty() || (source == settings_.source && !settings_.tilesOff)) return;
    settings_.source = source;
    settings_.tilesOff = false;
    WriteTileSource(source);
    applySource();
    updateMenu();
    CallLogWrite(model_.family(), "@Source", {SourceById(source).key});
    refresh();
}

void MapWindow::chooseDatum(Datum datum) {
    if (datum == settings_.datum) return;
    const Datum from = settings_.datum;
    // What clients placed stays where it is on the ground; its numbers change to the new datum.
    model_.convertPoints([from, datum](GeoPoint p) {
        double lat = 0, lon = 0;
        ToWgs84Degrees(p, from, &lat, &lon);
        return FromWgs84Degrees(lat, lon, datum);
    });
    settings_.datum = datum;
    WriteDatum(datum);
    updateMenu();
    CallLogWrite(model_.family(), "@Datum", {datumName(datum)});
    // The mark's numbers changed: the client reads them again.
    markMoved("datum");
}

void MapWindow::fitAll() {
    std::vector<GeoPoint> points;
    for (const PlacedText& t : model_.texts())
        points.push_back(t.at);
    for (const PlacedIcon& i : model_.icons())
        points.push_back(i.at);
    const Viewport view = viewport();
    int zoom = 0;
    GeoPoint centre;
    if (FitPoints(points, settings_.datum, view.width, view.height, 40, 16, &zoom, &centre) != 0) {
        searchMessage_ = kMsgNoPoints;
        refresh();
        return;
    }
    const GeoPoint markBefore = model_.mark();
    model_.setZoom(zoom);
    model_.setCentre(centre);
    if (model_.mark() != markBefore) {
        markMoved("fit");
    } else {
        viewChanged("@Fit");
    }
}

void MapWindow::OnSearchEnter() {
    std::wstring text = searchBox_.text();
    const size_t b = text.find_first_not_of(L" \t\x3000");
    if (b == std::wstring::npos) return;
    text = text.substr(b, text.find_last_not_of(L" \t\x3000") - b + 1);
    std::string url;
    if (BuildSearchUrl(settings_.searchUrl, wideToUtf8(text), &url) != 0) {
        searchMessage_ = kMsgBadSearchUrl;
        refresh();
        return;
    }
    search_.request(url);
    searchQuery_ = wideToCp932Lossy(text);
    searchMessage_ = Format(kFmtSearching, searchQuery_);
    CallLogWrite(model_.family(), "@Search", {"asked", wideToUtf8(text)});
    refresh();
}

LRESULT MapWindow::OnSearchDone() {
    SearchOutcome outcome;
    if (!search_.take(&outcome)) return 0;
    std::string record;
    // Only a found place changes the map; every other answer is told and changes nothing.
    if (outcome.http == HttpResult::TooLarge) {
        searchMessage_ = kMsgSearchTooLarge;
        record = "too-large";
    } else if (outcome.http != HttpResult::Ok) {
        searchMessage_ = Format(kFmtSearchFailed, HttpProblem(outcome.http));
        record = "failed";
    } else if (outcome.status != 200) {
        char line[128];
        std::snprintf(line, sizeof line, kFmtSearchStatus, outcome.status);
        searchMessage_ = line;
        record = "status:" + std::to_string(outcome.status);
    } else if (outcome.kind == AnswerKind::Empty) {
        // What was sent: the box may have been changed while the answer was on its way.
        searchMessage_ = Format(kFmtSearchEmpty, searchQuery_);
        record = "empty";
    } else if (outcome.kind == AnswerKind::Malformed) {
        searchMessage_ = kMsgSearchMalformed;
        record = "malformed";
    } else {
        char line[512];
        std::snprintf(line, sizeof line, kFmtSearchFound, static_cast<unsigned>(outcome.places.size()),
                      wideToCp932Lossy(utf8ToWide(outcome.places.front().title)).c_str());
        searchMessage_ = line;
        record = "found:" + std::to_string(outcome.places.size());
    }
    CallLogWrite(model_.family(), "@Search", {record});
    if (outcome.kind == AnswerKind::Found && outcome.http == HttpResult::Ok && outcome.status == 200) {
        searchBox_.showPlaces(outcome.places);
        goToPlace(outcome.places.front());
    } else {
        searchBox_.hidePlaces();
        refresh();
    }
    return 0;
}

void MapWindow::goToPlace(const FoundPlace& place) {
    // Found places are WGS84; the map's numbers are in the datum clients exchange.
    const GeoPoint at = FromWgs84Degrees(place.lat, place.lon, settings_.datum);
    model_.setCentre(at);
    if (model_.placeMark(at) == 1 || model_.family() == MapFamily::Mapple) {
        markMoved("search");
    } else {
        viewChanged("@Centre");
    }
}

} // namespace mapview
