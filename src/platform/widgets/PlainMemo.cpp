#include "platform/widgets/PlainMemo.h"

#include <QMimeData>

namespace pelcor {

namespace {

bool HasText(const QMimeData* source) {
    return source && source->hasText();
}

} // namespace

bool PlainMemo::canInsertFromMimeData(const QMimeData* source) const {
    return !isReadOnly() && HasText(source);
}

void PlainMemo::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !HasText(source)) return;
    const QString text = source->text();
    if (text.isEmpty()) return;
    insertPlainText(text);
    ensureCursorVisible();
}

} // namespace pelcor
