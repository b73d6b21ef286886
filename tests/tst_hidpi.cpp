// The window on a high-density screen: the same layout in logical pixels, and
// artwork drawn for the device rather than blown up from a low-density image.
// Runs at the ratio QT_SCALE_FACTOR gives, 2 if it is not set.

#include "screenpixels.h"
#include "windowrig.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace reelmoor;

namespace {

qreal expectedRatio() {
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
}

// The device pixels that a logical rectangle fully covers.
QRect devicePixels(const QRect& logical, qreal ratio) {
    return QRect(
        QPoint(int(std::ceil(logical.left() * ratio)), int(std::ceil(logical.top() * ratio))),
        QPoint(int(std::floor((logical.right() + 1) * ratio)) - 1,
               int(std::floor((logical.bottom() + 1) * ratio)) - 1));
}

// Share of neighbouring columns and rows in the area that are exact copies of
// each other. Blowing an image up by 1.5 or 2 without smoothing copies a third
// or a half of them; a drawing rendered at device resolution copies almost none.
double repeatedLines(const QImage& image, const QRect& area) {
    int repeats = 0;
    int pairs = 0;
    for (int x = area.left(); x < area.right(); ++x, ++pairs) {
        const QRect column(x, area.top(), 1, area.height());
        repeats += image.copy(column) == image.copy(column.translated(1, 0));
    }
    for (int y = area.top(); y < area.bottom(); ++y, ++pairs) {
        const QRect row(area.left(), y, area.width(), 1);
        repeats += image.copy(row) == image.copy(row.translated(0, 1));
    }
    return pairs ? double(repeats) / pairs : 1.0;
}

// The same picture as a low-density screen would show it, blown up to device size.
QImage blownUp(const QImage& lowDensity, QSize deviceSize) {
    return lowDensity.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(expectedRatio() > 1, "QT_SCALE_FACTOR must be above 1");
        WindowRig rig;
        QVERIFY(rig.show());
        QCOMPARE(rig.window.devicePixelRatioF(), expectedRatio());
        QCOMPARE(rig.view()->devicePixelRatioF(), expectedRatio());
    }

    void layoutInLogicalPixels_data() { addElementRectangleRows(); }

    void layoutInLogicalPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        WindowRig rig;
        QVERIFY(rig.show());
        QWidget* element = rig.element(name);
        QCOMPARE(element->geometry(), rect);
        QCOMPARE(element->devicePixelRatioF(), expectedRatio());
    }

    void windowSize() {
        WindowRig rig;
        QVERIFY(rig.show());
        QCOMPARE(rig.view()->size(), QSize(473, 418));
        QCOMPARE(rig.view()->y(), rig.window.menuBar()->height());
        QCOMPARE(rig.window.size(), QSize(473, 418 + rig.window.menuBar()->height()));
        QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
        const QImage shown = shownPixels(rig.view());
        QCOMPARE(shown.devicePixelRatio(), expectedRatio());
        QCOMPARE(shown.size(), QSize(int(std::ceil(473 * expectedRatio())),
                                     int(std::ceil(418 * expectedRatio()))));
    }

    void paintedAtDeviceResolution_data() {
        QTest::addColumn<QRect>("area"); // logical
        QTest::addColumn<bool>("tightenToDrawing");
        // Each reel rests on the cherries; only the drawing itself is measured.
        QTest::newRow("reel 1 symbol") << QRect(58, 106, 85, 109) << true;
        QTest::newRow("reel 3 symbol") << QRect(282, 106, 85, 109) << true;
        QTest::newRow("cabinet corner") << QRect(24, 48, 12, 12) << false;
        QTest::newRow("cabinet lower right corner") << QRect(389, 253, 12, 12) << false;
        QTest::newRow("knob") << QRect(418, 80, 33, 33) << false;
        QTest::newRow("stick") << QRect(404, 140, 24, 30) << false;
    }

    void paintedAtDeviceResolution() {
        QFETCH(QRect, area);
        QFETCH(bool, tightenToDrawing);
        const qreal ratio = expectedRatio();
        WindowRig rig;
        QVERIFY(rig.show());
        const QImage grabbed = shownPixels(rig.view()).convertToFormat(QImage::Format_RGB32);

        // The same area painted at ratio 1 and blown up, as a control.
        QImage lowDensity(rig.view()->size(), QImage::Format_RGB32);
        lowDensity.setDevicePixelRatio(1);
        rig.view()->render(&lowDensity);
        const QImage control = blownUp(lowDensity, grabbed.size());

        QRect device = devicePixels(area, ratio);
        if (tightenToDrawing) {
            device = inkBounds(grabbed, qRgb(255, 255, 255), device);
            QVERIFY2(device.width() > 40 * ratio, "no drawing in the reel");
        }
        const double native = repeatedLines(grabbed, device);
        const double blown = repeatedLines(control, device);
        qInfo("repeated lines: %.3f at device resolution, %.3f blown up", native, blown);
        QVERIFY2(blown > 0.25, "the control does not show the blow-up; the measure is broken");
        QVERIFY2(native < 0.1, qPrintable(QString::number(native)));

        // Smooth edges: colours between those of the flat fills, at device resolution.
        QSet<QRgb> colours;
        for (int y = device.top(); y <= device.bottom(); ++y) {
            for (int x = device.left(); x <= device.right(); ++x) {
                colours.insert(grabbed.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
    }

    void iconAtDeviceResolution() {
        const qreal ratio = expectedRatio();
        WindowRig rig;
        const QIcon icon = rig.window.windowIcon();
        for (int size : {32, 48, 64}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
            const QSize device(qRound(size * ratio), qRound(size * ratio));
            QCOMPARE(pixmap.size(), device);
            const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage control = blownUp(icon.pixmap(QSize(size, size), 1.0)
                                               .toImage()
                                               .convertToFormat(QImage::Format_ARGB32),
                                           device);
            const QRect drawn = inkBounds(image, qRgba(0, 0, 0, 0));
            QVERIFY(!drawn.isEmpty());
            const double native = repeatedLines(image, drawn);
            const double blown = repeatedLines(control, drawn);
            qInfo("icon %d: repeated lines %.3f at device resolution, %.3f blown up", size, native,
                  blown);
            QVERIFY(blown > 0.25);
            QVERIFY2(native < 0.1, qPrintable(QString::number(native)));
        }
    }
};

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
