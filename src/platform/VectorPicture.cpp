#include "platform/VectorPicture.h"

#include "platform/AtomicFile.h"
#include "platform/SvgDocument.h"
#include "platform/VectorSurface.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace pelcor {

namespace {

const char* const kCreator = "Pelcor Scientific Calculator";

void Draw(QPainter& painter, int width, int height, const SurfaceDrawing& drawing) {
    VectorSurface surface(painter, width, height);
    drawing(surface);
    surface.finish();
}

} // namespace

QByteArray VectorPictureBytes(VectorFormat format, int width, int height,
                              const SurfaceDrawing& drawing) {
    if (format == VectorFormat::Svg) {
        SvgDocument svg(width, height, "Picture", kCreator);
        {
            QPainter painter(&svg);
            Draw(painter, width, height, drawing);
        }
        return svg.bytes();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(kCreator);
        pdf.setTitle("Picture");
        // The page is the picture: 96 pixels to the inch, no margins.
        pdf.setPageSize(QPageSize(QSizeF(width * 0.75, height * 0.75), QPageSize::Point, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        QPainter painter(&pdf);
        painter.scale(static_cast<double>(pdf.width()) / width,
                      static_cast<double>(pdf.height()) / height);
        Draw(painter, width, height, drawing);
    }
    buffer.close();
    return buffer.data();
}

std::string WriteVectorPicture(const std::string& path, VectorFormat format, int width, int height,
                               const SurfaceDrawing& drawing) {
    const QByteArray bytes = VectorPictureBytes(format, width, height, drawing);
    if (bytes.isEmpty()) return "the picture could not be drawn";
    return WriteFileAtomically(path, bytes.toStdString());
}

} // namespace pelcor
