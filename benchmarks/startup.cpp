// Start-up to the first painted frame, and the resident memory at that moment,
// for the game (built with STARTUP_GAME_WINDOW: the program's own start-up,
// reelmoor::runGame()) or for a bare QMainWindow with a menu bar of the same size.
// Prints one line: "first_frame_ms=<ms> rss_kb=<kB> phases_ms=<a>/<b>/<c>/<d>",
// the phases being QApplication, the window's construction (application set-up
// included), show() (with the application icon) and the first frame. The clock starts at
// REELMOOR_BENCH_T0_US (microseconds since the epoch, taken by the caller just
// before it starts the process) or, without it, when main() begins.

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#ifdef STARTUP_GAME_WINDOW
#include "startup.h"
#endif

extern "C" void startupFirstFrame(long long start, const QString& phases);

namespace {

long long nowMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

long long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

// Reports once the first paint of the window has been flushed: the zero timer
// runs when control is back in the event loop, after the flush.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(long long start) : m_start(start), m_mark(start) {}

    // Ends a phase of start-up.
    void mark() {
        const long long now = nowMicroseconds();
        m_phases += QString::asprintf("%s%.2f", m_phases.isEmpty() ? "" : "/",
                                      double(now - m_mark) / 1000.0);
        m_mark = now;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                mark();
                startupFirstFrame(m_start, m_phases);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_start;
    long long m_mark;
    QString m_phases;
    bool m_seen = false;
};

} // namespace

// Called once, when the first frame is on screen; benchmarks/callgrind.sh stops
// the instruction count on entering it.
extern "C" Q_NEVER_INLINE void startupFirstFrame(long long start, const QString& phases) {
    std::printf("first_frame_ms=%.2f rss_kb=%lld phases_ms=%s\n",
                double(nowMicroseconds() - start) / 1000.0, residentKilobytes(),
                qPrintable(phases));
    std::fflush(stdout);
}

int main(int argc, char* argv[]) {
    const char* t0 = std::getenv("REELMOOR_BENCH_T0_US");
    const long long start = t0 && *t0 ? std::atoll(t0) : nowMicroseconds();
    FirstFrame probe(start);

#ifdef STARTUP_GAME_WINDOW
    return reelmoor::runGame(argc, argv, [&probe](reelmoor::StartupStep step, QApplication& app) {
        if (step == reelmoor::StartupStep::WindowBuilt) {
            app.installEventFilter(&probe);
        }
        probe.mark();
    });
#else
    QApplication app(argc, argv);
    probe.mark();
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Reset"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    file->addAction(QStringLiteral("E&xit"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Scoring"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    help->addAction(QStringLiteral("&About"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    auto* client = new QWidget(&window);
    client->setFixedSize(473, 418);
    window.setCentralWidget(client);
    // Any widget's paint will do.
    app.installEventFilter(&probe);
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    probe.mark();
    window.show();
    probe.mark();
    return QApplication::exec();
#endif
}
