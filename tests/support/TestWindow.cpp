#include "TestWindow.h"

#include "Shapes.h"

#include "platform/Colors.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace pelcor::testing {

std::string ProgramFolder() {
    return PELCOR_BIN_DIR;
}

std::unique_ptr<QTemporaryDir> CopyOfProgramFolder() {
    namespace fs = std::filesystem;
    auto dir = std::make_unique<QTemporaryDir>();
    const fs::path from = ProgramFolder();
    const fs::path to = dir->path().toStdString();
    for (const char* name :
         {"BmpFiles", "SndFiles", "CalcLibrary", "Splash1.jpg", "Pelcor.jpg", "calculator_help"}) {
        std::error_code ec;
        if (fs::exists(from / name, ec))
            fs::copy(from / name, to / name, fs::copy_options::recursive, ec);
    }
    return dir;
}

TestWindow::TestWindow(const std::string& programDir, const std::string& userDir) {
    MainCalcOptions options;
    options.userDir = userDir;
    if (programDir.empty()) {
        ownDir_ = CopyOfProgramFolder();
        options.programDir = ownDir_->path().toStdString();
    } else {
        options.programDir = programDir;
    }
    options.splashTicks = 0;
    options.animate = false;
    options.dialogs = &dialogs;
    options.sound = &sound;
    options.shell = &shell;
    window_ = std::make_unique<TMainCalc1>(std::move(options));
    window_->FormCreate();
    QApplication::setActiveWindow(window_.get());
}

TestWindow::~TestWindow() = default;

Answer::Answer(TestWindow& t, const QString& button) {
    QObject::connect(&timer, &QTimer::timeout, [this, &t, button] {
        QPushButton* b = t.button(button);
        if (b && b->isVisible()) {
            asked = true;
            timer.stop();
            b->click();
        }
    });
    timer.start(5);
}

void DrawExample(TMainCalc1& w) {
    w.document().list() = ExampleDrawing();
    w.RepaintBoard();
    w.menuAction("SaveGraphicsFile1")->setEnabled(true);
}

void CloseWithYes(TestWindow& t) {
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (t.button("YesExitButt")->isVisible())
            QTest::mouseClick(t.button("YesExitButt"), Qt::LeftButton);
    });
    timer.start(5);
    t.window().close();
}

QPushButton* TestWindow::button(const QString& name) const {
    return window_->findChild<QPushButton*>(name);
}

QLineEdit* TestWindow::readout() const {
    return window_->findChild<QLineEdit*>("ReadOut");
}

QLabel* TestWindow::info() const {
    return window_->findChild<QLabel*>("InfoLbl");
}

QString TestWindow::tape() const {
    return window_->findChild<QPlainTextEdit*>("TotalStrg")->toPlainText();
}

void TestWindow::click(const QString& buttonName) {
    QPushButton* b = button(buttonName);
    if (!b) throw std::runtime_error("no button " + buttonName.toStdString());
    QTest::mouseClick(b, Qt::LeftButton);
}

void TestWindow::type(const QString& keys) {
    for (QChar c : keys) {
        if (c == '\r')
            QTest::keyClick(readout(), Qt::Key_Return);
        else if (c == '\b')
            QTest::keyClick(readout(), Qt::Key_Backspace);
        else
            QTest::keyClicks(readout(), QString(c));
    }
}

} // namespace pelcor::testing
