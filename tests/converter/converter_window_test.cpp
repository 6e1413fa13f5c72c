#include "calc/Calculator.h"
#include "converter/Converter.h"
#include "converter/UnitTables.h"
#include "platform/Dialogs.h"

#include "RecordingReporter.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace pelcor;

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

struct RecordingDialogs : Dialogs {
    QStringList messages;
    void showMessage(const QString& text) override { messages << text; }
};

using SilentReporter = pelcor::testing::RecordingReporter;

// A real calculator's readout as the converter reads and replaces it.
struct CalculatorReadout : ReadoutAccess {
    explicit CalculatorReadout(Calculator& calc) : calc(calc) {}
    QString text() const override { return QString::fromStdString(calc.readout()); }
    void replace(const QString& text) override { calc.ReplaceReadoutText(text.toStdString()); }
    Calculator& calc;
};

// The converter wired to a real calculator's readout, shown without animation.
class Fixture {
public:
    Fixture() { conv = std::make_unique<TCalcConv>(dialogs, access, TCalcConv::Options{false}); }

    // What the main window's "Conversion" command does.
    void open() {
        conv->OpenConverter(QString::fromStdString(calc.readout()));
        conv->showGrowing(QPoint(105, 150));
    }

    template <class T = QWidget> T* get(const QString& name) {
        T* w = conv->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name) {
        QWidget* w = get(name);
        // A radio button takes clicks on its circle and caption only.
        const QPoint at = qobject_cast<QRadioButton*>(w) ? QPoint(6, w->height() / 2) : QPoint();
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    // With 1 in the readout: opens the window on distances in feet and selects the metres.
    void selectOneFootInMetres() {
        calc.ReplaceReadoutText("1");
        open();
        click("DistButt");
        click("Option14"); // 1 foot
        click("ALabel226");
    }
    QString input(const QString& name) { return get<QLineEdit>(name)->text(); }
    QString cell(const QString& name) { return get<QLabel>(name)->text(); }
    void type(const QString& box, const QString& text) {
        QLineEdit* e = get<QLineEdit>(box);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    // Leaves through `button`, answering the save question with `answer` if it is asked.
    bool leave(const QString& button, const QString& answer) {
        bool asked = false;
        QTimer::singleShot(0, conv.get(), [&] {
            if (!conv->questionShowing()) return;
            asked = get("SaveChange")->isVisible();
            click(answer);
        });
        if (button == "Close1")
            get<QAction>("Close1")->trigger();
        else
            click(button);
        QCoreApplication::processEvents();
        return asked;
    }

    SilentReporter reporter;
    Calculator calc{reporter};
    CalculatorReadout access{calc};
    RecordingDialogs dialogs;
    std::unique_ptr<TCalcConv> conv;
};

} // namespace

TEST(ConverterWindow, CreatedNarrowWithItsControlsInPlace) {
    Fixture f;
    EXPECT_EQ(f.conv->windowTitle(), "Unit Conversion (Pelcor Calculator)");
    EXPECT_EQ(f.conv->size(), QSize(280, 350));
    EXPECT_EQ(f.conv->CarriedValue, "1");
    EXPECT_TRUE(f.conv->CurrentCategory.isEmpty());
    const char* names[] = {"Temperature", "Area",   "Mass",     "Distance", "Volume",
                           "Velocity",    "Power",  "Pressure", "Energy",   "Density",
                           "Time",        "Angles", "Force",    "Exit"};
    const char* buttons[] = {"TemperButt",  "AreaButt",  "MassButt",  "DistButt",   "VolumeButt",
                             "VelocitButt", "PowerButt", "PressButt", "EnergyButt", "DensitButt",
                             "TimeButt",    "AngleButt", "ForceButt", "ExitButt"};
    for (int i = 0; i < 14; ++i) {
        QPushButton* b = f.get<QPushButton>(buttons[i]);
        EXPECT_EQ(b->accessibleName(), names[i]);
        EXPECT_EQ(b->geometry(), QRect(i < 7 ? 16 : 136, 40 + 36 * (i % 7), 116, 33)) << i;
        EXPECT_EQ(b->iconSize(), QSize(111, i == 13 ? 25 : 23));
        EXPECT_FALSE(b->icon().isNull());
    }
    EXPECT_EQ(f.get("TempFrame")->geometry(), QRect(280, 40, 290, 120));
    EXPECT_EQ(f.get("PressureFrame")->geometry(), QRect(280, 35, 290, 218));
    EXPECT_EQ(f.get("ALabel2108")->geometry(), QRect(112, 160, 161, 15));
    EXPECT_EQ(f.get("Kelvin")->geometry(), QRect(96, 96, 177, 15));
    EXPECT_TRUE(f.get<QRadioButton>("Option30")->isChecked());
    EXPECT_FALSE(f.get<QRadioButton>("Option29")->isChecked());
    for (const char* item : {"Cut1", "Copy1", "Paste1", "CopyRead", "Pasteit"})
        EXPECT_FALSE(f.get<QAction>(item)->isEnabled()) << item;
    EXPECT_FALSE(f.get("SaveChange")->isVisible());
}

TEST(ConverterWindow, OpeningCarriesTheReadoutAndCategoriesCarryTheAcceptedValue) {
    Fixture f;
    f.calc.ReplaceReadoutText("12");
    f.open();
    EXPECT_EQ(f.conv->frameGeometry().topLeft(), QPoint(105, 150));
    EXPECT_EQ(f.conv->size(), QSize(280, 350));
    EXPECT_EQ(f.conv->CarriedValue, "12");
    f.click("MassButt");
    EXPECT_EQ(f.conv->width(), 600);
    EXPECT_EQ(f.conv->CurrentCategory, "Mass");
    EXPECT_EQ(f.input("MassText"), "12");
    EXPECT_EQ(f.cell("ALabel218"), "1.2E-5 Kg ");
    EXPECT_TRUE(f.get("MassFrame")->isVisible());
    f.click("DistButt");
    EXPECT_FALSE(f.get("MassFrame")->isVisible());
    EXPECT_EQ(f.input("DistanceText"), "12");
    EXPECT_EQ(f.conv->width(), 600);

    // A unit choice converts but carries nothing; the next category still gets 12.
    f.type("DistanceText", "3");
    f.click("Option14");
    EXPECT_EQ(f.cell("ALabel226"), "0.9144 m ");
    EXPECT_EQ(f.cell("ALabel213"), "3 ft ");
    f.click("AreaButt");
    EXPECT_EQ(f.input("AreaText"), "12");
    // Opening the distance frame again recomputes from its selected unit, feet.
    f.click("DistButt");
    EXPECT_EQ(f.cell("ALabel226"), "3.6576 m ");

    // Every keystroke in the temperature box recomputes, so the typed value is carried.
    f.click("TemperButt");
    f.type("TempText", "-4");
    EXPECT_EQ(f.cell("Celcius"), "-20 C ");
    EXPECT_EQ(f.conv->CarriedValue, "-4");
    f.click("ForceButt");
    EXPECT_EQ(f.input("ForceText"), "-4");
    EXPECT_TRUE(f.dialogs.messages.isEmpty()) << f.dialogs.messages.join("|").toStdString();

    // Reopening narrows the window and starts again from the readout; an empty readout is 0.
    f.calc.ReplaceReadoutText("");
    f.open();
    EXPECT_EQ(f.conv->width(), 280);
    EXPECT_EQ(f.conv->CarriedValue, "0");
    f.click("VelocitButt");
    EXPECT_EQ(f.cell("ALabel250"), "0 Km/h ");
}

TEST(ConverterWindow, BadInputShowsAMessageAndKeepsTheResults) {
    Fixture f;
    f.calc.ReplaceReadoutText("5");
    f.open();
    f.click("TemperButt");
    EXPECT_EQ(f.cell("Celcius"), "-15 C ");
    // Typing on the way to a number ("1E", "1E-") waits without a message after "1".
    f.type("TempText", "1E-");
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
    const QString celsius = f.cell("Celcius");
    EXPECT_EQ(celsius, "-17.2222222222222 C ");
    EXPECT_EQ(f.conv->CarriedValue, "1");
    f.type("TempText", "x");
    EXPECT_EQ(f.dialogs.messages, QStringList{"'x' is not a valid floating point value"});
    EXPECT_EQ(f.cell("Celcius"), celsius);
    EXPECT_EQ(f.conv->CarriedValue, "1");

    f.click("TimeButt");
    const QString seconds = f.cell("ALabel292");
    f.dialogs.messages.clear();
    for (const char* bad : {"", "1E", "1..5", "ten", "1E999"}) {
        f.type("TimeText", bad);
        f.click("Option93");
        EXPECT_EQ(f.dialogs.messages.size(), 1) << bad;
        EXPECT_EQ(f.dialogs.messages.value(0),
                  QString("'%1' is not a valid floating point value").arg(bad));
        EXPECT_EQ(f.cell("ALabel292"), seconds) << bad;
        f.dialogs.messages.clear();
    }
    f.type("TimeText", "1E300");
    f.click("Option101");
    EXPECT_EQ(f.dialogs.messages, QStringList{"'1E300' is too large to convert"});
    EXPECT_EQ(f.cell("ALabel292"), seconds);
    // A recomputation skips an empty box, "-" and "." silently.
    f.dialogs.messages.clear();
    for (const char* skipped : {"", "-", "."}) {
        f.type("TimeText", skipped);
        f.conv->Recompute(CategoryIndex("Time"));
    }
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
    EXPECT_EQ(f.conv->CarriedValue, "1");
}

TEST(ConverterWindow, ChosenResultGoesToTheReadoutOnYesOnly) {
    Fixture f;
    f.selectOneFootInMetres();
    EXPECT_EQ(f.get<QLineEdit>("ClipLabel")->text(), "0.3048");
    EXPECT_TRUE(f.get<QAction>("CopyRead")->isEnabled());
    EXPECT_TRUE(f.get<QAction>("Pasteit")->isEnabled());

    // "No" keeps the readout; File > Close keeps the selection for the next opening.
    EXPECT_TRUE(f.leave("Close1", "NoButt"));
    EXPECT_FALSE(f.conv->isVisible());
    EXPECT_EQ(f.calc.readout(), "1");
    EXPECT_EQ(f.get<QLineEdit>("ClipLabel")->text(), "0.3048");

    // "Yes" replaces the readout; Exit empties the selection and shrinks the window away.
    f.open();
    EXPECT_TRUE(f.leave("ExitButt", "YesButt"));
    EXPECT_EQ(f.calc.readout(), "0.3048");
    EXPECT_TRUE(f.conv->AnswerGiven);
    EXPECT_TRUE(f.get<QLineEdit>("ClipLabel")->text().isEmpty());
    EXPECT_FALSE(f.conv->isVisible());
    EXPECT_FALSE(f.get("SaveChange")->isVisible());

    // Nothing to ask when nothing is selected or the selection is already in the readout.
    f.open();
    EXPECT_FALSE(f.leave("ExitButt", "YesButt"));
    f.open();
    f.click("DistButt"); // still feet, input 0.3048 carried from the readout
    f.click("ALabel213");
    EXPECT_EQ(f.get<QLineEdit>("ClipLabel")->text(), "0.3048");
    EXPECT_FALSE(f.leave("ExitButt", "YesButt"));
    EXPECT_FALSE(f.conv->isVisible());
}

TEST(ConverterWindow, WindowGoingAwayDuringTheSaveQuestionEndsTheWait) {
    Fixture f;
    f.calc.ReplaceReadoutText("3");
    f.open();
    f.click("AngleButt");
    f.click("ALabel2113");
    bool asked = false;
    QTimer::singleShot(0, [&] {
        asked = f.conv->questionShowing();
        f.conv.reset();
    });
    QTest::mouseClick(f.get("ExitButt"), Qt::LeftButton);
    EXPECT_TRUE(asked);
    EXPECT_EQ(f.conv, nullptr);
    EXPECT_EQ(f.calc.readout(), "3");
}

// A question nobody can see is never left waiting: a hidden window asks nothing, and a window
// hidden while it asks (its owner closed under it) ends the question unanswered.
TEST(ConverterWindow, HiddenWindowLeavesNoQuestionWaiting) {
    Fixture f;
    f.selectOneFootInMetres();
    ASSERT_EQ(f.get<QLineEdit>("ClipLabel")->text(), "0.3048");

    // Should a question wait anyway, "No" ends it after a while, so a fault fails, not hangs.
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        rescued = true;
        f.get<QPushButton>("NoButt")->click();
    });

    f.conv->hide();
    bool asked = true;
    QTimer::singleShot(0, [&] { asked = f.conv->questionShowing(); });
    rescue.start(3000);
    f.get<QAction>("Close1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(asked);
    EXPECT_FALSE(rescued);

    f.open();
    asked = false;
    QTimer::singleShot(0, [&] {
        asked = f.conv->questionShowing();
        f.conv->hide();
    });
    rescue.start(3000);
    f.get<QAction>("Close1")->trigger();
    rescue.stop();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(rescued);
    EXPECT_FALSE(f.conv->questionShowing());
    EXPECT_FALSE(f.get("SaveChange")->isVisible());
    EXPECT_EQ(f.calc.readout(), "1");
    // Asked again at the next opening, since nothing was answered.
    f.open();
    EXPECT_TRUE(f.leave("Close1", "YesButt"));
    EXPECT_EQ(f.calc.readout(), "0.3048");
}

TEST(ConverterWindow, SelectionCopiesToTheInitialValue) {
    Fixture f;
    f.calc.ReplaceReadoutText("2");
    f.open();
    f.click("TemperButt");
    f.click("COption"); // 2 °C
    f.click("Fahrenheit");
    EXPECT_EQ(f.get<QLineEdit>("ClipLabel")->text(), "35.6");
    f.get<QAction>("Pasteit")->trigger();
    EXPECT_EQ(f.input("TempText"), "35.6");
    EXPECT_EQ(f.cell("Celcius"), "35.6 C ");
    EXPECT_EQ(f.cell("Kelvin"), "308.75 K ");
    // A cell whose suffix holds a digit gives its number only.
    f.click("PressButt");
    f.click("ALabel262");
    EXPECT_EQ(f.get<QLineEdit>("ClipLabel")->text(), "0.1429208550473");
}

// A unit's radio button converts the same way whether it is clicked, pressed with the space
// bar or toggled through its accessible action, and also when it is chosen already.
TEST(ConverterWindow, EveryWayOfChoosingAUnitConverts) {
    Fixture f;
    f.open();
    f.click("DistButt");
    const auto toggle = [&f](const char* name) {
        QAccessible::queryAccessibleInterface(f.get(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
    };
    const auto space = [&f](const char* name) {
        QWidget* option = f.get(name);
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Space);
    };
    const std::function<void(const char*)> ways[] = {[&f](const char* n) { f.click(n); }, toggle,
                                                     space};
    for (const auto& choose : ways) {
        f.type("DistanceText", "3");
        choose("Option14"); // feet
        EXPECT_EQ(f.cell("ALabel226"), "0.9144 m ");
        f.type("DistanceText", "4");
        choose("Option14"); // chosen already
        EXPECT_EQ(f.cell("ALabel226"), "1.2192 m ");
        choose("Option27"); // metres
        EXPECT_EQ(f.cell("ALabel213"), "13.1233595800525 ft ");
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.get("Option14"))->text(QAccessible::Name),
              "Feet"); // the caption, as for every button
}

TEST(ConverterWindow, AboutPanelToggles) {
    Fixture f;
    f.open();
    QAction* about = f.get<QAction>("About1");
    about->trigger();
    QWidget* panel = f.get("AboutPanel");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry().size(), QSize(256, 226));
    about->trigger();
    EXPECT_FALSE(panel->isVisible());
    about->trigger();
    QTest::mouseClick(f.get("PelcorImage"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}
