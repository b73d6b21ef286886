// The cost of the game's window in use: one reel tick with its repaint, one
// whole spin, the real timers' stops, and how quiet the process is afterwards.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise; set
// QT_SCALE_FACTOR=2 for a device pixel ratio of 2.

#include "picturebox.h"
#include "windowrig.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace reelmoor;

namespace {

// Every spin draws cherries, 4 and 6: it pays 100, so the balance never runs out.
class FixedRandom final : public RandomSource {
public:
    double secondsSinceMidnight() override { return 0; }
    void seed(double) override { m_index = 0; }
    double next() override {
        static constexpr double kValues[3] = {0.5 / 7, 3.5 / 7, 5.5 / 7};
        return kValues[m_index++ % 3];
    }

private:
    int m_index = 0;
};

// Counts the paints of reel pictures, to show that a tick really repaints.
class PaintCounter : public QObject {
public:
    long long paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<PictureBox*>(watched)) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The tests' window rig, shown. The timers are looked up once, outside what is timed.
struct Rig : WindowRig<FixedRandom> {
    std::array<QTimer*, 3> timers{timer(1), timer(2), timer(3)};
    PaintCounter counter;

    Rig() {
        show();
        QCoreApplication::processEvents();
        qApp->installEventFilter(&counter);
    }
    ~Rig() { qApp->removeEventFilter(&counter); }

    bool turning() const {
        return timers[0]->isActive() || timers[1]->isActive() || timers[2]->isActive();
    }
    // Paints what the handlers marked dirty, as the event loop would after them,
    // without giving the real timers a chance to tick.
    static void paintPending() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    // The rest of a spin, one round of ticks at a time.
    void finishSpin() {
        while (turning()) {
            for (int n = 1; n <= 3; ++n) {
                if (timers[n - 1]->isActive()) {
                    tickTimer(window, n);
                }
            }
            paintPending();
        }
    }
    std::string ratioLabel() const {
        return "device pixel ratio " + std::to_string(window.devicePixelRatioF()).substr(0, 4);
    }
};

void reelTick(benchmark::State& state) {
    Rig rig;
    rig.window.lblHandle_Click();
    rig.paintPending();
    long long ticks = 0;
    long long paints = 0;
    for (auto _ : state) {
        if (!rig.timers[0]->isActive()) {
            state.PauseTiming();
            rig.finishSpin();
            rig.window.lblHandle_Click();
            rig.paintPending();
            state.ResumeTiming();
        }
        const long long paintsBefore = rig.counter.paints;
        rig.window.tmrTimer1_Timer();
        rig.paintPending();
        paints += rig.counter.paints - paintsBefore;
        ++ticks;
    }
    state.counters["picture_paints_per_tick"] = double(paints) / double(std::max(ticks, 1LL));
    state.SetLabel(rig.ratioLabel());
    rig.finishSpin();
}
BENCHMARK(reelTick)->Unit(benchmark::kMicrosecond);

// A spin with its 84 ticks handed out in rounds and painted after each round,
// with no waiting between them: the work of a spin without its 3.6 seconds.
void wholeSpinDriven(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.window.lblHandle_Click();
        rig.paintPending();
        rig.finishSpin();
    }
    state.SetLabel(rig.ratioLabel());
}
BENCHMARK(wholeSpinDriven)->Unit(benchmark::kMillisecond);

// Real spins on the real timers and event loop. The CPU column is the process's
// CPU time per spin; the counters are when each reel stopped after the click.
void wholeSpinRealTimers(benchmark::State& state) {
    Rig rig;
    QElapsedTimer clock;
    std::array<double, 3> stops{};
    std::array<double, 3> sums{};
    double worst = 0;
    QEventLoop loop;
    QObject context;
    for (int n = 0; n < 3; ++n) {
        // Connected after the window's own handler, so it sees the timer after the tick.
        QObject::connect(rig.timers[n], &QTimer::timeout, &context, [&, n] {
            if (!rig.timers[n]->isActive()) {
                stops[n] = double(clock.nsecsElapsed()) / 1e9;
                if (n == 2) {
                    loop.quit();
                }
            }
        });
    }
    for (auto _ : state) {
        clock.start();
        rig.window.lblHandle_Click();
        loop.exec();
        for (int n = 0; n < 3; ++n) {
            sums[n] += stops[n];
            const double nominal = 2.0 + 0.8 * n;
            worst = std::max(worst, std::abs(stops[n] - nominal) / nominal * 100);
        }
    }
    const double spins = double(state.iterations());
    state.counters["stop1_s"] = sums[0] / spins;
    state.counters["stop2_s"] = sums[1] / spins;
    state.counters["stop3_s"] = sums[2] / spins;
    state.counters["worst_deviation_pct"] = worst;
    state.SetLabel(rig.ratioLabel());
}
BENCHMARK(wholeSpinRealTimers)
    ->Iterations(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

long long contextSwitches() {
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.contains("ctxt_switches:")) {
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
            }
        }
    }
    return total;
}

// After a real spin: the timers registered by the window and its elements, then
// five idle seconds in the event loop, counting the dispatcher's wake-ups and the
// context switches of all threads. One wake-up ends the wait.
void idleAfterSpin(benchmark::State& state) {
    Rig rig;
    QEventLoop loop;
    QObject context;
    QObject::connect(rig.timers[2], &QTimer::timeout, &context, [&] {
        if (!rig.turning()) {
            loop.quit();
        }
    });
    long long wakeups = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     &context, [&] { ++wakeups; });
    for (auto _ : state) {
        rig.window.lblHandle_Click();
        loop.exec();
        QCoreApplication::processEvents();

        QList<QObject*> objects = rig.window.findChildren<QObject*>();
        objects.append(&rig.window);
        long long timers = 0;
        for (QObject* object : objects) {
            timers += QAbstractEventDispatcher::instance()->registeredTimers(object).size();
        }
        state.counters["timers_registered"] = double(timers);

        wakeups = 0;
        const long long switchesBefore = contextSwitches();
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["wakeups_in_5s"] = double(wakeups);
        state.counters["context_switches_in_5s"] = double(contextSwitches() - switchesBefore);
    }
}
BENCHMARK(idleAfterSpin)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
