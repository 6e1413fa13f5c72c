#include "Fakes.h"
#include "Named.h"

#include "reference/ConstantCell.h"
#include "reference/ConstantsView.h"
#include "reference/PersonalDataView.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace pelcor;

namespace {

class PersonalTest : public ::testing::Test {
protected:
    PersonalTest() : view(&host, &host, reporter) { reporter.readoutShown = "42.5"; }
    void edit(int tag, const QString& title, const QString& value) {
        QTest::mouseClick(view.entry(tag), Qt::RightButton);
        control<QLineEdit>("NewTitleEdit")->setText(title);
        control<QLineEdit>("NewValueEdit")->setText(value);
        QTest::mouseClick(control<QPushButton>("PersonalUpdateButt"), Qt::LeftButton);
    }
    template <class T> T* control(const char* name) {
        return pelcor::testing::Named<T>(&host, name);
    }
    QWidget host;
    FakeReporter reporter;
    PersonalDataView view;
};

TEST_F(PersonalTest, AnEntryKeepsItsTitleHintAndNumberTogether) {
    edit(603, "Speed of my car", "42.5");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(view.entry(603));
    EXPECT_EQ(a->text(QAccessible::Name), "Speed of my car");
    EXPECT_EQ(a->text(QAccessible::Description), "42.5");

    // Not a number: the message, and nothing changes; the panel keeps the user's text.
    edit(603, "Broken", "12,5");
    EXPECT_EQ(reporter.messages,
              std::vector<std::string>{"'12,5' is not a valid floating point value"});
    EXPECT_EQ(view.entry(603)->text(), "Speed of my car");
    EXPECT_EQ(view.entry(603)->toolTip(), "42.5");
    EXPECT_EQ(view.model().entry(603).value, 42.5);
    EXPECT_EQ(view.model().entry(603).title + view.model().entry(603).hint, "Speed of my car42.5");
    EXPECT_TRUE(control<QWidget>("PersonalSettingsPanel")->isVisibleTo(&host));
    EXPECT_EQ(control<QLineEdit>("NewTitleEdit")->text() +
                  control<QLineEdit>("NewValueEdit")->text(),
              "Broken12,5");

    // The value 0 (or none) stores 0 and empties the title, whatever was typed.
    control<QLineEdit>("NewValueEdit")->setText("");
    QTest::mouseClick(control<QPushButton>("PersonalUpdateButt"), Qt::LeftButton);
    EXPECT_EQ(view.entry(603)->text(), "");
    EXPECT_EQ(view.model().entry(603).value, 0);
    EXPECT_FALSE(control<QWidget>("PersonalSettingsPanel")->isVisibleTo(&host));

    // A title is kept on one line, and within reason.
    edit(605, "two\r\nlines\nhere", "1");
    EXPECT_EQ(view.entry(605)->text(), "two lines here");
    edit(606, QString(500, QChar(0xB2)), "1");
    EXPECT_EQ(view.entry(606)->text(), QString(PersonalData::kMaxTitleLength, QChar(0xB2)));
}

TEST_F(PersonalTest, HoverTakesTheConstantsHighlightAndLeavesTheScreen) {
    FakeScreens screens;
    screens.mode = DisplayMode::Gallery; // away from the board, where constants take the screen
    struct : DisplayOptions {
        bool screenHelpOn() const override { return false; }
        bool wireFrameOn() const override { return false; }
    } options;
    ConstantsView constants(&host, &host, screens, reporter, options,
                            ProgramFiles(QDir::tempPath().toStdString()));
    view.ShareHoverHelp(constants);
    control<QWidget>("PersonalPanel")->resize(149, 322);
    host.resize(640, 480);
    host.show();
    control<QWidget>("PersonalPanel")->show();
    QTest::mouseMove(constants.cell(0), {5, 5});
    reporter.info = "kept";
    screens.only.clear();
    QTest::mouseMove(view.entry(607), {5, 5});
    EXPECT_EQ(view.entry(607)->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(constants.cell(0)->grab().toImage().pixelColor(2, 2), QColor(Qt::yellow));
    EXPECT_EQ(constants.model().CurrentEntry(), 607);
    EXPECT_EQ(reporter.info, "kept");
    EXPECT_TRUE(screens.only.empty());
}

} // namespace
