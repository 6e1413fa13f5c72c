// Draws the program's runtime pictures and makes its wave sounds into the folder named on the
// command line; with --icon, draws the program's icon for the desktop's icon theme instead.

#include "AssetWriter.h"
#include "ProgramIcon.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool icon = argc == 4 && std::strcmp(argv[1], "--icon") == 0;
    if (argc != 2 && !icon) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n       %s --icon ICON_FOLDER NAME\n",
                     argv[0], argv[0]);
        return 2;
    }
    // Fonts need a GUI application; the build machine may have no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string error = icon ? pelcor::assetgen::WriteProgramIcon(argv[2], argv[3])
                                   : pelcor::assetgen::WriteRuntimeFiles(argv[1]);
    if (!error.empty()) {
        std::fprintf(stderr, "assetgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
