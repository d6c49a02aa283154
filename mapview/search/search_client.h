// Runs place searches off the window's thread, one at a time: a newer search replaces one
// not yet sent, and the answer of an older one is dropped. The answer is announced with a
// posted message and taken with take().
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "address_answer.h"
#include "http_get.h"

namespace mapview {

struct SearchOutcome {
    unsigned id = 0;
    HttpResult http = HttpResult::Failed;
    int status = 0;
    AnswerKind kind = AnswerKind::Malformed;
    std::vector<FoundPlace> places;
};

class SearchClient {
  public:
    SearchClient() = default;
    ~SearchClient();
    SearchClient(const SearchClient&) = delete;
    SearchClient& operator=(const SearchClient&) = delete;

    void start(HWND notify, UINT message);
    // Asks for url; returns the search's id.
    unsigned request(const std::string& url);
    // The latest search's outcome, once; false when there is none (yet).
    bool take(SearchOutcome* outcome);

    struct Shared;

  private:
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace mapview
