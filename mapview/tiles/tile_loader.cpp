#include "tile_loader.h"

#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "http_get.h"
#include "tile_disk_cache.h"
#include "tile_expiry.h"
#include "tile_source.h"

namespace mapview {

namespace {

constexpr int kDownloadWorkers = 4;
constexpr unsigned kTileTimeoutMs = 10000;

} // namespace

struct TileLoader::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    HWND notify = nullptr;
    UINT message = 0;
    bool notifyPosted = false;

    uint64_t generation = 0;
    std::string urlTemplate;
    std::shared_ptr<TileDiskCache> cache;
    bool cacheTrouble = false;

    std::deque<TileKey> diskQueue;
    std::deque<TileKey> netQueue;
    std::unordered_map<TileKey, size_t, TileKeyHash> rank; // place in the last wanted list
    std::unordered_set<TileKey, TileKeyHash> busy;         // being read or fetched now
    std::unordered_set<TileKey, TileKeyHash> failed;
    std::vector<TileEvent> events;
    std::vector<std::unique_ptr<std::atomic<bool>>> finished; // per thread: it has returned

    ~Shared() {
        for (TileEvent& e : events) {
            if (e.image.bitmap != nullptr) DeleteObject(e.image.bitmap);
        }
    }

    // Called with the mutex held.
    void post(TileEvent event) {
        events.push_back(event);
        if (!notifyPosted && notify != nullptr) {
            notifyPosted = PostMessageW(notify, message, 0, 0) != FALSE;
        }
    }

    bool queued(const TileKey& key) const {
        return std::find(diskQueue.begin(), diskQueue.end(), key) != diskQueue.end() ||
               std::find(netQueue.begin(), netQueue.end(), key) != netQueue.end();
    }

    // Nearest the centre first: by place in the last wanted list.
    void queueForDownload(const TileKey& key) {
        const auto r = rank.find(key);
        const size_t mine = r != rank.end() ? r->second : SIZE_MAX;
        auto at = std::find_if(netQueue.begin(), netQueue.end(), [&](const TileKey& k) {
            const auto kr = rank.find(k);
            return (kr != rank.end() ? kr->second : SIZE_MAX) > mine;
        });
        netQueue.insert(at, key);
    }
};

namespace {

using Shared = TileLoader::Shared;

TileProblem ProblemOf(HttpResult result) {
    switch (result) {
    case HttpResult::TimedOut:
        return TileProblem::TimedOut;
    case HttpResult::Unreachable:
        return TileProblem::Unreachable;
    case HttpResult::Blocked:
        return TileProblem::Blocked;
    case HttpResult::TooLarge:
        return TileProblem::NotImage;
    default:
        return TileProblem::Unreachable;
    }
}

// The disk worker: tiles from the cache at once, whatever the network is doing.
void DiskWorker(std::shared_ptr<Shared> s, size_t index) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    std::unique_lock<std::mutex> lock(s->mutex);
    while (!s->stop) {
        if (s->diskQueue.empty()) {
            s->wake.wait(lock);
            continue;
        }
        const TileKey key = s->diskQueue.front();
        s->diskQueue.pop_front();
        s->busy.insert(key);
        const uint64_t generation = s->generation;
        std::shared_ptr<TileDiskCache> cache = s->cache;
        const bool canDownload = ValidTileTemplate(s->urlTemplate);
        lock.unlock();

        TileDiskCache::Found found = TileDiskCache::Found::Missing;
        DecodedTile image;
        if (cache != nullptr) {
            std::string bytes;
            found = cache->read(key, NowSeconds(), &bytes);
            if (found != TileDiskCache::Found::Missing && DecodeTile(bytes, &image) != 0) {
                cache->discard(key); // damaged on disk: fetch it again
                found = TileDiskCache::Found::Missing;
            }
        }

        lock.lock();
        if (generation != s->generation) {
            if (image.bitmap != nullptr) DeleteObject(image.bitmap);
            s->busy.erase(key);
            continue;
        }
        if (image.bitmap != nullptr) s->post(TileEvent{key, image, TileOrigin::Disk, TileProblem::None});
        s->busy.erase(key);
        // Expired tiles are shown and fetched again; a tile still wanted that the cache lacks
        // is downloaded. Neither when downloading is off or failed already.
        const bool stillWanted = s->rank.count(key) != 0;
        if (found != TileDiskCache::Found::Fresh && canDownload && s->failed.count(key) == 0 && stillWanted &&
            !s->queued(key)) {
            s->queueForDownload(key);
            s->wake.notify_all();
        }
    }
    lock.unlock();
    ReleaseTileDecoder();
    CoUninitialize();
    s->finished[index]->store(true);
}

void DownloadWorker(std::shared_ptr<Shared> s, size_t index) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    std::unique_lock<std::mutex> lock(s->mutex);
    while (!s->stop) {
        if (s->netQueue.empty()) {
            s->wake.wait(lock);
            continue;
        }
        const TileKey key = s->netQueue.front();
        s->netQueue.pop_front();
        s->busy.insert(key);
        const uint64_t generation = s->generation;
        const std::string urlTemplate = s->urlTemplate;
        std::shared_ptr<TileDiskCache> cache = s->cache;
        lock.unlock();

        TileEvent event;
        event.key = key;
        event.origin = TileOrigin::Network;
        std::string url;
        HttpAnswer answer;
        HttpResult result = HttpResult::BadUrl;
        if (ExpandTileUrl(urlTemplate, key, &url) == 0) {
            HttpLimits limits;
            limits.timeoutMs = kTileTimeoutMs;
            limits.maxBytes = static_cast<size_t>(kMaxTileBytes);
            result = HttpGet(url, limits, &answer);
        }
        if (result != HttpResult::Ok) {
            event.problem = ProblemOf(result);
        } else if (answer.status != 200) {
            event.problem = TileProblem::NotFound;
        } else if (DecodeTile(answer.body, &event.image) != 0) {
            event.problem = TileProblem::NotImage;
        } else if (cache != nullptr) {
            const int64_t now = NowSeconds();
            const int64_t expires = TileExpiry(answer.cacheControl, answer.expires, answer.date, now);
            if (cache->store(key, answer.body, expires, now) != 0) event.problem = TileProblem::CacheWrite;
        }

        lock.lock();
        s->busy.erase(key);
        if (generation != s->generation) {
            if (event.image.bitmap != nullptr) DeleteObject(event.image.bitmap);
            continue;
        }
        if (event.image.bitmap == nullptr) s->failed.insert(key);
        if (event.problem == TileProblem::CacheWrite) s->cacheTrouble = true;
        s->post(event);
    }
    lock.unlock();
    ReleaseTileDecoder();
    CoUninitialize();
    s->finished[index]->store(true);
}

} // namespace

const char* TileProblemName(TileProblem problem) {
    switch (problem) {
    case TileProblem::None:
        return "ok";
    case TileProblem::NotFound:
        return "not-found";
    case TileProblem::NotImage:
        return "not-image";
    case TileProblem::TimedOut:
        return "timed-out";
    case TileProblem::Unreachable:
        return "unreachable";
    case TileProblem::Blocked:
        return "blocked";
    case TileProblem::CacheWrite:
        return "cache-write";
    }
    return "?";
}

TileLoader::TileLoader() : shared_(std::make_shared<Shared>()) {}

TileLoader::~TileLoader() {
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->stop = true;
        shared_->notify = nullptr;
    }
    shared_->wake.notify_all();
    // Idle workers end at once; one waiting for a server that does not answer is left to end
    // by itself (it holds its share of the state), so closing MapView never waits for it.
    const DWORD start = GetTickCount();
    for (size_t i = 0; i < threads_.size(); ++i) {
        while (!shared_->finished[i]->load() && GetTickCount() - start < 300)
            Sleep(5);
        if (shared_->finished[i]->load()) {
            threads_[i].join();
        } else {
            threads_[i].detach();
        }
    }
    // Tiles stored since the window's last flush reach the index too.
    std::shared_ptr<TileDiskCache> cache;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        cache = shared_->cache;
    }
    if (cache != nullptr) cache->flush();
}

void TileLoader::start(HWND notify, UINT message) {
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->notify = notify;
        shared_->message = message;
        for (int i = 0; i <= kDownloadWorkers; ++i)
            shared_->finished.push_back(std::make_unique<std::atomic<bool>>(false));
    }
    threads_.emplace_back(DiskWorker, shared_, size_t{0});
    for (int i = 1; i <= kDownloadWorkers; ++i)
        threads_.emplace_back(DownloadWorker, shared_, static_cast<size_t>(i));
}

void TileLoader::setSource(const std::string& urlTemplate, const std::filesystem::path& cacheRoot,
                           const std::string& cacheFolder) {
    std::shared_ptr<TileDiskCache> cache;
    if (!cacheRoot.empty()) {
        cache = std::make_shared<TileDiskCache>();
        if (cache->open(cacheRoot, cacheFolder, kDefaultCacheLimitBytes) != 0) cache.reset();
    }
    std::shared_ptr<TileDiskCache> old;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        ++shared_->generation;
        shared_->urlTemplate = urlTemplate;
        old = shared_->cache;
        shared_->cache = cache;
        shared_->cacheTrouble = !cacheRoot.empty() && cache == nullptr;
        shared_->diskQueue.clear();
        shared_->netQueue.clear();
        shared_->rank.clear();
        shared_->failed.clear();
        for (TileEvent& e : shared_->events) {
            if (e.image.bitmap != nullptr) DeleteObject(e.image.bitmap);
        }
        shared_->events.clear();
    }
    if (old != nullptr) old->flush();
}

void TileLoader::want(const std::vector<TileKey>& keys) {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    Shared& s = *shared_;
    s.rank.clear();
    for (size_t i = 0; i < keys.size(); ++i)
        s.rank.emplace(keys[i], i);
    // What left the view is dropped; what stays keeps its place in the download queue.
    std::deque<TileKey> downloads;
    for (const TileKey& k : s.netQueue) {
        if (s.rank.count(k) != 0) downloads.push_back(k);
    }
    s.netQueue.clear();
    for (const TileKey& k : downloads)
        s.queueForDownload(k);
    s.diskQueue.clear();
    for (const TileKey& k : keys) {
        if (s.busy.count(k) != 0 || s.failed.count(k) != 0) continue;
        // Finished but not yet taken by the window: it is on its way.
        if (std::any_of(s.events.begin(), s.events.end(), [&](const TileEvent& e) { return e.key == k; }))
            continue;
        if (std::find(s.netQueue.begin(), s.netQueue.end(), k) != s.netQueue.end()) continue;
        s.diskQueue.push_back(k);
    }
    s.wake.notify_all();
}

std::vector<TileEvent> TileLoader::take() {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->notifyPosted = false;
    std::vector<TileEvent> events;
    events.swap(shared_->events);
    return events;
}

bool TileLoader::failed(const TileKey& key) const {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    return shared_->failed.count(key) != 0;
}

TileLoaderCounts TileLoader::counts() const {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    TileLoaderCounts c;
    c.waiting = shared_->diskQueue.size() + shared_->netQueue.size() + shared_->busy.size();
    c.failed = shared_->failed.size();
    return c;
}

int TileLoader::flushCache() {
    std::shared_ptr<TileDiskCache> cache;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        cache = shared_->cache;
    }
    if (cache == nullptr) return 0;
    const int rc = cache->flush();
    std::lock_guard<std::mutex> lock(shared_->mutex);
    if (rc != 0) shared_->cacheTrouble = true;
    return rc;
}

bool TileLoader::cacheTrouble() const {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    return shared_->cacheTrouble;
}

} // namespace mapview
