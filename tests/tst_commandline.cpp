#include "datacolumns.h"

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
    addColumns<QStringList, int, int, QString, QString, int>("args", "display", "exitCode", "out",
                                                             "err", "output");

    const auto row = [](const QString& name, const QStringList& args, int display, int exitCode,
                        const QString& out, const QString& err, int output = Piped) {
        QTest::newRow(qPrintable(name)) << args << display << exitCode << out << err << output;
    };
    const QString usage = QStringLiteral("Usage: reelmoor");
    const QString version = QStringLiteral("Reelmoor 1.00\n");
    const std::pair<const char*, QString> printing[] = {
        {"--help", usage}, {"-h", usage}, {"--version", version}, {"-v", version}};
    for (int display : {int(NoDisplay), int(MinimalDisplay)}) {
        const QString where = display == NoDisplay ? "no display" : "display";
        for (const auto& [option, text] : printing) {
            row(QLatin1String(option) + ", " + where, {option}, display, 0, text, {});
        }
        row("unknown long option, " + where, {"--bogus"}, display, 1, {},
            "'--bogus'; try 'reelmoor --help'");
    }
    row("unknown short option", {"-x"}, MinimalDisplay, 1, {},
        "unknown option '-x'; try 'reelmoor --help'");
    row("positional argument", {"some-file"}, MinimalDisplay, 1, {},
        "unexpected argument 'some-file'; try 'reelmoor --help'");
    row("Qt option without its value", {"-style"}, MinimalDisplay, 1, {}, "'-style' needs a value");
    row("no arguments", {}, MinimalDisplay, kOpensWindow, {}, {});
    row("Qt's -reverse", {"-reverse"}, MinimalDisplay, kOpensWindow, {}, {});
    // A write error is an error, told on standard error.
    row("--version to a full disk", {"--version"}, NoDisplay, 1, {},
        "reelmoor: write error: ", Full);
    row("--help, output closed", {"--help"}, NoDisplay, 1, {}, "reelmoor: write error: ", Closed);
    row("Qt's --reverse and -qwindowtitle", {"--reverse", "-qwindowtitle", "x"}, MinimalDisplay,
        kOpensWindow, {}, {});
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
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err) && stdErr.count(u'\n') == 1,
             qPrintable(stdErr));
    QVERIFY2(!QFile::exists(dir.filePath(QStringLiteral("output0000.png"))), "a window opened");
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
