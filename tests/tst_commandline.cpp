#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Runs the built program as a player would, with and without a display.
class tst_CommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arguments_data();
    void arguments();
};

namespace {
enum Display { NoDisplay, MinimalDisplay };
// Where standard output goes: to the test, to a full disk, or nowhere.
enum Output { Piped, Full, Closed };
constexpr int kOpensWindow = -1;

// Dark pixels in the menu bar's left or right end tell where the menus are.
bool menusOnLeft(const QImage& frame) {
    int left = 0;
    int right = 0;
    for (int y = 2; y < 20; ++y) {
        for (int x = 0; x < 100; ++x) {
            left += qGray(frame.pixel(x, y)) < 100;
            right += qGray(frame.pixel(frame.width() - 1 - x, y)) < 100;
        }
    }
    return left > 20 && right == 0;
}
} // namespace

void tst_CommandLine::arguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("output");

    const QString usage = QStringLiteral("Usage: reelmoor");
    const QString version = QStringLiteral("Reelmoor 1.00\n");
    for (int display : {int(NoDisplay), int(MinimalDisplay)}) {
        const char* where = display == NoDisplay ? "no display" : "display";
        for (const char* option : {"--help", "-h"}) {
            QTest::addRow("%s, %s", option, where) << QStringList{QLatin1String(option)} << display
                                                   << 0 << usage << QString() << int(Piped);
        }
        for (const char* option : {"--version", "-v"}) {
            QTest::addRow("%s, %s", option, where) << QStringList{QLatin1String(option)} << display
                                                   << 0 << version << QString() << int(Piped);
        }
        QTest::addRow("unknown long option, %s", where)
            << QStringList{QStringLiteral("--bogus")} << display << 1 << QString()
            << QStringLiteral("'--bogus'; try 'reelmoor --help'") << int(Piped);
    }
    QTest::newRow("unknown short option")
        << QStringList{QStringLiteral("-x")} << int(MinimalDisplay) << 1 << QString()
        << QStringLiteral("unknown option '-x'; try 'reelmoor --help'") << int(Piped);
    QTest::newRow("positional argument")
        << QStringList{QStringLiteral("some-file")} << int(MinimalDisplay) << 1 << QString()
        << QStringLiteral("unexpected argument 'some-file'; try 'reelmoor --help'") << int(Piped);
    QTest::newRow("Qt option without its value")
        << QStringList{QStringLiteral("-style")} << int(MinimalDisplay) << 1 << QString()
        << QStringLiteral("'-style' needs a value") << int(Piped);
    QTest::newRow("no arguments") << QStringList{} << int(MinimalDisplay) << kOpensWindow
                                  << QString() << QString() << int(Piped);
    QTest::newRow("Qt's -reverse") << QStringList{QStringLiteral("-reverse")} << int(MinimalDisplay)
                                   << kOpensWindow << QString() << QString() << int(Piped);
    // A write error is an error, told on standard error.
    QTest::newRow("--version to a full disk")
        << QStringList{QStringLiteral("--version")} << int(NoDisplay) << 1 << QString()
        << QStringLiteral("reelmoor: write error: ") << int(Full);
    QTest::newRow("--help, output closed")
        << QStringList{QStringLiteral("--help")} << int(NoDisplay) << 1 << QString()
        << QStringLiteral("reelmoor: write error: ") << int(Closed);
    QTest::newRow("Qt's --reverse and -qwindowtitle")
        << QStringList{QStringLiteral("--reverse"), QStringLiteral("-qwindowtitle"),
                       QStringLiteral("x")}
        << int(MinimalDisplay) << kOpensWindow << QString() << QString() << int(Piped);
}

void tst_CommandLine::arguments() {
    QFETCH(QStringList, args);
    QFETCH(int, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, output);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QLatin1String(name));
    }
    if (display == MinimalDisplay) {
        // The minimal platform saves every frame it shows into the working folder.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("minimal"));
        env.insert(QStringLiteral("QT_DEBUG_BACKINGSTORE"), QStringLiteral("1"));
    }
    QProcess game;
    game.setProcessEnvironment(env);
    game.setWorkingDirectory(dir.path());
    if (output == Full) {
        game.setStandardOutputFile(QStringLiteral("/dev/full"));
    } else if (output == Closed) {
        game.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    }
    game.start(QStringLiteral(REELMOOR_BINARY), args);
    QVERIFY(game.waitForStarted());

    const QString frame = dir.filePath(QStringLiteral("output0001.png"));
    if (exitCode == kOpensWindow) {
        QTRY_VERIFY_WITH_TIMEOUT(!QImage(frame).isNull(), 20000);
        QCOMPARE(game.state(), QProcess::Running);
        game.kill();
        game.waitForFinished();
        QCOMPARE(menusOnLeft(QImage(frame)), !args.join(QString()).contains(u"reverse"));
        return;
    }
    QVERIFY(game.waitForFinished(20000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), exitCode);
    const QString stdOut = QString::fromLocal8Bit(game.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(game.readAllStandardError());
    if (out.isEmpty()) {
        QVERIFY2(stdOut.isEmpty(), qPrintable(stdOut));
    } else {
        QVERIFY2(stdOut.startsWith(out), qPrintable(stdOut));
    }
    if (err.isEmpty()) {
        QVERIFY2(stdErr.isEmpty(), qPrintable(stdErr));
    } else {
        QVERIFY2(stdErr.contains(err) && stdErr.count(u'\n') == 1, qPrintable(stdErr));
    }
    QVERIFY2(!QFile::exists(dir.filePath(QStringLiteral("output0000.png"))), "a window opened");
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
