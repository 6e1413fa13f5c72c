#pragma once

#include <QAbstractButton>

namespace pelcor {

// The tops of the fourteen rows of a side list (the constants' lists and the personal
// entries), each cell at left 4, 137 x 20.
inline constexpr int SideListRowTops[14] = {23,  44,  65,  86,  107, 128, 149,
                                            170, 192, 213, 234, 255, 276, 297};

// One constant cell: a caption on a coloured ground with a single border. It is a button,
// so the keyboard and assistive technology can press it like a click; moving the pointer
// over it, or reaching it with the Tab key, counts as hovering.
class ConstantCell : public QAbstractButton {
    Q_OBJECT
public:
    ConstantCell(const QString& name, int tag, const QString& caption, int color, QWidget* parent);

    int tag() const { return tag_; }
    // The cell's own colour, which it shows unless hover help has painted it.
    int color() const { return color_; }
    // The colour it shows now (white while highlighted).
    int shownColor() const { return shown_; }
    void paint(int color);

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int tag_;
    int color_;
    int shown_;
};

} // namespace pelcor
