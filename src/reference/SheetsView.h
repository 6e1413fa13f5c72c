#pragma once

#include "platform/Screens.h"
#include "reference/ElectricalReference.h"
#include "reference/FormulaSheets.h"

#include <QObject>

namespace pelcor {

class PictureBox;

// What the sheets ask of the features around them; the window answers.
class SheetsSurroundings {
public:
    virtual ~SheetsSurroundings() = default;
    // The drawing board's background colour, which the sheets are drawn on.
    virtual int boardBackground() const = 0;
    // The text editor's memo is shown.
    virtual bool textEditorOpen() const = 0;
};

// The formula sheets on the screen: the nineteen trigonometric sheets on Picture1, the
// formula group chooser and the science topics on Picture2, and the electrical reference,
// which the screen host shows in RefLabel.
//
// The window connects the nineteen "Trigonometric" items to their handlers (or each item
// to TrigSheetClick with TrigSheetOfMenuItem(caption)), "Electrical ref data" to
// ElectroPower1Click, calls ShowChooser after "Formula's" opens its list and ShowTopic from
// a topic cell's click, and calls PrepareReference when "Img" reaches the reference.
class SheetsView : public QObject {
    Q_OBJECT
public:
    struct Pictures {
        PictureBox* Picture1 = nullptr; // the trigonometric sheets
        PictureBox* Picture2 = nullptr; // the chooser and the topics
    };
    SheetsView(Pictures pictures, Screens& screens, const SheetsSurroundings& surroundings,
               QObject* parent = nullptr);

    // Shows a trigonometric sheet on Picture1 with its title over the screen.
    void TrigSheetClick(TrigSheet sheet);
    void Angles1Click() { TrigSheetClick(TrigSheet::Angles); }
    void Area1Click() { TrigSheetClick(TrigSheet::Area); }
    void BasicIdentities1Click() { TrigSheetClick(TrigSheet::BasicIdentities); }
    void DoubleAngle1Click() { TrigSheetClick(TrigSheet::DoubleAngle); }
    void HeronsFormula1Click() { TrigSheetClick(TrigSheet::HeronsFormula); }
    void LawOfCosines1Click() { TrigSheetClick(TrigSheet::LawOfCosines); }
    void LawOfSines1Click() { TrigSheetClick(TrigSheet::LawOfSines); }
    void LawOfTan1Click() { TrigSheetClick(TrigSheet::LawOfTangent); }
    void MollweidesFormula1Click() { TrigSheetClick(TrigSheet::MollweidesFormula); }
    void NewtonsFormula1Click() { TrigSheetClick(TrigSheet::NewtonsFormula); }
    void ProductToSum1Click() { TrigSheetClick(TrigSheet::ProductToSum); }
    void PythagoreanIndentities1Click() { TrigSheetClick(TrigSheet::PythagoreanIdentities); }
    void RadiusOfCircumscribed1Click() { TrigSheetClick(TrigSheet::RadiusOfCircumscribed); }
    void RadiusOfInscribed1Click() { TrigSheetClick(TrigSheet::RadiusOfInscribed); }
    void RightTriangleDefinition1Click() { TrigSheetClick(TrigSheet::RightTriangleDefinition); }
    void SumAndDifference1Click() { TrigSheetClick(TrigSheet::SumAndDifference); }
    void SumToProduct1Click() { TrigSheetClick(TrigSheet::SumToProduct); }
    void SymmetryProperties1Click() { TrigSheetClick(TrigSheet::SymmetryProperties); }
    void TriangleSides1Click() { TrigSheetClick(TrigSheet::TriangleSides); }

    // The chooser on Picture2, after "Formula's" has opened its list.
    void ShowChooser();
    // A topic (Tag 401 to 414) on Picture2; other Tags change nothing.
    void ShowTopic(int tag);

    // "Electrical ref data": shows the reference, or closes it and goes back to the mode it
    // was opened from. Nothing happens while the text editor's memo is open.
    void ElectroPower1Click();
    // Puts the reference on the screen for "Img", which has just stepped the screen to the
    // reference from `from`.
    void PrepareReference(DisplayMode from = DisplayMode::Board);

signals:
    // Any pending drawing tool or selection on the board is to be dropped.
    void leaveBoardInteraction();
    // The reference is shown: the window enables "Print", disables "Save Text File" and
    // releases the information line's lock.
    void referenceOpened();
    // The reference closed: the next quiet tick of the idle timer is to put the start
    // picture back (connect to OrbitView::RequestStartPicture).
    void restoreStartPictureRequested();

private:
    void fillReferenceLabel();

    Pictures pictures_;
    Screens& screens_;
    const SheetsSurroundings& surroundings_;
    ElectricalReference reference_;
};

} // namespace pelcor
