#include "app/CalcSplash.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <QTimer>

namespace pelcor {

TCalcSplash1::TCalcSplash1(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("CalcSplash1");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(120, 120);
    image2_ = new QLabel(this);
    image2_->setObjectName("Image2");
    image2_->setScaledContents(true);
    // The picture lets the click through to the splash; the splash takes the keys.
    image2_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Pelcor Calculator is starting; press a key or click to go on");
}

void TCalcSplash1::mousePressEvent(QMouseEvent* event) {
    event->accept();
    dismissed_ = true;
    emit dismissed();
}

void TCalcSplash1::keyPressEvent(QKeyEvent* event) {
    event->accept();
    dismissed_ = true;
    emit dismissed();
}

void TCalcSplash1::WaitFor(int& countdown) {
    if (dismissed_) countdown = 0;
    if (countdown <= 0) return;
    QEventLoop wait;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &wait, [this, &wait, &countdown] {
        if (dismissed_) countdown = 0;
        if (countdown <= 0) wait.quit();
    });
    connect(this, &TCalcSplash1::dismissed, &wait, [&wait, &countdown] {
        countdown = 0;
        wait.quit();
    });
    poll.start(10);
    wait.exec();
}

void TCalcSplash1::fit() {
    image2_->setGeometry(0, 0, width(), height());
    if (!picture_.isNull())
        image2_->setPixmap(QPixmap::fromImage(picture_.scaled(size(), Qt::IgnoreAspectRatio)));
}

void TCalcSplash1::showGrowing(const QImage& picture, int stepPauseMs) {
    picture_ = picture;
    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->geometry()
                                                       : QRect(0, 0, 1024, 768);
    move(screen.width() / 2 - 160, screen.height() / 2 - 210);
    fit();
    show();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    repaint();
    while (height() < 320) {
        resize(width() + 10, height() + 10);
        fit();
        repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (stepPauseMs > 0) QThread::msleep(static_cast<unsigned long>(stepPauseMs));
    }
}

} // namespace pelcor
