#include "reference/SheetsView.h"

#include "platform/Colors.h"
#include "platform/widgets/PictureBox.h"
#include "reference/FormulaTopics.h"

namespace pelcor {

namespace {

// The board's origin, its centre, through which the sheets draw their axes.
constexpr double BoardOriginX = 160;
constexpr double BoardOriginY = 160;

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
      reference_(screens) {}

void SheetsView::TrigSheetClick(TrigSheet sheet) {
    screens_.stopClock(); // the sheet takes the gallery's picture
    if (screens_.isShown(ScreenPicture::RefLabel)) {
        screens_.showDisplayMode();
        screens_.hidePicture(ScreenPicture::RefLabel);
        screens_.setTitle("");
    }
    emit leaveBoardInteraction();
    screens_.hidePicture(ScreenPicture::Picture1);
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
        screens_.hidePicture(ScreenPicture::Picture1);
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
    screens_.setReferenceText(ElectricalReference::Text(), ElectricalReference::Background);
}

} // namespace pelcor
