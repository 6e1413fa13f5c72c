#include "platform/SvgDocument.h"

#include <QBuffer>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <utility>

namespace pelcor {

namespace {

constexpr int kDpi = 96;

void Append(QByteArray& out, const char* text) {
    out.append(text);
}

// A coordinate or a size: to a ten-thousandth of a pixel, without a needless fraction.
void Number(QByteArray& out, double v) {
    if (!std::isfinite(v)) v = 0;
    v = std::round(v * 10000) / 10000;
    if (v == 0) v = 0; // no "-0"
    char text[400];
    std::to_chars_result r{};
    if (v == std::trunc(v) && std::abs(v) < 1e15)
        r = std::to_chars(text, text + sizeof text, static_cast<long long>(v));
    else
        r = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed);
    if (r.ec == std::errc()) out.append(text, r.ptr - text);
}

void Point(QByteArray& out, double x, double y) {
    Number(out, x);
    out.append(',');
    Number(out, y);
}

// "#rrggbb".
void Colour(QByteArray& out, const QColor& colour) {
    static const char digits[] = "0123456789abcdef";
    const QRgb rgb = colour.rgb();
    const char text[7] = {'#',
                          digits[qRed(rgb) >> 4],
                          digits[qRed(rgb) & 15],
                          digits[qGreen(rgb) >> 4],
                          digits[qGreen(rgb) & 15],
                          digits[qBlue(rgb) >> 4],
                          digits[qBlue(rgb) & 15]};
    out.append(text, 7);
}

void Opacity(QByteArray& out, const char* name, const QColor& colour) {
    if (colour.alpha() == 255) return;
    out.append(' ');
    out.append(name);
    out.append("=\"");
    Number(out, colour.alphaF());
    out.append('"');
}

void Attribute(QByteArray& out, const char* name, const QString& value) {
    out.append(' ');
    out.append(name);
    out.append("=\"");
    out.append(value.toHtmlEscaped().toUtf8());
    out.append('"');
}

} // namespace

class SvgDocument::Engine final : public QPaintEngine {
public:
    Engine(int width, int height, QString title, QString description)
        : QPaintEngine(PaintEngineFeatures(AllFeatures) & ~PaintEngineFeatures(PatternBrush) &
                       ~PaintEngineFeatures(PerspectiveTransform) &
                       ~PaintEngineFeatures(ConicalGradientFill) &
                       ~PaintEngineFeatures(PorterDuff)),
          width_(width), height_(height), title_(std::move(title)),
          description_(std::move(description)) {}

    const QByteArray& bytes() const { return out_; }

    bool begin(QPaintDevice*) override {
        out_.clear();
        out_.reserve(1 << 20);
        Append(out_, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"");
        Number(out_, width_ * 25.4 / kDpi);
        Append(out_, "mm\" height=\"");
        Number(out_, height_ * 25.4 / kDpi);
        Append(out_, "mm\" viewBox=\"0 0 ");
        Number(out_, width_);
        out_.append(' ');
        Number(out_, height_);
        Append(out_, "\"\n xmlns=\"http://www.w3.org/2000/svg\" "
                     "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.2\" "
                     "baseProfile=\"tiny\">\n<title>");
        out_.append(title_.toHtmlEscaped().toUtf8());
        Append(out_, "</title>\n<desc>");
        out_.append(description_.toHtmlEscaped().toUtf8());
        Append(out_, "</desc>\n");
        group_.clear();
        groupOpen_ = false;
        return true;
    }

    bool end() override {
        closeGroup();
        Append(out_, "</svg>\n");
        return true;
    }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen) pen_ = state.pen();
        if (dirty & DirtyBrush) brush_ = state.brush();
        if (dirty & DirtyTransform) transform_ = state.transform();
    }

    void drawPath(const QPainterPath& path) override { writePath(path, brush_); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count < 1) return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode != PolylineMode) path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        writePath(path, mode == PolylineMode ? QBrush() : brush_);
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QString text = item.text();
        if (text.isEmpty()) return;
        useTransformOnly();
        const QFont font = item.font();
        Append(out_, "<text fill=\"");
        Colour(out_, pen_.color());
        out_.append('"');
        Opacity(out_, "fill-opacity", pen_.color());
        Append(out_, " stroke=\"none\" xml:space=\"preserve\" x=\"");
        Number(out_, p.x());
        Append(out_, "\" y=\"");
        Number(out_, p.y());
        out_.append('"');
        Attribute(out_, "font-family", font.family());
        Append(out_, " font-size=\"");
        Number(out_, font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kDpi / 72);
        Append(out_, "\" font-weight=\"");
        Number(out_, font.weight());
        Append(out_, font.italic() ? "\" font-style=\"italic\">" : "\" font-style=\"normal\">");
        out_.append(text.toHtmlEscaped().toUtf8());
        Append(out_, "</text>\n");
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags) override {
        if (image.isNull()) return;
        const QImage part = sr == QRectF(image.rect()) ? image : image.copy(sr.toAlignedRect());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        part.save(&buffer, "PNG");
        useTransformOnly();
        Append(out_, "<image x=\"");
        Number(out_, r.x());
        Append(out_, "\" y=\"");
        Number(out_, r.y());
        Append(out_, "\" width=\"");
        Number(out_, r.width());
        Append(out_, "\" height=\"");
        Number(out_, r.height());
        Append(out_, "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64,");
        out_.append(png.toBase64());
        Append(out_, "\"/>\n");
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) override {
        drawImage(r, pixmap.toImage(), sr, Qt::AutoColor);
    }

    Type type() const override { return QPaintEngine::SVG; }

private:
    // The group's attributes for a path drawn with the pen and `brush`.
    QByteArray pathStyle(const QBrush& brush, Qt::FillRule rule) const {
        QByteArray style;
        if (brush.style() == Qt::NoBrush) {
            Append(style, "fill=\"none\"");
        } else {
            Append(style, "fill=\"");
            Colour(style, brush.color());
            style.append('"');
            Opacity(style, "fill-opacity", brush.color());
            Append(style,
                   rule == Qt::WindingFill ? " fill-rule=\"nonzero\"" : " fill-rule=\"evenodd\"");
        }
        if (pen_.style() == Qt::NoPen || pen_.brush().style() == Qt::NoBrush) {
            Append(style, " stroke=\"none\"");
        } else {
            const double width = pen_.widthF() > 0 ? pen_.widthF() : 1;
            Append(style, " stroke=\"");
            Colour(style, pen_.color());
            style.append('"');
            Opacity(style, "stroke-opacity", pen_.color());
            Append(style, " stroke-width=\"");
            Number(style, width);
            switch (pen_.capStyle()) {
            case Qt::SquareCap: Append(style, "\" stroke-linecap=\"square"); break;
            case Qt::RoundCap: Append(style, "\" stroke-linecap=\"round"); break;
            default: Append(style, "\" stroke-linecap=\"butt"); break;
            }
            switch (pen_.joinStyle()) {
            case Qt::BevelJoin: Append(style, "\" stroke-linejoin=\"bevel\""); break;
            case Qt::RoundJoin: Append(style, "\" stroke-linejoin=\"round\""); break;
            default:
                Append(style, "\" stroke-linejoin=\"miter\" stroke-miterlimit=\"");
                Number(style, std::max(1.0, pen_.miterLimit()));
                style.append('"');
                break;
            }
            if (pen_.style() != Qt::SolidLine) {
                // The pattern in pen widths, as the painter has it; SVG's in pixels.
                Append(style, " stroke-dasharray=\"");
                const QList<qreal> pattern = pen_.dashPattern();
                for (qsizetype i = 0; i < pattern.size(); ++i) {
                    if (i) style.append(',');
                    Number(style, pattern[i] * width);
                }
                Append(style, "\" stroke-dashoffset=\"");
                Number(style, pen_.dashOffset() * width);
                style.append('"');
            }
        }
        style.append(transformAttribute());
        return style;
    }

    QByteArray transformAttribute() const {
        QByteArray t;
        if (transform_.isIdentity()) return t;
        Append(t, " transform=\"matrix(");
        const double m[] = {transform_.m11(), transform_.m12(), transform_.m21(),
                            transform_.m22(), transform_.dx(),  transform_.dy()};
        for (int i = 0; i < 6; ++i) {
            if (i) t.append(',');
            // A scale keeps its precision: it multiplies every coordinate.
            char text[400];
            const auto r = std::to_chars(text, text + sizeof text, m[i]);
            if (r.ec == std::errc()) t.append(text, r.ptr - text);
        }
        Append(t, ")\"");
        return t;
    }

    // Continues the open group when its style is `style`, or opens a group of it.
    void useGroup(const QByteArray& style) {
        if (groupOpen_ && style == group_) return;
        closeGroup();
        Append(out_, "<g ");
        out_.append(style);
        Append(out_, ">\n");
        group_ = style;
        groupTransform_ = transformAttribute();
        groupOpen_ = true;
    }

    // Texts and pictures carry their own colours: any group with the painter's transform.
    void useTransformOnly() {
        const QByteArray transform = transformAttribute();
        if (groupOpen_ && transform == groupTransform_) return;
        useGroup("fill=\"none\" stroke=\"none\"" + transform);
    }

    void closeGroup() {
        if (!groupOpen_) return;
        Append(out_, "</g>\n");
        groupOpen_ = false;
    }

    void writePath(const QPainterPath& path, const QBrush& brush) {
        const int count = path.elementCount();
        if (count == 0) return;
        useGroup(pathStyle(brush, path.fillRule()));
        Append(out_, "<path d=\"");
        QPointF start, last;
        int started = 0; // where the subpath began
        for (int i = 0; i < count; ++i) {
            const QPainterPath::Element& e = path.elementAt(i);
            switch (e.type) {
            case QPainterPath::MoveToElement:
                out_.append('M');
                Point(out_, e.x, e.y);
                start = last = QPointF(e.x, e.y);
                started = i;
                break;
            case QPainterPath::LineToElement: {
                const bool ends = i + 1 == count || path.elementAt(i + 1).isMoveTo();
                if (ends && i - started >= 2 && QPointF(e.x, e.y) == start) {
                    out_.append('Z'); // back at its start: a closed outline
                } else if (e.y == last.y()) {
                    out_.append('H');
                    Number(out_, e.x);
                } else if (e.x == last.x()) {
                    out_.append('V');
                    Number(out_, e.y);
                } else {
                    out_.append('L');
                    Point(out_, e.x, e.y);
                }
                last = QPointF(e.x, e.y);
                break;
            }
            case QPainterPath::CurveToElement: {
                if (i + 2 >= count) return;
                const QPainterPath::Element& c2 = path.elementAt(i + 1);
                const QPainterPath::Element& to = path.elementAt(i + 2);
                out_.append('C');
                Point(out_, e.x, e.y);
                out_.append(' ');
                Point(out_, c2.x, c2.y);
                out_.append(' ');
                Point(out_, to.x, to.y);
                last = QPointF(to.x, to.y);
                i += 2;
                if ((i + 1 == count || path.elementAt(i + 1).isMoveTo()) && last == start)
                    out_.append('Z'); // an ellipse: a closed outline
                break;
            }
            case QPainterPath::CurveToDataElement: break;
            }
        }
        Append(out_, "\"/>\n");
    }

    int width_, height_;
    QString title_, description_;
    QByteArray out_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    QByteArray group_, groupTransform_; // the open group's style and its transform
    bool groupOpen_ = false;
};

SvgDocument::SvgDocument(int width, int height, const QString& title, const QString& description)
    : engine_(std::make_unique<Engine>(width, height, title, description)), width_(width),
      height_(height) {}

SvgDocument::~SvgDocument() = default;

QPaintEngine* SvgDocument::paintEngine() const {
    return engine_.get();
}

const QByteArray& SvgDocument::bytes() const {
    return engine_->bytes();
}

int SvgDocument::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return qRound(width_ * 25.4 / kDpi);
    case PdmHeightMM: return qRound(height_ * 25.4 / kDpi);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
    }
}

} // namespace pelcor
