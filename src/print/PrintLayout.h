#pragma once

#include "platform/Surface.h"

#include <QDate>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace pelcor {

// A rectangle as the print layout states it: left, top, right, bottom.
struct PrintRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    bool operator==(const PrintRect&) const = default;
};

// What is printed and how: a picture framed with a dated caption, or a text line by line,
// in portrait or landscape, a picture at normal size or fitted to the page. The preview and
// the printed page are both drawn here; the print window only shows and asks.
class PrintLayout {
public:
    enum class Kind { Picture, Text };

    // --- what is handed over
    // A picture: portrait, normal size. The preview shows `picture`; the page has the
    // picture drawn again by `drawing` at the printer's resolution, or `picture` stretched
    // when there is no drawing.
    void SetPicture(const QImage& picture, SurfaceDrawing drawing = {});
    // A text: every tab becomes eight spaces; portrait, normal size; the font is the one
    // the text is printed in (2 points larger on paper, 4 points smaller in the preview).
    void SetText(const QString& text, const QFont& font);

    // --- the buttons
    void ToggleOrientation() { Landscape = !Landscape; }
    void ToggleFitToPage() { FitToPage = !FitToPage; }
    // Each button shows what a click on it selects.
    QString OrientationCaption() const { return Landscape ? "Portrait" : "Landscape"; }
    QString FitCaption() const { return FitToPage ? "Normal size" : "Fit to page"; }
    bool FitEnabled() const { return kind_ == Kind::Picture; }

    // The printer's page, in device pixels: its shape decides the orientation.
    void SetPageSize(int pageWidth, int pageHeight);

    Kind kind() const { return kind_; }
    const QFont& textFont() const { return textFont_; }
    // The preview's text font: 4 points smaller than the text font (at least 1 point).
    QFont PreviewFont() const;
    // The text's lines, split at CR LF (or a lone LF or CR).
    QStringList Lines() const;

    // --- layout
    static PrintRect PreviewRect(bool landscape, bool fitToPage);
    static PrintRect PageRect(int pageWidth, int pageHeight, bool landscape, bool fitToPage);
    // The page rectangle where the picture and its caption below it would run past the
    // page's bottom (a very wide page fitted to the page): shrunk about its centre so that
    // both are printed whole. Any other rectangle comes back as it is.
    static PrintRect KeepOnPage(const PrintRect& r, int pageHeight, int captionHeight);
    static QString Caption(const QDate& today);
    static QString ExpandTabs(const QString& text);

    // The picture preview: 400 x 400 white, the picture stretched into PreviewRect with
    // its caption and a frame.
    QImage PicturePreview(const QDate& today) const;

    // --- printing
    struct Job {
        int copies = 1;   // copies the device does not make itself
        int fromPage = 0; // 1-based page range of a text; 0 = every page
        int toPage = 0;
    };
    // The text's pages for a page of `pageWidth` x `pageHeight` with the printer font:
    // lines that are too wide continue on the next line, and a page holds as many lines
    // as fit; nothing of the text is left out.
    std::vector<QStringList> TextPages(const QFont& printerFont, QPagedPaintDevice& device) const;
    // The printer font: the text font 2 points larger.
    QFont PrinterFont() const;
    // Draws the whole job on `device` (a printer or a PDF writer) and ends it. Reads the
    // page size from the device first. Returns an empty text, or why nothing was printed.
    std::string Print(QPagedPaintDevice& device, const QDate& today, const Job& job);

    bool Landscape = false;
    bool FitToPage = false;
    int PageWidth = 0;
    int PageHeight = 0;

private:
    static void DrawFramedPicture(QPainter& painter, const QImage& picture, const PrintRect& r,
                                  const QString& caption, const QFont& captionFont, int penWidth,
                                  const SurfaceDrawing& drawing = {});

    Kind kind_ = Kind::Picture;
    QImage picture_;
    SurfaceDrawing drawing_;
    QString text_;
    QFont textFont_{"Arial", 8};
};

} // namespace pelcor
