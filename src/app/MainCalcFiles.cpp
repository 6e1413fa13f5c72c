// The drawing's files, its clearing commands, undo, and the export of the screen's picture.
#include "app/MainCalc.h"

#include "calc/CalcKeypad.h"
#include "drawing/DrawingFile.h"
#include "platform/AtomicFile.h"
#include "platform/BmpCodec.h"
#include "platform/Dialogs.h"
#include "platform/JpegCodec.h"
#include "platform/widgets/PictureBox.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pelcor {

namespace {

const QString kGraphicsFilter = "Pcz Files (*.pcz)|*.pcz";
const QString kExportFilter = "jpeg files (*.jpg)|*.jpg | Bbitmap files (*.bmp)|*.bmp";
const QString kSavingFile = "Saving file:- ";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void TMainCalc1::wireFileCommands() {
    connect(menuAction("New1"), &QAction::triggered, this, &TMainCalc1::New1Click);
    connect(menuAction("SaveGraphicsFile1"), &QAction::triggered, this,
            &TMainCalc1::SaveGraphicsFile1Click);
    connect(menuAction("LoadGraphicsFile1"), &QAction::triggered, this,
            &TMainCalc1::LoadGraphicsFile1Click);
    connect(menuAction("SaveImageBitmap1"), &QAction::triggered, this,
            &TMainCalc1::SaveImageBitmap1Click);
    connect(menuAction("Undo1"), &QAction::triggered, this, &TMainCalc1::Undo1Click);
    connect(CalcPanel->button("CLSButt"), &QPushButton::clicked, this, &TMainCalc1::CLSButtClick);
    if (auto* current = findChild<QLineEdit*>("CurrentFile"); current && current->text().isEmpty())
        current->setText("No File");
}

void TMainCalc1::TakeUndoSnapshot(bool offerUndo) {
    UndoSnapshot = DrawingList;
    if (offerUndo) menuAction("Undo1")->setEnabled(true);
}

// --- save and load --------------------------------------------------------------------------

void TMainCalc1::SaveGraphicsFile1Click() {
    int filterIndex = 1;
    const QString chosen =
        dialogs_->saveFileName(kGraphicsFilter, filterIndex, Q(DrawingFileName()));
    if (chosen.isEmpty()) return;
    WriteGraphicsFile(chosen.toStdString());
}

void TMainCalc1::WriteGraphicsFile(const std::string& name) {
    if (name.empty()) {
        InfoLbl->setText("*** Invalid - file name missing ***");
        ErrorBeep();
        return;
    }
    const std::string path = DrawingFile::WithExtension(name);
    // A failed write changes nothing: the name, the baseline and the snapshot stay.
    const std::string failure = WriteFileAtomically(path, DrawingFile::FileBytes(DrawingList));
    if (!failure.empty()) {
        InfoLbl->setText(Q("*** The drawing was not saved in " + path + ": " + failure + " ***"));
        ErrorBeep();
        return;
    }
    findChild<QLineEdit*>("CurrentFile")->setText(Q(path));
    settings_.drawingFile = path;
    EditBackup = DrawingListText();
    TakeUndoSnapshot(false);
}

void TMainCalc1::LoadGraphicsFile1Click() {
    const QString chosen = dialogs_->openFileName(kGraphicsFilter, 1, Q(DrawingFileName()));
    if (chosen.isEmpty()) return;
    boardRenderer_->Settings.SelectedShape = 0;
    ReadGraphicsFile(chosen.toStdString());
    DisplayMode = 3;
    ShowDisplayMode();
}

void TMainCalc1::ReadGraphicsFile(const std::string& name) {
    TakeUndoSnapshot(false);
    if (name.empty()) return;
    settings_.drawingFile = name;
    const QFileInfo file(Q(name));
    if (!file.exists() || file.isDir()) {
        InfoLbl->setText(Q("*** Invalid file name error ***" + name));
        ErrorBeep();
        return;
    }
    // The file is read and checked whole before anything on screen changes.
    std::string bytes;
    DrawingFile::Contents contents;
    std::string problem;
    if (!ReadWholeFile(name, bytes))
        problem = "the file could not be read";
    else
        problem = DrawingFile::Parse(bytes, contents);
    if (!problem.empty()) {
        InfoLbl->setText(Q("*** Not loaded: " + name + " - " + problem + " ***"));
        ErrorBeep();
        return;
    }
    findChild<QLineEdit*>("CurrentFile")->setText(Q(name));
    DrawingList = std::move(contents.list);
    menuAction("SaveGraphicsFile1")->setEnabled(true);
    Formula->clear();
    Picture11->show();
    Picture1->hide();
    RepaintBoard(); // also shows the count in ImagesTotal
    EditBackup = DrawingListText();
    TakeUndoSnapshot(false);
}

// --- clearing and undo ----------------------------------------------------------------------

void TMainCalc1::New1Click() {
    // On the other screens "New" belongs to what they show.
    if (DisplayMode != 3) return;
    TakeUndoSnapshot(true);
    DrawingList.Clear();
    RepaintBoard();
    menuAction("SaveGraphicsFile1")->setEnabled(false);
}

void TMainCalc1::CLSButtClick() {
    if (QFrame* edit = panel("EditFrame"); edit && edit->isVisible()) edit->hide();
    if (Picture11->isVisible()) {
        TakeUndoSnapshot(true);
        DrawingList.Clear();
        EditBackup = DrawingListText();
        RepaintBoard();
    } else {
        if (Picture1->isVisible()) {
            Picture1->canvas().clear(boardRenderer_->Settings.BackgroundColor);
            Picture1->update();
            closeTextTool();
        }
        if (auto* text = findChild<QPlainTextEdit*>("TextEdit"); text && text->isVisible())
            text->clear();
    }
    calc_.LoadTape("");
    syncCalculator();
    QFrame* textFrame = panel("TextFrame");
    QWidget* addText = findChild<QWidget*>("AddText");
    if (textFrame && textFrame->isVisible() && addText) {
        addText->setFocus();
    } else {
        SelectTool(0);
        focusReadout(static_cast<int>(ReadOut->text().size()), 0);
    }
}

void TMainCalc1::Undo1Click() {
    QAction* undo = menuAction("Undo1");
    if (!undo->isEnabled()) return; // one step only
    DrawingList = UndoSnapshot;
    EditBackup = DrawingListText();
    boardRenderer_->RedrawAllShapes(DrawingList);
    Picture11->update();
    findChild<QLineEdit*>("ImagesTotal")->setText(QString::number(DrawingList.ShapeCount()));
    undo->setEnabled(false);
}

// --- export ---------------------------------------------------------------------------------

void TMainCalc1::SaveImageBitmap1Click() {
    PictureBox* picture = DisplayMode == 1   ? Picture1
                          : DisplayMode == 2 ? Picture2
                          : DisplayMode == 3 ? Picture11
                                             : nullptr;
    if (!picture) {
        InfoLbl->setText("There is no picture on this screen to export");
        return;
    }
    const std::string start = ExportFileName.empty() ? DrawingFileName() : ExportFileName;
    int filterIndex = ExportFilterIndex;
    const QString name = Q(DrawingFile::ExportName(start, filterIndex));
    auto filterChanged = [this](int index, const QString& current) {
        const QString renamed = Q(DrawingFile::ExportName(current.toStdString(), index));
        InfoLbl->setText(kSavingFile + renamed);
        return renamed;
    };
    const QString chosen = dialogs_->saveFileName(kExportFilter, filterIndex, name, filterChanged);
    if (chosen.isEmpty()) return;
    ExportFilterIndex = filterIndex;
    ExportFileName = chosen.toStdString();
    InfoLbl->setText(kSavingFile + chosen);

    std::string failure;
    if (filterIndex == 2) {
        QImage bitmap(Picture11->width(), Picture11->height(), QImage::Format_RGB888);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, picture->canvas().image());
        painter.end();
        failure = BmpCodec::WriteFile(ExportFileName, bitmap);
    } else {
        failure = JpegCodec::WriteFile(ExportFileName, picture->canvas().image());
    }
    if (!failure.empty()) {
        InfoLbl->setText(
            Q("*** The picture was not saved in " + ExportFileName + ": " + failure + " ***"));
        ErrorBeep();
    }
}

} // namespace pelcor
