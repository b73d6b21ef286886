#include "applicationicon.h"

#include "iconpixels.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QVersionNumber>

#include <algorithm>

namespace reelmoor {

namespace {

// The icon's images are compiled in as raw pixels, so nothing is decoded at
// start-up. A size that is not among them, as for a high-density screen, is
// scaled smoothly from the next larger image, never blown up from a smaller one.
class ApplicationIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->drawPixmap(
            rect, devicePixmap(rect.size() * painter->device()->devicePixelRatio(), mode));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = fittingSide(size);
        return side > 0 ? QSize(side, side) : QSize();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return devicePixmap(size, mode);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        // From Qt 6.8 on QIcon passes the logical size here; before, it passed
        // the size already multiplied by the device pixel ratio.
        static const bool logicalSize = QLibraryInfo::version() >= QVersionNumber(6, 8);
        return devicePixmap(logicalSize ? size * scale : size, mode);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (int i = 0; i < kIconPixelsCount; ++i) {
                sizes.append(QSize(kIconPixels[i].size, kIconPixels[i].size));
            }
        }
        return sizes;
    }

    QString key() const override { return QStringLiteral("reelmoor"); }
    QIconEngine* clone() const override { return new ApplicationIconEngine; }
    bool isNull() override { return false; }

private:
    static int fittingSide(QSize size) {
        return std::min({size.width(), size.height(), kIconPixels[kIconPixelsCount - 1].size});
    }

    static QPixmap devicePixmap(QSize size, QIcon::Mode mode) {
        const int side = fittingSide(size);
        if (side <= 0) {
            return {};
        }
        const IconPixels* source = kIconPixels;
        while (source->size < side) {
            ++source;
        }
        const QImage image(reinterpret_cast<const uchar*>(source->pixels), source->size,
                           source->size, QImage::Format_ARGB32);
        // At its own size an image stays unconverted: the window system's icon
        // property takes exactly these pixels.
        QPixmap pixmap = source->size == side
                             ? QPixmap::fromImage(image, Qt::NoFormatConversion)
                             : QPixmap::fromImage(image.scaled(side, side, Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation));
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }
};

} // namespace

QIcon applicationIcon() {
    return QIcon(new ApplicationIconEngine);
}

void setApplicationIcon(QApplication& app) {
    app.setWindowIcon(applicationIcon());
}

} // namespace reelmoor
