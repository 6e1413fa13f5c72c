// The board drawn as a vector picture: the same shapes where the screen has them, as
// shapes and texts rather than pixels.

#include "Shapes.h"
#include "board/BoardRenderer.h"
#include "platform/VectorPicture.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <functional>

using namespace pelcor;
using namespace pelcor::testing;

namespace {

constexpr int Bg = DefaultBackgroundColor;

QImage Raster(const DrawingList& list, const BoardSettings& settings) {
    Canvas canvas(320, 320, Bg);
    BoardRenderer renderer(canvas);
    renderer.Settings = settings;
    renderer.RepaintBoard(list);
    return canvas.image();
}

QByteArray Vector(VectorFormat format, const DrawingList& list, const BoardSettings& settings) {
    return VectorPictureBytes(format, 320, 320, [&](Surface& surface) {
        BoardRenderer renderer(surface);
        renderer.Settings = settings;
        renderer.RepaintBoard(list);
    });
}

// The SVG drawn back at 320 x 320.
QImage Rasterised(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    QImage image(320, 320, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, 320, 320));
    return image;
}

// A drawn pixel differs clearly from the board's background.
bool Drawn(QRgb p) {
    const QColor bg = ToQColor(Bg);
    return std::max({std::abs(qRed(p) - bg.red()), std::abs(qGreen(p) - bg.green()),
                     std::abs(qBlue(p) - bg.blue())}) > 48;
}

// The share of `a`'s drawn pixels that have a drawn pixel of `b` within one pixel.
double Covered(const QImage& a, const QImage& b) {
    long drawn = 0, near = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Drawn(a.pixel(x, y))) continue;
            ++drawn;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.valid(x + dx, y + dy) && Drawn(b.pixel(x + dx, y + dy));
            near += found;
        }
    return drawn ? static_cast<double>(near) / drawn : 0;
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(BoardVector, TheSvgPutsEveryShapeWhereTheScreenHasIt) {
    const DrawingList list = EveryKindFormAndFill();
    BoardSettings selected;
    selected.SelectedShape = 3; // a filled rectangle: dotted, hatched
    selected.SecondSelectedShape = 16;
    BoardSettings wire;
    wire.WireFrame = true;
    for (const BoardSettings& settings : {BoardSettings(), selected, wire}) {
        const QImage raster = Raster(list, settings);
        const QByteArray svg = Vector(VectorFormat::Svg, list, settings);
        const QImage vector = Rasterised(svg);
        EXPECT_GE(Covered(raster, vector), 0.98) << "screen pixels the SVG leaves out";
        EXPECT_GE(Covered(vector, raster), 0.98) << "SVG pixels the screen does not have";
        // Shapes and texts, not a picture of them.
        EXPECT_FALSE(svg.contains("<image"));
        EXPECT_TRUE(svg.contains(">Area = 12.5</text>"));
        EXPECT_TRUE(svg.contains("font-weight=\"700\""));
    }
    // The fills in their colours: the picture is not only the same shape of drawn pixels.
    const QImage vector = Rasterised(Vector(VectorFormat::Svg, list, {}));
    EXPECT_EQ(vector.pixel(125, 20) & 0xFFFFFF, 0xFFFF00u); // the rectangle, yellow
    EXPECT_EQ(vector.pixel(260, 30) & 0xFFFFFF, 0xFF0000u); // the ellipse, red
    EXPECT_EQ(vector.pixel(30, 190) & 0xFFFFFF, 0x00FF00u); // the circle, green
    EXPECT_EQ(vector.pixel(200, 40) & 0xFFFFFF, ToQColor(Bg).rgb() & 0xFFFFFF); // unfilled
}

TEST(BoardVector, ThePdfPageIsShapesAndTextsWithoutAPicture) {
    QTemporaryDir dir;
    const QString file = dir.filePath("board.pdf");
    const QByteArray pdf = Vector(VectorFormat::Pdf, EveryKindFormAndFill(), {});
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(pdf);
    }
    // pdfimages lists its two header lines and a line per picture.
    const QStringList images =
        RunTool("pdfimages", {"-list", file}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString();
    const QString words = RunTool("pdftotext", {file, "-"}).simplified();
    EXPECT_TRUE(words.contains("Area = 12.5")) << words.toStdString();
    EXPECT_TRUE(words.contains("-X")) << words.toStdString();
    // The page is the picture: 320 pixels at 96 to the inch.
    EXPECT_TRUE(RunTool("pdfinfo", {file}).contains("240 x 240 pts"));

    // Drawn back, it is the board.
    RunTool("pdftoppm", {"-r", "96", "-singlefile", "-png", file, dir.filePath("page")});
    const QImage page(dir.filePath("page.png"));
    ASSERT_EQ(page.size(), QSize(320, 320));
    const QImage raster = Raster(EveryKindFormAndFill(), {});
    EXPECT_GE(Covered(raster, page), 0.97);
    EXPECT_GE(Covered(page, raster), 0.97);
}
