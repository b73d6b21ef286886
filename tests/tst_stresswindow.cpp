#include "stressmodel.h"
#include "windowrig.h"

using namespace reelmoor;

namespace {

// The whole window, shown, with clicks and shortcuts delivered through Qt. The
// event loop is never left running while a reel turns, so the only ticks are
// the ones the driver hands out.
struct WindowTarget : WindowRig<stress::SteeredRandom> {
    int realTicks = 0;
    std::string note;

    WindowTarget() {
        for (int n = 1; n <= kReels; ++n) {
            QObject::connect(timer(n), &QTimer::timeout, &window, [this] { ++realTicks; });
        }
    }

    void setClock(double clock) { random.clock = clock; }
    // Whatever lies topmost at the knob's centre gets the click, enabled or not.
    void click() { clickHandle(); }
    void tick(int reel) {
        if (timer(reel)->isActive()) {
            tickTimer(window, reel);
        }
    }
    void reset() { QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier); }
    bool box(int which) {
        const auto before = boxes.size();
        QTest::keyClick(&window, which == 0 ? Qt::Key_S : Qt::Key_A, Qt::ControlModifier);
        const QString title =
            which == 0 ? QStringLiteral("Scoring for Reelmoor") : QStringLiteral("About Reelmoor");
        if (boxes.size() != before + 1 || boxes.back().title != title) {
            note = "the box did not open; ";
        }
        // Let pending paints through while nothing turns: no tick can sneak in.
        if (!anyTimerActive()) {
            QCoreApplication::processEvents();
        }
        return true;
    }

    stress::Observed observe() {
        stress::Observed o = stress::observeGame(window.game(), random);
        o.money = money().toStdString();
        o.status = status().toStdString();
        o.handle = handle()->isEnabled();
        o.reset = action("mnuReset")->isEnabled();
        for (int reel = 0; reel < kReels; ++reel) {
            o.timer[reel] = timer(reel + 1)->isActive();
            for (int i = 0; i < kPictures; ++i) {
                o.visible[reel][i] = window.picSlotsVisible(reel + 1, i);
            }
        }
        if (realTicks > 0) {
            note += "a real timer ticked; ";
        }
        o.note = note;
        note.clear();
        return o;
    }
};

} // namespace

class TestStressWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomEvents_data() { stress::addSeedRows({7, 31337}); }

    void randomEvents() {
        QFETCH(quint64, seed);
        WindowTarget target;
        QVERIFY(target.showActive());
        stress::Coverage coverage;
        const std::string failure =
            stress::run(target, seed, stress::eventsToRun(100'000), coverage);
        QVERIFY2(failure.empty(), failure.c_str());
        qInfo("%lld events: %lld spins, %lld game overs, %lld resets, %lld boxes", coverage.events,
              coverage.spins, coverage.gameOvers, coverage.resets, coverage.boxes);
        QVERIFY(coverage.gameOvers > 0);
        QVERIFY(coverage.resets > 0);
        QVERIFY(coverage.boxes > 0);
    }
};

QTEST_MAIN(TestStressWindow)
#include "tst_stresswindow.moc"
