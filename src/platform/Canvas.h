#pragma once

#include <QImage>
#include <QString>

namespace pelcor {

// A drawing surface with exact pixel colours: a 24-bit picture drawn without antialiasing.
// Colours are the program's integers (red + 256 green + 65536 blue).
class Canvas {
public:
    enum class PenStyle { Solid, Dot };
    enum class BrushStyle { Solid, Clear, DiagCross };

    Canvas(int width, int height, int background = 16777215);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    void resize(int width, int height, int background);

    // Pen
    void setPenColor(int color) { penColor_ = color; }
    int penColor() const { return penColor_; }
    void setPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    int penWidth() const { return penWidth_; }
    void setPenStyle(PenStyle style) { penStyle_ = style; }
    PenStyle penStyle() const { return penStyle_; }

    // Brush
    void setBrushColor(int color) { brushColor_ = color; }
    int brushColor() const { return brushColor_; }
    void setBrushStyle(BrushStyle style) { brushStyle_ = style; }
    BrushStyle brushStyle() const { return brushStyle_; }

    // Font
    void setFont(const QString& name, int pointSize, int color, bool bold = false,
                 bool italic = false);
    void setFontColor(int color) { fontColor_ = color; }
    int fontColor() const { return fontColor_; }

    // Drawing. Lines leave out their end point and rectangles and ellipses their right and
    // bottom edges, as the desktop's drawing calls do.
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    int penX() const { return penX_; }
    int penY() const { return penY_; }
    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void fillRect(int x1, int y1, int x2, int y2);
    void textOut(int x, int y, const QString& text);
    int textHeight(const QString& text) const;
    int textWidth(const QString& text) const;
    int pixel(int x, int y) const;
    void setPixel(int x, int y, int color);
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage& picture);
    void clear(int color);

private:
    QFont font() const;

    QImage image_;
    int penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    int brushColor_ = 16777215;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QString fontName_ = "Arial";
    int fontSize_ = 8;
    int fontColor_ = 0;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace pelcor
