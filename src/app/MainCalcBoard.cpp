// The drawing board's toolbar, mouse and text tool.

#include "app/MainCalc.h"

#include "calc/CalcKeypad.h"
#include "geometry/ShapeMeasure.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/FormatNumber.h"
#include "platform/widgets/PictureBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace pelcor {

namespace {

// The tool buttons' pictures: the normal look and the look while the tool is active.
struct ToolGlyph {
    const char* button;
    int tag;
    const char* normal;
    const char* active;
};
const ToolGlyph kToolGlyphs[] = {
    {"BitBtn4", 0, "BMPFiles\\Pointer.bmp", "BMPFiles\\Pointer1.bmp"},
    {"BitBtn8", 1, "BmpFiles\\Move.bmp", "BmpFiles\\Move1.bmp"},
    {"BitBtn12", 2, "BmpFiles\\Line.bmp", "BmpFiles\\Line1.bmp"},
    {"BitBtn16", 3, "BmpFiles\\Box.bmp", "BmpFiles\\Box1.bmp"},
    {"BitBtn24", 5, "BmpFiles\\Circle.bmp", "BmpFiles\\Circle1.bmp"},
    {"BitBtn3", 6, "BmpFiles\\Para3.bmp", "BmpFiles\\Para31.bmp"},
    {"BitBtn7", 7, "BmpFiles\\Para2.bmp", "BmpFiles\\Para21.bmp"},
    {"BitBtn11", 8, "BmpFiles\\Para1.bmp", "BmpFiles\\Para11.bmp"},
    {"BitBtn15", 9, "BmpFiles\\Triangle.bmp", "BmpFiles\\Triangle1.bmp"},
    {"BitBtn19", 10, "BmpFiles\\Elipse.bmp", "BmpFiles\\Elipse1.bmp"},
    {"BitBtn6", 12, "BmpFiles\\Rotate.bmp", "BmpFiles\\Rotate1.bmp"},
    {"BitBtn14", 15, "BmpFiles\\Hex.bmp", "BmpFiles\\Hex1.bmp"},
    {"BitBtn18", 16, "BmpFiles\\Eraser.bmp", "BmpFiles\\Eraser1.bmp"},
    {"BitBtn1", 18, "BmpFiles\\Colr1.bmp", "BmpFiles\\Colr11.bmp"},
    {"BitBtn5", 19, "BmpFiles\\Text.bmp", "BmpFiles\\Text1.bmp"},
};

bool IsGreen(QPushButton* b) {
    return CalcKeypad::FontColor(b) == colors::Green;
}

} // namespace

void TMainCalc1::buildTextFrame() {
    QFrame* frame = panel("TextFrame");
    auto* title = new QLabel("Add Text", frame);
    title->setObjectName("AddTextLabel");
    title->setGeometry(8, 4, 60, 16);
    auto* text = new QPlainTextEdit(frame);
    text->setObjectName("AddText");
    text->setGeometry(8, 22, 200, 44);
    text->setAccessibleName("Add Text");
    // New text shapes carry the window's design font.
    QFont design("MS Sans Serif");
    design.setPointSize(8);
    text->setFont(design);
    const std::tuple<const char*, const char*, int> buttons[] = {{"FontButt", "Edit Font", 4},
                                                                 {"TextOkButt", "Insert", 26},
                                                                 {"TextCancelButt", "Close", 48}};
    for (const auto& [name, caption, top] : buttons) {
        auto* b = new QPushButton(caption, frame);
        b->setObjectName(name);
        b->setGeometry(216, top, 80, 21);
    }
    connect(frame->findChild<QPushButton*>("TextOkButt"), &QPushButton::clicked, this,
            &TMainCalc1::TextOkButtClick);
    connect(frame->findChild<QPushButton*>("TextCancelButt"), &QPushButton::clicked, this,
            [this, frame] {
                frame->hide();
                boardRenderer_->Settings.SelectedShape = 0;
                TextLabel->hide();
                SelectTool(0);
                focusReadout(static_cast<int>(ReadOut->text().size()), 1);
            });
    connect(frame->findChild<QPushButton*>("FontButt"), &QPushButton::clicked, this, [this, text] {
        // The label shows the chosen font; the board uses it at the moment of insertion.
        if (auto font = dialogs_->chooseFont(TextLabel->font())) TextLabel->setFont(*font);
        text->setFocus();
    });
}

void TMainCalc1::wireToolbar() {
    for (QPushButton* b : CalcPanel2->findChildren<QPushButton*>()) {
        const int tag = b->property("Tag").toInt();
        if (tag == 36 || b->objectName() == "BitBtn27" || b->objectName() == "BitBtn28") continue;
        connect(b, &QPushButton::pressed, this, [this, tag] { DrawButt(tag); });
    }
    Picture11->installEventFilter(this);
    Picture11->setCursor(Qt::CrossCursor);
    // The colour swatches open the colour dialog on a press.
    for (QWidget* swatch : {PenColr, FillColr})
        static_cast<QPlainTextEdit*>(swatch)->viewport()->installEventFilter(this);
}

void TMainCalc1::showToolGlyphs(int tag) {
    for (const ToolGlyph& g : kToolGlyphs)
        CalcPanel2->findChild<QPushButton*>(g.button)->setIcon(
            glyphIcon(g.tag == tag ? g.active : g.normal));
}

void TMainCalc1::closeTextTool() {
    QFrame* frame = panel("TextFrame");
    if (frame->isVisible()) frame->hide();
    Timer1->start();
    boardTools_->MoveMode = false;
    RefLabel->hide();
}

void TMainCalc1::DrawButt(int tag) {
    Timer2->stop();
    QPushButton* solv = CalcPanel2->findChild<QPushButton*>("BitBtn17");
    if (IsGreen(solv)) SelectTool(22); // switches intersection mode off first
    boardTools_->PreviousTool = boardTools_->ActiveTool;
    Formula->clear();
    if (tag <= 17) boardTools_->ActiveTool = tag + 1;
    SelectTool(tag);
}

void TMainCalc1::SelectTool(int tag) {
    if (findChild<QWidget*>("TextEdit")->isVisible() || tag == 13 || tag == 14) return;
    BoardTools& tools = *boardTools_;
    BoardSettings& board = boardRenderer_->Settings;
    QPushButton* solv = CalcPanel2->findChild<QPushButton*>("BitBtn17");
    QPushButton* data = CalcPanel2->findChild<QPushButton*>("BitBtn21");
    auto* messages = findChild<QPlainTextEdit*>("TotalStrg2");
    auto redraw = [this] {
        boardRenderer_->RedrawAllShapes(DrawingList);
        Picture11->update();
    };
    redraw();
    if (tag != 4) {
        tools.PreviousTool = tools.ActiveTool;
        showToolGlyphs(tag);
    }
    if (tag < 20) {
        DisplayMode = 3;
        ShowDisplayMode();
    }
    switch (tag) {
    case 0:
        closeTextTool();
        Picture11->show();
        Picture1->hide();
        tools.RotateMode = false;
        tools.FirstPickDone = false;
        board.SelectedShape = board.SecondSelectedShape = 0;
        CalcKeypad::SetFontColor(solv, colors::Black);
        CalcKeypad::SetFontColor(data, colors::Black);
        pointerUsed_ = true;
        redraw();
        break;
    case 1:
        closeTextTool();
        tools.MoveMode = true;
        break;
    case 2:
    case 3:
    case 5:
    case 9:
    case 15:
        tools.FirstPickDone = false;
        board.SelectedShape = board.SecondSelectedShape = 0;
        redraw();
        closeTextTool();
        Picture11->show();
        if (tag == 9) tools.Working.TextRes6 = "1";
        break;
    case 4: {
        tools.ToggleFill();
        loadGlyph("BitBtn20", tools.FillMode == "S" ? "BmpFiles\\Box21.bmp" : "BmpFiles\\Box2.bmp");
        break;
    }
    case 6:
    case 7:
    case 8:
        closeTextTool();
        board.SelectedShape = 0;
        Picture11->show();
        if (tools.AddFixedShape(tag)) menuAction("SaveGraphicsFile1")->setEnabled(true);
        RepaintBoard();
        SelectTool(0);
        break;
    case 10:
        board.SelectedShape = board.SecondSelectedShape = 0;
        redraw();
        break;
    case 12:
        closeTextTool();
        tools.RotateMode = true;
        break;
    case 16:
        if (!Picture11->isVisible()) break;
        if (board.SelectedShape > 0) {
            tools.MoveMode = false;
            TakeUndoSnapshot(true);
            DrawingList.DeleteShape(board.SelectedShape);
            board.SelectedShape = 0;
            RepaintBoard();
            messages->hide();
        } else {
            CalcKeypad::SetFontColor(solv, colors::Black);
            CalcKeypad::SetFontColor(data, colors::Black);
            describeNothing();
            board.SelectedShape = board.SecondSelectedShape = 0;
            redraw();
            messages->setPlainText(" Please select image To be DELETED\n");
            messages->show();
            messages->raise();
        }
        SelectTool(0);
        break;
    case 19: {
        closeTextTool();
        Picture11->show();
        tools.Working.Kind = kind::Text;
        if (tools.PenX == 0 && tools.PenY == 0) tools.PenX = tools.PenY = 20;
        TextLabel->setText("Text");
        TextLabel->move(tools.PenX, tools.PenY);
        TextLabel->show();
        TextLabel->raise();
        panel("TextFrame")->show();
        panel("TextFrame")->raise();
        break;
    }
    case 20: ToggleSound(); break;
    case 21: ToggleScreenHelp(); break;
    case 22:
        if (IsGreen(solv)) {
            CalcKeypad::SetFontColor(solv, colors::Black);
            CalcKeypad::SetFontColor(data, colors::Black);
            board.SelectedShape = board.SecondSelectedShape = 0;
            tools.FirstPickDone = false;
            redraw();
            messages->hide();
        } else {
            SelectTool(0);
            CalcKeypad::SetFontColor(solv, colors::Green);
            CalcKeypad::SetFontColor(data, colors::Green);
            describeNothing();
            board.SelectedShape = 0;
            tools.FirstPickDone = false;
            redraw();
            messages->setPlainText(
                " Please select first image for intersection i.e. Line-Circle\n");
            messages->show();
            messages->raise();
        }
        break;
    case 23:
        SelectTool(0);
        if (IsGreen(data)) {
            CalcKeypad::SetFontColor(data, colors::Black);
        } else {
            CalcKeypad::SetFontColor(data, colors::Green);
            messages->setPlainText(" Please select image \n");
            messages->show();
            messages->raise();
        }
        describeNothing();
        board.SelectedShape = 0;
        redraw();
        break;
    default: break;
    }
    if (panel("TextFrame")->isVisible()) findChild<QWidget*>("AddText")->setFocus();
}

void TMainCalc1::describeNothing() {
    const ShapeDescription d = DescribeShape(ShapeMeasurement{}, 0, 0);
    if (d.Info) InfoLbl->setText(QString::fromStdString(*d.Info));
}

void TMainCalc1::TextOkButtClick() {
    auto* text = findChild<QPlainTextEdit*>("AddText");
    if (text->toPlainText().isEmpty()) return;
    const QFont font = text->font();
    boardTools_->PenX = TextLabel->x();
    boardTools_->PenY = TextLabel->y();
    if (boardTools_->AddText(text->toPlainText().toStdString(), font.family().toStdString(),
                             font.pointSize(), font.bold() && !font.italic(), TextLabel->height()))
        menuAction("SaveGraphicsFile1")->setEnabled(true);
    RepaintBoard();
    TextLabel->move(boardTools_->PenX, boardTools_->PenY);
    TextLabel->setText("Text");
    text->setFocus();
}

void TMainCalc1::GetSwatchColor(QWidget* swatch) {
    const int current = FromQColor(swatch->palette().color(QPalette::Base));
    const auto chosen = dialogs_->chooseColor(current);
    if (!chosen) return;
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Base, ToQColor(*chosen));
    pal.setColor(QPalette::Window, ToQColor(*chosen));
    swatch->setPalette(pal);
    if (swatch == PenColr) {
        boardTools_->PenColor = *chosen;
        boardRenderer_->canvas().setPenColor(*chosen);
    } else {
        boardTools_->FillColor = *chosen;
        boardRenderer_->canvas().setBrushColor(*chosen);
    }
}

bool TMainCalc1::boardEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (QWidget* swatch : {PenColr, FillColr}) {
            if (watched == static_cast<QPlainTextEdit*>(swatch)->viewport()) {
                GetSwatchColor(swatch);
                return true;
            }
        }
    }
    if (watched != Picture11) return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* me = static_cast<QMouseEvent*>(event);
    const int x = me->position().toPoint().x(), y = me->position().toPoint().y();
    BoardTools& tools = *boardTools_;
    QFrame* textFrame = panel("TextFrame");
    if (type == QEvent::MouseButtonPress) { // Picture11MouseDown
        InfoLbl->clear();
        Formula->clear();
        tools.PenColor = FromQColor(PenColr->palette().color(QPalette::Base));
        tools.FillColor = FromQColor(FillColr->palette().color(QPalette::Base));
        // A right press on a selected shape opens the edit frame, and a press on a handle
        // (the size-all or drag cursor) picks and moves shapes: both start here, before
        // the tools see the press, once selection and the edit frame are kept.
        tools.MouseDown(x, y, me->button() == Qt::RightButton);
        if (textFrame->isVisible()) {
            TextLabel->move(tools.PenX, tools.PenY);
            TextLabel->show();
        }
        Picture11->update();
        return true;
    }
    if (type == QEvent::MouseMove) { // Picture11MouseMove
        InfoLbl->clear();
        if (FormulaPanel->isVisible() || textFrame->isVisible() ||
            panel("ViewerPanel")->isVisible())
            return false;
        TextLabel->hide();
        CalcPanel->memLabel()->setText(
            QString("X = %1   Y = %2")
                .arg(QString::fromStdString(FormatNumber(x / 10.0 - 16, "###.###")),
                     QString::fromStdString(FormatNumber(16 - y / 10.0, "###.###"))));
        CalcPanel->memLabel()->show();
        const BoardCursor cursor = tools.CursorAt(x, y);
        Picture11->setCursor(cursor == BoardCursor::SizeAll ? Qt::SizeAllCursor
                             : cursor == BoardCursor::Drag  ? Qt::ClosedHandCursor
                                                            : Qt::CrossCursor);
        tools.MouseMove(x, y, me->buttons() & Qt::LeftButton);
        Picture11->update();
        return false; // the information line's own rule sees the move too
    }
    // Picture11MouseUp
    const bool textOpen = textFrame->isVisible();
    const ShapeRecord working = tools.Working;
    const int added = tools.MouseUp(x, y, !textOpen);
    if (added) {
        menuAction("SaveGraphicsFile1")->setEnabled(true);
        // A new shape states its general formula.
        if (auto info = MeasureShape(working).Info) InfoLbl->setText(QString::fromStdString(*info));
    }
    if (textOpen) findChild<QWidget*>("AddText")->setFocus();
    if (added) RepaintBoard();
    Picture11->update();
    return true;
}

} // namespace pelcor
