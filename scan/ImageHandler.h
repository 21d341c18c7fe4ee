// ImageHandler: takes the picture of a QML item as a QImage for decoding, or
// saves it to a file.
#pragma once

#include <QImage>
#include <QObject>
#include <QReadWriteLock>
#include <QSet>

class QQuickItemGrabResult;

class ImageHandler : public QObject {
    Q_OBJECT
public:
    explicit ImageHandler(QObject *parent = nullptr);

    // The item's current picture at its own size, or its copy of the
    // rectangle when any of the offsets and sizes is greater than 0. Waits up
    // to 1000 ms for the grab, processing events meanwhile; a null image when
    // the object is no item, the item is in no visible window, or the grab
    // did not finish in time.
    QImage grabItemImage(QObject *item, int offsetX, int offsetY, int width, int height);

    static constexpr int grabTimeoutMs = 1000;

public slots:
    void save(QObject *imageObj, const QString &path, int offsetX = 0, int offsetY = 0,
              int width = 0, int height = 0);

private slots:
    void onGrabReady();

private:
    bool isPending(QQuickItemGrabResult *result);

    QSet<QQuickItemGrabResult *> m_pending;
    QReadWriteLock m_lock;
};
