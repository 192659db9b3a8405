#include "few_colours.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace tileset {
namespace {

constexpr int kPaletteSize = 256;
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

using Weighted = std::pair<QRgb, int>;  // a colour and how many pixels have it
using Box = std::vector<Weighted>;

int channel(QRgb c, int which) {
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

// The widest channel of a box and how wide it is.
std::pair<int, int> widestChannel(const Box& box) {
    std::pair<int, int> best{0, -1};
    for (int which = 0; which < 3; ++which) {
        const auto [lo, hi] = std::minmax_element(
            box.begin(), box.end(), [which](const Weighted& a, const Weighted& b) {
                return channel(a.first, which) < channel(b.first, which);
            });
        const int range = channel(hi->first, which) - channel(lo->first, which);
        if (range > best.second) best = {which, range};
    }
    return best;
}

long long splitScore(const Box& box) {
    if (box.size() < 2) return -1;
    long long pixels = 0;
    for (const Weighted& w : box)
        pixels += w.second;
    return pixels * widestChannel(box).second;
}

// Cuts a box along its widest channel where half of its pixels lie on either side.
std::pair<Box, Box> split(Box box) {
    const int which = widestChannel(box).first;
    std::stable_sort(box.begin(), box.end(), [which](const Weighted& a, const Weighted& b) {
        return channel(a.first, which) < channel(b.first, which);
    });
    long long total = 0;
    for (const Weighted& w : box)
        total += w.second;
    // Both halves keep at least one colour.
    size_t cut = 1;
    long long seen = box[0].second;
    while (cut + 1 < box.size() && seen * 2 < total)
        seen += box[cut++].second;
    return {Box(box.begin(), box.begin() + cut), Box(box.begin() + cut, box.end())};
}

QRgb average(const Box& box) {
    std::array<long long, 3> sum{};
    long long pixels = 0;
    for (const Weighted& w : box) {
        for (int which = 0; which < 3; ++which)
            sum[which] += channel(w.first, which) * w.second;
        pixels += w.second;
    }
    auto mean = [&](int which) { return static_cast<int>((sum[which] + pixels / 2) / pixels); };
    return qRgb(mean(0), mean(1), mean(2));
}

QVector<QRgb> medianCutPalette(const std::map<QRgb, int>& histogram) {
    std::vector<Box> boxes(1);
    for (const auto& entry : histogram)
        if (entry.first != kBlack && entry.first != kWhite) boxes[0].push_back(entry);
    QVector<QRgb> palette{kBlack, kWhite};
    if (boxes[0].empty()) return palette;
    while (static_cast<int>(boxes.size()) < kPaletteSize - 2) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return splitScore(a) < splitScore(b);
        });
        if (splitScore(*widest) <= 0) break;
        auto [low, high] = split(std::move(*widest));
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    for (const Box& box : boxes)
        palette.push_back(average(box));
    return palette;
}

int nearest(const QVector<QRgb>& palette, QRgb c) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

}  // namespace

QImage toFewColours(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[rgb.pixel(x, y) | 0xff000000u];
    const QVector<QRgb> palette = medianCutPalette(histogram);
    std::map<QRgb, int> index;
    for (const auto& entry : histogram)
        index[entry.first] = nearest(palette, entry.first);

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            line[x] = static_cast<uchar>(index[rgb.pixel(x, y) | 0xff000000u]);
    }
    return indexed;
}

}  // namespace tileset
