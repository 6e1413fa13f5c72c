#pragma once

#include "drawing/DrawingList.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace pelcor {

// The steps "Undo" walks back and "Redo" forward. The history keeps the drawing as it stood
// after the last step (the committed list); Commit compares the list with it and keeps only
// what differs: the records between the common beginning and the common end, before and
// after, by position. A move of one shape keeps two records, a shape added one, a delete
// one (the numbers after it are positions, so the renumbering needs nothing); "CLS", "New"
// and loading keep the whole lists they replace. A new step drops the steps that "Redo"
// would have brought back. The oldest steps go once more than StepsKept are kept.
class DrawingHistory {
public:
    static constexpr std::size_t StepsKept = 1000;

    explicit DrawingHistory(std::size_t stepsKept = StepsKept) : stepsKept_(stepsKept) {}

    // Forgets every step; `list` becomes the committed drawing.
    void Reset(const DrawingList& list);
    // Records what changed in `list` since the committed drawing as one step. False when
    // nothing changed (no step).
    bool Commit(const DrawingList& list);
    // Whether `list` differs from the committed drawing (by its revision: a list that was
    // changed back counts as changed until Commit compares it).
    bool Pending(const DrawingList& list) const { return list.Revision() != committedRevision_; }

    // A number naming the committed drawing: a step gets a new one, and "Undo" and "Redo"
    // return to the numbers the drawings they bring back had. Drawings of the same number
    // hold the same records. Never 0.
    std::uint64_t State() const { return state_; }

    bool CanUndo() const { return undoCount_ > 0; }
    bool CanRedo() const { return undoCount_ < steps_.size(); }
    std::size_t UndoSteps() const { return undoCount_; }
    std::size_t RedoSteps() const { return steps_.size() - undoCount_; }
    // Puts the step before (Undo) or after (Redo) the committed drawing into `list`, which
    // must hold the committed drawing. False when there is no such step (nothing changes).
    bool Undo(DrawingList& list);
    bool Redo(DrawingList& list);

    // The bytes the steps hold (records, their texts, the bookkeeping), without the
    // committed copy.
    std::size_t StepBytes() const;
    // The bytes of the committed copy of the drawing.
    std::size_t CommittedBytes() const;

private:
    struct Step {
        std::size_t first = 0; // position of the first record that differs
        std::vector<ShapeRecord> before, after;
        bool beforeStartUpEmpty = true, afterStartUpEmpty = true;
        std::uint64_t beforeState = 0, afterState = 0;
    };
    static std::uint64_t NewState();
    // Replaces the records of `from` at the step's place by those of `to`, in `list` and in
    // the committed copy.
    void Apply(DrawingList& list, const Step& step, bool forward);

    std::size_t stepsKept_;
    std::deque<Step> steps_;
    std::size_t undoCount_ = 0; // steps_[0, undoCount_) are undone by Undo, the rest redone
    DrawingList committed_;
    std::uint64_t committedRevision_ = committed_.Revision();
    std::uint64_t state_ = NewState();
};

} // namespace pelcor
