// The bars of a one-dimensional code followed up and down from the scan lines
// that read it.

#include "scan/LinearCodeBox.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Two rows of a code's bars agree almost everywhere; a row of the bars and a
// blank row, a row of text or of guard bars only agree on about half of the
// code's width.
constexpr double kMinAgreement = 0.8;

// A row of the bars crosses at least this share of the middle scan line's
// edges; rows past the bars' end, of a tilted code too, cross fewer.
constexpr double kMinEdgeShare = 0.5;

// Below this difference between the darkest and the lightest pixel of the
// middle scan line there are no bars to follow.
constexpr int kMinContrast = 16;

// One row across the code: true where dark.
using Row = std::vector<bool>;

Row darkPixels(const ZXing::ImageView &view, int y, int xMin, int xMax, int threshold) {
    Row row(size_t(xMax - xMin + 1));
    for (int x = xMin; x <= xMax; ++x)
        row[size_t(x - xMin)] = *view.data(x, y) < threshold;
    return row;
}

// The number of changes between dark and light along a row.
int edges(const Row &row) {
    int count = 0;
    for (size_t i = 1; i < row.size(); ++i)
        count += row[i] != row[i - 1] ? 1 : 0;
    return count;
}

// The share of pixels on which two rows agree, the second shifted by at most
// one pixel either way, whichever shift agrees best.
double agreement(const Row &a, const Row &b) {
    const int n = int(a.size());
    int best = 0;
    for (int shift = -1; shift <= 1; ++shift) {
        int same = 0;
        for (int i = 0; i < n; ++i) {
            const int j = i + shift;
            if (j >= 0 && j < n && a[size_t(i)] == b[size_t(j)])
                ++same;
        }
        best = std::max(best, same);
    }
    return double(best) / n;
}

} // namespace

ZXing::Position LinearCodeBox::measure(const ZXing::ImageView &view,
                                       const ZXing::Position &scanned) {
    if (view.width() <= 0 || view.height() <= 0)
        return scanned;
    int xMin = INT_MAX, xMax = INT_MIN, yMin = INT_MAX, yMax = INT_MIN;
    for (const ZXing::PointI &p : scanned) {
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
    xMin = std::clamp(xMin, 0, view.width() - 1);
    xMax = std::clamp(xMax, 0, view.width() - 1);
    yMin = std::clamp(yMin, 0, view.height() - 1);
    yMax = std::clamp(yMax, 0, view.height() - 1);
    if (xMax <= xMin)
        return scanned;

    // Dark and light split halfway between the darkest and the lightest
    // pixel of the middle scan line.
    const int middle = (yMin + yMax) / 2;
    int darkest = 255, lightest = 0;
    for (int x = xMin; x <= xMax; ++x) {
        darkest = std::min<int>(darkest, *view.data(x, middle));
        lightest = std::max<int>(lightest, *view.data(x, middle));
    }
    if (lightest - darkest < kMinContrast)
        return scanned;
    const int threshold = (darkest + lightest + 1) / 2;

    // The last row, going by `step`, that still agrees with the one before
    // and still crosses the bars.
    const Row scanLine = darkPixels(view, middle, xMin, xMax, threshold);
    const double minEdges = kMinEdgeShare * edges(scanLine);
    auto follow = [&](int step) {
        Row previous = scanLine;
        int y = middle;
        while (y + step >= 0 && y + step < view.height()) {
            Row row = darkPixels(view, y + step, xMin, xMax, threshold);
            if (agreement(previous, row) < kMinAgreement || edges(row) < minEdges)
                break;
            previous = std::move(row);
            y += step;
        }
        return y;
    };
    const int top = std::min(follow(-1), yMin);
    const int bottom = std::max(follow(1), yMax);
    return {ZXing::PointI{xMin, top}, ZXing::PointI{xMax, top}, ZXing::PointI{xMax, bottom},
            ZXing::PointI{xMin, bottom}};
}
