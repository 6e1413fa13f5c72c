// The SVG paint device: what a painter draws on it, drawn back from the document, is what
// the same painter draws on a picture.

#include "platform/SvgDocument.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <functional>

using namespace pelcor;

namespace {

using Painting = std::function<void(QPainter&)>;

QByteArray Svg(const Painting& paint, int width = 200, int height = 160) {
    SvgDocument svg(width, height, "Test <1>", "A & B");
    {
        QPainter painter(&svg);
        paint(painter);
    }
    return svg.bytes();
}

QImage Blank() {
    QImage image(200, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Painted(const Painting& paint) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

QImage Rendered(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid()) << svg.left(2000).toStdString();
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, 200, 160));
    return image;
}

// The share of pixels whose colours differ clearly.
double Differing(const QImage& a, const QImage& b) {
    long differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) > 80)
                ++differing;
        }
    return static_cast<double>(differing) / (a.width() * a.height());
}

} // namespace

TEST(SvgDocument, DrawnBackItIsWhatThePainterDrew) {
    const Painting paint = [](QPainter& p) {
        // Two overlapping boxes in one path: the even-odd rule leaves their overlap empty, the
        // winding rule fills it.
        QPainterPath twoBoxes;
        twoBoxes.addRect(10, 10, 40, 30);
        twoBoxes.addRect(30, 20, 40, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 0, 0));
        p.drawPath(twoBoxes);
        twoBoxes.translate(0, 60);
        twoBoxes.setFillRule(Qt::WindingFill);
        p.drawPath(twoBoxes);
        // An outlined ellipse with a thick pen, then one in the same style (one group).
        QPen thick(QColor(0, 0, 200), 5);
        thick.setJoinStyle(Qt::MiterJoin);
        p.setPen(thick);
        p.setBrush(QColor(0, 180, 0));
        p.drawEllipse(QRectF(90, 10, 50, 35));
        p.drawEllipse(QRectF(150, 10, 40, 40));
        // A dashed line, its dashes in pen widths.
        QPen dashed(Qt::black, 3);
        dashed.setDashPattern({4, 2});
        dashed.setCapStyle(Qt::FlatCap);
        p.setPen(dashed);
        p.drawLine(QPointF(90, 70), QPointF(190, 70));
        // A polyline is not filled, a polygon is.
        p.setPen(QPen(Qt::magenta, 2));
        p.setBrush(Qt::yellow);
        const QPointF zigzag[] = {{90, 90}, {110, 130}, {130, 90}, {150, 130}};
        p.drawPolyline(zigzag, 4);
        const QPointF triangle[] = {{160, 90}, {195, 150}, {160, 150}};
        p.drawPolygon(triangle, 3);
        // A scaled, moved painter.
        p.save();
        p.translate(10, 120);
        p.scale(3, 2);
        p.fillRect(QRectF(0, 0, 20, 15), QColor(0, 120, 120));
        p.restore();
    };
    const QByteArray svg = Svg(paint);
    EXPECT_LT(Differing(Rendered(svg), Painted(paint)), 0.01);
    // The overlap of the even-odd boxes stays white, the winding one is filled.
    const QImage back = Rendered(svg);
    EXPECT_EQ(back.pixel(40, 30) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(back.pixel(40, 90) & 0xFFFFFF, 0xC80000u);
    EXPECT_EQ(back.pixel(110, 105) & 0xFFFFFF, 0xFFFFFFu); // inside the zigzag
}

TEST(SvgDocument, TextsAreTextsInTheirFontsAndTheDocumentIsWellFormed) {
    const QByteArray svg = Svg([](QPainter& p) {
        QFont font("DejaVu Sans");
        font.setPixelSize(15);
        font.setBold(true);
        font.setItalic(true);
        p.setFont(font);
        p.setPen(QColor(10, 20, 30));
        p.drawText(QPointF(12, 40), "a < b & \"c\" ²");
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        p.drawImage(QRectF(100, 100, 40, 40), picture);
    });
    EXPECT_TRUE(svg.startsWith("<?xml"));
    EXPECT_TRUE(svg.contains("font-family=\"DejaVu Sans\""));
    EXPECT_TRUE(svg.contains("font-size=\"15\""));
    EXPECT_TRUE(svg.contains("font-weight=\"700\""));
    EXPECT_TRUE(svg.contains("font-style=\"italic\""));
    EXPECT_TRUE(svg.contains("fill=\"#0a141e\""));
    QXmlStreamReader xml(svg);
    QStringList texts, elements;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        elements << xml.name().toString();
        if (xml.name() == u"text") {
            EXPECT_EQ(xml.attributes().value("x"), u"12");
            EXPECT_EQ(xml.attributes().value("y"), u"40");
            texts << xml.readElementText();
        } else if (xml.name() == u"title" || xml.name() == u"desc") {
            texts << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts, (QStringList{"Test <1>", "A & B", "a < b & \"c\" ²"}));
    EXPECT_TRUE(elements.contains("image"));
    // The picture is there, stretched over its box.
    EXPECT_EQ(Rendered(svg).pixel(120, 120) & 0xFFFFFF, 0xFF0000u);
}

TEST(SvgDocument, ShapesOfOneStyleShareOneGroup) {
    // 1,000 dots in two colours, 500 of each in a row: two groups, not a style per dot.
    const QByteArray svg = Svg([](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 1000; ++i) {
            p.setBrush(i < 500 ? Qt::red : Qt::blue);
            p.drawRect(QRectF(i % 200, i / 200 * 4, 1, 1));
        }
    });
    EXPECT_EQ(svg.count("<g "), 2);
    EXPECT_EQ(svg.count("<path "), 1000);
    EXPECT_LT(svg.size(), 40000);
}
