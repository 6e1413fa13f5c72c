#include "app/MainCalc.h"
#include "board/DrawingCommands.h"
#include "platform/ProgramFiles.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

namespace {

const char* const kDesktopId = PELCOR_DESKTOP_ID;

struct CommandLine {
    enum class Outcome { Run, Help, Version, Error } outcome = Outcome::Run;
    QString drawing;
    QString error;
};

// The command line is read before any window system is opened, so --help and --version
// work without a display.
CommandLine ReadCommandLine(QCommandLineParser& parser, int argc, char* argv[]) {
    parser.setApplicationDescription("An educational scientific calculator with a geometry "
                                     "drawing board, function plots and a unit converter.");
    const QCommandLineOption help({"h", "help"}, "Shows this help and exits.");
    const QCommandLineOption version({"v", "version"}, "Shows the version and exits.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("drawing", "A drawing file (.pcz) to open.", "[drawing]");

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.outcome = CommandLine::Outcome::Error;
        line.error = parser.errorText();
    } else if (parser.isSet(help)) {
        line.outcome = CommandLine::Outcome::Help;
    } else if (parser.isSet(version)) {
        line.outcome = CommandLine::Outcome::Version;
    } else if (parser.positionalArguments().size() > 1) {
        line.outcome = CommandLine::Outcome::Error;
        line.error = "Only one drawing file can be opened.";
    } else if (!parser.positionalArguments().isEmpty()) {
        line.drawing = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    }
    return line;
}

QString Usage(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    // Without an application object the parser cannot know the program's name.
    text.replace("<executable_name>", "pelcorcalc");
    return text;
}

// The icon drawn at build time, in every size it was drawn.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1/apps/%2.png").arg(size).arg(kDesktopId));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("Pelcor Calculator");
    QCoreApplication::setApplicationVersion(PELCOR_VERSION);

    QCommandLineParser parser;
    const CommandLine line = ReadCommandLine(parser, argc, argv);
    switch (line.outcome) {
    case CommandLine::Outcome::Help: std::fputs(qPrintable(Usage(parser)), stdout); return 0;
    case CommandLine::Outcome::Version: std::printf("pelcorcalc %s\n", PELCOR_VERSION); return 0;
    case CommandLine::Outcome::Error:
        std::fprintf(stderr, "pelcorcalc: %s\n\n%s", qPrintable(line.error),
                     qPrintable(Usage(parser)));
        return 2;
    case CommandLine::Outcome::Run: break;
    }

    QApplication app(argc, argv);
    // The program's own look, whatever style the desktop would give it.
    QApplication::setStyle("Fusion");
    QApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(ProgramIcon());

    const pelcor::ProgramPlaces places = pelcor::FindProgramPlaces(
        QApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
    if (places.installed) QDir().mkpath(QString::fromStdString(places.userDir));

    pelcor::MainCalcOptions options;
    options.programDir = places.programDir;
    options.userDir = places.userDir;
    pelcor::TMainCalc1 window(std::move(options));
    window.FormCreate();
    if (!line.drawing.isEmpty()) window.drawingCommands().Open(line.drawing.toStdString());
    return app.exec();
}
