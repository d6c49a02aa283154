#include "search_client.h"

#include <condition_variable>
#include <mutex>

namespace mapview {

namespace {

constexpr unsigned kSearchTimeoutMs = 10000;

} // namespace

struct SearchClient::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    HWND notify = nullptr;
    UINT message = 0;
    unsigned latest = 0;
    unsigned pendingId = 0;
    std::string pendingUrl;
    bool haveOutcome = false;
    SearchOutcome outcome;
};

namespace {

void Worker(std::shared_ptr<SearchClient::Shared> s) {
    std::unique_lock<std::mutex> lock(s->mutex);
    while (!s->stop) {
        if (s->pendingId == 0) {
            s->wake.wait(lock);
            continue;
        }
        const unsigned id = s->pendingId;
        const std::string url = s->pendingUrl;
        s->pendingId = 0;
        lock.unlock();

        SearchOutcome outcome;
        outcome.id = id;
        HttpAnswer answer;
        HttpLimits limits;
        limits.timeoutMs = kSearchTimeoutMs;
        limits.maxBytes = kMaxAnswerBytes;
        outcome.http = HttpGet(url, limits, &answer);
        outcome.status = answer.status;
        if (outcome.http == HttpResult::Ok && answer.status == 200) {
            outcome.kind = ParseAddressAnswer(answer.body, &outcome.places);
        }

        lock.lock();
        if (id != s->latest) continue; // a newer search was asked for meanwhile
        s->outcome = std::move(outcome);
        s->haveOutcome = true;
        if (s->notify != nullptr) PostMessageW(s->notify, s->message, 0, 0);
    }
}

} // namespace

SearchClient::~SearchClient() {
    if (shared_ == nullptr) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->stop = true;
        shared_->notify = nullptr;
    }
    shared_->wake.notify_all();
    // A search waiting for its answer must not keep the window from closing: the thread
    // holds its own share of the state and ends by itself.
    if (thread_.joinable()) thread_.detach();
}

void SearchClient::start(HWND notify, UINT message) {
    shared_ = std::make_shared<Shared>();
    shared_->notify = notify;
    shared_->message = message;
    thread_ = std::thread(Worker, shared_);
}

unsigned SearchClient::request(const std::string& url) {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    const unsigned id = ++shared_->latest;
    shared_->pendingId = id;
    shared_->pendingUrl = url;
    shared_->haveOutcome = false;
    shared_->wake.notify_all();
    return id;
}

bool SearchClient::take(SearchOutcome* outcome) {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    if (!shared_->haveOutcome) return false;
    *outcome = std::move(shared_->outcome);
    shared_->haveOutcome = false;
    return true;
}

} // namespace mapview
