#pragma once

#include "board/DrawingHistory.h"
#include "drawing/DrawingList.h"
#include "platform/Reporter.h"

#include <string>

namespace pelcor {

// The drawing as a document: the list of shapes, the steps "Undo" and "Redo" walk, the
// baseline that tells whether there are unsaved changes, and the drawing file it was last
// saved to or loaded from. Messages go to the information line through the reporter.
// (The edit frame's "Cancel" keeps its own copy of the list: the board model's.)
class DrawingDocument {
public:
    explicit DrawingDocument(Reporter& reporter) : reporter_(reporter) {}

    DrawingList& list() { return list_; }
    const DrawingList& list() const { return list_; }
    std::string Text() const { return list_.Text(); }

    // The baseline: the list's text as it was last saved or loaded (at start-up the drawing
    // then shown, the empty drawing when there was none). Undo, redo and "CLS" leave it.
    std::string Baseline = std::string(EndSignal);
    bool Changed() const { return Text() != Baseline; }
    void SetBaseline() { Baseline = Text(); }

    // --- the steps
    // What changed in the list since the last step becomes one step (nothing when nothing
    // changed). Every command that changes the drawing ends with it.
    bool Commit() { return history_.Commit(list_); }
    // The drawing as it now stands becomes the start of the history: no step to undo.
    void ResetHistory() { history_.Reset(list_); }
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // One step back or forward (a change not yet committed is committed first). False when
    // there is no step (nothing changes).
    bool Undo() { return history_.Undo(list_); }
    bool Redo() { return history_.Redo(list_); }
    const DrawingHistory& history() const { return history_; }
    // The history's number of the drawing on screen, or 0 while the list holds changes
    // that are not yet a step: lists of the same number hold the same records.
    std::uint64_t State() const { return history_.Pending(list_) ? 0 : history_.State(); }

    // The remembered drawing file name (kept in the settings); "No File" is shown while
    // there is none.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // What the status line's "File" memo shows.
    const std::string& ShownFile() const { return shownFile_; }

    // Writes the drawing to `name` (".pcz" added when missing) and makes it the baseline.
    // False, with the reason in the information line and a beep, when nothing was written;
    // the drawing, the name and the baseline then stay as they were. The steps stay.
    bool Write(const std::string& name);
    // Reads the drawing file `name`: the drawing it holds is a step and the baseline.
    // False when the file is missing or does not read: the reason is in the information
    // line, and the drawing stays as it was.
    bool Read(const std::string& name);
    // "New" and "CLS": the empty drawing, as one step. The baseline stays, so closing
    // afterwards asks about the unsaved changes unless the saved drawing was empty.
    void Clear();

private:
    Reporter& reporter_;
    DrawingList list_;
    DrawingHistory history_;
    std::string fileName_;
    std::string shownFile_ = "No File";
};

} // namespace pelcor
