#include "app/MainCalc.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program's own look, whatever style the desktop would give it.
    QApplication::setStyle("Fusion");
    QApplication::setApplicationName("Pelcor Calculator");
    pelcor::MainCalcOptions options;
    options.programDir = QApplication::applicationDirPath().toStdString();
    pelcor::TMainCalc1 window(std::move(options));
    window.FormCreate();
    return app.exec();
}
