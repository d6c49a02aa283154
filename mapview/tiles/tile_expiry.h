// How long a downloaded tile stays fresh, from the answer's caching headers.
#pragma once

#include <cstdint>
#include <string>

namespace mapview {

// Without caching headers a tile stays fresh this long.
constexpr int64_t kDefaultTileLifetimeSeconds = 7 * 24 * 3600;

// An HTTP date (IMF-fixdate "Sun, 06 Nov 1994 08:49:37 GMT", the obsolete RFC 850 form
// "Sunday, 06-Nov-94 08:49:37 GMT" or asctime "Sun Nov  6 08:49:37 1994") as seconds since
// 1970; -1 when the text is none of them.
int64_t ParseHttpDate(const std::string& text);

// The max-age of a Cache-Control header in seconds; -1 when it has none. "no-cache" and
// "no-store" count as 0: such a tile is shown but asked for again at once.
int64_t CacheControlMaxAge(const std::string& cacheControl);

// When a tile received at `now` expires (seconds since 1970): Cache-Control max-age first,
// else Expires (taken relative to the answer's Date when there is one, so a wrong clock on
// either side does not matter; an Expires that is no date means already expired), else
// seven days. Empty header texts are absent headers.
int64_t TileExpiry(const std::string& cacheControl, const std::string& expires, const std::string& date,
                   int64_t now);

} // namespace mapview
