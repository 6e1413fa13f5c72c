// The board's drawing measured against plain QPainter on a QImage drawing the same
// primitives, side by side in one process. Each benchmark reports the program's time
// (program_ms, also the benchmark's own time), QPainter's (qpainter_ms) and their ratio, all
// in processor time of the drawing thread.
//
// The QPainter side gets every point of a curve computed beforehand (only the pixels that
// land on the board, each once), so it measures drawing alone; the program's side computes
// whatever it computes.

#include "BenchShapes.h"
#include "board/BoardTools.h"
#include "drawing/DrawingFile.h"
#include "platform/Colors.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace pelcor;

using namespace benchshapes;

// --- the same drawing with plain QPainter ------------------------------------------------

// The values of the curve parameter of a HYPER1 centred on `row` that can land on the board
// (|c| < 320 for a centre column on the board), from its own stepping rule; made once.
const std::vector<double>& RectHyperbolaSteps(int row) {
    static std::map<int, std::vector<double>> rows;
    auto [at, added] = rows.try_emplace(row);
    if (added) {
        const double y1 = row;
        long long steps = 0;
        for (double c = 0.25; c < 160 && steps < 10'000'000; ++steps) {
            if (std::fabs(c) < 320) at->second.push_back(c);
            double d = y1 - c + 0.25;
            if (d == 0) d = 1;
            c += 5 / d;
        }
    }
    return at->second;
}

// The cosine and tangent of the HYPER parameter's values, made once.
const std::vector<std::pair<double, double>>& HyperbolaSteps() {
    static const std::vector<std::pair<double, double>> steps = [] {
        std::vector<std::pair<double, double>> v;
        for (double t = 0; t < 360; t += 0.025)
            v.emplace_back(std::cos(t), std::tan(t));
        return v;
    }();
    return steps;
}

// The board pixels of a curve record, each once, from the curve's own formulas.
std::vector<QPoint> CurvePixels(const ShapeRecord& s) {
    std::vector<bool> seen(320 * 320);
    std::vector<QPoint> out;
    auto put = [&](double x, double y) {
        if (!(std::fabs(x) < 1e9 && std::fabs(y) < 1e9)) return;
        const int px = static_cast<int>(x), py = static_cast<int>(y);
        if (px < 0 || py < 0 || px >= 320 || py >= 320 || seen[py * 320 + px]) return;
        seen[py * 320 + px] = true;
        out.emplace_back(px, py);
    };
    const double x1 = s.X1, y1 = s.Y1;
    if (s.Kind == "PARABOLA") {
        const double a = s.X3 / 10.0;
        for (double t = -8; t < 0; t += 0.025) {
            const double y = a * t * t;
            if (s.Y4 == 0) {
                put(x1 - std::trunc(10 * t), y1 + std::trunc(-10 * y));
                put(x1 + std::trunc(10 * t), y1 + std::trunc(-10 * y));
            } else {
                put(x1 + std::trunc(10 * y), y1 + std::trunc(10 * t));
                put(x1 + std::trunc(10 * y), y1 - std::trunc(10 * t));
            }
        }
    } else if (s.Kind == "HYPER") {
        const double a = s.X2 / 100.0, b = s.Y2 / 100.0;
        for (const auto& [cosine, tangent] : HyperbolaSteps()) {
            const double across = std::trunc(10 * a / cosine);
            const double along = std::trunc(10 * b * tangent);
            if (s.Y4 == 1)
                put(x1 + across, y1 - along);
            else
                put(x1 + along, y1 - across);
        }
    } else if (s.Kind == "HYPER1") {
        const double k = s.X2;
        for (double c : RectHyperbolaSteps(s.Y1)) {
            const double g = 10 * k / c;
            if (s.Y4 != 0) {
                put(x1 - c, y1 - g);
                put(x1 + c, y1 + g);
            } else {
                put(x1 + c, y1 - g);
                put(x1 - c, y1 + g);
            }
        }
    }
    return out;
}

struct PlainShape {
    std::vector<QPoint> points; // a curve's pixels
    QFont font;                 // a text's font
};

struct PlainBoard {
    const DrawingList& list;
    std::vector<PlainShape> extra;

    explicit PlainBoard(const DrawingList& l) : list(l) {
        for (const ShapeRecord& s : list.Shapes()) {
            PlainShape e;
            e.points = CurvePixels(s);
            if (s.IsText()) {
                e.font = QFont(QString::fromStdString(s.FontName));
                e.font.setPixelSize((std::stoi(s.FontSize) * 96 + 36) / 72);
                e.font.setBold(s.FontStyle == "Bold");
                e.font.setItalic(s.FontStyle == "Italic");
                e.font.setStyleStrategy(QFont::NoAntialias);
            }
            extra.push_back(std::move(e));
        }
    }

    static void Pen(QPainter& p, int color) {
        QPen pen(ToQColor(color));
        pen.setWidth(0);
        p.setPen(pen);
    }
    static void Handle(QPainter& p, int x, int y, int color) {
        Pen(p, color);
        p.setBrush(ToQColor(color));
        p.drawEllipse(QRect(x - 2, y - 2, 4, 4));
    }
    static QRect Box(int x1, int y1, int x2, int y2) {
        return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                     QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    }

    static void Axes(QPainter& p, const QFont& font) {
        Pen(p, colors::AxisLine);
        p.drawLine(0, 160, 320, 160);
        p.drawLine(160, 0, 160, 320);
        p.setFont(font);
        Pen(p, colors::AxisLabel);
        p.drawText(5, 155, "-X");
        p.drawText(305, 155, "X");
        p.drawText(150, 10, "Y");
        p.drawText(145, 310, "-Y");
    }

    void Shape(QPainter& p, const ShapeRecord& s, const PlainShape& e) const {
        Pen(p, s.PenColor);
        if (s.FillMode == "S")
            p.setBrush(ToQColor(s.FillColor));
        else
            p.setBrush(Qt::NoBrush);
        const int cx = s.X1 + (s.X2 - s.X1) / 2, cy = s.Y1 + (s.Y2 - s.Y1) / 2;
        const std::string& k = s.Kind;
        if (k == "LINE" || k == "SQUARE" || k == "ELLIPSE") {
            if (k == "LINE")
                p.drawLine(s.X1, s.Y1, s.X2, s.Y2);
            else if (k == "SQUARE")
                p.drawRect(Box(s.X1, s.Y1, s.X2, s.Y2));
            else
                p.drawEllipse(Box(s.X1, s.Y1, s.X2, s.Y2));
            Handle(p, s.X1, s.Y1, colors::CornerHandle);
            Handle(p, s.X2, s.Y2, colors::CornerHandle);
            Handle(p, cx, cy, colors::CentreHandle);
        } else if (k == "CIRCLE") {
            const int d = s.Y2 - s.Y1, b1 = s.Y1 + d / 3, b2 = s.Y2 - d / 3, h = s.Aux1;
            switch (s.Aux2) {
            case 0: p.drawEllipse(Box(s.X1, s.Y1, s.X2, s.Y2)); break;
            case 1:
                p.drawEllipse(Box(s.X1, b1, s.X2, b2));
                p.drawEllipse(Box(s.X1, b1 - h, s.X2, b2 - h));
                p.drawLine(s.X1, cy, s.X1, cy - h);
                p.drawLine(s.X2, cy, s.X2, cy - h);
                break;
            case 2:
                p.drawEllipse(Box(s.X1, b1, s.X2, b2));
                p.drawLine(s.X1, cy, cx, cy - h);
                p.drawLine(s.X2, cy, cx, cy - h);
                break;
            case 3: {
                const int w = (s.X2 - s.X1) / 5, q = (b2 - b1) / 4;
                p.drawEllipse(Box(s.X1, b1, s.X2, b2));
                p.drawEllipse(Box(s.X1 + w, b1 + q - h, s.X2 - w, b2 - q - h));
                p.drawLine(s.X1, cy, s.X1 + w, cy - h);
                p.drawLine(s.X2, cy, s.X2 - w, cy - h);
                break;
            }
            default: {
                const int g = (s.X2 - s.X1) / 3;
                p.drawEllipse(Box(s.X1, s.Y1, s.X2, s.Y2));
                p.drawEllipse(Box(s.X1, b1, s.X2, b2));
                p.drawEllipse(Box(s.X1 + g, s.Y1, s.X2 - g, s.Y2));
            }
            }
            Handle(p, cx, cy, colors::CentreHandle);
        } else if (k == "TRIANGLE") {
            p.drawLine(s.X3, s.Y3, s.X4, s.Y4);
            p.drawLine(s.X4, s.Y4, s.Aux1, s.Aux2);
            p.drawLine(s.Aux1, s.Aux2, s.X3, s.Y3);
            for (int twice = 0; twice < 2; ++twice) {
                Handle(p, s.X3, s.Y3, colors::CornerHandle);
                Handle(p, s.X4, s.Y4, colors::CornerHandle);
                Handle(p, s.Aux1, s.Aux2, colors::CornerHandle);
                Handle(p, s.X1, s.Y1, colors::CentreHandle);
            }
        } else if (k == "HEXAGON") {
            Polygon(p, s);
            Handle(p, s.X1, s.Y1, colors::CentreHandle);
        } else if (k == "TEXT") {
            p.setFont(e.font);
            p.drawText(s.X1, s.Y1 + 12, QString::fromStdString(s.Text));
            Handle(p, s.X1, s.Y1, colors::CentreHandle);
        } else {
            p.drawPoints(e.points.data(), static_cast<int>(e.points.size()));
            if (k == "HYPER") {
                const double slope = 160.0 * s.Y2 / s.X2;
                p.drawLine(QLineF(s.X1 - 160, s.Y1 - slope, s.X1 + 160, s.Y1 + slope));
                p.drawLine(QLineF(s.X1 - 160, s.Y1 + slope, s.X1 + 160, s.Y1 - slope));
            } else if (k == "HYPER1") {
                p.drawLine(0, s.Y1, 320, s.Y1);
                p.drawLine(s.X1, 0, s.X1, 320);
            }
            Handle(p, s.X1, s.Y1, colors::CentreHandle);
        }
    }

    static void Polygon(QPainter& p, const ShapeRecord& s) {
        const double steps[] = {0, 0, 0, 120, 90, 72, 60, 51.5, 45, 40, 36, 0, 30};
        const double m = steps[s.Aux4], r = s.X2, cx = s.X1, cy = s.Y1;
        const int h = s.Aux3;
        auto at = [&](double u, double fx, double fy) {
            const double a = u * std::numbers::pi / 180;
            return QPoint(static_cast<int>(cx + fx * r * std::cos(a)),
                          static_cast<int>(cy + fy * r * std::sin(a)));
        };
        QPoint a, b;
        for (int i = 0; i < s.Y2; ++i) {
            const double u = s.Aux1 + i * m;
            if (s.Aux2 == 0) {
                a = at(u, 1, 1), b = at(u + m, 1, 1);
                p.drawLine(a, b);
                continue;
            }
            a = at(u, 1.5, 0.5), b = at(u + m, 1.5, 0.5);
            p.drawLine(a, b);
            if (s.Aux2 == 1) {
                p.drawLine(b, b - QPoint(0, h));
                p.drawLine(a - QPoint(0, h), b - QPoint(0, h));
            } else if (s.Aux2 == 2) {
                p.drawLine(b, QPoint(s.X1, s.Y1 - h));
            } else {
                const QPoint t1 = at(u + m, 1, 1.0 / 3) - QPoint(0, h);
                const QPoint t2 = at(u, 1, 1.0 / 3) - QPoint(0, h);
                p.drawLine(b, t1);
                p.drawLine(t1, t2);
            }
        }
        const QPoint c(s.X1, s.Y1);
        Pen(p, colors::RadiusLine);
        p.drawLine(c, a);
        p.drawLine(c, b);
        Pen(p, colors::ApothemLine);
        p.drawLine(c, (a + b) / 2);
        if (s.Aux2 != 0) {
            p.drawLine(c, c - QPoint(0, h));
            Handle(p, s.X1, s.Y1 - h, colors::HeightHandle);
        }
    }

    void Draw(QImage& image, bool clear) const {
        static const QFont axisFont = [] {
            QFont f("Arial");
            f.setPixelSize(11);
            f.setStyleStrategy(QFont::NoAntialias);
            return f;
        }();
        if (clear) image.fill(ToQColor(DefaultBackgroundColor));
        QPainter p(&image);
        if (clear) Axes(p, axisFont);
        for (std::size_t i = 0; i < extra.size(); ++i)
            Shape(p, list.Shapes()[i], extra[i]);
        if (!clear) Axes(p, axisFont);
    }
};

// --- side by side ---------------------------------------------------------------------------

// The processor time of this thread: the machine is shared, and other processes' work
// must not count.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename Program, typename Plain>
void SideBySide(benchmark::State& state, Program program, Plain plain) {
    double programSeconds = 0, plainSeconds = 0;
    for (auto _ : state) {
        const double t0 = ThreadSeconds();
        program();
        const double t1 = ThreadSeconds();
        plain();
        const double t2 = ThreadSeconds();
        programSeconds += t1 - t0;
        plainSeconds += t2 - t1;
        state.SetIterationTime(t1 - t0);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["program_ms"] = programSeconds / n * 1e3;
    state.counters["qpainter_ms"] = plainSeconds / n * 1e3;
    state.counters["ratio"] = programSeconds / plainSeconds;
}

// Lists and their QPainter data are made once per process.
struct Prepared {
    DrawingList list;
    std::unique_ptr<PlainBoard> plain;
};

Prepared& Cached(const std::string& key, const std::function<DrawingList()>& make) {
    static std::map<std::string, std::unique_ptr<Prepared>> all;
    auto& slot = all[key];
    if (!slot) {
        slot = std::make_unique<Prepared>();
        slot->list = make();
        slot->plain = std::make_unique<PlainBoard>(slot->list);
    }
    return *slot;
}

// One repaint of the board, cleared, axes, every shape, of a list drawn before (its curves
// known). A pixel is set first so the repaint can never be taken as one already done.
void Repaint(benchmark::State& state, Prepared& p) {
    Canvas canvas(320, 320, DefaultBackgroundColor);
    BoardRenderer renderer(canvas);
    renderer.RepaintBoard(p.list);
    QImage image(320, 320, QImage::Format_RGB32);
    SideBySide(
        state,
        [&] {
            canvas.setPixel(0, 0, 0);
            renderer.RepaintBoard(p.list);
            benchmark::DoNotOptimize(canvas.image().constBits());
        },
        [&] {
            p.plain->Draw(image, true);
            benchmark::DoNotOptimize(image.constBits());
        });
}

void BM_Kind(benchmark::State& state, const char* kind) {
    Repaint(state, Cached(std::string("kind ") + kind, [kind] { return OfKind(kind, 1000, 7); }));
}

void BM_FullMix(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Repaint(state, Cached("mix " + std::to_string(count), [count] { return Mixed(count, 11); }));
}

// A repaint with nothing kept from an earlier one: a renderer made for each repaint.
void FirstRepaint(benchmark::State& state, Prepared& p) {
    Canvas canvas(320, 320, DefaultBackgroundColor);
    QImage image(320, 320, QImage::Format_RGB32);
    SideBySide(
        state,
        [&] {
            BoardRenderer renderer(canvas);
            renderer.RepaintBoard(p.list);
            benchmark::DoNotOptimize(canvas.image().constBits());
        },
        [&] {
            p.plain->Draw(image, true);
            benchmark::DoNotOptimize(image.constBits());
        });
}

void BM_FullMixFirstRepaint(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FirstRepaint(state,
                 Cached("mix " + std::to_string(count), [count] { return Mixed(count, 11); }));
}

// One drag step of the circle tool on 1,000 mixed shapes: every shape drawn again over the
// board, then the preview and the axes.
void BM_DragStep(benchmark::State& state) {
    Prepared& p = Cached("mix 1000", [] { return Mixed(1000, 11); });
    DrawingList list = p.list;
    Canvas canvas(320, 320, DefaultBackgroundColor);
    BoardRenderer renderer(canvas);
    BoardTools tools(list, renderer);
    renderer.RepaintBoard(list);
    tools.ActiveTool = tool::Circle;
    tools.MouseDown(160, 160, false);
    QImage image(320, 320, QImage::Format_RGB32);
    int step = 0;
    SideBySide(
        state,
        [&] {
            ++step;
            tools.MouseMove(160 + step % 60, 160 + step % 40, true);
            benchmark::DoNotOptimize(canvas.image().constBits());
        },
        [&] {
            p.plain->Draw(image, false);
            QPainter painter(&image);
            PlainBoard::Pen(painter, 255);
            painter.drawEllipse(QRect(110, 110, 100, 100));
            benchmark::DoNotOptimize(image.constBits());
        });
}

// One HYPER1 centred on the board's middle column at `row`.
Prepared& RectHyperbola(int row) {
    return Cached("hyper1 " + std::to_string(row), [row] {
        ShapeRecord s;
        s.Kind = "HYPER1";
        s.X1 = 160;
        s.Y1 = row;
        s.X2 = 10;
        s.PenColor = 16711680;
        return ListOf({s});
    });
}

void BM_RectHyperbolaAtRow(benchmark::State& state) {
    Repaint(state, RectHyperbola(static_cast<int>(state.range(0))));
}

void BM_RectHyperbolaAtRowFirstRepaint(benchmark::State& state) {
    FirstRepaint(state, RectHyperbola(static_cast<int>(state.range(0))));
}

void BM_ClearAndAxes(benchmark::State& state) {
    Canvas canvas(320, 320, DefaultBackgroundColor);
    BoardRenderer renderer(canvas);
    QImage image(320, 320, QImage::Format_RGB32);
    SideBySide(
        state,
        [&] {
            renderer.ClearBoard(DefaultBackgroundColor);
            renderer.DrawAxes();
            benchmark::DoNotOptimize(canvas.image().constBits());
        },
        [&] {
            image.fill(ToQColor(DefaultBackgroundColor));
            QPainter p(&image);
            PlainBoard::Pen(p, colors::AxisLine);
            p.drawLine(0, 160, 320, 160);
            p.drawLine(160, 0, 160, 320);
            benchmark::DoNotOptimize(image.constBits());
        });
}

// A drawing file of 200,000 mixed records read, then its first repaint; QPainter's side
// draws the same shapes once.
void BM_Load200000(benchmark::State& state) {
    Prepared& p = Cached("mix 200000", [] { return Mixed(200000, 13); });
    static const std::string bytes = DrawingFile::FileBytes(p.list);
    QImage image(320, 320, QImage::Format_RGB32);
    SideBySide(
        state,
        [&] {
            DrawingFile::Contents contents;
            if (!DrawingFile::Parse(bytes, contents).empty()) state.SkipWithError("not read");
            Canvas canvas(320, 320, DefaultBackgroundColor);
            BoardRenderer renderer(canvas);
            renderer.RepaintBoard(contents.list);
            benchmark::DoNotOptimize(canvas.image().constBits());
        },
        [&] { p.plain->Draw(image, true); });
}

} // namespace

BENCHMARK_CAPTURE(BM_Kind, line, "LINE")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, filled_rectangle, "SQUARE")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, filled_circle, "CIRCLE")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, filled_ellipse, "ELLIPSE")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, triangle, "TRIANGLE")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, polygon, "HEXAGON")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, parabola, "PARABOLA")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, hyperbola, "HYPER")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, rect_hyperbola, "HYPER1")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Kind, text, "TEXT")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullMix)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullMixFirstRepaint)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RectHyperbolaAtRow)
    ->Arg(42)
    ->Arg(75)
    ->Arg(160)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RectHyperbolaAtRowFirstRepaint)
    ->Arg(42)
    ->Arg(75)
    ->Arg(160)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClearAndAxes)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load200000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
