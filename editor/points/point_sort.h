#pragma once
// Ordering the main points by one of their fields.
#include "point_document.h"

#include <vector>

enum class SortKey { Name, Reading, Longitude, Latitude, Mark };

// Puts the points in order of `key`, descending when asked, equal ones keeping their order;
// a point without the value (an empty name or reading, no coordinate) goes last either way.
// Texts compare as folded for finding, so half-width and full-width forms sort together.
// Returns true when the order changed (the document is then modified). `order`, when given,
// receives for each new position the position the point had before.
bool sortPoints(PointDocument& doc, SortKey key, bool descending, std::vector<int>* order = nullptr);

// Which way the next sort goes: ascending, or the reverse of the last one when the key is
// the same as last time.
class SortDirection {
  public:
    // True for descending.
    bool next(SortKey key);
    void reset() { any_ = false; }

  private:
    bool any_ = false;
    SortKey last_ = SortKey::Name;
    bool descending_ = false;
};
