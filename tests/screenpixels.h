#pragma once

#include <QBackingStore>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <qpa/qplatformbackingstore.h>

#include <array>
#include <cstdlib>

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

// The bounding box of the pixels in an area (the whole image by default) that
// are ink by `isInk`, or that differ from a ground colour.
template <typename Ink> QRect inkBounds(const QImage& image, Ink isInk, QRect area = {}) {
    if (area.isNull()) {
        area = image.rect();
    }
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}
inline QRect inkBounds(const QImage& image, QRgb ground, QRect area = {}) {
    return inkBounds(
        image, [ground](QRgb pixel) { return pixel != ground; }, area);
}

// How far apart two pixels are in each channel: red, green, blue and alpha.
inline std::array<int, 4> channelDifferences(QRgb a, QRgb b) {
    return {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
            std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))};
}

// The mean difference of two images of one size, per channel (alpha too) and
// pixel, in premultiplied values from 0 to 255.
inline double meanDifference(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    long sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const auto channels = channelDifferences(first.pixel(x, y), second.pixel(x, y));
            sum += channels[0] + channels[1] + channels[2] + channels[3];
        }
    }
    return double(sum) / (4.0 * first.width() * first.height());
}
