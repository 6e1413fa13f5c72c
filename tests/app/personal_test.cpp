#include "TestWindow.h"

#include "platform/BmpCodec.h"
#include "platform/SettingsFile.h"
#include "platform/widgets/PictureBox.h"
#include "reference/ImageViewerView.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

// A picture of one colour, or of two halves side by side (the loader tells a bitmap by
// its bytes, whatever the file's name).
void WritePicture(const QString& path, QRgb left, QRgb right = 0) {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(left);
    for (int y = 0; right && y < 10; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, right);
    ASSERT_EQ(BmpCodec::WriteFile(path.toStdString(), image), "");
}

QAbstractButton* Child(TestWindow& t, const char* name) {
    return t.window().findChild<QAbstractButton*>(name);
}

void AccessiblePress(QWidget* w) {
    QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QTest::qWait(150); // the press is an animated click
}

TEST(PersonalData, OpensOverTheLeftColumnAndItsEntriesSurviveARestart) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const std::string dir = folder->path().toStdString();
    {
        TestWindow t(dir);
        QWidget* personal = t.window().panel("PersonalPanel");
        const char* leftColumn[] = {"Image2", "PenColr", "FillColr", "FillColorLabel"};
        t.window().menuAction("PersonalData1")->trigger();
        EXPECT_EQ(personal->geometry(), QRect(5, 9, 149, 322));
        for (const char* name : leftColumn)
            EXPECT_FALSE(t.window().findChild<QWidget*>(name)->isVisible()) << name;
        t.window().menuAction("PersonalData1")->trigger(); // twice: the column comes back
        EXPECT_FALSE(personal->isVisible());
        for (const char* name : leftColumn)
            EXPECT_TRUE(t.window().findChild<QWidget*>(name)->isVisible()) << name;

        t.window().menuAction("PersonalData1")->trigger();
        t.type("2.5");
        auto* newTitle = t.window().findChild<QLineEdit*>("NewTitleEdit");
        auto* newValue = t.window().findChild<QLineEdit*>("NewValueEdit");
        QTest::mouseClick(Child(t, "StaticText125"), Qt::RightButton);
        EXPECT_EQ(newValue->text(), "2.5"); // an entry of 0 proposes the readout
        newTitle->setText("My car value");
        t.click("PersonalUpdateButt");
        QTest::mouseClick(Child(t, "StaticText151"), Qt::RightButton);
        newTitle->setText("first\nsecond");
        newValue->setText("1E-6");
        t.click("PersonalUpdateButt");
        t.click("CLRButt");
        AccessiblePress(Child(t, "StaticText151"));
        EXPECT_EQ(t.readout()->text(), "1E-6");
        t.click("PersCloseButt");
        EXPECT_TRUE(t.window().findChild<QWidget*>("Image2")->isVisible());
        t.window().SaveSettings();
    }
    QFile ini(QDir(folder->path()).filePath("Pelcor.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll().count("\r\n"), Settings::kLines);
    TestWindow t(dir);
    EXPECT_EQ(Child(t, "StaticText125")->text(), "My car value");
    EXPECT_EQ(Child(t, "StaticText151")->text(), "first second");
    t.window().menuAction("PersonalData1")->trigger();
    QTest::mouseClick(Child(t, "StaticText125"), Qt::LeftButton);
    EXPECT_EQ(t.readout()->text(), "2.5");
    QTest::mouseClick(Child(t, "StaticText125"), Qt::RightButton); // its own number now
    EXPECT_EQ(t.window().findChild<QLineEdit*>("NewValueEdit")->text(), "2.5");
}

TEST(PictureViewer, OpensOnItsDefaultPictureOrTheSecondChoiceOrEmpty) {
    TestWindow t;
    const QDir dir(QString::fromStdString(t.window().programFiles().dir()));
    dir.mkpath("CalcLibrary");
    QFile::remove(dir.filePath("CalcLibrary/Viewer.jpg"));
    QFile::remove(dir.filePath("Viewer.jpg"));
    auto* viewer = t.window().findChild<QLabel*>("ViewerImage");
    auto shown = [viewer] {
        const QImage image = viewer->pixmap().toImage();
        return image.isNull() ? 0 : image.pixel(100, 100);
    };
    QTest::mouseClick(Child(t, "Image2"), Qt::LeftButton);
    EXPECT_TRUE(t.window().panel("ViewerPanel")->isVisible());
    EXPECT_EQ(t.window().panel("ViewerPanel")->geometry(), QRect(159, 253, 313, 77));
    EXPECT_EQ(viewer->geometry(), QRect(0, 0, 320, 240));
    EXPECT_FALSE(t.window().findChild<QWidget*>("Picture11")->isVisible());
    EXPECT_EQ(shown(), 0u);

    WritePicture(dir.filePath("Viewer.jpg"), qRgb(0, 200, 0));
    QTest::mouseClick(Child(t, "Image2"), Qt::LeftButton);
    EXPECT_EQ(shown(), qRgb(0, 200, 0));
    AccessiblePress(t.button("ViewDefaultButt")); // the default is CalcLibrary's only
    EXPECT_EQ(shown(), qRgb(0, 200, 0));
    WritePicture(dir.filePath("CalcLibrary/Viewer.jpg"), qRgb(200, 0, 0));
    AccessiblePress(t.button("ViewDefaultButt"));
    EXPECT_EQ(shown(), qRgb(200, 0, 0));

    // A picture of the user's, then a file that is none: one message, the picture stays.
    WritePicture(dir.filePath("mine.bmp"), qRgb(0, 0, 200));
    QFile(dir.filePath("junk.jpg")).open(QIODevice::WriteOnly);
    t.dialogs.fileNames = {dir.filePath("mine.bmp"), dir.filePath("junk.jpg")};
    AccessiblePress(t.button("LoadImageButt"));
    AccessiblePress(t.button("LoadImageButt"));
    EXPECT_EQ(shown(), qRgb(0, 0, 200));
    EXPECT_EQ(t.dialogs.messages.size(), 1);

    AccessiblePress(t.button("CloseViewerButt"));
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_TRUE(t.window().findChild<QWidget*>("Picture11")->isVisible());
}

TEST(PictureViewer, LibraryWrapsAndSidePictureComesBackStretched) {
    auto folder = pelcor::testing::CopyOfProgramFolder();
    const QDir dir(folder->path());
    dir.mkpath("CalcLibrary");
    WritePicture(dir.filePath("CalcLibrary/Fig11_12k.jpg"), qRgb(200, 0, 0));
    WritePicture(dir.filePath("CalcLibrary/Fig11_12c.jpg"), qRgb(0, 200, 0));
    QFile(dir.filePath("CalcLibrary/Fig11_12b.jpg")).remove();
    WritePicture(dir.filePath("side.bmp"), qRgb(255, 0, 0), qRgb(0, 0, 255));
    {
        TestWindow t(folder->path().toStdString());
        TMainCalc1& w = t.window();
        auto* picture1 = w.findChild<PictureBox*>("Picture1");
        auto shown = [picture1] { return picture1->canvas().image().pixel(5, 5); };
        AccessiblePress(t.button("BitBtn27")); // 0 back is 7
        EXPECT_TRUE(picture1->isVisible());
        EXPECT_EQ(shown(), qRgb(200, 0, 0));
        EXPECT_EQ(static_cast<int>(w.screens().displayMode()), 1);
        AccessiblePress(t.button("BitBtn28")); // 7 forward is 0, which is missing
        EXPECT_EQ(t.info()->text(), "Data image file missing *** File ERROR ***");
        EXPECT_EQ(t.sound.beeps, 1);
        AccessiblePress(t.button("BitBtn28"));
        EXPECT_EQ(shown(), qRgb(0, 200, 0));

        // "Screen setup", Mode 2: the current library picture again, without a step.
        w.screens().showDisplayMode(DisplayMode::Board);
        w.optionsView().SetupScreen();
        w.findChild<QCheckBox*>("ScrnModeBox2")->setChecked(true);
        EXPECT_TRUE(picture1->isVisible());
        EXPECT_EQ(w.imageViewer().model().LibraryIndex(), 1);

        t.dialogs.fileNames = {dir.filePath("side.bmp")};
        QTest::mouseClick(Child(t, "Image2"), Qt::RightButton);
        w.SaveSettings();
    }
    TestWindow t(folder->path().toStdString());
    const QImage side = t.window().findChild<PictureButton*>("Image2")->picture();
    EXPECT_EQ(side.size(), QSize(145, 97)); // stretched over the whole control
    EXPECT_EQ(side.pixel(10, 2), qRgb(255, 0, 0));
    EXPECT_EQ(side.pixel(135, 95), qRgb(0, 0, 255));
}

} // namespace
