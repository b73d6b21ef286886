// The application's identity towards the desktop: name, version, desktop file and icon.

#include "applicationicon.h"
#include "iconfiles.h"
#include "reelmoorversion.h"
#include "screenpixels.h"
#include "startup.h"
#include "windowrig.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace reelmoor;

class TestApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void identity() {
        setUpApplication(*qApp);
        setApplicationIcon(*qApp);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Reelmoor"));
        // The same version as the About box shows.
        QCOMPARE(QStringLiteral("Reelmoor ") + QApplication::applicationVersion(),
                 frmReelmoor::aboutText().section(QStringLiteral("\r\n"), 0, 0));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral(REELMOOR_DISPLAY_VERSION));
        // The name the desktop entry and the icon are installed under.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(REELMOOR_APP_ID));
        QVERIFY(!QApplication::windowIcon().isNull());
        // The window shows the same icon as the desktop entry.
        WindowRig rig;
        QCOMPARE(rig.window.windowIcon().pixmap(64).toImage(),
                 QApplication::windowIcon().pixmap(64).toImage());
    }

    void builtInIconAtEverySize_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            for (int size : {16, 32, 48, 64, 128}) {
                QTest::addRow("%d at %g", size, ratio) << size << ratio;
            }
        }
    }

    void builtInIconAtEverySize() {
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        setApplicationIcon(*qApp);
        const QIcon icon = QApplication::windowIcon();
        const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
        // Rendered for the device, not a smaller image left to be blown up.
        const int device = qRound(size * ratio);
        QCOMPARE(pixmap.size(), QSize(device, device));
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        // At the size of an installed image, exactly that image, as a pixmap holds it.
        const QImage installed(IconFiles::png(device));
        if (!installed.isNull()) {
            QImage expected = installed.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                  .convertToFormat(QImage::Format_ARGB32);
            expected.setDevicePixelRatio(ratio);
            QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), expected);
        } else {
            // Other sizes, as a panel's 48 pixels or a 1.5 times screen's 96, come
            // out close to the largest image made smaller. Smoothly made smaller
            // they differ by about 0.6 above 64 pixels and under 2 below it, where
            // the images' own drawing differs; blown up from a smaller image, or
            // scaled without smoothing, by 2 to 11.
            const QImage best =
                QImage(IconFiles::png(256))
                    .scaled(device, device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double off = meanDifference(pixmap.toImage(), best);
            QVERIFY2(off < (device > 64 ? 1.2 : 2.5), qPrintable(QString::number(off)));
        }
        // The gold dollar sign covers part of it, the rest is transparent.
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        const double covered = double(opaque) / (device * device);
        QVERIFY2(covered > 0.1 && covered < 0.9, qPrintable(QString::number(covered)));
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
