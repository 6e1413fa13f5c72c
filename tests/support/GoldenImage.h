#pragma once

// Reference pictures kept beside the tests: a picture drawn by the code under test is
// compared with its reference pixel for pixel. With PELCOR_WRITE_GOLDEN=1 in the
// environment the references are written instead, from the code as it stands.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <random>
#include <string>
#include <vector>

namespace pelcor::golden {

// Numbers the same everywhere: the raw output of the 32-bit Mersenne twister.
struct Rng {
    std::mt19937 g;
    explicit Rng(unsigned seed) : g(seed) {}
    int in(int lo, int hi) {
        return lo + static_cast<int>(g() % static_cast<unsigned>(hi - lo + 1));
    }
    template <std::size_t n> int of(const int (&values)[n]) { return values[in(0, n - 1)]; }
};

// Boards side by side in one picture: tile i is at column i % columns, row i / columns.
inline QImage Sheet(const std::vector<QImage>& tiles, int columns) {
    const int w = tiles.front().width(), h = tiles.front().height();
    const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
    QImage sheet(w * columns, h * rows, QImage::Format_RGB32);
    sheet.fill(0);
    QPainter p(&sheet); // same format, no scaling: the pixels are copied
    for (std::size_t i = 0; i < tiles.size(); ++i)
        p.drawImage(static_cast<int>(i) % columns * w, static_cast<int>(i) / columns * h, tiles[i]);
    return sheet;
}

inline bool Writing() {
    return qEnvironmentVariable("PELCOR_WRITE_GOLDEN") == "1";
}

// Whether `actual` equals the reference `folder`/`name` in every pixel. A mismatch names the
// first differing pixels and leaves the picture drawn in the temporary folder.
inline ::testing::AssertionResult Matches(const QImage& actual, const QString& folder,
                                          const QString& name) {
    const QString path = folder + "/" + name;
    const QImage drawn = actual.convertToFormat(QImage::Format_RGB32);
    if (Writing()) {
        QDir().mkpath(folder);
        if (!drawn.save(path, "PNG"))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        return ::testing::AssertionSuccess() << "written";
    }
    QImage reference(path, "PNG");
    if (reference.isNull())
        return ::testing::AssertionFailure() << "no reference picture " << path.toStdString();
    reference = reference.convertToFormat(QImage::Format_RGB32);
    if (reference.size() != drawn.size())
        return ::testing::AssertionFailure() << name.toStdString() << ": size differs";
    int differing = 0;
    std::string where;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if ((drawn.pixel(x, y) & 0xFFFFFF) != (reference.pixel(x, y) & 0xFFFFFF)) {
                if (++differing <= 8)
                    where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
            }
    if (differing == 0) return ::testing::AssertionSuccess();
    const QString saved = QDir::temp().filePath("pelcor-drawn-" + name);
    drawn.save(saved, "PNG");
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << differing << " pixels differ, first at" << where
           << "; the picture drawn is " << saved.toStdString();
}

} // namespace pelcor::golden
