#include "text_id_table.h"

void clearTextIds(TextIdTable* table) {
    for (int16_t& id : table->ids)
        id = -1;
    table->count = 0;
}

bool textIdsFull(const TextIdTable& table) {
    return table.count >= kTextIdCapacity;
}

int addTextId(TextIdTable* table, int16_t id) {
    if (table->count < 0 || textIdsFull(*table)) return -1;
    table->ids[table->count] = id;
    ++table->count;
    return 0;
}
