#pragma once

#include "platform/ProgramFiles.h"

#include <QImage>
#include <QSize>

#include <optional>
#include <string>

namespace pelcor {

class Reporter;
struct Settings;

// The pictures shown from files: the side picture `Image2` the user chooses, the picture
// viewer's `ViewerImage`, and the image library of eight reference pictures stepped
// through on the gallery's picture. Every picture is stored at the size of the control
// that shows it.
class ImageViewer {
public:
    static constexpr int kLibrarySize = 8;

    ImageViewer(Reporter& reporter, ProgramFiles files);

    // FitPicture: the file's picture stretched over `size`, 24 bits a pixel. A missing file
    // gives a null image silently; a file that cannot be read as a picture (not one, or cut
    // short) is reported in one message and gives a null image, so the control keeps what
    // it showed.
    QImage FitPicture(const std::string& path, QSize size) const;

    // The viewer's picture when it opens: "CalcLibrary\Viewer.jpg", or else "Viewer.jpg";
    // none when neither exists.
    std::optional<std::string> ViewerFile() const;
    // "Default": "CalcLibrary\Viewer.jpg" only.
    std::optional<std::string> DefaultViewerFile() const;

    // --- the image library
    int LibraryIndex() const { return libraryIndex_; }
    // One step forward or back; after the last picture comes the first and before the
    // first the last.
    void StepLibrary(int step);
    // The current library picture at `size`. A missing file is reported in the information
    // line with the error beep; a missing or unreadable file gives a null image.
    QImage LibraryPicture(QSize size) const;

    // --- the side picture
    // PanelImageFile: the path of the picture shown in Image2.
    const std::string& PanelImageFile() const { return panelImageFile_; }
    // A file the user chose for Image2: when it exists and reads, it becomes PanelImageFile
    // and its picture is given; otherwise nothing changes and the image is null.
    QImage ChoosePanelPicture(const std::string& path, QSize size);

    // PanelImageFile in the settings; without one, "Pelcor.jpg" beside the program.
    void LoadSettings(const Settings& settings);
    void SaveSettings(Settings& settings) const;

private:
    std::optional<std::string> existing(const char* relativeName) const;

    Reporter& reporter_;
    ProgramFiles files_;
    int libraryIndex_ = 0;
    std::string panelImageFile_;
};

} // namespace pelcor
