#include "record_fields.h"

#include "exchange_text.h"

#include <cstring>
#include <unordered_map>
#include <vector>

#define FIELD(member, limit) {#member, offsetof(PointRecord, member), sizeof(PointRecord::member), limit}

const RecordField kRecordFields[kRecordFieldCount] = {
    FIELD(markNumber, 7),
    FIELD(name, kNameLimit),
    FIELD(longitude, 31),
    FIELD(latitude, 31),
    FIELD(voiceWord, kNameLimit),
    FIELD(soundCode, 63),
    FIELD(spare11, 9),
    {"directionEnabled", 0, 0, 0},
    FIELD(directionCode, 7),
    FIELD(spare16, 7),
    FIELD(spare17, 63),
    FIELD(spare18, 127),
    FIELD(phone, 21),
    FIELD(date, 15),
    FIELD(time, 15),
    FIELD(spare19, 63),
    FIELD(spare20, 63),
    FIELD(spare23, 7),
};

#undef FIELD

char* fieldBuffer(PointRecord& record, int field) {
    return reinterpret_cast<char*>(&record) + kRecordFields[field].offset;
}

const char* fieldBuffer(const PointRecord& record, int field) {
    return reinterpret_cast<const char*>(&record) + kRecordFields[field].offset;
}

namespace {

struct Alias {
    const char* name; // UTF-8; ASCII ones in lower case
    int field;
};

// Names files from elsewhere use, besides ours.
const Alias kAliases[] = {
    {"title", kFieldName},          {u8"名称", kFieldName},        {u8"地点名", kFieldName},
    {u8"地点名称", kFieldName},     {u8"名前", kFieldName},        {"lat", kFieldLatitude},
    {"y", kFieldLatitude},          {u8"緯度", kFieldLatitude},    {u8"北緯", kFieldLatitude},
    {"lon", kFieldLongitude},       {"lng", kFieldLongitude},      {"long", kFieldLongitude},
    {"x", kFieldLongitude},         {u8"経度", kFieldLongitude},   {u8"東経", kFieldLongitude},
    {"tel", kFieldPhone},           {"telephone", kFieldPhone},    {u8"電話番号", kFieldPhone},
    {u8"電話", kFieldPhone},        {"reading", kFieldVoiceWord},  {u8"フリガナ", kFieldVoiceWord},
    {u8"ふりがな", kFieldVoiceWord}, {u8"よみ", kFieldVoiceWord},   {u8"ヨミ", kFieldVoiceWord},
    {u8"読み", kFieldVoiceWord},    {"mark", kFieldMarkNumber},    {u8"マーク", kFieldMarkNumber},
};

std::string normalisedName(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    return asciiLower(text.substr(b, e - b));
}

} // namespace

int fieldOfName(const std::string& utf8Name, bool* ours) {
    // The names folded once, record fields before aliases (so a field's own name wins): every
    // KML Data, GeoJSON property and CSV header asks.
    struct Known {
        int field;
        bool ours;
    };
    static const std::unordered_map<std::string, Known> known = [] {
        std::unordered_map<std::string, Known> names;
        for (int f = 0; f < kRecordFieldCount; ++f) names.emplace(normalisedName(kRecordFields[f].name), Known{f, true});
        for (const Alias& alias : kAliases) names.emplace(alias.name, Known{alias.field, false});
        return names;
    }();
    auto found = known.find(normalisedName(utf8Name));
    if (ours) *ours = found != known.end() && found->second.ours;
    return found != known.end() ? found->second.field : -1;
}
