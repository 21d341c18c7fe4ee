// CaptureRegion: the part of a camera frame that is converted for decoding.
#pragma once

#include <QRect>
#include <QSize>

struct CaptureRegion {
    // The capture rectangle is used (it overlaps the frame); otherwise the
    // region is the whole frame.
    bool isValid = false;
    int sourceWidth = 0;
    int sourceHeight = 0;
    int startX = 0;
    int targetWidth = 0;
    int endX = 0;
    int startY = 0;
    int targetHeight = 0;
    int endY = 0;

    // The capture rectangle cut to the frame; a rectangle that misses the
    // frame, or is empty, gives the whole frame.
    static CaptureRegion of(const QSize &frameSize, const QRect &captureRect) {
        CaptureRegion r;
        r.sourceWidth = frameSize.width();
        r.sourceHeight = frameSize.height();
        const QRect frame(QPoint(0, 0), frameSize);
        QRect area = captureRect.isValid() ? captureRect.intersected(frame) : QRect();
        r.isValid = !area.isEmpty();
        if (!r.isValid)
            area = frame;
        r.startX = area.x();
        r.startY = area.y();
        r.targetWidth = area.width();
        r.targetHeight = area.height();
        r.endX = r.startX + r.targetWidth;
        r.endY = r.startY + r.targetHeight;
        return r;
    }
};
