#pragma once

#include "platform/Surface.h"

#include <QByteArray>

#include <string>

namespace pelcor {

enum class VectorFormat { Svg, Pdf };

// A picture of `width` x `height` pixels drawn by `drawing` on a vector surface, as the bytes
// of an SVG document (its view box the picture's pixels, 96 pixels to the inch) or of a
// one-page PDF document whose page is the picture at the same size.
QByteArray VectorPictureBytes(VectorFormat format, int width, int height,
                              const SurfaceDrawing& drawing);

// The same, written to `path` (through a temporary file). Returns an empty text, or what
// went wrong.
std::string WriteVectorPicture(const std::string& path, VectorFormat format, int width, int height,
                               const SurfaceDrawing& drawing);

} // namespace pelcor
