#pragma once
// Measures for comparing a picture drawn at twice the size with the one at its own size.

#include <QImage>
#include <algorithm>
#include <cstdlib>

namespace ribaku::render::testing {

inline int ChannelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The largest channel difference between `own` and `doubled` reduced to its size.
inline int LargestDifferenceReduced(const QImage& own, const QImage& doubled) {
    const QImage reduced =
        doubled.scaled(own.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int worst = 0;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            worst = std::max(worst, ChannelDifference(own.pixel(x, y), reduced.pixel(x, y)));
    return worst;
}

// The largest step between neighbours along row `y`, from x = `left` to `right`.
inline int EdgeContrast(const QImage& picture, int y, int left, int right) {
    int contrast = 0;
    for (int x = left; x < right; ++x)
        contrast =
            std::max(contrast, ChannelDifference(picture.pixel(x, y), picture.pixel(x + 1, y)));
    return contrast;
}

// `picture` enlarged to twice its size as a toolkit does it, smoothly.
inline QImage SmoothlyEnlarged(const QImage& picture) {
    return picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace ribaku::render::testing
