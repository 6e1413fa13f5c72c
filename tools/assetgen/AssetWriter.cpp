#include "AssetWriter.h"

#include "Glyphs.h"
#include "LibraryPictures.h"
#include "Pictures.h"
#include "Sounds.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"

#include <QDir>

namespace pelcor::assetgen {

namespace {

std::string Failed(const std::string& path, const std::string& why) {
    return path + ": " + why;
}

} // namespace

std::string WriteRuntimePictures(const std::string& folder) {
    const QString bmpFolder = QDir(QString::fromStdString(folder)).filePath("BmpFiles");
    if (!QDir().mkpath(bmpFolder))
        return Failed(bmpFolder.toStdString(), "cannot create the folder");

    for (const GlyphFiles& files : AllGlyphs()) {
        for (Look look : {Look::Normal, Look::Second}) {
            const char* name = look == Look::Normal ? files.normalFile : files.secondFile;
            const std::string path = QDir(bmpFolder).filePath(name).toStdString();
            const std::string error = BmpCodec::WriteFile(path, DrawGlyph(files.glyph, look));
            if (!error.empty()) return Failed(path, error);
        }
    }

    const QDir out(QString::fromStdString(folder));
    const std::string splash = out.filePath("Splash1.jpg").toStdString();
    if (std::string error = JpegCodec::WriteFile(splash, DrawSplash()); !error.empty())
        return Failed(splash, error);
    const std::string side = out.filePath("Pelcor.jpg").toStdString();
    if (std::string error = JpegCodec::WriteFile(side, DrawSidePicture()); !error.empty())
        return Failed(side, error);
    return {};
}

std::string WriteLibraryPictures(const std::string& folder) {
    const QString libraryFolder = QDir(QString::fromStdString(folder)).filePath("CalcLibrary");
    if (!QDir().mkpath(libraryFolder))
        return Failed(libraryFolder.toStdString(), "cannot create the folder");
    for (const LibraryPicture& picture : AllLibraryPictures()) {
        const std::string path = QDir(libraryFolder).filePath(picture.file).toStdString();
        if (std::string error = JpegCodec::WriteFile(path, picture.draw()); !error.empty())
            return Failed(path, error);
    }
    return {};
}

std::string WriteRuntimeFiles(const std::string& folder) {
    if (std::string error = WriteRuntimePictures(folder); !error.empty()) return error;
    if (std::string error = WriteLibraryPictures(folder); !error.empty()) return error;
    return WriteRuntimeSounds(folder);
}

} // namespace pelcor::assetgen
