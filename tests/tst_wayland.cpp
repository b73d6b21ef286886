// The game as a native Wayland client, under a headless weston of its own. The
// requests the client sends are read from libwayland's own protocol log.

#include "reelmoorversion.h"
#include "startup.h"
#include "windowrig.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace reelmoor;

namespace {

constexpr const char* kSocket = "reelmoor-test";

// weston on a private runtime folder, started and stopped by its process id.
class Compositor {
public:
    bool start() {
        if (!m_runtime.isValid()) {
            return false;
        }
        const QByteArray runtime = QFile::encodeName(m_runtime.path());
        ::chmod(runtime.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("WAYLAND_DISPLAY", kSocket);
        const QByteArray log = "--log=" + runtime + "/weston.log";
        const QByteArray socketOption = QByteArray("--socket=") + kSocket;
        const char* argv[] = {"weston",
                              "--backend=headless-backend.so",
                              socketOption.constData(),
                              "--no-config",
                              log.constData(),
                              nullptr};
        const pid_t parent = ::getpid();
        m_pid = ::fork();
        if (m_pid == 0) {
            // weston goes when the test goes, also when the test is killed, and
            // keeps none of the test's output open (CTest waits for its end).
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            if (::getppid() == parent) {
                ::execvp("weston", const_cast<char**>(argv));
            }
            ::_exit(127);
        }
        if (m_pid < 0) {
            std::fprintf(stderr, "cannot start weston\n");
            return false;
        }
        // Ready when its socket takes connections (the file comes a moment
        // before that); it may also die trying.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socket = runtime + '/' + kSocket;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.constData());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            const bool listening =
                ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            ::close(probe);
            if (listening) {
                return true;
            }
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = 0;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        std::fprintf(stderr, "weston did not come up:\n%s\n",
                     readFile(runtime + "/weston.log").constData());
        return false;
    }

    void stop() {
        if (m_pid <= 0) {
            return;
        }
        ::kill(m_pid, SIGTERM);
        QElapsedTimer clock;
        clock.start();
        int status = 0;
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (clock.elapsed() > 5000) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_pid = 0;
    }

    ~Compositor() { stop(); }

    QString path(const char* name) const { return m_runtime.filePath(QLatin1String(name)); }

    static QByteArray readFile(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_runtime;
    pid_t m_pid = 0;
};

Compositor* compositor = nullptr;

// The requests logged so far, one per line, as "-> interface@id.request(arguments)";
// libwayland 1.23 writes "interface#id" instead, after the name of the event queue.
QStringList requests(const QString& request) {
    std::fflush(stderr);
    const QString log = QString::fromUtf8(Compositor::readFile(compositor->path("client.log")));
    const QRegularExpression line(QStringLiteral(R"(-> xdg_toplevel[@#]\d+\.%1\((.*)\))")
                                      .arg(QRegularExpression::escape(request)));
    QStringList found;
    for (auto it = line.globalMatch(log); it.hasNext();) {
        found << it.next().captured(1);
    }
    return found;
}

QSize sizeArguments(const QString& arguments) {
    const QStringList parts = arguments.split(QStringLiteral(", "));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        setUpApplication(*qApp);
        m_rig = std::make_unique<WindowRig<>>();
        QVERIFY(m_rig->show());
    }

    void identityAndFixedSize() {
        // The compositor matches the window to the desktop entry by this id.
        QTRY_VERIFY(!requests(QStringLiteral("set_app_id")).isEmpty());
        QCOMPARE(requests(QStringLiteral("set_app_id")).constLast(),
                 QStringLiteral("\"" REELMOOR_APP_ID "\""));
        // Fixed size: the same bounds both ways, none of them 0 (which means unbounded).
        const QStringList minimum = requests(QStringLiteral("set_min_size"));
        const QStringList maximum = requests(QStringLiteral("set_max_size"));
        QVERIFY(!minimum.isEmpty() && !maximum.isEmpty());
        const QSize bound = sizeArguments(minimum.constLast());
        QCOMPARE(sizeArguments(maximum.constLast()), bound);
        QVERIFY2(bound.width() >= m_rig->window.width() && bound.height() >= m_rig->window.height(),
                 qPrintable(minimum.constLast()));
    }

    void spinAndExit() {
        m_rig->random.script(1, 1, 1);
        QTest::mouseClick(m_rig->handle(), Qt::LeftButton);
        QCOMPARE(m_rig->money(), QStringLiteral(" 975"));
        // The reels run on the real timers; three cherries pay 10,000 when the last stops.
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->money(), QStringLiteral(" 10975"), 10000);
        QVERIFY(m_rig->handle()->isEnabled());

        // Exit ends the event loop, as it ends the program; if not, the loop ends itself.
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        deadline.start(5000);
        QTimer::singleShot(0, m_rig->action("mnuExit"), &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_rig->window.isVisible());
        // The compositor is told that the window is gone.
        QTRY_VERIFY(!requests(QStringLiteral("destroy")).isEmpty());
    }

private:
    std::unique_ptr<WindowRig<>> m_rig;
};

int main(int argc, char* argv[]) {
    Compositor weston;
    if (!weston.start()) {
        return 1;
    }
    compositor = &weston;
    // libwayland logs every request to stderr; keep them in a file to read back.
    const int savedStderr = ::dup(STDERR_FILENO);
    const QByteArray log = QFile::encodeName(weston.path("client.log"));
    const int logFile = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(logFile, STDERR_FILENO);
    ::close(logFile);
    qputenv("WAYLAND_DEBUG", "client");
    qputenv("QT_QPA_PLATFORM", "wayland");

    int result = 0;
    {
        QApplication app(argc, argv);
        TestWayland test;
        result = QTest::qExec(&test, argc, argv);
    }
    std::fflush(stderr);
    ::dup2(savedStderr, STDERR_FILENO);
    if (result != 0) {
        // Qt's own warnings, without the protocol log.
        const QList<QByteArray> lines = Compositor::readFile(weston.path("client.log")).split('\n');
        for (const QByteArray& line : lines) {
            if (!line.startsWith('[')) {
                std::fprintf(stderr, "%s\n", line.constData());
            }
        }
    }
    weston.stop();
    return result;
}

#include "tst_wayland.moc"
