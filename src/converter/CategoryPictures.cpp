// The pictures of the converter's category buttons, drawn by the program.
#include "converter/CategoryPictures.h"

#include <QFont>

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pelcor {

namespace {

QFont ArialFont(int pixelSize, bool bold = false) {
    QFont f("Arial");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// --- the icons of the category buttons, each in a square box

void ThermometerIcon(QPainter& p, QRectF r) {
    const double cx = r.center().x();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(cx - 2.5, r.top() + 1, 5, r.height() - 6), 2.5, 2.5);
    p.setBrush(Qt::red);
    p.drawEllipse(QPointF(cx, r.bottom() - 4), 4, 4);
    p.fillRect(QRectF(cx - 1, r.top() + 7, 2, r.height() - 10), Qt::red);
}

void AreaIcon(QPainter& p, QRectF r) {
    const QRectF sq = r.adjusted(2, 2, -2, -2);
    p.fillRect(sq, QColor(120, 200, 120));
    p.setPen(QPen(QColor(0, 100, 0), 1));
    for (int i = 1; i < 3; ++i) {
        const double d = sq.width() * i / 3;
        p.drawLine(QPointF(sq.left() + d, sq.top()), QPointF(sq.left() + d, sq.bottom()));
        p.drawLine(QPointF(sq.left(), sq.top() + d), QPointF(sq.right(), sq.top() + d));
    }
    p.setBrush(Qt::NoBrush);
    p.drawRect(sq);
}

void MassIcon(QPainter& p, QRectF r) {
    QPainterPath weight;
    weight.moveTo(r.left() + 5, r.top() + 6);
    weight.lineTo(r.right() - 5, r.top() + 6);
    weight.lineTo(r.right() - 1, r.bottom() - 1);
    weight.lineTo(r.left() + 1, r.bottom() - 1);
    weight.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawPath(weight);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.center().x(), r.top() + 4), 3, 3);
    p.setPen(Qt::white);
    p.setFont(ArialFont(7, true));
    p.drawText(r.adjusted(0, 6, 0, 0), Qt::AlignCenter, "kg");
}

void RulerIcon(QPainter& p, QRectF r) {
    const QRectF ruler(r.left(), r.center().y() - 4, r.width(), 8);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(ruler);
    for (int i = 1; i < 8; ++i) {
        const double x = ruler.left() + ruler.width() * i / 8;
        p.drawLine(QPointF(x, ruler.top()), QPointF(x, ruler.top() + (i % 2 ? 2 : 4)));
    }
}

void CubeIcon(QPainter& p, QRectF r) {
    const double s = r.width() - 6, d = 5;
    const QPointF a(r.left() + 1, r.top() + d + 1);
    p.setPen(QPen(QColor(0, 0, 140), 1));
    p.setBrush(QColor(150, 180, 255));
    p.drawRect(QRectF(a, QSizeF(s, s)));
    const QPointF top[] = {a, a + QPointF(d, -d), a + QPointF(s + d, -d), a + QPointF(s, 0)};
    p.setBrush(QColor(200, 215, 255));
    p.drawPolygon(top, 4);
    const QPointF side[] = {a + QPointF(s, 0), a + QPointF(s + d, -d), a + QPointF(s + d, s - d),
                            a + QPointF(s, s)};
    p.setBrush(QColor(100, 130, 220));
    p.drawPolygon(side, 4);
}

void ArrowIcon(QPainter& p, QRectF r, const QColor& color, bool lines) {
    const double y = r.center().y();
    p.setPen(QPen(color, 2));
    p.drawLine(QPointF(r.left() + 6, y), QPointF(r.right() - 2, y));
    const QPointF head[] = {QPointF(r.right(), y), QPointF(r.right() - 6, y - 5),
                            QPointF(r.right() - 6, y + 5)};
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head, 3);
    if (lines) {
        p.setPen(QPen(color, 1));
        p.drawLine(QPointF(r.left(), y - 5), QPointF(r.left() + 8, y - 5));
        p.drawLine(QPointF(r.left(), y + 5), QPointF(r.left() + 8, y + 5));
    }
}

void BoltIcon(QPainter& p, QRectF r) {
    const QPointF bolt[] = {
        {r.left() + 11, r.top()},   {r.left() + 3, r.top() + 11}, {r.left() + 9, r.top() + 11},
        {r.left() + 6, r.bottom()}, {r.right() - 2, r.top() + 7}, {r.left() + 10, r.top() + 7},
    };
    p.setPen(QPen(QColor(150, 90, 0), 1));
    p.setBrush(QColor(255, 210, 0));
    p.drawPolygon(bolt, 6);
}

void GaugeIcon(QPainter& p, QRectF r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(r.center(), r.center() + QPointF(5, -5));
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i <= 4; ++i) {
        const double a = std::numbers::pi * (1.25 - 0.375 * i);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(r.center() + dir * (r.width() / 2 - 4), r.center() + dir * (r.width() / 2 - 1));
    }
}

void SunIcon(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(230, 90, 0), 1.5));
    for (int i = 0; i < 8; ++i) {
        const double a = std::numbers::pi * i / 4;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(r.center() + dir * 5.5, r.center() + dir * (r.width() / 2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 0));
    p.drawEllipse(r.center(), 4.5, 4.5);
}

void DensityIcon(QPainter& p, QRectF r) {
    const QRectF box = r.adjusted(1, 1, -1, -1);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(220, 235, 255));
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            p.drawEllipse(QPointF(box.left() + 3.5 + i * 5.5, box.top() + 3.5 + j * 5.5), 1.8, 1.8);
}

void ClockIcon(QPainter& p, QRectF r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(r.center(), r.center() + QPointF(0, -6));
    p.drawLine(r.center(), r.center() + QPointF(4, 2));
}

void AngleIcon(QPainter& p, QRectF r) {
    const QPointF o(r.left() + 1, r.bottom() - 1);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(o, QPointF(r.right(), o.y()));
    p.drawLine(o, o + QPointF(14, -12));
    p.setPen(QPen(Qt::red, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(o.x() - 9, o.y() - 9, 18, 18), 0, 40 * 16);
}

void ForceIcon(QPainter& p, QRectF r) {
    p.fillRect(QRectF(r.right() - 3, r.top(), 3, r.height()), QColor(120, 70, 30));
    ArrowIcon(p, r.adjusted(0, 0, -4, 0), QColor(200, 0, 0), false);
}

void ExitIcon(QPainter& p, QRectF r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(r.adjusted(3, 0, -5, -1));
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPointF(r.right() - 8, r.center().y()), 1.5, 1.5);
}

} // namespace

QPixmap CategoryPicture(int category, const QString& name, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(QColor(235, 235, 225));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(19, height - 2);
    const QRectF icon(3, (height - side) / 2.0, side, side);
    switch (category) {
    case 0: ThermometerIcon(p, icon); break;
    case 1: AreaIcon(p, icon); break;
    case 2: MassIcon(p, icon); break;
    case 3: RulerIcon(p, icon); break;
    case 4: CubeIcon(p, icon); break;
    case 5: ArrowIcon(p, icon, QColor(0, 90, 200), true); break;
    case 6: BoltIcon(p, icon); break;
    case 7: GaugeIcon(p, icon); break;
    case 8: SunIcon(p, icon); break;
    case 9: DensityIcon(p, icon); break;
    case 10: ClockIcon(p, icon); break;
    case 11: AngleIcon(p, icon); break;
    case 12: ForceIcon(p, icon); break;
    default: ExitIcon(p, icon); break;
    }
    p.setPen(Qt::black);
    p.setFont(ArialFont(12, true));
    p.drawText(QRect(side + 6, 0, width - side - 7, height), Qt::AlignVCenter | Qt::AlignLeft,
               name);
    return pixmap;
}

QPixmap AboutPicture(int width, int height) {
    // A night-blue gradient with a ruler and a scale.
    QPixmap picture(width, height);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(10, 30, 110));
    g.setColorAt(1, QColor(40, 120, 200));
    p.fillRect(picture.rect(), g);
    RulerIcon(p, QRectF(20, 150, 210, 40));
    GaugeIcon(p, QRectF(150, 20, 70, 70));
    return picture;
}

} // namespace pelcor
