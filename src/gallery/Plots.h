#pragma once

#include "platform/Surface.h"

namespace pelcor::gallery {

// The function plots, drawn point by point about the picture's centre with their labels.
// Labels keep the font's name and style and set only its colour and size.

// y = a x² + b x + c at 6 pixels a unit, with its roots and vertex; the curve takes the
// pen colour. The roots are assumed real.
void PlotQuadratic(Surface& canvas, double a, double b, double c);

enum class Wave { Sine, Cosine };
// One period at 1/3 pixel a degree and 60 pixels a unit, with guide lines and labels.
void PlotWave(Surface& canvas, Wave wave);

// y = base^x at 12 pixels a unit, the points that would leave the picture skipped.
void PlotExponential(Surface& canvas, double base);
// Its mirror image, x = base^y.
void PlotLogarithm(Surface& canvas, double base);

// Both branches of the tangent on each side of the centre, short of the poles.
void PlotTangent(Surface& canvas);

// The straight line y = a x + c as an illustration with its explanatory text.
void PlotLine(Surface& canvas, double a, double c);

// The Archimedean spiral of 3.5 pixels a radian about the centre.
void PlotSpiral(Surface& canvas);

} // namespace pelcor::gallery
