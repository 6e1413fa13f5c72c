#include "reference/ImageViewer.h"

#include "platform/Pictures.h"
#include "platform/Reporter.h"
#include "platform/SettingsFile.h"

#include <filesystem>
#include <system_error>

namespace pelcor {

namespace {

constexpr const char* kLibraryFiles[ImageViewer::kLibrarySize] = {
    "CalcLibrary\\Fig11_12b.jpg", "CalcLibrary\\Fig11_12c.jpg", "CalcLibrary\\Fig11_12d.jpg",
    "CalcLibrary\\Fig11_12e.jpg", "CalcLibrary\\Fig11_12f.jpg", "CalcLibrary\\Fig11_12g.jpg",
    "CalcLibrary\\Fig11_12h.jpg", "CalcLibrary\\Fig11_12k.jpg"};
constexpr const char* kViewerFile = "CalcLibrary\\Viewer.jpg";
constexpr const char* kViewerFallback = "Viewer.jpg";
constexpr const char* kDefaultPanelImage = "Pelcor.jpg";

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

} // namespace

ImageViewer::ImageViewer(Reporter& reporter, ProgramFiles files)
    : reporter_(reporter), files_(std::move(files)),
      panelImageFile_(files_.resolve(kDefaultPanelImage)) {}

QImage ImageViewer::FitPicture(const std::string& path, QSize size) const {
    if (!IsFile(path)) return {};
    std::string error;
    const QImage picture = LoadPicture(path, &error);
    if (picture.isNull()) {
        reporter_.showMessage("Cannot open file \"" + path + "\": " + error);
        return {};
    }
    return picture.scaled(size, Qt::IgnoreAspectRatio).convertToFormat(QImage::Format_RGB888);
}

std::optional<std::string> ImageViewer::existing(const char* relativeName) const {
    if (!files_.exists(relativeName)) return std::nullopt;
    return files_.resolve(relativeName);
}

std::optional<std::string> ImageViewer::ViewerFile() const {
    if (auto file = existing(kViewerFile)) return file;
    return existing(kViewerFallback);
}

std::optional<std::string> ImageViewer::DefaultViewerFile() const {
    return existing(kViewerFile);
}

void ImageViewer::StepLibrary(int step) {
    libraryIndex_ = ((libraryIndex_ + step) % kLibrarySize + kLibrarySize) % kLibrarySize;
}

QImage ImageViewer::LibraryPicture(QSize size) const {
    const auto file = existing(kLibraryFiles[libraryIndex_]);
    if (!file) {
        reporter_.showInfo("Data image file missing *** File ERROR ***");
        reporter_.beep();
        return {};
    }
    return FitPicture(*file, size);
}

QImage ImageViewer::ChoosePanelPicture(const std::string& path, QSize size) {
    QImage picture = FitPicture(path, size);
    if (!picture.isNull()) panelImageFile_ = path;
    return picture;
}

void ImageViewer::LoadSettings(const Settings& settings) {
    panelImageFile_ =
        settings.sidePicture.empty() ? files_.resolve(kDefaultPanelImage) : settings.sidePicture;
}

void ImageViewer::SaveSettings(Settings& settings) const {
    settings.sidePicture = panelImageFile_;
}

} // namespace pelcor
