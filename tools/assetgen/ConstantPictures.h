#pragma once

#include <QImage>

namespace pelcor::assetgen {

inline constexpr int kConstantPictureSize = 320;

// The pictures shown beside the astronomy constants.
enum class ConstantPicture {
    EarthPolarRadius,
    EarthEquatorialRadius,
    EarthAverageRadius,
    SunRadius,
    MoonRadius,
    MoonDistance,
    EarthOrbitVelocity,
    EarthSpinRate,
    EarthCircumference,
    SunRadiation,
    LocalGroupVelocity,
    GalaxySpin,
};

// The bodies whose mean distance from the Sun has a picture, in order outwards.
enum class Planet { Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

QImage DrawConstantPicture(ConstantPicture which);
// The Sun, the body on its orbit and the mean distance between them, with its value.
QImage DrawPlanetDistance(Planet planet);

} // namespace pelcor::assetgen
