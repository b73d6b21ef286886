// The application's identity towards the desktop: name, version, desktop file and icon.

#include "application.h"
#include "fakecontrols.h"
#include "frmreelmoor.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace reelmoor;

class TestApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void identity();
    void builtInIconAtEverySize_data();
    void builtInIconAtEverySize();
    void themeIconComesFirst();

private:
    QTemporaryDir m_emptyThemes;
    QStringList m_searchPaths;
    QString m_themeName;
};

void TestApplication::initTestCase() {
    QVERIFY(m_emptyThemes.isValid());
    m_searchPaths = QIcon::themeSearchPaths();
    m_themeName = QIcon::themeName();
}

void TestApplication::cleanup() {
    QIcon::setThemeSearchPaths(m_searchPaths);
    QIcon::setThemeName(m_themeName);
}

void TestApplication::identity() {
    setUpApplication(*qApp);
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Reelmoor"));
    // The same version as the About box shows.
    QCOMPARE(QStringLiteral("Reelmoor ") + QApplication::applicationVersion(),
             frmReelmoor::aboutText().section(QStringLiteral("\r\n"), 0, 0));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral(REELMOOR_DISPLAY_VERSION));
    // The name the desktop entry and the icon are installed under.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(REELMOOR_APP_ID));
    QVERIFY(!QApplication::windowIcon().isNull());
}

void TestApplication::builtInIconAtEverySize_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        for (int size : {16, 32, 48, 64, 128}) {
            QTest::addRow("%d at %g", size, ratio) << size << ratio;
        }
    }
}

void TestApplication::builtInIconAtEverySize() {
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    // No theme has the icon here, as when the game runs from its build directory.
    QIcon::setThemeSearchPaths({m_emptyThemes.path()});
    setUpApplication(*qApp);
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(icon.name().isEmpty());
    const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
    // Rendered for the device, not a smaller image left to be blown up.
    const int device = qRound(size * ratio);
    QCOMPARE(pixmap.size(), QSize(device, device));
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
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

void TestApplication::themeIconComesFirst() {
    // A theme that has the icon under the application id, in an unmistakable colour.
    QTemporaryDir themes;
    QVERIFY(themes.isValid());
    QDir dir(themes.path());
    QVERIFY(dir.mkpath(QStringLiteral("test/64x64/apps")));
    QFile index(dir.filePath(QStringLiteral("test/index.theme")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Test\nDirectories=64x64/apps\n\n"
                "[64x64/apps]\nSize=64\nType=Fixed\n");
    index.close();
    QImage green(64, 64, QImage::Format_ARGB32);
    green.fill(QColor(0, 200, 0));
    QVERIFY(green.save(dir.filePath(QStringLiteral("test/64x64/apps/" REELMOOR_APP_ID ".png"))));
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("test"));

    setUpApplication(*qApp);
    QCOMPARE(QApplication::windowIcon().name(), QStringLiteral(REELMOOR_APP_ID));
    QCOMPARE(QApplication::windowIcon().pixmap(64).toImage().pixelColor(32, 32), QColor(0, 200, 0));
    // The window shows the same icon as the desktop entry.
    ScriptedRandom random;
    frmReelmoor window(random, [](QWidget*, const QString&, const QString&) {});
    QCOMPARE(window.windowIcon().name(), QStringLiteral(REELMOOR_APP_ID));
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
