// SimpleVideoFrame: one camera frame copied out of the video pipeline for
// decoding on a worker thread.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QVideoFrame>

struct SimpleVideoFrame {
    // The frame's bytes: every plane, with the padding at the end of rows.
    QByteArray data;
    // Width and height in pixels.
    QSize size;
    QVideoFrame::PixelFormat pixelFormat = QVideoFrame::Format_Invalid;
    // Per plane: where it starts in `data` and the length of one of its rows
    // in bytes.
    int planeCount = 0;
    int planeOffset[4] = {0, 0, 0, 0};
    int bytesPerLine[4] = {0, 0, 0, 0};
    // The first row in memory is the picture's bottom row (the surface's
    // scan-line direction is bottom to top).
    bool bottomToTop = false;
};
