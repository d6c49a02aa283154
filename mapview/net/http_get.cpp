#include "http_get.h"

#include <windows.h>
#include <winhttp.h>

#include <chrono>
#include <mutex>
#include <vector>

#include "cp932_text.h"

#ifndef MAPVIEW_VERSION
#define MAPVIEW_VERSION "0"
#endif

namespace mapview {

namespace {

#define WIDEN2(x) L##x
#define WIDEN(x) WIDEN2(x)

const wchar_t kUserAgent[] = L"MapView/" WIDEN(MAPVIEW_VERSION) L" (Tenmark)";

// One session per kind of access, made once and kept for the life of the process.
HINTERNET Session(bool direct) {
    static std::once_flag once;
    static HINTERNET sessions[2] = {nullptr, nullptr};
    std::call_once(once, [] {
        // Loopback goes direct: under Wine the proxy lookup alone can stall a local request.
        sessions[0] = WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                  WINHTTP_NO_PROXY_BYPASS, 0);
        sessions[1] = WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                  WINHTTP_NO_PROXY_BYPASS, 0);
    });
    return sessions[direct ? 1 : 0];
}

bool IsLoopback(const std::wstring& host) {
    return lstrcmpiW(host.c_str(), L"127.0.0.1") == 0 || lstrcmpiW(host.c_str(), L"localhost") == 0 ||
           lstrcmpiW(host.c_str(), L"::1") == 0 || lstrcmpiW(host.c_str(), L"[::1]") == 0;
}

class Handle {
  public:
    explicit Handle(HINTERNET h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_ != nullptr) WinHttpCloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HINTERNET get() const { return h_; }

  private:
    HINTERNET h_;
};

std::string Header(HINTERNET request, DWORD which) {
    DWORD bytes = 0;
    WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &bytes,
                        WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0 || bytes > 16384) return std::string();
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, &value[0], &bytes,
                             WINHTTP_NO_HEADER_INDEX)) {
        return std::string();
    }
    value.resize(bytes / sizeof(wchar_t));
    return wideToUtf8(value);
}

HttpResult FromError(DWORD error, std::chrono::steady_clock::time_point start, unsigned timeoutMs) {
    // Wine reports a receive time-out as a broken connection: what ends at the time-out is one.
    if (std::chrono::steady_clock::now() - start >=
        std::chrono::milliseconds(timeoutMs) - std::chrono::milliseconds(200)) {
        return HttpResult::TimedOut;
    }
    switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
        return HttpResult::TimedOut;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case ERROR_WINHTTP_CONNECTION_ERROR:
        return HttpResult::Unreachable;
    default:
        return HttpResult::Failed;
    }
}

} // namespace

bool LoopbackOnly() {
    static const bool only = [] {
        wchar_t value[8] = L"";
        const DWORD n = GetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOOPBACK_ONLY", value, ARRAYSIZE(value));
        return n > 0 && n < ARRAYSIZE(value) && lstrcmpW(value, L"0") != 0;
    }();
    return only;
}

HttpResult HttpGet(const std::string& urlUtf8, const HttpLimits& limits, HttpAnswer* answer) {
    *answer = HttpAnswer();
    const auto start = std::chrono::steady_clock::now();
    std::wstring url = utf8ToWide(urlUtf8);
    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof parts;
    wchar_t host[256] = L"";
    parts.lpszHostName = host;
    parts.dwHostNameLength = ARRAYSIZE(host);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (url.empty() || !WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) {
        return HttpResult::BadUrl;
    }
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
        return HttpResult::BadUrl;
    const std::wstring hostName(host, parts.dwHostNameLength);
    const bool loopback = IsLoopback(hostName);
    if (LoopbackOnly() && !loopback) return HttpResult::Blocked;
    std::wstring path;
    if (parts.lpszUrlPath != nullptr) path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo != nullptr) path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";

    HINTERNET session = Session(loopback);
    if (session == nullptr) return HttpResult::Failed;
    Handle connection(WinHttpConnect(session, hostName.c_str(), parts.nPort, 0));
    if (connection.get() == nullptr) return FromError(GetLastError(), start, limits.timeoutMs);
    Handle request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                      WINHTTP_DEFAULT_ACCEPT_TYPES,
                                      parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
    if (request.get() == nullptr) return FromError(GetLastError(), start, limits.timeoutMs);
    if (LoopbackOnly()) {
        // A redirect would reach a host the check above never saw.
        DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
        WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
    }
    // On the request itself: a session's time-outs alone were seen not to end an unanswered
    // request under Wine.
    const int timeout = static_cast<int>(limits.timeoutMs);
    WinHttpSetTimeouts(request.get(), timeout, timeout, timeout, timeout);
    DWORD option = limits.timeoutMs;
    WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_TIMEOUT, &option, sizeof option);
    WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &option, sizeof option);
    WinHttpSetOption(request.get(), WINHTTP_OPTION_SEND_TIMEOUT, &option, sizeof option);
    WinHttpSetOption(request.get(), WINHTTP_OPTION_CONNECT_TIMEOUT, &option, sizeof option);

    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                            0) ||
        !WinHttpReceiveResponse(request.get(), nullptr)) {
        return FromError(GetLastError(), start, limits.timeoutMs);
    }
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
        return HttpResult::Failed;
    }
    answer->status = static_cast<int>(status);
    answer->cacheControl = Header(request.get(), WINHTTP_QUERY_CACHE_CONTROL);
    answer->expires = Header(request.get(), WINHTTP_QUERY_EXPIRES);
    answer->date = Header(request.get(), WINHTTP_QUERY_DATE);

    std::vector<char> buffer(64 * 1024);
    for (;;) {
        // A server that sends a byte now and then must not hold the request for ever.
        if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(limits.timeoutMs)) {
            return HttpResult::TimedOut;
        }
        DWORD read = 0;
        if (!WinHttpReadData(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read)) {
            return FromError(GetLastError(), start, limits.timeoutMs);
        }
        if (read == 0) break;
        if (answer->body.size() + read > limits.maxBytes) return HttpResult::TooLarge;
        answer->body.append(buffer.data(), read);
    }
    return HttpResult::Ok;
}

} // namespace mapview
