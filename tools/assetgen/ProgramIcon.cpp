#include "ProgramIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cmath>
#include <numbers>

namespace pelcor::assetgen {

namespace {

const QColor kTile(39, 72, 107);
const QColor kTileEdge(24, 46, 72);
const QColor kReadout(223, 236, 207);
const QColor kCurve(38, 92, 44);
const QColor kKey(233, 238, 243);
const QColor kOperatorKey(240, 145, 58);

// Paints the icon on the 256 x 256 grid; the painter's transform does the scaling.
void PaintIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(kTileEdge, 6));
    p.setBrush(kTile);
    p.drawRoundedRect(QRectF(14, 14, 228, 228), 40, 40);

    // The readout with one period of a sine curve: the calculator and its plots.
    p.setPen(Qt::NoPen);
    p.setBrush(kReadout);
    p.drawRoundedRect(QRectF(38, 38, 180, 66), 12, 12);
    QPainterPath curve;
    for (int i = 0; i <= 48; ++i) {
        const double t = i / 48.0;
        const QPointF point(54 + 148 * t, 71 - 20 * std::sin(2 * std::numbers::pi * t));
        i == 0 ? curve.moveTo(point) : curve.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCurve, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve);

    // Three rows of four keys; the last column holds the operators.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.setBrush(col == 3 ? kOperatorKey : kKey);
            p.drawRoundedRect(QRectF(38 + col * 46.5, 120 + row * 35, 40, 28), 6, 6);
        }
    }
}

} // namespace

const std::vector<int>& IconSizes() {
    static const std::vector<int> sizes = {16, 22, 32, 48, 64, 128, 256};
    return sizes;
}

QImage DrawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / double(kIconGrid), size / double(kIconGrid));
    PaintIcon(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray ProgramIconSvg() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(kIconGrid, kIconGrid));
    generator.setViewBox(QRect(0, 0, kIconGrid, kIconGrid));
    generator.setTitle("Pelcor Calculator");
    generator.setDescription("The program's icon");
    QPainter p(&generator);
    PaintIcon(p);
    p.end();
    QByteArray svg = buffer.data();
    // The generator gives the size in millimetres; the icon theme counts pixels.
    QString text = QString::fromUtf8(svg);
    text.replace(QRegularExpression(R"(width="[0-9.]+mm" height="[0-9.]+mm")"),
                 QString(R"(width="%1" height="%1")").arg(kIconGrid));
    return text.toUtf8();
}

std::string WriteProgramIcon(const std::string& folder, const std::string& name) {
    const QDir root(QString::fromStdString(folder));
    const QString iconName = QString::fromStdString(name);
    const QString scalable = root.filePath("scalable/apps");
    if (!QDir().mkpath(scalable)) return scalable.toStdString() + ": cannot create the folder";
    QFile svg(QDir(scalable).filePath(iconName + ".svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(ProgramIconSvg()) < 0 || !svg.flush())
        return svg.fileName().toStdString() + ": " + svg.errorString().toStdString();
    for (int size : IconSizes()) {
        const QString apps = root.filePath(QString("%1x%1/apps").arg(size));
        if (!QDir().mkpath(apps)) return apps.toStdString() + ": cannot create the folder";
        const QString png = QDir(apps).filePath(iconName + ".png");
        if (!DrawProgramIcon(size).save(png, "PNG"))
            return png.toStdString() + ": the picture was not written";
    }
    return {};
}

} // namespace pelcor::assetgen
