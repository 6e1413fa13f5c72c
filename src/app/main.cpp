#include "app/MainCalc.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelcor Calculator");
    pelcor::MainCalcOptions options;
    options.programDir = QApplication::applicationDirPath().toStdString();
    pelcor::TMainCalc1 window(std::move(options));
    window.FormCreate();
    return app.exec();
}
