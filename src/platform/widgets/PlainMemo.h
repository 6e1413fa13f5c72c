#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace pelcor {

// The program's multi-line text box: a plain-text edit whose paste (Ctrl+V, Shift+Insert,
// the context menu, the middle button, a drop) takes only text and never hands the
// clipboard's data to the toolkit's own insertion. That insertion reads the first of the
// data's formats without asking whether there is one, and an empty clipboard (a fresh
// desktop session, or the program that owned the clipboard gone) offers data with no
// formats at all: the paste would crash the program. Pasting here inserts the clipboard's
// text, if it has any, as typing it would; anything else (no data, a picture) inserts nothing.
class PlainMemo : public QPlainTextEdit {
public:
    explicit PlainMemo(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace pelcor
