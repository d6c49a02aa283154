// The identifiers of the texts the bridge has placed on a ProAtlas-family map, so that
// SUB_DELETE_TEXT can remove exactly those.
#pragma once

#include <cstdint>

constexpr int kTextIdCapacity = 1001;

struct TextIdTable {
    int16_t ids[kTextIdCapacity]; // -1 marks a free entry
    int count;                    // entries in use, filled from index 0
};

// All entries free, count 0.
void clearTextIds(TextIdTable* table);

bool textIdsFull(const TextIdTable& table);

// Records id at index count. Returns 0, or -1 when the table is full (nothing recorded).
int addTextId(TextIdTable* table, int16_t id);
