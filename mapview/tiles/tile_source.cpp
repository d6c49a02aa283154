#include "tile_source.h"

#include <cstdio>
#include <cstring>

#include "mapview_texts.h"

namespace mapview {

namespace {

const TileSource kSources[kSourceCount] = {
    {TileSourceId::Pale, "pale", kSourceNamePale, "https://cyberjapandata.gsi.go.jp/xyz/pale/{z}/{x}/{y}.png",
     kCreditGsi},
    {TileSourceId::Standard, "std", kSourceNameStandard,
     "https://cyberjapandata.gsi.go.jp/xyz/std/{z}/{x}/{y}.png", kCreditGsi},
    {TileSourceId::Photo, "seamlessphoto", kSourceNamePhoto,
     "https://cyberjapandata.gsi.go.jp/xyz/seamlessphoto/{z}/{x}/{y}.jpg", kCreditGsi},
    {TileSourceId::Osm, "osm", kSourceNameOsm, "https://tile.openstreetmap.org/{z}/{x}/{y}.png", kCreditOsm},
};

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    const size_t n = std::strlen(prefix);
    if (text.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

const TileSource& SourceById(TileSourceId id) {
    for (const TileSource& s : kSources) {
        if (s.id == id) return s;
    }
    return kSources[0];
}

const TileSource* SourceByKey(const std::string& key) {
    for (const TileSource& s : kSources) {
        if (key == s.key) return &s;
    }
    return nullptr;
}

bool ValidTileTemplate(const std::string& t) {
    if (!StartsWithNoCase(t, "http://") && !StartsWithNoCase(t, "https://")) return false;
    if (UrlHost(t).empty()) return false;
    return t.find("{z}") != std::string::npos && t.find("{x}") != std::string::npos &&
           t.find("{y}") != std::string::npos;
}

int ExpandTileUrl(const std::string& t, const TileKey& key, std::string* url) {
    if (!ValidTileTemplate(t) || !ValidTile(key)) return -1;
    std::string out;
    out.reserve(t.size() + 16);
    for (size_t i = 0; i < t.size();) {
        if (t.compare(i, 3, "{z}") == 0 || t.compare(i, 3, "{x}") == 0 || t.compare(i, 3, "{y}") == 0) {
            const int v = t[i + 1] == 'z' ? key.z : t[i + 1] == 'x' ? key.x : key.y;
            out += std::to_string(v);
            i += 3;
        } else {
            out += t[i++];
        }
    }
    *url = out;
    return 0;
}

std::string UrlHost(const std::string& url) {
    const size_t scheme = url.find("://");
    if (scheme == std::string::npos) return std::string();
    size_t begin = scheme + 3;
    size_t end = url.find_first_of("/?#", begin);
    if (end == std::string::npos) end = url.size();
    std::string authority = url.substr(begin, end - begin);
    const size_t at = authority.rfind('@');
    if (at != std::string::npos) authority.erase(0, at + 1);
    if (!authority.empty() && authority[0] == '[') {
        const size_t close = authority.find(']');
        return close == std::string::npos ? std::string() : authority.substr(1, close - 1);
    }
    const size_t colon = authority.find(':');
    if (colon != std::string::npos) authority.erase(colon);
    for (char& c : authority) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return authority;
}

std::string CustomCacheFolder(const std::string& urlTemplate) {
    uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : urlTemplate) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char name[32];
    std::snprintf(name, sizeof name, "custom-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

std::string CreditForTemplate(const std::string& urlTemplate) {
    const std::string host = UrlHost(urlTemplate);
    if (host == "gsi.go.jp" || EndsWith(host, ".gsi.go.jp")) return kCreditGsi;
    if (host == "openstreetmap.org" || EndsWith(host, ".openstreetmap.org")) return kCreditOsm;
    return std::string(kCreditCustomPrefix) + host;
}

} // namespace mapview
