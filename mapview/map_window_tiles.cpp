// The map window's tiles: which source, where they are cached, taking in what the loader
// finished, and the status line that says how it goes.
#include <cstdio>

#include "call_log.h"
#include "cp932_text.h"
#include "map_window.h"
#include "map_window_ids.h"
#include "mapview_texts.h"

namespace mapview {

namespace {

const char* ProblemText(TileProblem problem) {
    switch (problem) {
    case TileProblem::NotFound:
        return kProblemNotFound;
    case TileProblem::NotImage:
        return kProblemNotImage;
    case TileProblem::TimedOut:
        return kProblemTimedOut;
    case TileProblem::Blocked:
        return kProblemBlocked;
    default:
        return kProblemUnreachable;
    }
}

} // namespace

void MapWindow::startTiles() {
    loader_.start(window_, kMsgTilesReady);
    applySource();
}

void MapWindow::applySource() {
    tiles_.clear();
    lastProblem_ = TileProblem::None;
    std::string urlTemplate;
    std::string folder;
    if (!settings_.tileUrl.empty()) {
        urlTemplate = settings_.tileUrl;
        folder = CustomCacheFolder(urlTemplate);
        tileCredit_ = CreditForTemplate(urlTemplate);
        badTileUrl_ = !ValidTileTemplate(urlTemplate);
    } else if (settings_.tilesOff) {
        tileCredit_.clear();
        badTileUrl_ = false;
        loader_.setSource(std::string(), std::filesystem::path(), std::string());
        return;
    } else {
        const TileSource& source = SourceById(settings_.source);
        urlTemplate = source.urlTemplate;
        folder = source.key;
        tileCredit_ = source.credit;
        badTileUrl_ = false;
    }
    loader_.setSource(urlTemplate, settings_.tileCacheDir, folder);
}

LRESULT MapWindow::OnTilesReady() {
    std::vector<TileEvent> events = loader_.take();
    for (TileEvent& e : events) {
        char key[48];
        std::snprintf(key, sizeof key, "%d/%d/%d", e.key.z, e.key.x, e.key.y);
        CallLogWrite(model_.family(), "@Tile",
                     {key, e.origin == TileOrigin::Disk ? "disk" : "network", TileProblemName(e.problem)});
        if (e.image.bitmap != nullptr) tiles_.put(e.key, e.image);
        if (e.problem != TileProblem::None && e.problem != TileProblem::CacheWrite) lastProblem_ = e.problem;
    }
    if (!events.empty()) refresh();
    return 0;
}

std::string MapWindow::statusMessage() const {
    std::string message;
    if (badTileUrl_) message += kMsgBadTileUrl;
    if (baseMapMissing_) message += kMsgNoBaseMap;
    const TileLoaderCounts counts = loader_.counts();
    char line[160];
    if (counts.waiting > 0) {
        std::snprintf(line, sizeof line, kFmtTilesWaiting, static_cast<unsigned>(counts.waiting));
        message += line;
    }
    if (counts.failed > 0) {
        std::snprintf(line, sizeof line, kFmtTilesFailed, static_cast<unsigned>(counts.failed),
                      ProblemText(lastProblem_));
        message += line;
    }
    if (loader_.cacheTrouble()) message += kMsgCacheTrouble;
    return message + searchMessage_;
}

} // namespace mapview
