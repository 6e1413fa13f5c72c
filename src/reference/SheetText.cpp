#include "reference/SheetText.h"

namespace pelcor {

void SheetWriter::write(const SheetText& t) {
    const Surface::BrushStyle brush = canvas_.brushStyle();
    canvas_.setBrushStyle(Surface::BrushStyle::Clear);
    canvas_.setFont(t.font, t.size, t.color, t.bold);
    canvas_.textOut(t.x, t.y, QString::fromStdString(t.text));
    canvas_.setBrushStyle(brush);
    if (log_) log_->push_back(t);
}

} // namespace pelcor
