#include "point_history.h"

#include <cstring>

namespace {

bool sameRecord(const PointRecord& a, const PointRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

PointHistory::PointHistory(int depth) : depth_(depth < 1 ? 1 : depth) {}

void PointHistory::reset(const PointDocument& doc) {
    state_.clear();
    for (int i = 0; i < doc.count(); ++i)
        state_.push_back(*doc.recordAt(i));
    steps_.clear();
    applied_ = 0;
    saved_ = doc.isModified() ? -1 : 0;
}

bool PointHistory::record(const PointDocument& doc) {
    int oldCount = static_cast<int>(state_.size());
    int newCount = doc.count();
    int shorter = oldCount < newCount ? oldCount : newCount;
    int head = 0;
    while (head < shorter && sameRecord(state_[head], *doc.recordAt(head)))
        ++head;
    int tail = 0;
    while (tail < shorter - head &&
           sameRecord(state_[oldCount - 1 - tail], *doc.recordAt(newCount - 1 - tail)))
        ++tail;
    if (head == oldCount && head == newCount) return false;

    Step step;
    step.first = head;
    step.span = newCount - tail - head;
    step.other.assign(state_.begin() + head, state_.begin() + (oldCount - tail));
    state_.erase(state_.begin() + head, state_.begin() + (oldCount - tail));
    std::vector<PointRecord> now;
    for (int i = head; i < newCount - tail; ++i)
        now.push_back(*doc.recordAt(i));
    state_.insert(state_.begin() + head, now.begin(), now.end());

    // A new change ends every redo; the saved state may have been among them.
    steps_.resize(applied_);
    if (saved_ > static_cast<long>(applied_)) saved_ = -1;
    steps_.push_back(std::move(step));
    ++applied_;
    if (steps_.size() > static_cast<size_t>(depth_)) {
        steps_.pop_front();
        --applied_;
        saved_ = saved_ > 0 ? saved_ - 1 : -1;
    }
    return true;
}

void PointHistory::swapIn(Step& step, PointDocument& doc, HistoryRange* changed) {
    auto begin = state_.begin() + step.first;
    std::vector<PointRecord> current(begin, begin + step.span);
    state_.erase(begin, begin + step.span);
    state_.insert(state_.begin() + step.first, step.other.begin(), step.other.end());
    step.span = static_cast<int>(step.other.size());
    step.other = std::move(current);
    doc.replaceRecords(0, doc.count(), state_.data(), static_cast<int>(state_.size()));
    if (changed) *changed = HistoryRange{step.first, step.span};
}

bool PointHistory::undo(PointDocument& doc, HistoryRange* changed) {
    // A change nobody recorded is a step of its own rather than lost by the undo.
    record(doc);
    if (!canUndo()) return false;
    swapIn(steps_[applied_ - 1], doc, changed);
    --applied_;
    doc.setModified(saved_ != static_cast<long>(applied_));
    return true;
}

bool PointHistory::redo(PointDocument& doc, HistoryRange* changed) {
    record(doc);
    if (!canRedo()) return false;
    swapIn(steps_[applied_], doc, changed);
    ++applied_;
    doc.setModified(saved_ != static_cast<long>(applied_));
    return true;
}
