#pragma once
// One registered point: fixed-size zero-terminated cp932 fields plus one integer.
#include <cstdint>

struct PointRecord {
    char markNumber[8];
    char name[64];
    char longitude[32];
    char latitude[32];
    char voiceWord[64];
    char soundCode[64];
    char spare11[10];
    int32_t directionEnabled;
    char directionCode[8];
    char spare16[8];
    char spare17[64];
    char spare18[128];
    char phone[22];
    char date[16];
    char spare19[64];
    char spare20[64];
    char time[16];
    char spare23[8];
};

// The editor stores at most this many bytes of a name or a reading.
constexpr int kNameLimit = 20;
