#include "reference/ImageViewerView.h"

#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/Reporter.h"
#include "platform/Screens.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"
#include "reference/OtherButtonPress.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace pelcor {

namespace {

constexpr int kBlue = 255 * 65536;
const QString kPictureFilter = "Pictures (*.jpg *.jpeg *.bmp)|*.jpg;*.jpeg;*.bmp|"
                               "All files (*)|*";

} // namespace

PictureButton::PictureButton(const QString& name, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    // Reached by Tab; a mouse click leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) p.drawImage(rect(), picture_);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

ImageViewerView::ImageViewerView(Places places, Screens& screens, Reporter& reporter,
                                 Dialogs& dialogs, ProgramFiles files, QObject* parent)
    : QObject(parent), places_(places), screens_(screens), reporter_(reporter), dialogs_(dialogs),
      model_(reporter, std::move(files)) {
    Image2 = new PictureButton("Image2", places_.sideParent);
    Image2->setGeometry(5, 208, 145, 97);
    Image2->setToolTip("Right click to change image -- Left click to open image viewer");
    Image2->setAccessibleName(Image2->toolTip());
    Image2->installEventFilter(this);
    connect(Image2, &QAbstractButton::clicked, this, [this] { Image2LoadPicture(Qt::LeftButton); });

    ViewerPanel =
        MakePanel("ViewerPanel", places_.panelParent, places_.screenLeft + 4, 253, 313, 77);
    SetBackground(ViewerPanel, colors::BtnFace);
    ViewerLabel = MakeLabel("ViewerLabel", "Picture viewer", ViewerPanel, 8, 8, 120, 16);
    ViewerLabel->setFont(ArialFont(12, true));
    SetFontColor(ViewerLabel, kBlue);
    LoadImageButt = MakeButton("LoadImageButt", "Load Image", ViewerPanel, 16, 32, 97, 25);
    ViewDefaultButt = MakeButton("ViewDefaultButt", "Default", ViewerPanel, 128, 32, 75, 25);
    CloseViewerButt = MakeButton("CloseViewerButt", "X", ViewerPanel, 216, 32, 25, 25);
    connect(LoadImageButt, &QPushButton::clicked, this, &ImageViewerView::LoadImageButtClick);
    connect(ViewDefaultButt, &QPushButton::clicked, this, &ImageViewerView::ViewDefaultButtClick);
    connect(CloseViewerButt, &QPushButton::clicked, this, &ImageViewerView::CloseViewerButtClick);
    ViewerPanel->hide();
}

QString ImageViewerView::choosePicture(const QString& current) {
    return dialogs_.openFileName(kPictureFilter, 1, current);
}

QWidget* ImageViewerView::sidePicture() const {
    return Image2;
}

bool ImageViewerView::isOpen() const {
    return !ViewerPanel->isHidden();
}

void ImageViewerView::showInViewer(const std::string& path) {
    const QImage picture =
        model_.FitPicture(path, screens_.pictureSize(ScreenPicture::ViewerImage));
    if (!picture.isNull()) screens_.setPicture(ScreenPicture::ViewerImage, picture);
}

void ImageViewerView::Image2LoadPicture(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        const QString chosen = choosePicture(Q(model_.PanelImageFile()));
        if (chosen.isEmpty()) return;
        const QImage picture = model_.ChoosePanelPicture(S(chosen), Image2->size());
        if (!picture.isNull()) Image2->setPicture(picture);
        return;
    }
    // The viewer takes the upper three quarters of the screen.
    screens_.showOnly(ScreenPicture::ViewerImage);
    ViewerPanel->show();
    ViewerPanel->raise();
    if (const auto file = model_.ViewerFile()) showInViewer(*file);
}

void ImageViewerView::LoadImageButtClick() {
    const QString chosen = choosePicture({});
    if (!chosen.isEmpty()) showInViewer(S(chosen));
}

void ImageViewerView::ViewDefaultButtClick() {
    if (const auto file = model_.DefaultViewerFile()) showInViewer(*file);
}

void ImageViewerView::CloseViewerButtClick() {
    screens_.hidePicture(ScreenPicture::ViewerImage);
    ViewerPanel->hide();
    screens_.showDisplayMode();
}

void ImageViewerView::ImageLeft_Click() {
    showLibrary(-1);
}

void ImageViewerView::ImageRight_Click() {
    showLibrary(1);
}

void ImageViewerView::ShowLibraryImage() {
    showLibrary(0);
}

void ImageViewerView::showLibrary(int step) {
    // The electrical reference keeps the screen.
    if (screens_.isShown(ScreenPicture::RefLabel)) return;
    model_.StepLibrary(step);
    PictureBox* picture1 = places_.picture1;
    const QImage picture = model_.LibraryPicture(picture1->size());
    // A missing or unreadable picture is reported; the screen stays as it was.
    if (picture.isNull()) return;
    screens_.stopClock();
    screens_.setIdleTimerRunning(false);
    reporter_.showInfo("");
    screens_.setTitle("");
    screens_.setDisplayMode(DisplayMode::Gallery);
    picture1->setPicture(picture);
    screens_.showOnly(ScreenPicture::Picture1);
}

void ImageViewerView::LoadSettings(const Settings& settings) {
    model_.LoadSettings(settings);
    const QImage picture = model_.FitPicture(model_.PanelImageFile(), Image2->size());
    if (!picture.isNull()) Image2->setPicture(picture);
}

void ImageViewerView::SaveSettings(Settings& settings) const {
    model_.SaveSettings(settings);
}

bool ImageViewerView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image2 && IsOtherButtonPress(event)) {
        Image2LoadPicture(Qt::RightButton);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelcor
