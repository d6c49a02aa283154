#pragma once
// The undo history of a document: each step is one command's change, kept as the whole
// records it replaced, so undoing brings back every field (spare fields and stored codes
// included) exactly. The history knows which state was last read or written, so going back
// to it leaves the document unmodified.
#include "point_document.h"

#include <deque>
#include <vector>

// The records an undo or redo put in place: `count` records from `first` on (none when the
// step took records away, `first` then being where they were).
struct HistoryRange {
    int first = 0;
    int count = 0;
};

class PointHistory {
  public:
    static constexpr int kDefaultDepth = 100;
    explicit PointHistory(int depth = kDefaultDepth);

    // Starts over from the document as it stands (a file was read, or a new document): no
    // steps; this state is the saved one when the document is unmodified.
    void reset(const PointDocument& doc);
    // Keeps what changed since the last known state as one step, dropping whatever could be
    // redone and, past the depth, the oldest step; false when nothing changed.
    bool record(const PointDocument& doc);
    // The current state is what the file now holds.
    void markSaved() { saved_ = static_cast<long>(applied_); }

    bool canUndo() const { return applied_ > 0; }
    bool canRedo() const { return applied_ < steps_.size(); }
    // One step back or forward; false when there is none. The document becomes the state of
    // that step, unmodified exactly when that is the saved state.
    bool undo(PointDocument& doc, HistoryRange* changed = nullptr);
    bool redo(PointDocument& doc, HistoryRange* changed = nullptr);

  private:
    // Records [first, first + span) of the state stand where `other` stood before (or after).
    struct Step {
        int first = 0;
        int span = 0;
        std::vector<PointRecord> other;
    };
    void swapIn(Step& step, PointDocument& doc, HistoryRange* changed);

    int depth_;
    std::vector<PointRecord> state_;
    std::deque<Step> steps_;
    size_t applied_ = 0;
    long saved_ = 0; // applied_ at the saved state; -1 when no step leads back to it
};
