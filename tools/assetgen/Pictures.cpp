#include "Pictures.h"

#include "Sketch.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace pelcor::assetgen {

namespace {

const QColor kTop(6, 18, 66);
const QColor kBottom(22, 64, 156);
const QColor kGold(250, 196, 70);
const QColor kCyan(110, 215, 255);
const QColor kRose(255, 120, 165);
const QColor kTitle(255, 255, 255);
const QColor kSubtitle(176, 204, 255);

// The deep blue background with a faint square grid, like graph paper.
void Background(QPainter& p, int width, int height, int gridStep) {
    QLinearGradient gradient(0, 0, width * 0.4, height);
    gradient.setColorAt(0, kTop);
    gradient.setColorAt(1, kBottom);
    p.fillRect(0, 0, width, height, gradient);
    p.setPen(QPen(QColor(255, 255, 255, 20), 1));
    for (int x = gridStep; x < width; x += gridStep)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height));
    for (int y = gridStep; y < height; y += gridStep)
        p.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
}

void SineCurve(QPainter& p, double fromX, double toX, double midY, double amplitude,
               double period) {
    QPainterPath path;
    constexpr int kSteps = 120;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = fromX + (toX - fromX) * i / kSteps;
        const double y = midY - amplitude * std::sin(2 * std::numbers::pi * (x - fromX) / period);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Calculator(QPainter& p, const QRectF& body) {
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0, QColor(214, 220, 232));
    shell.setColorAt(1, QColor(128, 136, 156));
    p.setPen(QPen(QColor(30, 36, 52), 2));
    p.setBrush(shell);
    p.drawRoundedRect(body, 10, 10);

    const double margin = 12;
    const QRectF display(body.left() + margin, body.top() + margin, body.width() - 2 * margin, 34);
    p.setPen(QPen(QColor(40, 56, 40), 1.5));
    p.setBrush(QColor(176, 206, 150));
    p.drawRoundedRect(display, 3, 3);
    p.setPen(QColor(26, 44, 26));
    p.setFont(SansFont(19, true));
    p.drawText(display.adjusted(4, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, "3.14159");

    const std::array<const char*, 20> labels{"sin",    "cos",    "\u221A", "C", "7",      "8", "9",
                                             "\u00F7", "4",      "5",      "6", "\u00D7", "1", "2",
                                             "3",      "\u2212", "0",      ".", "=",      "+"};
    constexpr int kColumns = 4, kRows = 5;
    const double keysTop = display.bottom() + 12;
    const double keysHeight = body.bottom() - margin - keysTop;
    const double gap = 6;
    const double keyWidth = (display.width() - gap * (kColumns - 1)) / kColumns;
    const double keyHeight = (keysHeight - gap * (kRows - 1)) / kRows;
    for (int i = 0; i < kColumns * kRows; ++i) {
        const int column = i % kColumns, row = i / kColumns;
        const QRectF key(display.left() + column * (keyWidth + gap),
                         keysTop + row * (keyHeight + gap), keyWidth, keyHeight);
        QColor face(70, 78, 98);
        if (column == kColumns - 1) face = QColor(232, 138, 36);
        if (row == 0) face = QColor(44, 96, 150);
        p.setPen(QPen(QColor(20, 24, 36), 1));
        p.setBrush(face);
        p.drawRoundedRect(key, 3, 3);
        p.setPen(Qt::white);
        p.setFont(SansFont(row == 0 && column < 2 ? 9 : 12, true));
        p.drawText(key, Qt::AlignCenter, QString::fromUtf8(labels[i]));
    }
}

} // namespace

QImage DrawSplash() {
    QImage image(kSplashSize, kSplashSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    Background(p, kSplashSize, kSplashSize, 20);

    p.setPen(kTitle);
    p.setFont(SansFont(31, true));
    p.drawText(QRectF(0, 14, kSplashSize, 42), Qt::AlignCenter, "Pelcor Calculator");
    p.setPen(kSubtitle);
    p.setFont(SansFont(15, false));
    p.drawText(QRectF(0, 56, kSplashSize, 22), Qt::AlignCenter, "Scientific calculator workbench");
    p.setPen(Stroke(kGold, 2));
    p.drawLine(QPointF(60, 88), QPointF(260, 88));

    Calculator(p, QRectF(30, 106, 114, 188));

    // Geometry: a circle with its radius, a triangle and a sine curve.
    const QPointF centre(238, 148);
    p.setPen(Stroke(kGold, 2.5));
    p.setBrush(QColor(250, 196, 70, 40));
    p.drawEllipse(centre, 38, 38);
    p.setPen(Stroke(kGold, 1.5));
    p.drawLine(centre, centre + QPointF(38 * std::cos(0.6), -38 * std::sin(0.6)));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(centre, 3, 3);

    p.setPen(Stroke(kCyan, 2.5));
    p.setBrush(QColor(110, 215, 255, 45));
    p.drawPolygon(QPolygonF{{172, 284}, {300, 284}, {262, 202}});

    p.setPen(Stroke(kRose, 2.5));
    SineCurve(p, 164, 306, 236, 20, 71);

    p.setPen(QColor(200, 215, 255));
    p.setFont(SansFont(11, false));
    p.drawText(QRectF(164, 292, 142, 20), Qt::AlignCenter, "y = sin x");
    p.end();
    return image;
}

QImage DrawSidePicture() {
    QImage image(kSideWidth, kSideHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    Background(p, kSideWidth, kSideHeight, 12);

    p.setPen(Stroke(kGold, 2));
    p.setBrush(QColor(250, 196, 70, 40));
    p.drawEllipse(QPointF(123, 24), 15, 15);
    p.setPen(Stroke(kCyan, 2));
    p.setBrush(QColor(110, 215, 255, 45));
    p.drawPolygon(QPolygonF{{96, 64}, {140, 64}, {128, 34}});
    p.setPen(Stroke(kRose, 2));
    SineCurve(p, 6, 139, 78, 7, 44);

    p.setPen(kTitle);
    p.setFont(SansFont(25, true));
    p.drawText(QRectF(7, 14, 90, 40), Qt::AlignLeft | Qt::AlignVCenter, "Pelcor");
    p.end();
    return image;
}

} // namespace pelcor::assetgen
