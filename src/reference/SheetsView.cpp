#include "reference/SheetsView.h"

#include "platform/Colors.h"
#include "platform/widgets/PictureBox.h"
#include "reference/FormulaTopics.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace pelcor {

namespace {

// The board's origin, its centre, through which the sheets draw their axes.
constexpr double BoardOriginX = 160;
constexpr double BoardOriginY = 160;

// A label's text ends its lines with carriage returns, which a label alone would run
// together: this paints each line under the one before, in the label's font and colours.
class CarriageReturnLines : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label || event->type() != QEvent::Paint || !label->text().contains('\r')) return false;
        QPainter p(label);
        p.fillRect(label->rect(), label->palette().color(QPalette::Window));
        p.setFont(label->font());
        p.setPen(label->palette().color(QPalette::WindowText));
        const QFontMetrics fm(label->font());
        const QRect box = label->contentsRect();
        int y = box.top() + fm.ascent();
        for (const QString& line : label->text().split('\r', Qt::SkipEmptyParts)) {
            p.drawText(box.left() + 1, y, line);
            y += fm.lineSpacing();
        }
        return true;
    }
};

QString Joined(const std::vector<SheetText>& texts, size_t count) {
    QStringList parts;
    for (size_t i = 0; i < texts.size() && i < count; ++i)
        parts << QString::fromStdString(texts[i].text);
    return parts.join(' ');
}

} // namespace

SheetsView::SheetsView(Pictures pictures, Screens& screens, const SheetsSurroundings& surroundings,
                       QObject* parent)
    : QObject(parent), pictures_(pictures), screens_(screens), surroundings_(surroundings),
      reference_(screens) {
    if (pictures_.RefLabel)
        pictures_.RefLabel->installEventFilter(new CarriageReturnLines(pictures_.RefLabel));
}

void SheetsView::TrigSheetClick(TrigSheet sheet) {
    screens_.stopClock(); // the sheet takes the gallery's picture
    if (screens_.isShown(ScreenPicture::RefLabel)) {
        screens_.showDisplayMode();
        pictures_.RefLabel->hide();
        screens_.setTitle("");
    }
    emit leaveBoardInteraction();
    pictures_.Picture1->hide();
    screens_.showOnly(ScreenPicture::Picture11);
    screens_.showDisplayMode(DisplayMode::Gallery);

    const TrigSheetInfo& info = TrigSheetData(sheet);
    const int background = surroundings_.boardBackground();
    DrawTrigSheet(pictures_.Picture1->canvas(), sheet, background, BoardOriginX, BoardOriginY);
    pictures_.Picture1->setDrawing([sheet, background](Surface& surface) {
        DrawTrigSheet(surface, sheet, background, BoardOriginX, BoardOriginY);
    });
    pictures_.Picture1->update();
    pictures_.Picture1->setAccessibleDescription(QString::fromUtf8(info.title));
    screens_.setTitle(info.title);
}

void SheetsView::ShowChooser() {
    std::vector<SheetText> texts;
    DrawChooser(pictures_.Picture2->canvas(), &texts);
    pictures_.Picture2->setDrawing([](Surface& surface) { DrawChooser(surface); });
    pictures_.Picture2->update();
    pictures_.Picture2->setAccessibleDescription(Joined(texts, 4));
}

void SheetsView::ShowTopic(int tag) {
    if (!DrawTopic(pictures_.Picture2->canvas(), tag)) return;
    pictures_.Picture2->setDrawing([tag](Surface& surface) { DrawTopic(surface, tag); });
    pictures_.Picture2->update();
    pictures_.Picture2->setAccessibleDescription(QString::fromStdString(TopicCaption(tag)));
}

void SheetsView::ElectroPower1Click() {
    switch (reference_.toggle(surroundings_.textEditorOpen())) {
    case ElectricalReference::Toggle::Ignored: break;
    case ElectricalReference::Toggle::Opened:
        fillReferenceLabel();
        emit referenceOpened();
        break;
    case ElectricalReference::Toggle::Closed:
        emit leaveBoardInteraction();
        pictures_.Picture1->hide();
        screens_.showOnly(ScreenPicture::Picture11);
        emit restoreStartPictureRequested();
        break;
    }
}

void SheetsView::PrepareReference(DisplayMode from) {
    reference_.shownFrom(from);
    screens_.setTitle("");
    fillReferenceLabel();
}

void SheetsView::fillReferenceLabel() {
    QLabel* label = pictures_.RefLabel;
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(ElectricalReference::Background));
    label->setPalette(palette);
    if (pictures_.Picture11) label->setGeometry(pictures_.Picture11->geometry());
    label->setText(QString::fromStdString(ElectricalReference::Text()));
    label->update();
}

} // namespace pelcor
