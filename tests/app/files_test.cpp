#include "Shapes.h"
#include "TestWindow.h"

#include "drawing/DrawingFile.h"
#include "gallery/GalleryView.h"
#include "platform/AtomicFile.h"
#include "platform/BmpCodec.h"
#include "platform/Colors.h"
#include "platform/JpegCodec.h"
#include "platform/widgets/DesktopDialogs.h"
#include "platform/widgets/PictureBox.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>

using namespace pelcor;
using pelcor::testing::Answer;
using pelcor::testing::DrawExample;
using pelcor::testing::ExampleDrawing;
using pelcor::testing::TestWindow;

namespace {

constexpr int kBackground = 9153434;

QString Field(TMainCalc1& w, const char* name) {
    return w.findChild<QLineEdit*>(name)->text();
}

std::string FileBytes(const QString& path) {
    std::string bytes;
    ReadWholeFile(path.toStdString(), bytes);
    return bytes;
}

int BoardPixel(TMainCalc1& w, int x, int y) {
    return w.findChild<PictureBox*>("Picture11")->canvas().pixel(x, y);
}

bool Near(int color, int expected, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(((color >> shift) & 255) - ((expected >> shift) & 255)) > tolerance)
            return false;
    return true;
}

} // namespace

TEST(DrawingFiles, SavingWritesTheFileAndMakesItTheBaseline) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    DrawExample(w);
    EXPECT_TRUE(w.document().Changed());
    EXPECT_EQ(Field(w, "CurrentFile"), "No File");

    const QString plain = dir.filePath("house");
    t.dialogs.fileNames << plain;
    w.menuAction("SaveGraphicsFile1")->trigger();
    ASSERT_EQ(t.dialogs.fileQuestions.size(), 1u);
    EXPECT_TRUE(t.dialogs.fileQuestions[0].save);
    EXPECT_EQ(t.dialogs.fileQuestions[0].filter, "Pcz Files (*.pcz)|*.pcz");
    EXPECT_EQ(t.dialogs.fileQuestions[0].filterIndex, 1);
    EXPECT_EQ(t.dialogs.fileQuestions[0].name, "");

    EXPECT_EQ(FileBytes(plain + ".pcz"), DrawingFile::FileBytes(w.document().list()));
    EXPECT_FALSE(QFile::exists(plain));
    EXPECT_EQ(Field(w, "CurrentFile"), plain + ".pcz");
    EXPECT_EQ(w.document().FileName(), (plain + ".pcz").toStdString());
    EXPECT_FALSE(w.document().Changed());
    EXPECT_EQ(w.document().history().UndoSteps(), 0u); // saving is no step
    EXPECT_FALSE(w.menuAction("Undo1")->isEnabled());  // saving does not offer undo

    // The next save proposes the remembered name; an upper-case extension gets ".pcz".
    t.dialogs.fileNames << dir.filePath("upper.PCZ");
    w.menuAction("SaveGraphicsFile1")->trigger();
    EXPECT_EQ(t.dialogs.fileQuestions[1].name, plain + ".pcz");
    EXPECT_TRUE(QFile::exists(dir.filePath("upper.PCZ.pcz")));

    // A cancelled dialog writes nothing.
    w.menuAction("SaveGraphicsFile1")->trigger();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(DrawingFiles, AWriteThatCannotHappenChangesNothing) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    DrawExample(w);
    const QString good = dir.filePath("good.pcz");
    w.drawingCommands().Write(good.toStdString());
    w.document().list().DeleteShape(1);
    const std::string changed = w.document().Text();

    w.drawingCommands().Write("");
    EXPECT_EQ(t.info()->text(), "*** Invalid - file name missing ***");
    EXPECT_EQ(t.sound.beeps, 1);

    const QString unreachable = dir.filePath("no such folder/drawing.pcz");
    w.drawingCommands().Write(unreachable.toStdString());
    EXPECT_TRUE(t.info()->text().startsWith("*** The drawing was not saved in " + unreachable))
        << t.info()->text().toStdString();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()); // reported once, in the information line
    EXPECT_EQ(w.document().Text(), changed);
    EXPECT_EQ(w.document().FileName(), good.toStdString());
    EXPECT_EQ(Field(w, "CurrentFile"), good);
    EXPECT_TRUE(w.document().Changed());
    EXPECT_EQ(FileBytes(good).substr(0, 4), ":(1)");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"good.pcz"});
}

TEST(DrawingFiles, LoadingShowsTheDrawingOnTheBoard) {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.pcz");
    {
        TestWindow first;
        DrawExample(first.window());
        first.window().drawingCommands().Write(path.toStdString());
    }
    TestWindow t;
    TMainCalc1& w = t.window();
    w.screens().showDisplayMode(DisplayMode(0));
    t.dialogs.fileNames << path;
    w.menuAction("LoadGraphicsFile1")->trigger();
    ASSERT_EQ(t.dialogs.fileQuestions.size(), 1u);
    EXPECT_FALSE(t.dialogs.fileQuestions[0].save);
    EXPECT_EQ(t.dialogs.fileQuestions[0].filter, "Pcz Files (*.pcz)|*.pcz");

    EXPECT_EQ(w.document().list().ShapeCount(), 2);
    EXPECT_EQ(DrawingFile::FileBytes(w.document().list()), FileBytes(path));
    EXPECT_EQ(Field(w, "ImagesTotal"), "2");
    EXPECT_EQ(Field(w, "CurrentFile"), path);
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
    EXPECT_TRUE(w.findChild<QWidget*>("Picture11")->isVisible());
    EXPECT_TRUE(w.menuAction("SaveGraphicsFile1")->isEnabled());
    EXPECT_TRUE(w.menuAction("Undo1")->isEnabled()); // loading is a step
    EXPECT_FALSE(w.document().Changed());
    EXPECT_EQ(BoardPixel(w, 185, 140), 65280); // the circle's fill
    EXPECT_EQ(BoardPixel(w, 110, 104), 16777215);
}

TEST(DrawingFiles, ADrawingNamedOnTheCommandLineOpensAsLoadGraphicsFileOpensIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("given.pcz");
    {
        TestWindow first;
        DrawExample(first.window());
        first.window().drawingCommands().Write(path.toStdString());
    }
    const QString missing = dir.filePath("missing.pcz");
    QString menuMessage;
    {
        TestWindow t;
        t.window().screens().showDisplayMode(DisplayMode(0));
        t.dialogs.fileNames << missing;
        t.window().menuAction("LoadGraphicsFile1")->trigger();
        menuMessage = t.info()->text();
    }
    TestWindow t;
    TMainCalc1& w = t.window();
    w.screens().showDisplayMode(DisplayMode(0));
    w.drawingCommands().Open(missing.toStdString());
    EXPECT_EQ(t.info()->text(), menuMessage);
    EXPECT_EQ(menuMessage, "*** Invalid file name error ***" + missing);
    EXPECT_TRUE(w.isVisible());

    w.drawingCommands().Open(path.toStdString());
    EXPECT_EQ(DrawingFile::FileBytes(w.document().list()), FileBytes(path));
    EXPECT_EQ(Field(w, "CurrentFile"), path);
    EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 3);
    EXPECT_FALSE(w.document().Changed());
    EXPECT_EQ(BoardPixel(w, 185, 140), 65280);
    EXPECT_TRUE(t.dialogs.fileQuestions.empty());
}

TEST(DrawingFiles, AMissingOrDamagedFileLeavesTheDrawingAsItWas) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    DrawExample(w);
    const std::string before = w.document().Text();

    const QString missing = dir.filePath("missing.pcz");
    w.drawingCommands().Read(missing.toStdString());
    EXPECT_EQ(t.info()->text(), "*** Invalid file name error ***" + missing);
    EXPECT_EQ(w.document().Text(), before);
    EXPECT_EQ(w.document().FileName(), missing.toStdString());
    EXPECT_EQ(Field(w, "CurrentFile"), "No File");

    const std::string good = DrawingFile::FileBytes(w.document().list());
    const std::string damaged[] = {
        good.substr(0, good.find("IMAGES{")),
        good.substr(0, good.find("IMAGES{")) + "IMAGES{lots}\r\n",
        std::string(good).replace(good.find("[W]"), 3, "[W"),
        std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
    };
    int n = 0;
    for (const std::string& bytes : damaged) {
        const QString path = dir.filePath(QString("bad%1.pcz").arg(++n));
        ASSERT_EQ(WriteFileAtomically(path.toStdString(), bytes), "");
        w.drawingCommands().Read(path.toStdString());
        EXPECT_TRUE(t.info()->text().startsWith("*** Not loaded: " + path + " - "))
            << t.info()->text().toStdString();
        EXPECT_EQ(w.document().Text(), before) << n;
        EXPECT_EQ(Field(w, "ImagesTotal"), "2");
        EXPECT_EQ(Field(w, "CurrentFile"), "No File");
        EXPECT_EQ(BoardPixel(w, 185, 140), 65280);
    }
}

TEST(DrawingFiles, AnEmptyBoardSavesAndLoadsAsEmpty) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.pcz");
    w.drawingCommands().Write(path.toStdString());
    EXPECT_EQ(FileBytes(path), "\xFF\r\nIMAGES{0}\r\n");
    DrawExample(w);
    w.drawingCommands().Read(path.toStdString());
    EXPECT_EQ(w.document().list().ShapeCount(), 0);
    EXPECT_EQ(Field(w, "ImagesTotal"), "0");
    EXPECT_EQ(BoardPixel(w, 185, 140), BoardPixel(w, 5, 5)); // the circle is gone
    ShapeRecord square;
    square.Kind = "SQUARE";
    square.X2 = square.Y2 = 30;
    EXPECT_EQ(w.document().list().AppendShape(square, {}), 1);
}

TEST(ClearAndUndo, CLSEmptiesBoardAndTapeAndUndoBringsTheDrawingBack) {
    TestWindow t;
    TMainCalc1& w = t.window();
    DrawExample(w);
    for (const char* b : {"Butt5", "XPlusButt", "Butt3", "Buttequals"})
        t.click(b);
    ASSERT_FALSE(t.tape().isEmpty());

    t.click("CLSButt");
    EXPECT_EQ(w.document().Text(), "\xFF");
    EXPECT_EQ(Field(w, "ImagesTotal"), "0");
    EXPECT_EQ(t.tape(), "");
    EXPECT_EQ(w.calculator().tape(), "");
    EXPECT_FALSE(w.document().Changed()); // "CLS" makes the empty board the baseline
    EXPECT_EQ(BoardPixel(w, 185, 140), BoardPixel(w, 5, 5));
    ASSERT_TRUE(w.menuAction("Undo1")->isEnabled());

    const std::string drawn = ExampleDrawing().Text();
    w.menuAction("Undo1")->trigger();
    EXPECT_EQ(w.document().Text(), drawn);
    EXPECT_EQ(w.document().list().ShapeCount(), 2);
    EXPECT_EQ(Field(w, "ImagesTotal"), "2");
    EXPECT_EQ(BoardPixel(w, 185, 140), 65280);
    EXPECT_TRUE(w.document().Changed()); // back on screen, and never saved
    EXPECT_TRUE(w.menuAction("Redo1")->isEnabled());

    // The drawing itself was a step before "CLS": undone too, then both redone.
    ASSERT_TRUE(w.menuAction("Undo1")->isEnabled());
    w.menuAction("Undo1")->trigger();
    EXPECT_EQ(w.document().Text(), "\xFF");
    EXPECT_FALSE(w.menuAction("Undo1")->isEnabled());
    w.drawingCommands().Undo(); // nothing left: nothing changes
    EXPECT_EQ(w.document().Text(), "\xFF");
    w.menuAction("Redo1")->trigger();
    EXPECT_EQ(w.document().Text(), drawn);
    w.menuAction("Redo1")->trigger();
    EXPECT_EQ(w.document().Text(), "\xFF");
    EXPECT_FALSE(w.menuAction("Redo1")->isEnabled());
}

TEST(ClearAndUndo, NewClearsTheBoardButKeepsTheBaseline) {
    TestWindow t;
    TMainCalc1& w = t.window();
    t.dialogs.fileNames.clear();
    w.menuAction("New1")->trigger(); // an empty board stays unchanged
    EXPECT_FALSE(w.document().Changed());

    DrawExample(w);
    QTemporaryDir dir;
    w.drawingCommands().Write(dir.filePath("a.pcz").toStdString());
    t.type("12+");
    w.menuAction("New1")->trigger();
    EXPECT_EQ(w.document().Text(), "\xFF");
    EXPECT_EQ(Field(w, "ImagesTotal"), "0");
    EXPECT_FALSE(w.menuAction("SaveGraphicsFile1")->isEnabled());
    EXPECT_TRUE(w.menuAction("Undo1")->isEnabled());
    EXPECT_TRUE(w.document().Changed());
    EXPECT_FALSE(t.tape().isEmpty()); // unlike "CLS", "New" keeps the tape

    w.menuAction("Undo1")->trigger();
    EXPECT_EQ(w.document().list().ShapeCount(), 2);
    EXPECT_FALSE(w.document().Changed());

    // Away from the board "New" leaves the drawing alone.
    w.screens().showDisplayMode(DisplayMode(1));
    w.drawingCommands().New();
    EXPECT_EQ(w.document().list().ShapeCount(), 2);
}

TEST(ClearAndUndo, UndoAfterADeleteRestoresTheNumbering) {
    TestWindow t;
    TMainCalc1& w = t.window();
    DrawExample(w);
    const std::string before = w.document().Text();
    w.document().Commit(); // the drawing as a step, as the tools leave it
    w.document().list().DeleteShape(1);
    w.RepaintBoard();
    EXPECT_EQ(w.document().list().ExtractShape(1)->Kind, "CIRCLE");
    EXPECT_NE(BoardPixel(w, 110, 104), 16777215);

    w.menuAction("Undo1")->trigger();
    EXPECT_EQ(w.document().Text(), before);
    EXPECT_EQ(w.document().list().ExtractShape(1)->Kind, "LINE");
    EXPECT_EQ(w.document().list().ExtractShape(2)->Kind, "CIRCLE");
    EXPECT_EQ(BoardPixel(w, 110, 104), 16777215);
    EXPECT_EQ(Field(w, "ImagesTotal"), "2");
}

TEST(ClearAndUndo, TheUnsavedQuestionComesExactlyWhenTheDrawingDiffers) {
    QTemporaryDir dir;
    {
        // Saved: only the exit question.
        TestWindow t;
        DrawExample(t.window());
        t.window().drawingCommands().Write(dir.filePath("kept.pcz").toStdString());
        Answer yes(t, "YesExitButt");
        Answer unsaved(t, "ImageExitButt");
        EXPECT_TRUE(t.window().close());
        EXPECT_FALSE(unsaved.asked);
    }
    {
        // "New" after the save: asked, and "Abort Exit" keeps the window.
        TestWindow t;
        t.window().drawingCommands().Read(dir.filePath("kept.pcz").toStdString());
        t.window().menuAction("New1")->trigger();
        {
            Answer yes(t, "YesExitButt");
            Answer abort(t, "AbortExitButt");
            EXPECT_FALSE(t.window().close());
            EXPECT_TRUE(abort.asked);
        }
        // "CLS" leaves the baseline: the loaded drawing would still be lost.
        t.click("CLSButt");
        {
            Answer yes(t, "YesExitButt");
            Answer abort(t, "AbortExitButt");
            EXPECT_FALSE(t.window().close());
            EXPECT_TRUE(abort.asked);
        }
        // Undoing "New" brings the loaded drawing back: nothing to save. ("CLS" of the empty
        // board changed nothing, so it was no step.)
        t.window().menuAction("Undo1")->trigger();
        Answer yes(t, "YesExitButt");
        Answer unsaved(t, "ImageExitButt");
        EXPECT_TRUE(t.window().close());
        EXPECT_FALSE(unsaved.asked);
    }
    {
        // Five shapes drawn, "CLS", "Undo": the shapes are back and unsaved, so exit asks.
        TestWindow t;
        TMainCalc1& w = t.window();
        QWidget* board = w.findChild<QWidget*>("Picture11");
        w.screens().showDisplayMode(DisplayMode::Board);
        for (int i = 0; i < 5; ++i) {
            t.click("BitBtn12"); // line
            QTest::mousePress(board, Qt::LeftButton, {}, {20 + 40 * i, 30});
            QTest::mouseMove(board, {40 + 40 * i, 90});
            QTest::mouseRelease(board, Qt::LeftButton, {}, {40 + 40 * i, 90});
        }
        ASSERT_EQ(w.document().list().ShapeCount(), 5);
        const std::string five = w.document().Text();
        t.click("CLSButt");
        EXPECT_FALSE(w.document().Changed()); // empty, as at the start
        w.menuAction("Undo1")->trigger();
        EXPECT_EQ(w.document().Text(), five);
        Answer yes(t, "YesExitButt");
        Answer abort(t, "AbortExitButt");
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(abort.asked);
    }
}

TEST(Export, TheBoardIsWrittenAsAJpegWithTheDefaultSettings) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    DrawExample(w);
    w.drawingCommands().Write(dir.filePath("house.pcz").toStdString());

    const QString jpeg = dir.filePath("house.jpg");
    t.dialogs.fileNames << jpeg;
    w.menuAction("SaveImageBitmap1")->trigger();
    ASSERT_EQ(t.dialogs.fileQuestions.size(), 1u);
    const auto& asked = t.dialogs.fileQuestions[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, "jpeg files (*.jpg)|*.jpg | Bbitmap files (*.bmp)|*.bmp | "
                            "SVG files (*.svg)|*.svg | PDF files (*.pdf)|*.pdf");
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.name, jpeg); // the drawing's name with the picture's extension
    EXPECT_EQ(t.info()->text(), "Saving file:- " + jpeg);

    std::string error;
    const QImage picture = JpegCodec::ReadFile(jpeg.toStdString(), &error);
    ASSERT_FALSE(picture.isNull()) << error;
    EXPECT_EQ(picture.size(), QSize(320, 320));
    EXPECT_TRUE(Near(FromQColor(picture.pixelColor(20, 20)), kBackground, 6));
    EXPECT_TRUE(Near(FromQColor(picture.pixelColor(185, 140)), 65280, 12));
    EXPECT_EQ(FileBytes(jpeg).substr(0, 2), "\xFF\xD8");

    // The export name is remembered for the next time.
    t.dialogs.fileNames << QString();
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_EQ(t.dialogs.fileQuestions[1].name, jpeg);
}

TEST(Export, SwitchingToBitmapChangesTheNameAndWritesA24BitPicture) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    DrawExample(w);
    w.drawingCommands().ExportFileName = dir.filePath("board.jpg").toStdString();
    const QString bmp = dir.filePath("board.bmp");
    t.dialogs.filterChanges = {2};
    t.dialogs.fileNames << bmp;
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_EQ(t.dialogs.namesPutBack, QStringList{bmp});
    EXPECT_EQ(w.drawingCommands().ExportFilterIndex, 2);
    EXPECT_EQ(t.info()->text(), "Saving file:- " + bmp);

    const std::string bytes = FileBytes(bmp);
    ASSERT_GE(bytes.size(), 54u);
    auto u16 = [&](int at) { return (unsigned char)bytes[at] | (unsigned char)bytes[at + 1] << 8; };
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(u16(18), 320);
    EXPECT_EQ(u16(22), 320);
    EXPECT_EQ(u16(28), 24);
    const QImage picture = BmpCodec::Decode(bytes);
    ASSERT_FALSE(picture.isNull());
    for (QPoint p : {QPoint(0, 0), QPoint(160, 160), QPoint(100, 100), QPoint(319, 319),
                     QPoint(110, 160), QPoint(125, 110)})
        EXPECT_EQ(FromQColor(picture.pixelColor(p)), BoardPixel(w, p.x(), p.y())) << p.x() << p.y();

    // The filter stays on bitmaps, and a name ending in ".jpg" is offered as ".bmp".
    w.drawingCommands().ExportFileName = dir.filePath("other.jpg").toStdString();
    t.dialogs.fileNames << QString();
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_EQ(t.dialogs.fileQuestions[1].filterIndex, 2);
    EXPECT_EQ(t.dialogs.fileQuestions[1].name, dir.filePath("other.bmp"));
}

TEST(Export, SvgAndPdfWriteTheScreensPictureAsShapesAndTexts) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    DrawExample(w);
    w.drawingCommands().ExportFileName = dir.filePath("board.jpg").toStdString();
    // Choosing the filter renames the picture; the filter is remembered.
    const QString svg = dir.filePath("board.svg"), pdf = dir.filePath("board.pdf");
    t.dialogs.filterChanges = {3};
    t.dialogs.fileNames << svg;
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_EQ(t.dialogs.namesPutBack, QStringList{svg});
    EXPECT_EQ(w.drawingCommands().ExportFilterIndex, 3);
    std::string board = FileBytes(svg);
    EXPECT_EQ(board.substr(0, 5), "<?xml");
    // The green-filled red circle as a path, the axes' labels as texts, no picture.
    EXPECT_NE(board.find("fill=\"#00ff00\""), std::string::npos);
    EXPECT_NE(board.find("stroke=\"#ff0000\""), std::string::npos);
    EXPECT_NE(board.find(">-Y</text>"), std::string::npos);
    EXPECT_EQ(board.find("<image"), std::string::npos);

    t.dialogs.filterChanges = {4};
    t.dialogs.fileNames << pdf;
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_EQ(FileBytes(pdf).substr(0, 5), "%PDF-");

    // A gallery figure and a sheet are drawn again the same way, their titles as text.
    t.click("BitBtn23");
    ASSERT_EQ(w.gallery().FigureIndex(), 1);
    t.dialogs.chosenFilter = 3;
    t.dialogs.fileNames << svg;
    w.menuAction("SaveImageBitmap1")->trigger();
    board = FileBytes(svg);
    EXPECT_NE(board.find(">B O X</text>"), std::string::npos);
    EXPECT_EQ(board.find("<image"), std::string::npos);
    w.menuAction("LawofCosines1")->trigger();
    t.dialogs.fileNames << svg;
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_NE(FileBytes(svg).find("</text>"), std::string::npos);
    EXPECT_EQ(FileBytes(svg).find("<image"), std::string::npos);
}

TEST(Export, WithoutAPictureOrAPlaceNothingIsWritten) {
    TestWindow t;
    TMainCalc1& w = t.window();
    QTemporaryDir dir;
    for (int mode : {0, 4}) {
        w.screens().showDisplayMode(DisplayMode(mode));
        t.dialogs.fileNames << dir.filePath("none.jpg");
        w.drawingCommands().Export();
        EXPECT_EQ(t.info()->text(), "There is no picture on this screen to export");
        EXPECT_TRUE(t.dialogs.fileQuestions.empty());
        t.dialogs.fileNames.clear();
    }
    w.screens().showDisplayMode(DisplayMode(3));
    const QString unreachable = dir.filePath("missing folder/board.jpg");
    t.dialogs.fileNames << unreachable;
    w.menuAction("SaveImageBitmap1")->trigger();
    EXPECT_TRUE(t.info()->text().startsWith("*** The picture was not saved in " + unreachable))
        << t.info()->text().toStdString();
    EXPECT_TRUE(
        QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST(FileDialogs, TheDesktopSaveDialogReportsAFilterChangeAndTakesTheNewName) {
    QTemporaryDir dir;
    DesktopDialogs dialogs;
    const QString filter = "jpeg files (*.jpg)|*.jpg | Bbitmap files (*.bmp)|*.bmp";
    QStringList changes;
    QString shownName;
    QString shownFilter;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownFilter = dialog->selectedNameFilter();
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        types->setCurrentIndex(1);
        emit types->activated(1);
        emit types->textActivated(types->itemText(1));
        shownName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    // Never wait for a person, whatever happens above.
    QTimer::singleShot(5000, [] {
        if (QWidget* open = QApplication::activeModalWidget()) open->close();
    });
    int filterIndex = 1;
    const QString chosen = dialogs.saveFileName(
        filter, filterIndex, dir.filePath("board.jpg"), [&](int index, const QString& name) {
            changes << QString::number(index) + " " + name;
            return QString::fromStdString(DrawingFile::ExportName(name.toStdString(), index));
        });
    EXPECT_EQ(shownFilter, "jpeg files (*.jpg)");
    // The dialog's own name box has already followed the filter when the change arrives.
    EXPECT_EQ(changes, QStringList{"2 " + dir.filePath("board.bmp")});
    EXPECT_EQ(shownName, "board.bmp");
    EXPECT_EQ(chosen, dir.filePath("board.bmp"));
    EXPECT_EQ(filterIndex, 2);
}
