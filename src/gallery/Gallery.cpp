#include "gallery/Gallery.h"

#include "gallery/GalleryPaint.h"
#include "gallery/Plots.h"

namespace pelcor::gallery {

namespace {

// A figure's title, where it is written and its size.
struct FigureTitle {
    const char* text; // empty for the clock
    int x, y;
    int size;
};

const FigureTitle Titles[Gallery::FigureCount] = {
    {"", 0, 0, 12},
    {"B O X", 130, 11, 12},
    {"C Y L I N D E R", 110, 11, 12},
    {"T R U N C  C O N E", 105, 11, 12},
    {"C O N I C A L", 110, 11, 12},
    {"E L I P S O I D", 110, 11, 12},
    {"P A R A B O L A", 130, 11, 12},
    {"S I N   F U N C T I O N", 90, 11, 12},
    {"C O S   F U N C T I O N", 85, 11, 12},
    {"H E L I X", 120, 11, 12},
    {"E X P O N E N T I A L", 102, 230, 10},
    {"L O G A R I T M", 130, 11, 10},
    {"T A N   F U N C T I O N", 89, 26, 10},
    {"L I N E   F U N C T I O N", 80, 11, 12},
    {"S P I R A L   F U N C T I O N", 50, 11, 12},
};

// The general formula written under a figure.
constexpr int QuadraticFormula = 6;
constexpr int EllipseFormula = 9;

} // namespace

void Gallery::SetFigureIndex(int index) {
    figureIndex_ = index >= 0 && index < FigureCount ? index : 0;
}

void Gallery::StepForward() {
    figureIndex_ = figureIndex_ >= FigureCount - 1 ? 0 : figureIndex_ + 1;
    clockRunning_ = false;
}

void Gallery::StepBack() {
    figureIndex_ = figureIndex_ <= 0 ? FigureCount - 1 : figureIndex_ - 1;
    clockRunning_ = false;
}

void Gallery::ToggleSolidMode() {
    solidMode_ = solidMode_ == SolidMode::Wire ? SolidMode::Solid : SolidMode::Wire;
}

void Gallery::StyleCaption(Surface& canvas) const {
    canvas.setFont("Arial", 12, White, true);
    canvas.setBrushStyle(Surface::BrushStyle::Clear);
    if (captionFormula_ == QuadraticFormula)
        canvas.textOut(90, 250, QStringLiteral("y = a.x \u00B2 + b.x  +  c "));
    else if (captionFormula_ == EllipseFormula)
        canvas.textOut(90, 250,
                       QStringLiteral("(x - h) \u00B2 / a \u00B2 + (y - k) \u00B2 / b \u00B2 = 1"));
    canvas.setFontColor(Yellow);
}

void Gallery::DrawTitle(Surface& canvas) const {
    const FigureTitle& title = Titles[figureIndex_];
    canvas.setFontColor(Yellow);
    canvas.setFontSize(title.size);
    canvas.textOut(title.x, title.y, QString::fromUtf8(title.text));
}

void Gallery::ShowFigure(Surface& canvas, ClearOptions options) {
    ClearBoard(canvas, BackgroundColor, options);
    if (figureIndex_ == ClockFigure) {
        clockRunning_ = true;
        ClockTick(canvas);
        return;
    }
    clockRunning_ = false;

    const bool solid = figureIndex_ <= 5 || figureIndex_ == 9;
    static constexpr int SolidFormulas[] = {0, 1, 2, 0, 0, 5};
    captionFormula_ = figureIndex_ <= 5   ? SolidFormulas[figureIndex_]
                      : figureIndex_ == 6 ? QuadraticFormula
                      : figureIndex_ == 9 ? EllipseFormula
                                          : 0;
    if (solid)
        PerspectiveGrid(canvas);
    else
        FlatGrid(canvas);
    StyleCaption(canvas);
    // The tangent's title goes on top of its plot; every other title comes first.
    if (figureIndex_ != 12) DrawTitle(canvas);

    switch (figureIndex_) {
    case 1: DrawBox(canvas, solidMode_); break;
    case 2: DrawCylinder(canvas, solidMode_); break;
    case 3: DrawTruncCone(canvas, solidMode_); break;
    case 4: DrawCone(canvas, solidMode_); break;
    case 5: DrawEllipsoid(canvas, solidMode_); break;
    case 6:
        canvas.setPenColor(Yellow);
        PlotQuadratic(canvas, 0.7, -5, 2);
        break;
    case 7: PlotWave(canvas, Wave::Sine); break;
    case 8: PlotWave(canvas, Wave::Cosine); break;
    case 9: DrawHelix(canvas); break;
    case 10:
        PlotExponential(canvas, 0.5);
        PlotExponential(canvas, 2);
        canvas.setFontColor(White);
        canvas.setFontSize(10);
        canvas.textOut(60, 2, QStringLiteral("y = 0.5\u00AA"));
        canvas.textOut(220, 2, QStringLiteral("y = 2\u00AA"));
        canvas.textOut(133, 135, " 1");
        break;
    case 11:
        canvas.setFontColor(White);
        canvas.setFontSize(10);
        PlotLogarithm(canvas, 0.5);
        canvas.textOut(186, 95, "y =  log x base 2");
        PlotLogarithm(canvas, 2);
        canvas.textOut(185, 220, "y =  log x : base 0.5");
        canvas.textOut(170, 128, "1");
        break;
    case 12:
        PlotTangent(canvas);
        DrawTitle(canvas);
        break;
    case 13: PlotLine(canvas, 0.5, 300); break;
    case 14: PlotSpiral(canvas); break;
    }
}

bool Gallery::ClockTick(Surface& canvas) {
    if (!clockRunning_) return false;
    clock_.Tick(canvas);
    return true;
}

std::string Gallery::Description() const {
    return figureIndex_ == ClockFigure ? clock_.TimeText() : Titles[figureIndex_].text;
}

} // namespace pelcor::gallery
