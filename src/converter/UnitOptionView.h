#pragma once

#include <QRadioButton>

namespace pelcor {

// A unit's radio button in a category frame. Choosing it converts from that unit, also when it
// is chosen already; so its accessible "Toggle" action clicks it, exactly as the mouse and the
// space bar do, and the frame listens to `clicked` alone.
class UnitOption : public QRadioButton {
    Q_OBJECT
public:
    UnitOption(const QString& caption, QWidget* parent);
};

} // namespace pelcor
