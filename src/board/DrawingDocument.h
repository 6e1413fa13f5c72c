#pragma once

#include "drawing/DrawingList.h"
#include "platform/Reporter.h"

#include <string>

namespace pelcor {

// The drawing as a document: the list of shapes, the copy "Undo" brings back, the
// baseline that tells whether there are unsaved changes (and that the edit frame's
// "Cancel" restores), and the drawing file it was last saved to or loaded from.
// Messages go to the information line through the reporter.
class DrawingDocument {
public:
    explicit DrawingDocument(Reporter& reporter) : reporter_(reporter) {}

    DrawingList& list() { return list_; }
    const DrawingList& list() const { return list_; }
    std::string Text() const { return list_.Text(); }

    // The baseline: the list as it was last saved, loaded or cleared by "CLS".
    std::string EditBackup;
    bool Changed() const { return Text() != EditBackup; }
    void SetBaseline() { EditBackup = Text(); }

    // The one undo step: "CLS", "New" and deleting a shape offer it; saving and loading
    // take the copy without offering it.
    DrawingList UndoSnapshot;
    bool UndoOffered() const { return undoOffered_; }
    void TakeUndoSnapshot(bool offerUndo);
    // Brings the copy back; false when no undo is offered (nothing changes).
    bool Undo();

    // The remembered drawing file name (kept in the settings); "No File" is shown while
    // there is none.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // What the status line's "File" memo shows.
    const std::string& ShownFile() const { return shownFile_; }

    // Writes the drawing to `name` (".pcz" added when missing). False, with the reason in
    // the information line and a beep, when nothing was written; the drawing, the name
    // and the baseline then stay as they were.
    bool Write(const std::string& name);
    // Reads the drawing file `name`. False when the file is missing or does not read:
    // the reason is in the information line, and the drawing stays as it was.
    bool Read(const std::string& name);
    // "New" and "CLS": the empty drawing, with the undo copy offered. "CLS" also makes the
    // empty drawing the baseline; "New" leaves the baseline, so closing afterwards asks
    // about the unsaved changes.
    void Clear(bool asBaseline);

private:
    Reporter& reporter_;
    DrawingList list_;
    bool undoOffered_ = false;
    std::string fileName_;
    std::string shownFile_ = "No File";
};

} // namespace pelcor
