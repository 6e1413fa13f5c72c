#pragma once

#include <QImage>

namespace pelcor::assetgen {

inline constexpr int kFigureSize = 320;
inline constexpr int kViewerWidth = 320;
inline constexpr int kViewerHeight = 240;

// The reference figures of the image library.
enum class Figure {
    CoordinatePlane,
    UnitCircle,
    RightTriangle,
    TriangleCentres,
    ParallelLines,
    FunctionGraphs,
    ConicSections,
    Solids,
};

QImage DrawReferenceFigure(Figure figure);
// The picture the viewer opens with: a framed golden spiral above the caption.
QImage DrawViewerPicture();

} // namespace pelcor::assetgen
