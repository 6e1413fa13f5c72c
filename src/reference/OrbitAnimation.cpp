#include "reference/OrbitAnimation.h"

#include <cmath>
#include <numbers>

namespace pelcor {

namespace {

constexpr int Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

constexpr int Centre = OrbitAnimation::FrameSize / 2;

// Each planet's step per frame and path: x = cos(angle) (R + b), y = sin(angle) (R - b),
// shifted by o so the picture's corner sits there.
struct Path {
    double step;
    int r, b, o;
};
constexpr Path Paths[OrbitAnimation::PlanetCount] = {
    {6.7, 120, 90, 10},   {3.6, 188, 120, 10}, {2.6, 250, 158, 12},
    {1.69, 320, 205, 10}, {0.5, 800, 525, 30},
};

// A brightness level rising in steps and cycling within 128 to 255.
int Brighter(int level, int step) {
    level += step;
    return level > 255 ? 128 : level;
}

int Trunc(double v) {
    return static_cast<int>(v);
}

} // namespace

OrbitAnimation::OrbitAnimation(ProgramFiles files, std::function<double()> random)
    : files_(std::move(files)), random_(std::move(random)) {}

void OrbitAnimation::placePlanets() {
    for (double& a : angles_) {
        a = 360 * random_();
        if (!(a >= 0 && a < 360)) a = 0;
    }
}

OrbitAnimation::IdleStep OrbitAnimation::idleStep() {
    IdleStep step;
    const int v = idleCountdown_;
    idleCountdown_ = v - 1;
    if (v == 3) {
        running_ = true;
        placePlanets();
        step.started = true;
    }
    if (idleCountdown_ < 3) {
        idleCountdown_ = 1;
        step.drawFrame = true;
    } else {
        step.restoreStartPicture = restoreStartPicture_;
        restoreStartPicture_ = false;
        running_ = false;
    }
    return step;
}

bool OrbitAnimation::toggle() {
    if (running_) {
        running_ = false;
        idleCountdown_ = IdleTicks;
        frame_.reset();
        return false;
    }
    frame_ = std::make_unique<Canvas>(FrameSize, FrameSize, 0);
    running_ = true;
    placePlanets();
    idleCountdown_ = 3;
    return true;
}

const QImage& OrbitAnimation::frame() const {
    static const QImage none;
    return frame_ ? frame_->image() : none;
}

const QImage* OrbitAnimation::picture(const char* name, std::string* message) {
    const std::string path = files_.resolve(name);
    std::string error;
    const QImage& p = pictures_.get(path, &error);
    if (!p.isNull()) return &p;
    if (message) *message = "Cannot open file \"" + path + "\": " + error;
    return nullptr;
}

void OrbitAnimation::drawSunAndMercury(Canvas& c) {
    auto sun = [&] {
        c.setPenWidth(12);
        c.setPenColor(Rgb(239, 239, 64));
        c.setBrushStyle(Canvas::BrushStyle::Solid);
        c.setBrushColor(Rgb(239, 239, 160));
        c.ellipse(Centre - 42, Centre - 42, Centre + 42, Centre + 42);
    };
    auto mercury = [&](int size, int fill) {
        c.setPenWidth(1);
        c.setPenColor(0);
        c.setBrushStyle(Canvas::BrushStyle::Solid);
        c.setBrushColor(fill);
        const QPoint p = positions_[Mercury];
        c.ellipse(p.x(), p.y(), p.x() + size, p.y() + size);
    };
    const double a = angles_[Mercury];
    if (a < 180) {
        // In front of the Sun, larger, and dark while it crosses the Sun's face.
        sun();
        mercury(25, a >= 70 && a <= 105 ? Rgb(96, 96, 96) : Rgb(255, 255, 255));
    } else {
        // Behind it; at exactly 180 too, so the Sun is never left out.
        mercury(20, Rgb(255, 255, 255));
        sun();
    }
}

bool OrbitAnimation::drawFrame(std::string* message) {
    if (!frame_) frame_ = std::make_unique<Canvas>(FrameSize, FrameSize, 0);
    Canvas& c = *frame_;
    c.setPenMode(Canvas::PenMode::Copy);
    c.setPenStyle(Canvas::PenStyle::Solid);

    // The star field: reloaded while the file is there, else the last one stays.
    if (const QImage* space = picture(BackgroundFile, nullptr)) background_ = *space;
    c1_ = Brighter(c1_, 15);
    c2_ = Brighter(c2_, 7);
    if (background_.isNull()) {
        c.clear(0);
    } else {
        if (stretchedKey_ != background_.cacheKey()) {
            stretchedBackground_ = background_.scaled(FrameSize, FrameSize, Qt::IgnoreAspectRatio)
                                       .convertToFormat(QImage::Format_RGB32);
            stretchedKey_ = background_.cacheKey();
        }
        c.stretchDraw(0, 0, FrameSize, FrameSize, stretchedBackground_);
    }

    const struct {
        int x, y, color;
    } stars[] = {
        {100, 290, Rgb(c1_, c1_, c1_)}, {400, 870, Rgb(c1_, c1_, c1_)},
        {700, 300, Rgb(c1_, c1_, c2_)}, {600, 750, Rgb(c1_, c1_, c2_)},
        {300, 280, Rgb(c2_, c2_, c2_)}, {700, 830, Rgb(c2_, c2_, c2_)},
        {800, 330, Rgb(c1_, c2_, c1_)}, {300, 780, Rgb(c1_, c2_, c1_)},
    };
    c.setPenWidth(1);
    c.setBrushStyle(Canvas::BrushStyle::Solid);
    for (const auto& s : stars) {
        c.setPenColor(s.color);
        c.setBrushColor(s.color);
        c.ellipse(s.x, s.y, s.x + 3, s.y + 3);
    }

    c.setPenWidth(4);
    c.setPenColor(Rgb(112, 112, 112));
    c.setBrushStyle(Canvas::BrushStyle::Clear);
    for (const auto& [a, b] : {std::pair{200, 33}, {300, 66}, {400, 88}, {540, 110}, {1500, 300}})
        c.ellipse(Centre - a, Centre - b, Centre + a, Centre + b);

    for (int p = 0; p < PlanetCount; ++p) {
        double& a = angles_[p];
        a -= Paths[p].step;
        if (a < 0) a = 360;
        const double rad = a * std::numbers::pi / 180;
        positions_[p] = {Trunc(std::cos(rad) * (Paths[p].r + Paths[p].b)) + Centre - Paths[p].o,
                         Trunc(std::sin(rad) * (Paths[p].r - Paths[p].b)) + Centre - Paths[p].o};
    }

    drawSunAndMercury(c);

    // A planet picture that cannot be opened ends the run here.
    auto fail = [&] {
        running_ = false;
        idleCountdown_ = IdleTicks;
        return false;
    };
    auto place = [&](Planet p, const QImage& pic, int before, int after) {
        const QPoint at = positions_[p];
        c.stretchDraw(at.x() - before, at.y() - before, at.x() + after, at.y() + after, pic);
    };
    const QImage* venus = picture("CalcLibrary\\Venus1.jpg", message);
    if (!venus) return fail();
    if (angles_[Venus] < 180)
        place(Venus, *venus, 5, 25);
    else
        place(Venus, *venus, 0, 20);

    const QImage* earth = picture("CalcLibrary\\E1.jpg", message);
    if (!earth) return fail();
    const double e = angles_[Earth];
    if (e > 40 && e < 150)
        place(Earth, *earth, 18, 28);
    else if (e > 230 && e < 330)
        place(Earth, *earth, 10, 18);
    else
        place(Earth, *earth, 12, 22);

    const QImage* mars = picture("CalcLibrary\\mars.jpg", message);
    if (!mars) return fail();
    if (angles_[Mars] < 180)
        place(Mars, *mars, 12, 32);
    else
        place(Mars, *mars, 0, 20);

    k_ = k_ >= 25 ? 1 : k_ + 1;
    if (k_ % 3 == 1 && k_ <= 22) {
        const std::string name = "CalcLibrary\\JP" + std::to_string(k_ / 3 + 1) + ".jpg";
        const QImage* jp = picture(name.c_str(), message);
        if (!jp) return fail();
        jupiter_ = *jp;
    }
    if (angles_[Jupiter] < 180)
        place(Jupiter, jupiter_, 40, 140);
    else
        place(Jupiter, jupiter_, 10, 30);

    c.setBrushStyle(Canvas::BrushStyle::Clear);
    c.setFont("Arial", 30, Rgb(255, 255, 255), true);
    c.textOut(35, 25, "Our Solar System showing the Sun, and planets");
    c.textOut(55, 75, "Mercury,  Venus,  Earth,  Mars and Jupiter");
    return true;
}

} // namespace pelcor
