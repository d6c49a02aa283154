// One HTTP GET with WinHTTP, for tiles and for the place search alike: a User-Agent that
// names MapView and its version, no cache-defeating headers, time-outs set on the request
// itself, a size limit, and the caching headers of the answer.
#pragma once

#include <cstddef>
#include <string>

namespace mapview {

struct HttpAnswer {
    int status = 0;
    std::string body;
    std::string cacheControl;
    std::string expires;
    std::string date;
};

enum class HttpResult {
    Ok,          // an answer arrived (any status: the caller judges it)
    BadUrl,      // not an http(s) URL WinHTTP can read
    Blocked,     // not a loopback host while only loopback is allowed
    Unreachable, // no connection (host unknown, refused, no network)
    TimedOut,    // no complete answer in time
    TooLarge,    // the body passed the limit
    Failed,      // any other failure on the way
};

struct HttpLimits {
    unsigned timeoutMs = 10000; // for the whole exchange
    size_t maxBytes = 4 * 1024 * 1024;
};

// Thread-safe; blocks the calling thread (never call it on the window's thread).
HttpResult HttpGet(const std::string& urlUtf8, const HttpLimits& limits, HttpAnswer* answer);

// True when TENMARK_MAPVIEW_LOOPBACK_ONLY=1 was in the environment at start: then only
// 127.0.0.1, ::1 and localhost are ever asked (the tests set it, so nothing leaves the machine).
bool LoopbackOnly();

} // namespace mapview
