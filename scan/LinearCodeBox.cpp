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

// A row of the bars crosses at least this share of the starting scan line's
// edges; rows past the bars' end, of a tilted code too, cross fewer.
constexpr double kMinEdgeShare = 0.5;

// Below this difference between the darkest and the lightest pixel a row
// shows no bars.
constexpr int kMinContrast = 16;

// One row across the code: true where dark, and the row's contrast.
struct Row {
    std::vector<bool> dark;
    int contrast = 0;
};

// Dark and light split halfway between the row's own darkest and lightest
// pixel: a row on the blurred top or bottom edge of the bars shows them as
// a row in their middle does, only with less contrast.
Row rowAt(const ZXing::ImageView &view, int y, int xMin, int xMax) {
    int darkest = 255, lightest = 0;
    for (int x = xMin; x <= xMax; ++x) {
        darkest = std::min<int>(darkest, *view.data(x, y));
        lightest = std::max<int>(lightest, *view.data(x, y));
    }
    const int threshold = (darkest + lightest + 1) / 2;
    Row row;
    row.contrast = lightest - darkest;
    row.dark.resize(size_t(xMax - xMin + 1));
    for (int x = xMin; x <= xMax; ++x)
        row.dark[size_t(x - xMin)] = *view.data(x, y) < threshold;
    return row;
}

// The number of changes between dark and light along a row.
int edges(const std::vector<bool> &row) {
    int count = 0;
    for (size_t i = 1; i < row.size(); ++i)
        count += row[i] != row[i - 1] ? 1 : 0;
    return count;
}

// The share of pixels on which two rows agree, the second shifted by at most
// one pixel either way, whichever shift agrees best.
double agreement(const std::vector<bool> &a, const std::vector<bool> &b) {
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

// The last row, going from `start` by `step`, that still agrees with the
// one before and still crosses the bars; `start` itself when it shows none.
int follow(const ZXing::ImageView &view, int start, int step, int xMin, int xMax) {
    Row previous = rowAt(view, start, xMin, xMax);
    if (previous.contrast < kMinContrast)
        return start;
    const double minEdges = kMinEdgeShare * edges(previous.dark);
    int y = start;
    while (y + step >= 0 && y + step < view.height()) {
        Row row = rowAt(view, y + step, xMin, xMax);
        if (row.contrast < kMinContrast || agreement(previous.dark, row.dark) < kMinAgreement ||
            edges(row.dark) < minEdges)
            break;
        previous = std::move(row);
        y += step;
    }
    return y;
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

    // Up from the first scan line and down from the last: of a stacked code
    // they lie in different rows of bars.
    const int top = follow(view, yMin, -1, xMin, xMax);
    const int bottom = follow(view, yMax, 1, xMin, xMax);
    std::vector<int> contrast;
    for (int y = top; y <= bottom; ++y)
        contrast.push_back(rowAt(view, y, xMin, xMax).contrast);
    const int full = *std::max_element(contrast.begin(), contrast.end());
    if (full < kMinContrast)
        return scanned;

    // A blurred edge fades over a few rows, which a scan line may lie on: the
    // bars end where a row has half of their full contrast.
    const auto strong = [&](int c) { return 2 * c >= full; };
    const int first =
        top + int(std::find_if(contrast.begin(), contrast.end(), strong) - contrast.begin());
    const int last =
        bottom - int(std::find_if(contrast.rbegin(), contrast.rend(), strong) - contrast.rbegin());
    return {ZXing::PointI{xMin, first}, ZXing::PointI{xMax, first}, ZXing::PointI{xMax, last},
            ZXing::PointI{xMin, last}};
}
