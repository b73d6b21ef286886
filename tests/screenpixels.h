#pragma once

#include <QBackingStore>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <qpa/qplatformbackingstore.h>

// What the player sees of a widget, or of an area in its coordinates: its
// window's backing store once the repaints already asked for have run. Unlike
// QWidget::grab(), which paints afresh, this shows a missed repaint as stale
// pixels. The image is in device pixels and carries their ratio. The store is
// read directly because the offscreen platform's QScreen::grabWindow() cuts a
// scaled window to its size in logical pixels.
inline QImage shownPixels(const QWidget* widget, QRect area = {}) {
    const QWidget* window = widget->window();
    // A repaint may take more than one pass of the event loop to reach the
    // store (showing a widget does); pass until the store stays as it is.
    QImage store;
    for (int pass = 0; pass < 10; ++pass) {
        QCoreApplication::processEvents();
        const QImage now = window->backingStore()->handle()->toImage();
        if (now == store) {
            break;
        }
        store = now;
    }
    if (area.isNull()) {
        area = widget->rect();
    }
    const qreal ratio = window->devicePixelRatioF();
    const QRect device((QPointF(widget->mapTo(window, area.topLeft())) * ratio).toPoint(),
                       (QSizeF(area.size()) * ratio).toSize());
    QImage image = store.copy(device);
    image.setDevicePixelRatio(ratio);
    return image;
}
