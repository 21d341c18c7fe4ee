// LinearCodeBox: the box of a one-dimensional code's bars, measured in the
// grey picture around the scan lines that read the code.
#pragma once

#include <ZXing/ImageView.h>
#include <ZXing/Result.h>

// ZXing places a one-dimensional code on the scan lines that read it, often
// a row or two. The bars reach further up and down: this follows them from
// the first scan line up and from the last one down, row after row, for as
// long as a row still shows the bars that the row before it showed (shifted
// by a pixel at most, for a code that is slightly tilted) and crosses at
// least half as many edges as the scan line. Each row is split into dark and
// light by its own grey levels, so that the faint rows of a blurred edge
// show the same bars. Text, guard bars reaching lower than the others, blank
// rows or anything else across the code's width end the bars; of a tilted
// code the rows are kept while the bars fill about half of the code's width
// or more. The bars end where a row has half of their full contrast.
class LinearCodeBox {
public:
    // The box of the bars in the coordinates of `view`, the grey picture
    // (one byte a pixel) that the reader read: across from the scan lines'
    // first bar to their last, down from the bars' first row to their last;
    // `scanned` as it is when the scan lines show no contrast.
    static ZXing::Position measure(const ZXing::ImageView &view, const ZXing::Position &scanned);
};
