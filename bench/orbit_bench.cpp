#include "Fakes.h"
#include "platform/JpegCodec.h"
#include "reference/OrbitView.h"

#include <benchmark/benchmark.h>

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <filesystem>

namespace {

// A shaded disc on black, as a planet picture.
QImage Disc(QColor color, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(0, 0, size, size);
    return image;
}

// A screen whose Image1 is a 320 x 320 label, as the window's.
struct LabelScreens : NoScreens {
    LabelScreens() { image1.resize(320, 320); }
    void setPicture(pelcor::ScreenPicture, const QImage& picture) override {
        image1.setPixmap(QPixmap::fromImage(picture));
    }
    QLabel image1;
};

// One tick of the running animation: the frame drawn at 1000 x 1000 from the pictures and
// handed to a 320 x 320 Image1.
void BM_OrbitFrame(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string lib = dir.path().toStdString() + "/CalcLibrary/";
    std::filesystem::create_directory(lib);
    QImage space(1024, 1024, QImage::Format_RGB32);
    space.fill(QColor(4, 4, 24));
    for (int i = 0; i < 2000; ++i)
        space.setPixel((i * 7919) % 1024, (i * 104729) % 1024, qRgb(220, 220, 255));
    pelcor::JpegCodec::WriteFile(lib + "Space.jpg", space);
    pelcor::JpegCodec::WriteFile(lib + "Venus1.jpg", Disc(QColor(230, 200, 120), 128));
    pelcor::JpegCodec::WriteFile(lib + "E1.jpg", Disc(QColor(60, 120, 230), 128));
    pelcor::JpegCodec::WriteFile(lib + "mars.jpg", Disc(QColor(200, 80, 40), 128));
    for (int i = 1; i <= 8; ++i)
        pelcor::JpegCodec::WriteFile(lib + "JP" + std::to_string(i) + ".jpg",
                                     Disc(QColor(200, 160, 100 + 10 * i), 256));

    LabelScreens screens;
    NoReporter reporter;
    double r = 0.1;
    pelcor::OrbitView view(screens, reporter, pelcor::ProgramFiles(dir.path().toStdString()),
                           [&r] { return r = r * 1.7 - static_cast<int>(r * 1.7); });
    view.PlanetButtClick();
    view.Timer1Idle(); // the first frame reads the pictures
    for (auto _ : state) {
        view.Timer1Idle();
        benchmark::DoNotOptimize(screens.image1.pixmap().cacheKey());
    }
}
BENCHMARK(BM_OrbitFrame)->Unit(benchmark::kMillisecond);

} // namespace
