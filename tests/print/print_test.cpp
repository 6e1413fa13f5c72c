#include "platform/Canvas.h"
#include "platform/DateTimeFormat.h"
#include "platform/Dialogs.h"
#include "print/CalcPrinter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace pelcor {
namespace {

// The print dialog "chooses" a PDF file with the given orientation and copies.
struct PdfDialogs : Dialogs {
    QString file;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int copies = 1;
    void showMessage(const QString&) override {}
    bool offersPrintToFile() const override { return true; }
    bool choosePrinter(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageOrientation(orientation);
        printer.setCopyCount(copies);
        return true;
    }
};

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The words pdftotext finds on the pages, each with its left edge.
std::vector<std::pair<QString, double>> Words(const QString& pdf) {
    static const QRegularExpression word("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    std::vector<std::pair<QString, double>> words;
    for (auto it = word.globalMatch(RunTool("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto m = it.next();
        words.emplace_back(m.captured(2), m.captured(1).toDouble());
    }
    return words;
}

bool Near(QRgb pixel, QColor want, int tolerance) {
    return std::abs(qRed(pixel) - want.red()) <= tolerance &&
           std::abs(qGreen(pixel) - want.green()) <= tolerance &&
           std::abs(qBlue(pixel) - want.blue()) <= tolerance;
}

class PrintTest : public ::testing::Test {
protected:
    PrintTest() : window(dialogs, {[] { return QStringList{}; }, [] { return QString(); }}) {
        dialogs.file = dir.filePath("page.pdf");
    }
    void print() {
        QFile::remove(dialogs.file);
        QTest::mouseClick(window.findChild<QPushButton*>("PSetupButt"), Qt::LeftButton);
        ASSERT_TRUE(QFile::exists(dialogs.file));
    }
    QString button(const char* name) { return window.findChild<QPushButton*>(name)->text(); }

    QTemporaryDir dir;
    PdfDialogs dialogs;
    TCalcPrint1 window;
};

// A board-like picture: its background, with a red block in the top left corner.
QImage BoardPicture() {
    QImage picture(320, 320, QImage::Format_RGB32);
    picture.fill(QColor(154, 171, 139));
    QPainter(&picture).fillRect(0, 0, 80, 80, Qt::red);
    return picture;
}

TEST(PrintLayoutTest, PageRectanglesFollowThePageShape) {
    using R = PrintRect;
    EXPECT_EQ(PrintLayout::PageRect(800, 1000, false, false), (R{200, 300, 600, 700}));
    EXPECT_EQ(PrintLayout::PageRect(800, 1000, false, true), (R{101, 201, 698, 798}));
    EXPECT_EQ(PrintLayout::PageRect(1000, 800, true, false), (R{300, 200, 700, 600}));
    EXPECT_EQ(PrintLayout::PageRect(1000, 800, true, true), (R{153, 53, 846, 746}));
    // On a page too wide for it, the fitted square shrinks so that the caption stays on it.
    EXPECT_EQ(PrintLayout::KeepOnPage(PrintLayout::PageRect(1100, 770, true, true), 770, 16),
              (R{172, 0, 926, 754}));
}

TEST_F(PrintTest, APictureLandsFramedAndCaptionedInThePageRectangle) {
    window.ShowPicture(BoardPicture());
    const QString caption = "Pelcor Scientific Calculator - Printed " +
                            QString::fromStdString(ShortDateText(QDate::currentDate()));
    for (bool landscape : {false, true}) {
        for (bool fit : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "landscape " << landscape << " fit " << fit);
            if (window.layout().FitToPage != fit) window.FitToPageButtClick();
            // The preview stays in portrait: the printer's page decides.
            if (window.layout().Landscape) window.PAuxButtClick();
            dialogs.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
            dialogs.copies = fit ? 2 : 1;
            // The preview: the picture stretched into its rectangle and framed.
            EXPECT_EQ(button("FitToPageButt"), fit ? "Normal size" : "Fit to page");
            const QImage preview = window.findChild<QLabel*>("PrintImage1")->pixmap().toImage();
            EXPECT_EQ(preview.pixel(fit ? 30 : 80, 200), qRgb(0, 0, 0));
            EXPECT_EQ(preview.pixel(fit ? 35 : 85, fit ? 80 : 125), qRgb(255, 0, 0));
            print();
            EXPECT_EQ(button("PAuxButt"), landscape ? "Portrait" : "Landscape");
            const QString words = RunTool("pdftotext", {dialogs.file, "-"});
            EXPECT_EQ(words.count('\f'), dialogs.copies) << "pages";
            EXPECT_TRUE(words.simplified().startsWith(caption)) << words.toStdString();

            // The page drawn at the printer's resolution, so a device pixel is a pixel.
            QPrinter printer;
            printer.setPageOrientation(dialogs.orientation);
            const QPoint origin =
                printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
            RunTool("pdftoppm", {"-r", QString::number(printer.resolution()), "-f", "1", "-l", "1",
                                 "-singlefile", "-png", dialogs.file, dir.filePath("page")});
            const QImage page(dir.filePath("page.png"));
            ASSERT_FALSE(page.isNull());
            const int captionHeight = QFontMetrics(QFont("Arial", 10), &printer).height();
            const QRect r =
                PrintLayout::KeepOnPage(
                    PrintLayout::PageRect(printer.width(), printer.height(), landscape, fit),
                    printer.height(), captionHeight)
                    .toQRect()
                    .translated(origin);
            const int e = r.width() / 8, cx = r.center().x(), cy = r.center().y();
            const auto expect = [&](int x, int y, QColor colour) {
                EXPECT_TRUE(Near(page.pixel(x, y), colour, 90)) << x << ", " << y;
            };
            expect(r.left() + e, r.top() + e, Qt::red); // the picture upright, stretched
            expect(r.right() - 3, r.bottom() - 3, QColor(154, 171, 139));
            expect(r.left() - 6, cy, Qt::white);
            expect(r.right() + 6, cy, Qt::white);
            for (QPoint frame : {QPoint(r.left(), cy), QPoint(r.right(), cy), QPoint(cx, r.top()),
                                 QPoint(cx, r.bottom())})
                expect(frame.x(), frame.y(), Qt::black);
            // The caption's ink under the rectangle's left end.
            int ink = 0;
            for (int y = r.bottom() + 3; y < r.bottom() + captionHeight; ++y)
                for (int x = r.left(); x < r.left() + 100; ++x)
                    ink += qGray(page.pixel(x, y)) < 128;
            EXPECT_GT(ink, 60);
        }
    }
}

TEST_F(PrintTest, TextPrintsTabsAsEightSpacesAndLongTextsOnAsManyPagesAsNeeded) {
    // A tab, one line far wider than the page, and 300 short lines.
    QString text = "A\tB\r\nA        B\r\n";
    QStringList expected{"A", "B", "A", "B"};
    for (int k = 1; k <= 360; ++k) {
        text += QString(k <= 60 ? "word%1 " : "line%1\r\n").arg(k) + (k == 60 ? "\r\n" : "");
        expected << QString(k <= 60 ? "word%1" : "line%1").arg(k);
    }
    window.ShowText(text, QFont("Arial", 8));
    EXPECT_FALSE(window.findChild<QPushButton*>("FitToPageButt")->isEnabled());
    EXPECT_EQ(window.findChild<QLabel*>("TextLabel")->font().pointSize(), 4);
    print();

    EXPECT_GT(RunTool("pdftotext", {dialogs.file, "-"}).count('\f'), 3) << "pages";
    const auto words = Words(dialogs.file);
    QStringList printed;
    for (const auto& w : words)
        printed << w.first;
    EXPECT_EQ(printed, expected);
    ASSERT_GE(words.size(), 4u);
    EXPECT_NEAR(words[1].second, words[3].second, 0.5) << "the tab is as wide as eight spaces";
    EXPECT_GT(words[1].second - words[0].second, 20);
}

TEST_F(PrintTest, OrientationShapesThePreviewAndExitHandsBackTheMainWindow) {
    window.ShowPicture(BoardPicture());
    QTest::mouseClick(window.findChild<QPushButton*>("PAuxButt"), Qt::LeftButton);
    EXPECT_EQ(button("PAuxButt"), "Portrait");
    EXPECT_EQ(window.findChild<QFrame*>("PImagePanel")->geometry(), QRect(120, 50, 400, 320));

    int closed = 0;
    QObject::connect(&window, &TCalcPrint1::printerClosed, [&closed] { ++closed; });
    QTest::mouseClick(window.findChild<QPushButton*>("PExitButt"), Qt::LeftButton);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(window.isVisible());
}

} // namespace

TEST_F(PrintTest, APictureWithItsDrawingIsPrintedAsShapesAtThePrintersResolution) {
    // A filled circle of radius 100 pixels, drawn again on the page.
    const SurfaceDrawing drawing = [](Surface& s) {
        s.setBrushStyle(Surface::BrushStyle::Solid);
        s.setBrushColor(0);
        s.fillRect(0, 0, 320, 320);
        s.setPenColor(255);
        s.setBrushColor(255);
        s.ellipse(60, 60, 260, 260);
    };
    Canvas screen(320, 320);
    drawing(screen);
    window.ShowPicture(screen.image(), drawing);
    // The preview is the screen's picture.
    const QImage preview = window.findChild<QLabel*>("PrintImage1")->pixmap().toImage();
    EXPECT_TRUE(Near(preview.pixel(160, 200), Qt::red, 30));
    print();

    // No picture on the page, and the caption still there.
    const QStringList images =
        RunTool("pdfimages", {"-list", dialogs.file}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString();
    EXPECT_TRUE(RunTool("pdftotext", {dialogs.file, "-"}).contains("Pelcor Scientific Calculator"));

    // At 600 dots to the inch a screen pixel is several dots wide, yet the circle's top edge
    // rises and falls by a dot or two from one column to the next: it is a curve, not the
    // screen's staircase.
    QPrinter printer;
    const double scale = 600.0 / printer.resolution();
    const QPoint origin = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
    const QRectF place = PrintLayout::PageRect(printer.width(), printer.height(), false, false)
                             .toQRect()
                             .translated(origin);
    // Only the picture's rectangle of the page is drawn, so its corner is (0, 0).
    const QRect r(QPoint(0, 0), (place.size() * scale).toSize());
    const QPoint corner = (place.topLeft() * scale).toPoint();
    RunTool("pdftoppm", {"-r", "600", "-f", "1", "-l", "1", "-x", QString::number(corner.x()), "-y",
                         QString::number(corner.y()), "-W", QString::number(r.width()), "-H",
                         QString::number(r.height()), "-singlefile", "-png", dialogs.file,
                         dir.filePath("page")});
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    const double dots = r.width() / 320.0; // dots to a screen pixel
    ASSERT_GT(dots, 4);
    auto red = [&](int x, int y) { return Near(page.pixel(x, y), Qt::red, 90); };
    int last = -1, biggestStep = 0;
    for (int x = r.left() + static_cast<int>(120 * dots); x < r.left() + 200 * dots; ++x) {
        int y = r.top();
        while (y < r.bottom() && !red(x, y))
            ++y;
        if (last >= 0) biggestStep = std::max(biggestStep, std::abs(y - last));
        last = y;
    }
    EXPECT_LE(biggestStep, 2) << "a step of " << biggestStep << " dots";
}

} // namespace pelcor
