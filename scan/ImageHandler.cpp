// Grabbing the picture of a QML item, for item decoding and for saving.

#include "scan/ImageHandler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QThread>

ImageHandler::ImageHandler(QObject *parent) : QObject(parent) {}

bool ImageHandler::isPending(QQuickItemGrabResult *result) {
    QReadLocker locker(&m_lock);
    return m_pending.contains(result);
}

QImage ImageHandler::grabItemImage(QObject *item, int offsetX, int offsetY, int width, int height) {
    QQuickItem *quickItem = qobject_cast<QQuickItem *>(item);
    if (!quickItem || !quickItem->window() || !quickItem->window()->isVisible()) {
        qWarning() << "ImageHandler: item is NULL";
        return QImage();
    }

    QElapsedTimer timer;
    timer.start();
    QImage image;
    const QSharedPointer<QQuickItemGrabResult> result = quickItem->grabToImage();
    if (result) {
        QQuickItemGrabResult *pending = result.data();
        {
            QWriteLocker locker(&m_lock);
            m_pending.insert(pending);
        }
        connect(pending, &QQuickItemGrabResult::ready, this, &ImageHandler::onGrabReady);
        // The lock is held only for the test: the ready signal, delivered
        // while events are processed here, takes it for writing.
        while (timer.elapsed() < grabTimeoutMs && isPending(pending)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QThread::yieldCurrentThread();
        }
        image = result->image();
        // A grab that did not finish leaves nothing behind: the result dies
        // with the shared pointer.
        QWriteLocker locker(&m_lock);
        m_pending.remove(pending);
    }

    if (offsetX > 0 || offsetY > 0 || width > 0 || height > 0)
        return image.copy(qMax(offsetX, 0), qMax(offsetY, 0), qMax(width, 0), qMax(height, 0));
    return image;
}

void ImageHandler::save(QObject *imageObj, const QString &path, int offsetX, int offsetY, int width,
                        int height) {
    grabItemImage(imageObj, offsetX, offsetY, width, height).save(path);
}

void ImageHandler::onGrabReady() {
    QWriteLocker locker(&m_lock);
    if (!m_pending.isEmpty())
        m_pending.remove(static_cast<QQuickItemGrabResult *>(sender()));
}
