#pragma once

#include "reference/ImageViewer.h"

#include <QAbstractButton>
#include <QImage>
#include <QObject>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace pelcor {

class Dialogs;
class PictureBox;
class Reporter;
class Screens;
struct Settings;

// A picture the user presses: the side picture `Image2`. A left click (or a screen
// reader's press) and any other button do different things.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& name, QWidget* parent);
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The picture viewer and the image library: the side picture `Image2` on the left column,
// the viewer's button panel `ViewerPanel` over the drawing area with `ViewerImage` on the
// screen, and the library pictures on the gallery's `Picture1`, stepped by the toolbar's
// arrows.
class ImageViewerView : public QObject {
    Q_OBJECT
public:
    struct Places {
        QWidget* sideParent;  // Panel1: Image2 under the toolbar
        QWidget* panelParent; // the window's client area: ViewerPanel
        int screenLeft;       // ScreenPanel's left, which the viewer's panel follows
        PictureBox* picture1; // the gallery's picture, where the library is shown
    };
    ImageViewerView(Places places, Screens& screens, Reporter& reporter, Dialogs& dialogs,
                    ProgramFiles files, QObject* parent = nullptr);

    ImageViewer& model() { return model_; }

    // The side picture Image2, which the left column's side lists cover.
    QWidget* sidePicture() const;
    // Whether the viewer's panel is open over the drawing area.
    bool isOpen() const;

    // --- handlers
    // Right button (or the menu key): choose Image2's picture; any other press opens the
    // viewer with its default picture.
    void Image2LoadPicture(Qt::MouseButton button);
    void LoadImageButtClick();
    void ViewDefaultButtClick();
    void CloseViewerButtClick();
    // The library arrows (BitBtn27, BitBtn28): one picture back or forward.
    void ImageLeft_Click();
    void ImageRight_Click();
    // The current library picture, without a step ("Screen setup", Mode 2).
    void ShowLibraryImage();

    // --- saved state: PanelImageFile, and Image2 showing it
    void LoadSettings(const Settings& settings);
    void SaveSettings(Settings& settings) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The file's picture into ViewerImage at its size; an unreadable one leaves it as it was.
    void showInViewer(const std::string& path);
    QString choosePicture(const QString& current);
    // The library picture `step` places on (0: the current one) on Picture1.
    void showLibrary(int step);

    PictureButton* Image2 = nullptr;
    QFrame* ViewerPanel = nullptr;
    QLabel* ViewerLabel = nullptr;
    QPushButton* LoadImageButt = nullptr;
    QPushButton* ViewDefaultButt = nullptr;
    QPushButton* CloseViewerButt = nullptr;

    Places places_;
    Screens& screens_;
    Reporter& reporter_;
    Dialogs& dialogs_;
    ImageViewer model_;
};

} // namespace pelcor
