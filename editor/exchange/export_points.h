#pragma once
// The document's points as the writers of other formats take them: UTF-8 values named as
// `qpf dump` names them, and WGS84 decimal degrees.
#include "exchange.h"
#include "record_fields.h"

#include <string>
#include <vector>

struct ExportPoint {
    std::string latitude, longitude;       // decimal degrees with 7 decimals
    std::string values[kRecordFieldCount]; // UTF-8; the two coordinate slots stay empty
};

// For XML, the control characters XML 1.0 cannot hold at all become "?" (said in the report).
enum class ExportText { Any, Xml };

std::vector<ExportPoint> exportPointsOf(const PointDocument& document, const ExchangeOptions& options,
                                        ExportText text, ExchangeReport& report);

// The fields every writer carries besides the name and the coordinates, in `qpf dump` order.
bool isExtraField(int field);
