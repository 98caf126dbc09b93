// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureResize.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace kestive::ui {

namespace {

// For each of `to` new places, the old place it copies. The old places 0..from-1 fall into runs that
// start at runStarts; each run gets the new places between its rounded scaled ends, and at least one.
std::optional<std::vector<int>> placesKeepingRuns(const std::vector<int>& runStarts, int from, int to) {
    const int runs = static_cast<int>(runStarts.size());
    if (runs > to) return std::nullopt;
    std::vector<int> source(static_cast<std::size_t>(to));
    int begin = 0;
    for (int r = 0; r < runs; ++r) {
        const int oldEnd = r + 1 < runs ? runStarts[static_cast<std::size_t>(r) + 1] : from;
        int end = static_cast<int>(std::lround(static_cast<double>(oldEnd) * to / from));
        end = std::min(std::max(end, begin + 1), to - (runs - r - 1));  // room for the runs after it
        if (r + 1 == runs) end = to;
        for (int t = begin; t < end; ++t)
            source[static_cast<std::size_t>(t)] = runStarts[static_cast<std::size_t>(r)];
        begin = end;
    }
    return source;
}

bool sameColumn(const QImage& image, int a, int b) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(a, y) != image.pixel(b, y)) return false;
    return true;
}

bool sameRow(const QImage& image, int a, int b) {
    return std::memcmp(image.constScanLine(a), image.constScanLine(b),
                       static_cast<std::size_t>(image.bytesPerLine())) == 0;
}

template <typename Same>
std::vector<int> runStarts(int count, Same same) {
    std::vector<int> starts;
    for (int i = 0; i < count; ++i)
        if (i == 0 || !same(i - 1, i)) starts.push_back(i);
    return starts;
}

}  // namespace

QImage resizeKeepingEveryArea(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) return QImage();
    const QImage from = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (from.size() == size) return from;
    const auto columns =
        placesKeepingRuns(runStarts(from.width(), [&](int a, int b) { return sameColumn(from, a, b); }),
                          from.width(), size.width());
    const auto rows =
        placesKeepingRuns(runStarts(from.height(), [&](int a, int b) { return sameRow(from, a, b); }),
                          from.height(), size.height());
    if (!columns || !rows) return from.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QImage to(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        const auto* in =
            reinterpret_cast<const QRgb*>(from.constScanLine((*rows)[static_cast<std::size_t>(y)]));
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
        for (int x = 0; x < size.width(); ++x) out[x] = in[(*columns)[static_cast<std::size_t>(x)]];
    }
    return to;
}

}  // namespace kestive::ui
