// Where tiles come from: the built-in sources, a user's own URL template, and each one's
// credit and cache folder.
#pragma once

#include <string>

#include "tile_math.h"

namespace mapview {

enum class TileSourceId { Pale, Standard, Photo, Osm };

struct TileSource {
    TileSourceId id;
    const char* key;         // the remembered choice and the cache folder's name
    const char* menuName;    // cp932
    const char* urlTemplate; // with {z}, {x} and {y}
    const char* credit;      // UTF-8, shown at the bottom right while the tiles show
};

constexpr TileSourceId kDefaultSource = TileSourceId::Pale;
constexpr int kSourceCount = 4;

const TileSource& SourceById(TileSourceId id);
// The source with this key; nullptr when none.
const TileSource* SourceByKey(const std::string& key);

// True when the template holds {z}, {x} and {y} and starts with http:// or https://.
bool ValidTileTemplate(const std::string& urlTemplate);

// The template with z, x and y put in; -1 when the template is not valid.
int ExpandTileUrl(const std::string& urlTemplate, const TileKey& key, std::string* url);

// The host part of a URL ("127.0.0.1" of "http://127.0.0.1:8080/a"); empty when none.
std::string UrlHost(const std::string& url);

// A user's template caches in a folder of its own, named from a hash of the template so the
// text of a URL never becomes a path.
std::string CustomCacheFolder(const std::string& urlTemplate);

// The credit (UTF-8) a user's template must carry: that of the built-in provider on the same host,
// else "タイル: <host>".
std::string CreditForTemplate(const std::string& urlTemplate);

} // namespace mapview
