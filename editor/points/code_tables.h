#pragma once
// The code tables between what files store and what the dialogs show.

struct CodeEntry {
    const char* code;
    const char* name;
};

constexpr int kSoundCodeCount = 65;
constexpr int kDirectionCount = 8;

// In the order the edit dialog offers them; not sorted, lookups go by position.
extern const CodeEntry SoundCodeTable[kSoundCodeCount];
// The code is the index written with two digits.
extern const CodeEntry DirectionTable[kDirectionCount];
