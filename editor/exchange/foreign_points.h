#pragma once
// What the readers of other formats hand over: points as the file wrote them (UTF-8), and
// the collector that judges their coordinates, keeps the first 200 that QPF can hold and
// counts the rest by kind. Memory stays bounded however many points a file has.
#include "coord_input.h"
#include "exchange.h"
#include "record_fields.h"

#include <string>
#include <utility>
#include <vector>

struct ForeignPoint {
    bool hasPosition = false;
    std::string latitude, longitude; // as written (UTF-8), in any form coord_input reads

    std::string values[kRecordFieldCount];
    // 0: not given; 1: given under an alias; 2: given under our own name, which wins.
    unsigned char given[kRecordFieldCount] = {};

    // Sets a field that is not a coordinate; the first value of the higher rank stays. A blank
    // value under an alias is no value.
    void set(int field, const std::string& value, bool ours);
    // By a name from the file (ours or an alias); unknown names and coordinates are ignored.
    void setByName(const std::string& name, const std::string& value);
};

struct TakenPoint {
    ForeignPoint point;
    CoordText latitude, longitude; // in the record's datum
};

class PointCollector {
  public:
    explicit PointCollector(const ExchangeOptions& options) : options_(options) {}

    // Judges the point's coordinates and keeps it, or counts why not. `point` is moved from.
    void add(ForeignPoint& point);
    // Geometry that is no point (a track, a route, a line, a polygon), by the file's name.
    void ignore(const std::string& kind);
    void networkLink() { ++networkLinks_; }

    const std::vector<TakenPoint>& taken() const { return taken_; }
    // The report lines for what was left out or ignored, one per kind.
    void reportLeftOut(ExchangeReport& report) const;

  private:
    const ExchangeOptions& options_;
    std::vector<TakenPoint> taken_;
    int beyond_ = 0, southOrWest_ = 0, noPosition_ = 0, networkLinks_ = 0;
    std::vector<std::pair<std::string, int>> ignored_;
};

// Empties `document` and fills it with the collected points, each starting from a new
// record's defaults; every change made to fit is a report line. `modified` ends false.
void fillDocument(PointDocument& document, const PointCollector& points, ExchangeReport& report);
