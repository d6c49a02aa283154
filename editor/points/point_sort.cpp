#include "point_sort.h"

#include "field_conversions.h"
#include "point_find.h"
#include "point_position.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// One point's sort value: a folded text or a number, or nothing.
struct SortValue {
    bool present = false;
    FoldedText text;
    long long number = 0;
};

SortValue valueOf(const PointDocument& doc, int i, SortKey key) {
    SortValue value;
    switch (key) {
    case SortKey::Name:
    case SortKey::Reading:
        value.text = foldForFind(key == SortKey::Name ? doc.getName(i) : doc.getVoiceWord(i));
        value.present = !value.text.empty();
        break;
    case SortKey::Longitude:
        value.present = coordTenths(doc.getLongitude(i), value.number);
        break;
    case SortKey::Latitude:
        value.present = coordTenths(doc.getLatitude(i), value.number);
        break;
    case SortKey::Mark:
        value.number = leadingDigits(doc.getMarkNumber(i));
        value.present = true;
        break;
    }
    return value;
}

// -1, 0 or 1 as a sorts before, with or after b in ascending order.
int compareValues(const SortValue& a, const SortValue& b) {
    if (a.number != b.number) return a.number < b.number ? -1 : 1;
    if (a.text < b.text) return -1;
    return b.text < a.text ? 1 : 0;
}

} // namespace

bool sortPoints(PointDocument& doc, SortKey key, bool descending, std::vector<int>* previous) {
    int n = doc.count();
    std::vector<SortValue> values;
    for (int i = 0; i < n; ++i)
        values.push_back(valueOf(doc, i, key));
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const SortValue& x = values[a];
        const SortValue& y = values[b];
        if (x.present != y.present) return x.present;
        if (!x.present) return false;
        int c = compareValues(x, y);
        return descending ? c > 0 : c < 0;
    });
    bool changed = false;
    for (int i = 0; i < n; ++i)
        changed = changed || order[i] != i;
    if (previous) *previous = order;
    if (!changed) return false;

    std::vector<PointRecord> sorted;
    for (int i : order)
        sorted.push_back(*doc.recordAt(i));
    doc.replaceRecords(0, n, sorted.data(), n);
    return true;
}

bool SortDirection::next(SortKey key) {
    descending_ = any_ && key == last_ ? !descending_ : false;
    any_ = true;
    last_ = key;
    return descending_;
}
