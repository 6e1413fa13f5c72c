#include "print/PrintLayout.h"

#include "platform/DateTimeFormat.h"
#include "platform/VectorSurface.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace pelcor {

namespace {

constexpr int kTextMargin = 20; // the text's left and top edge on the page, in device pixels

int Trunc(double value) {
    return static_cast<int>(value); // toward zero
}

QFont WithPointSize(QFont font, double points) {
    font.setPointSizeF(std::max(1.0, points));
    return font;
}

double PointSize(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : 8.0;
}

// Breaks one line into pieces no wider than `width`: after the last blank that fits, or
// inside a word longer than the line. Linear in the line's length.
void WrapLine(const QString& line, const QFontMetrics& metrics, int width, QStringList& out) {
    qsizetype start = 0;
    qsizetype blank = -1; // the last blank of the current piece
    int used = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const int advance = metrics.horizontalAdvance(line[i]);
        if (used + advance > width && i > start) {
            const qsizetype cut = blank >= start ? blank + 1 : i;
            out << line.mid(start, cut - start);
            used = metrics.horizontalAdvance(line.mid(cut, i - cut));
            start = cut;
            blank = -1;
        }
        if (line[i] == ' ') blank = i;
        used += advance;
    }
    out << line.mid(start);
}

} // namespace

// --- what is handed over ---------------------------------------------------------------------

void PrintLayout::SetPicture(const QImage& picture, SurfaceDrawing drawing) {
    kind_ = Kind::Picture;
    picture_ = picture;
    drawing_ = std::move(drawing);
    text_.clear();
    Landscape = false;
    FitToPage = false;
}

void PrintLayout::SetText(const QString& text, const QFont& font) {
    kind_ = Kind::Text;
    text_ = ExpandTabs(text);
    textFont_ = font;
    picture_ = QImage();
    drawing_ = nullptr;
    Landscape = false;
    FitToPage = false;
}

void PrintLayout::SetPageSize(int pageWidth, int pageHeight) {
    PageWidth = pageWidth;
    PageHeight = pageHeight;
    Landscape = PageHeight < PageWidth;
}

QFont PrintLayout::PreviewFont() const {
    return WithPointSize(textFont_, PointSize(textFont_) - 4);
}

QFont PrintLayout::PrinterFont() const {
    return WithPointSize(textFont_, PointSize(textFont_) + 2);
}

QStringList PrintLayout::Lines() const {
    // A label's text ends its lines with LF alone; the memo's with CR LF.
    static const QRegularExpression lineEnd("\r\n|\n|\r");
    return text_.split(lineEnd);
}

QString PrintLayout::ExpandTabs(const QString& text) {
    QString expanded = text;
    expanded.replace('\t', QString(8, ' '));
    return expanded;
}

QString PrintLayout::Caption(const QDate& today) {
    return "Pelcor Scientific Calculator - Printed " + QString::fromStdString(ShortDateText(today));
}

// --- layout ----------------------------------------------------------------------------------

PrintRect PrintLayout::PreviewRect(bool landscape, bool fitToPage) {
    if (!landscape) return fitToPage ? PrintRect{30, 75, 290, 325} : PrintRect{80, 120, 240, 280};
    return fitToPage ? PrintRect{60, 20, 340, 300} : PrintRect{120, 80, 280, 240};
}

PrintRect PrintLayout::PageRect(int pageWidth, int pageHeight, bool landscape, bool fitToPage) {
    const double w = pageWidth, h = pageHeight;
    if (fitToPage) {
        const double m = landscape ? w / 6.5 : w / 7.9;
        const double half = (w - 2 * m) / 2;
        return {Trunc(m), Trunc(h / 2 - half), Trunc(w - m), Trunc(h / 2 + half)};
    }
    if (landscape)
        return {Trunc(w / 2 - h / 4), Trunc(h / 4), Trunc(w / 2 + h / 4), Trunc(3 * h / 4)};
    return {Trunc(w / 4), Trunc(h / 2 - w / 4), Trunc(3 * w / 4), Trunc(h / 2 + w / 4)};
}

PrintRect PrintLayout::KeepOnPage(const PrintRect& r, int pageHeight, int captionHeight) {
    if (r.top >= 0 && r.bottom + captionHeight <= pageHeight) return r;
    // Shrunk about its centre line until it and the caption fit the page's height.
    const int side = std::max(1, std::min(r.height(), pageHeight - captionHeight));
    const int left = r.left + (r.width() - side) / 2;
    const int top = std::max(0, (pageHeight - captionHeight - side) / 2);
    return {left, top, left + side, top + side};
}

void PrintLayout::DrawFramedPicture(QPainter& painter, const QImage& picture, const PrintRect& r,
                                    const QString& caption, const QFont& captionFont, int penWidth,
                                    const SurfaceDrawing& drawing) {
    if (drawing) {
        // Drawn again as shapes and texts, the picture's pixels made the rectangle's.
        painter.save();
        painter.translate(r.left, r.top);
        painter.scale(static_cast<double>(r.width()) / picture.width(),
                      static_cast<double>(r.height()) / picture.height());
        VectorSurface surface(painter, picture.width(), picture.height());
        drawing(surface);
        surface.finish();
        painter.restore();
    } else {
        // Made smaller (the preview) the picture is smoothed so thin lines stay whole; made
        // larger (a page) every pixel stays a sharp square.
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              r.width() < picture.width() || r.height() < picture.height());
        painter.drawImage(r.toQRect(), picture);
    }
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    // The caption's top left corner is the rectangle's bottom left corner.
    painter.drawText(QPoint(r.left, r.bottom + painter.fontMetrics().ascent()), caption);
    painter.setPen(QPen(Qt::black, penWidth));
    painter.setBrush(Qt::NoBrush);
    // Along the rectangle's own pixels: right and bottom are just outside it.
    painter.drawRect(r.left, r.top, r.width() - 1, r.height() - 1);
}

QImage PrintLayout::PicturePreview(const QDate& today) const {
    QImage preview(400, 400, QImage::Format_RGB32);
    preview.fill(Qt::white);
    if (picture_.isNull()) return preview;
    QPainter painter(&preview);
    QFont small("Arial");
    small.setPixelSize(5); // 4 points on a 96 dpi screen
    DrawFramedPicture(painter, picture_, PreviewRect(Landscape, FitToPage), Caption(today), small,
                      1);
    return preview;
}

// --- printing --------------------------------------------------------------------------------

std::vector<QStringList> PrintLayout::TextPages(const QFont& printerFont,
                                                QPagedPaintDevice& device) const {
    const QFontMetrics metrics(printerFont, &device);
    const int lineHeight = std::max(1, metrics.height()); // the height of "hgj"
    const int width = std::max(1, device.width() - 2 * kTextMargin);
    const int perPage = std::max(1, (device.height() - kTextMargin) / lineHeight);
    QStringList lines;
    for (const QString& line : Lines())
        WrapLine(line, metrics, width, lines);
    std::vector<QStringList> pages;
    for (qsizetype i = 0; i < lines.size(); i += perPage)
        pages.push_back(lines.mid(i, perPage));
    if (pages.empty()) pages.emplace_back();
    return pages;
}

std::string PrintLayout::Print(QPagedPaintDevice& device, const QDate& today, const Job& job) {
    SetPageSize(device.width(), device.height());
    std::vector<QStringList> pages;
    const QFont printerFont = PrinterFont();
    if (kind_ == Kind::Text) {
        pages = TextPages(printerFont, device);
        const int first = job.fromPage > 0 ? job.fromPage : 1;
        const int last = job.toPage > 0 ? std::min<int>(job.toPage, static_cast<int>(pages.size()))
                                        : static_cast<int>(pages.size());
        if (first > last) return "the chosen pages are past the end of the text";
        pages = std::vector<QStringList>(pages.begin() + first - 1, pages.begin() + last);
    } else if (picture_.isNull()) {
        return "there is no picture to print";
    }

    QPainter painter;
    if (!painter.begin(&device)) return "the printer could not be started";
    bool firstPage = true;
    for (int copy = 0; copy < std::max(1, job.copies); ++copy) {
        if (kind_ == Kind::Picture) {
            if (!firstPage) device.newPage();
            firstPage = false;
            const QFont captionFont("Arial", 10);
            const int captionHeight = QFontMetrics(captionFont, &device).height();
            const PrintRect place = KeepOnPage(
                PageRect(PageWidth, PageHeight, Landscape, FitToPage), PageHeight, captionHeight);
            DrawFramedPicture(painter, picture_, place, Caption(today), captionFont, 2, drawing_);
            continue;
        }
        painter.setFont(printerFont);
        painter.setPen(Qt::black);
        painter.setBackgroundMode(Qt::TransparentMode);
        const QFontMetrics metrics(printerFont, &device);
        const int lineHeight = std::max(1, metrics.height());
        for (const QStringList& page : pages) {
            if (!firstPage) device.newPage();
            firstPage = false;
            for (qsizetype k = 0; k < page.size(); ++k)
                painter.drawText(
                    QPoint(kTextMargin,
                           kTextMargin + static_cast<int>(k) * lineHeight + metrics.ascent()),
                    page[k]);
        }
    }
    if (!painter.end()) return "the printer did not accept the page";
    return {};
}

} // namespace pelcor
