#include "app/ScreenHost.h"

#include "app/MainMenu.h"
#include "platform/Colors.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/Widgets.h"
#include "print/CalcPrinter.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

namespace pelcor {

namespace {

// The electrical reference ends its lines with carriage returns, which a label alone would
// run together: this paints each line under the one before, in the label's font and colours.
class CarriageReturnLines : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label || event->type() != QEvent::Paint || !label->text().contains('\r')) return false;
        QPainter p(label);
        p.fillRect(label->rect(), label->palette().color(QPalette::Window));
        p.setFont(label->font());
        p.setPen(label->palette().color(QPalette::WindowText));
        const QFontMetrics fm(label->font());
        const QRect box = label->contentsRect();
        int y = box.top() + fm.ascent();
        for (const QString& line : label->text().split('\r', Qt::SkipEmptyParts)) {
            p.drawText(box.left() + 1, y, line);
            y += fm.lineSpacing();
        }
        return true;
    }
};

} // namespace

ScreenHost::ScreenHost(QWidget* parent, MainMenu& menu) : menu_(menu) {
    panel_ = MakePanel("ScreenPanel", parent, 155, 8, 320, 320, false);
    panel_->setFrameShape(QFrame::NoFrame);
    SetBackground(panel_, colors::Black);
    image1_ = MakeLabel("Image1", {}, panel_, 0, 0, 320, 320);
    image1_->setScaledContents(true);
    picture1_ = new PictureBox("Picture1", 320, 320, colors::BoardBackground, panel_);
    picture2_ = new PictureBox("Picture2", 320, 320, colors::White, panel_);
    picture11_ = new PictureBox("Picture11", 320, 320, colors::BoardBackground, panel_);
    image3_ = MakeLabel("Image3", {}, panel_, 0, 0, 320, 320);
    // The viewer takes the upper three quarters of the screen.
    viewerImage_ = MakeLabel("ViewerImage", {}, panel_, 0, 0, 320, 320 / 4 * 3);
    refLabel_ = MakeLabel("RefLabel", {}, panel_, 0, 0, 320, 320);
    refLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(refLabel_, colors::White);
    refLabel_->installEventFilter(new CarriageReturnLines(refLabel_));
    clabel_ = MakeLabel("Clabel", {}, panel_, 0, 300, 320, 20);
    // A sheet's title: white, centred, over whatever the screen shows.
    formula_ = MakeLabel("Formula", {}, panel_, 0, 286, 320, 24);
    formula_->setAlignment(Qt::AlignCenter);
    formula_->setFont(ArialFont(16, true));
    formula_->setAttribute(Qt::WA_TranslucentBackground);
    SetFontColor(formula_, colors::White);
    for (QWidget* w : std::initializer_list<QWidget*>{picture1_, picture2_, picture11_, image3_,
                                                      viewerImage_, refLabel_, clabel_, formula_})
        w->hide();
}

void ScreenHost::SetStartPicture(const QImage& picture) {
    startPicture_ = picture;
    ShowStartPicture();
}

void ScreenHost::ShowStartPicture() {
    if (startPicture_.isNull()) return;
    image1_->setPixmap(
        QPixmap::fromImage(startPicture_.scaled(image1_->size(), Qt::IgnoreAspectRatio)
                               .convertToFormat(QImage::Format_RGB888)));
}

QRect ScreenHost::area() const {
    return panel_->geometry();
}

void ScreenHost::ShowOpeningPicture() {
    picture1_->hide();
    picture2_->hide();
    picture11_->hide();
    image1_->show();
}

void ScreenHost::RestStartPicture() {
    ShowStartPicture();
    image1_->hide();
    image1_->setEnabled(false);
}

void ScreenHost::showDisplayMode() {
    // A sheet's title belongs to the sheet on the gallery's picture.
    if (mode_ != DisplayMode::Gallery) setTitle("");
    image1_->setVisible(mode_ == DisplayMode::Start);
    picture1_->setVisible(mode_ == DisplayMode::Gallery);
    picture2_->setVisible(mode_ == DisplayMode::Sheets);
    picture11_->setVisible(mode_ == DisplayMode::Board);
    refLabel_->setVisible(mode_ == DisplayMode::Reference);
    switch (mode_) {
    case DisplayMode::Start:
        menu_.SaveImageBitmap1->setEnabled(false);
        menu_.SaveGraphicsFile1->setEnabled(false);
        menu_.Printar->setEnabled(false);
        break;
    case DisplayMode::Gallery:
        menu_.SaveImageBitmap1->setEnabled(true);
        menu_.SaveGraphicsFile1->setEnabled(false);
        menu_.Printar->setEnabled(true);
        break;
    case DisplayMode::Sheets:
        menu_.SaveImageBitmap1->setEnabled(true);
        menu_.SaveGraphicsFile1->setEnabled(false);
        menu_.Printar->setEnabled(false);
        emit idleTimerRunningRequested(true);
        break;
    case DisplayMode::Board:
        menu_.SaveImageBitmap1->setEnabled(true);
        menu_.Printar->setEnabled(true);
        break;
    case DisplayMode::Reference: break;
    }
    emit modeShown();
}

QWidget* ScreenHost::widget(ScreenPicture picture) const {
    switch (picture) {
    case ScreenPicture::Image1: return image1_;
    case ScreenPicture::Picture1: return picture1_;
    case ScreenPicture::Picture2: return picture2_;
    case ScreenPicture::Picture11: return picture11_;
    case ScreenPicture::ViewerImage: return viewerImage_;
    case ScreenPicture::RefLabel: return refLabel_;
    }
    return image1_;
}

void ScreenHost::showOnly(ScreenPicture picture) {
    for (ScreenPicture p :
         {ScreenPicture::Image1, ScreenPicture::Picture1, ScreenPicture::Picture2,
          ScreenPicture::Picture11, ScreenPicture::ViewerImage, ScreenPicture::RefLabel})
        widget(p)->setVisible(p == picture);
    widget(picture)->raise();
}

QImage ScreenHost::CurrentPicture() const {
    for (ScreenPicture p :
         {ScreenPicture::Picture11, ScreenPicture::Picture1, ScreenPicture::Picture2}) {
        if (isShown(p)) return static_cast<PictureBox*>(widget(p))->canvas().image();
    }
    return panel_->grab().toImage();
}

void ScreenHost::CopyPicture() const {
    QGuiApplication::clipboard()->setImage(CurrentPicture());
}

bool ScreenHost::Print(TCalcPrint1& printWindow) const {
    switch (mode_) {
    case DisplayMode::Gallery:
        printWindow.ShowPicture(picture1_->canvas().image(), picture1_->drawing());
        return true;
    case DisplayMode::Board:
        printWindow.ShowPicture(picture11_->canvas().image(), picture11_->drawing());
        return true;
    case DisplayMode::Reference: {
        QFont design("Arial");
        design.setPointSize(8);
        printWindow.ShowText(refLabel_->text(), design);
        return true;
    }
    default: return false;
    }
}

void ScreenHost::ImageChangeClick() {
    setIdleTimerRunning(false);
    static constexpr DisplayMode next[] = {DisplayMode::Gallery, DisplayMode::Board,
                                           DisplayMode::Board, DisplayMode::Reference,
                                           DisplayMode::Start};
    const DisplayMode from = mode_;
    const DisplayMode mode = next[static_cast<int>(from)];
    if (mode == DisplayMode::Reference) {
        setTitle("");
        emit referenceReached(from);
    }
    showDisplayMode(mode);
    resetIdle();
    setIdleTimerRunning(true);
}

void ScreenHost::WatchPointer() {
    for (QWidget* w : std::initializer_list<QWidget*>{picture1_, picture2_, image3_, image1_,
                                                      refLabel_, picture11_}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        watched_ << w;
    }
}

bool ScreenHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched_.contains(watched)) emit pointerOverPicture();
    return false;
}

void ScreenHost::setPicture(ScreenPicture picture, const QImage& image) {
    auto* label = qobject_cast<QLabel*>(widget(picture));
    if (!label || label == refLabel_) return;
    if (image.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(image));
}

QSize ScreenHost::pictureSize(ScreenPicture picture) const {
    return widget(picture)->size();
}

void ScreenHost::hidePicture(ScreenPicture picture) {
    widget(picture)->hide();
}

void ScreenHost::setReferenceText(const std::string& text, int background) {
    refLabel_->setAutoFillBackground(true);
    QPalette palette = refLabel_->palette();
    palette.setColor(QPalette::Window, ToQColor(background));
    refLabel_->setPalette(palette);
    refLabel_->setGeometry(picture11_->geometry());
    refLabel_->setText(QString::fromStdString(text));
    refLabel_->update();
}

SurfaceDrawing ScreenHost::pictureDrawing(ScreenPicture picture) const {
    switch (picture) {
    case ScreenPicture::Picture1: return picture1_->drawing();
    case ScreenPicture::Picture2: return picture2_->drawing();
    case ScreenPicture::Picture11: return picture11_->drawing();
    default: return {};
    }
}

bool ScreenHost::isShown(ScreenPicture picture) const {
    return widget(picture)->isVisibleTo(panel_);
}

void ScreenHost::setTitle(const std::string& text) {
    formula_->setText(Q(text));
    formula_->setVisible(!text.empty());
    if (!text.empty()) formula_->raise();
}

} // namespace pelcor
