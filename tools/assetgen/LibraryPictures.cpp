#include "LibraryPictures.h"

#include "ConstantPictures.h"
#include "OrbitPictures.h"
#include "ReferenceFigures.h"

#include <array>

namespace pelcor::assetgen {

namespace {

const std::array<LibraryPicture, 42> kPictures{{
    {"EarthP.jpg", [] { return DrawConstantPicture(ConstantPicture::EarthPolarRadius); }},
    {"EarthE.jpg", [] { return DrawConstantPicture(ConstantPicture::EarthEquatorialRadius); }},
    {"EarthA.jpg", [] { return DrawConstantPicture(ConstantPicture::EarthAverageRadius); }},
    {"PLSun.jpg", [] { return DrawConstantPicture(ConstantPicture::SunRadius); }},
    {"PL0.jpg", [] { return DrawConstantPicture(ConstantPicture::MoonRadius); }},
    {"PL10.jpg", [] { return DrawConstantPicture(ConstantPicture::MoonDistance); }},
    {"PL1.jpg", [] { return DrawPlanetDistance(Planet::Mercury); }},
    {"PL2.jpg", [] { return DrawPlanetDistance(Planet::Venus); }},
    {"PL3.jpg", [] { return DrawPlanetDistance(Planet::Earth); }},
    {"PL4.jpg", [] { return DrawPlanetDistance(Planet::Mars); }},
    {"PL5.jpg", [] { return DrawPlanetDistance(Planet::Jupiter); }},
    {"PL6.jpg", [] { return DrawPlanetDistance(Planet::Saturn); }},
    {"PL7.jpg", [] { return DrawPlanetDistance(Planet::Uranus); }},
    {"PL8.jpg", [] { return DrawPlanetDistance(Planet::Neptune); }},
    {"PL9.jpg", [] { return DrawPlanetDistance(Planet::Pluto); }},
    {"EarthO.jpg", [] { return DrawConstantPicture(ConstantPicture::EarthOrbitVelocity); }},
    {"EarthR.jpg", [] { return DrawConstantPicture(ConstantPicture::EarthSpinRate); }},
    {"EarthC.jpg", [] { return DrawConstantPicture(ConstantPicture::EarthCircumference); }},
    {"PLSun1.jpg", [] { return DrawConstantPicture(ConstantPicture::SunRadiation); }},
    {"PLGVel.jpg", [] { return DrawConstantPicture(ConstantPicture::LocalGroupVelocity); }},
    {"PLGSpin.jpg", [] { return DrawConstantPicture(ConstantPicture::GalaxySpin); }},

    {"Space.jpg", DrawStarField},
    {"Venus1.jpg", DrawVenusPicture},
    {"E1.jpg", DrawEarthPicture},
    {"mars.jpg", DrawMarsPicture},
    {"JP1.jpg", [] { return DrawJupiterFrame(0); }},
    {"JP2.jpg", [] { return DrawJupiterFrame(1); }},
    {"JP3.jpg", [] { return DrawJupiterFrame(2); }},
    {"JP4.jpg", [] { return DrawJupiterFrame(3); }},
    {"JP5.jpg", [] { return DrawJupiterFrame(4); }},
    {"JP6.jpg", [] { return DrawJupiterFrame(5); }},
    {"JP7.jpg", [] { return DrawJupiterFrame(6); }},
    {"JP8.jpg", [] { return DrawJupiterFrame(7); }},

    {"Viewer.jpg", DrawViewerPicture},
    {"Fig11_12b.jpg", [] { return DrawReferenceFigure(Figure::CoordinatePlane); }},
    {"Fig11_12c.jpg", [] { return DrawReferenceFigure(Figure::UnitCircle); }},
    {"Fig11_12d.jpg", [] { return DrawReferenceFigure(Figure::RightTriangle); }},
    {"Fig11_12e.jpg", [] { return DrawReferenceFigure(Figure::TriangleCentres); }},
    {"Fig11_12f.jpg", [] { return DrawReferenceFigure(Figure::ParallelLines); }},
    {"Fig11_12g.jpg", [] { return DrawReferenceFigure(Figure::FunctionGraphs); }},
    {"Fig11_12h.jpg", [] { return DrawReferenceFigure(Figure::ConicSections); }},
    {"Fig11_12k.jpg", [] { return DrawReferenceFigure(Figure::Solids); }},
}};

} // namespace

std::span<const LibraryPicture> AllLibraryPictures() {
    return kPictures;
}

} // namespace pelcor::assetgen
