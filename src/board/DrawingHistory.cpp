#include "board/DrawingHistory.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <string>

namespace pelcor {

namespace {

// The heap bytes of the records' texts (short texts live inside the record).
std::size_t TextBytes(const std::vector<ShapeRecord>& records) {
    const std::size_t inside = std::string().capacity();
    std::size_t bytes = 0;
    for (const ShapeRecord& r : records)
        for (const std::string* t : {&r.Kind, &r.Text, &r.FontName, &r.FontSize, &r.FontStyle,
                                     &r.TextRes5, &r.TextRes6, &r.FillMode})
            if (t->capacity() > inside) bytes += t->capacity() + 1;
    return bytes;
}

std::size_t RecordsBytes(const std::vector<ShapeRecord>& records) {
    return records.capacity() * sizeof(ShapeRecord) + TextBytes(records);
}

} // namespace

std::uint64_t DrawingHistory::NewState() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

void DrawingHistory::Reset(const DrawingList& list) {
    steps_.clear();
    undoCount_ = 0;
    committed_ = list;
    committedRevision_ = list.Revision();
    state_ = NewState();
}

bool DrawingHistory::Commit(const DrawingList& list) {
    if (!Pending(list)) return false;
    const std::vector<ShapeRecord>& was = committed_.Shapes();
    const std::vector<ShapeRecord>& is = list.Shapes();
    const std::size_t shorter = std::min(was.size(), is.size());
    std::size_t head = 0;
    while (head < shorter && was[head] == is[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && was[was.size() - 1 - tail] == is[is.size() - 1 - tail])
        ++tail;
    committedRevision_ = list.Revision();
    if (head == was.size() && head == is.size() && committed_.StartUpEmpty() == list.StartUpEmpty())
        return false; // changed and changed back

    Step step;
    step.first = head;
    step.before.assign(was.begin() + static_cast<std::ptrdiff_t>(head),
                       was.end() - static_cast<std::ptrdiff_t>(tail));
    step.after.assign(is.begin() + static_cast<std::ptrdiff_t>(head),
                      is.end() - static_cast<std::ptrdiff_t>(tail));
    step.beforeStartUpEmpty = committed_.StartUpEmpty();
    step.afterStartUpEmpty = list.StartUpEmpty();
    step.beforeState = state_;
    state_ = NewState();
    step.afterState = state_;
    committed_.SpliceShapes(head, step.before.size(), step.after, step.afterStartUpEmpty);
    committedRevision_ = list.Revision();

    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(undoCount_), steps_.end());
    steps_.push_back(std::move(step));
    ++undoCount_;
    if (steps_.size() > stepsKept_) {
        steps_.pop_front();
        --undoCount_;
    }
    return true;
}

void DrawingHistory::Apply(DrawingList& list, const Step& step, bool forward) {
    const std::vector<ShapeRecord>& from = forward ? step.before : step.after;
    const std::vector<ShapeRecord>& to = forward ? step.after : step.before;
    const bool startUpEmpty = forward ? step.afterStartUpEmpty : step.beforeStartUpEmpty;
    list.SpliceShapes(step.first, from.size(), to, startUpEmpty);
    committed_.SpliceShapes(step.first, from.size(), to, startUpEmpty);
    committedRevision_ = list.Revision();
    state_ = forward ? step.afterState : step.beforeState;
}

bool DrawingHistory::Undo(DrawingList& list) {
    Commit(list); // what changed since the last step is a step of its own
    if (!CanUndo()) return false;
    Apply(list, steps_[undoCount_ - 1], false);
    --undoCount_;
    return true;
}

bool DrawingHistory::Redo(DrawingList& list) {
    Commit(list); // drops the redo steps when something changed
    if (!CanRedo()) return false;
    Apply(list, steps_[undoCount_], true);
    ++undoCount_;
    return true;
}

std::size_t DrawingHistory::StepBytes() const {
    std::size_t bytes = sizeof(*this);
    for (const Step& s : steps_)
        bytes += sizeof(Step) + RecordsBytes(s.before) + RecordsBytes(s.after);
    return bytes;
}

std::size_t DrawingHistory::CommittedBytes() const {
    return RecordsBytes(committed_.Shapes());
}

} // namespace pelcor
