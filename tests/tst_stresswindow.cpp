#include "fakecontrols.h"
#include "frmreelmoor.h"
#include "stressmodel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace reelmoor;

namespace {

// The whole window, shown, with clicks and shortcuts delivered through Qt. The
// event loop is never left running while a reel turns, so the only ticks are
// the ones the driver hands out.
struct WindowTarget {
    stress::SteeredRandom random;
    std::vector<QString> boxes;
    frmReelmoor window{
        random, [this](QWidget*, const QString& title, const QString&) { boxes.push_back(title); }};
    QLabel* money = window.findChild<QLabel*>(QStringLiteral("lblMoney"));
    QLabel* status = window.findChild<QLabel*>(QStringLiteral("lblMoneyWon"));
    QWidget* handle = window.findChild<QWidget*>(QStringLiteral("lblHandle"));
    QAction* resetItem = window.findChild<QAction*>(QStringLiteral("mnuReset"));
    std::array<QTimer*, 3> timers{};
    int realTicks = 0;
    std::string note;

    WindowTarget() {
        for (int n = 0; n < 3; ++n) {
            timers[n] = window.findChild<QTimer*>(QStringLiteral("tmrTimer%1").arg(n + 1));
            QObject::connect(timers[n], &QTimer::timeout, &window, [this] { ++realTicks; });
        }
    }
    bool show() {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    void setClock(double clock) { random.clock = clock; }
    void click() {
        // Whatever lies topmost at the knob's centre gets the click, enabled or not.
        const QPoint centre = handle->mapTo(window.centralWidget(), handle->rect().center());
        QWidget* target = window.centralWidget()->childAt(centre);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          target->mapFrom(window.centralWidget(), centre));
    }
    void tick(int reel) {
        if (!timers.at(reel - 1)->isActive()) {
            return;
        }
        tickTimer(window, reel);
    }
    void reset() { QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier); }
    bool box(int which) {
        const auto before = boxes.size();
        QTest::keyClick(&window, which == 0 ? Qt::Key_S : Qt::Key_A, Qt::ControlModifier);
        const QString title =
            which == 0 ? QStringLiteral("Scoring for Reelmoor") : QStringLiteral("About Reelmoor");
        if (boxes.size() != before + 1 || boxes.back() != title) {
            note = "the box did not open; ";
        }
        // Let pending paints through while nothing turns: no tick can sneak in.
        if (!timers[0]->isActive() && !timers[1]->isActive() && !timers[2]->isActive()) {
            QCoreApplication::processEvents();
        }
        return true;
    }

    stress::Observed observe() {
        stress::Observed o;
        o.money = money->text().toStdString();
        o.status = status->text().toStdString();
        o.handle = handle->isEnabled();
        o.reset = resetItem->isEnabled();
        const SlotGame& game = window.game();
        for (int reel = 0; reel < 3; ++reel) {
            o.timer[reel] = timers[reel]->isActive();
            for (int i = 0; i < 8; ++i) {
                o.visible[reel][i] = window.picSlotsVisible(reel + 1, i);
            }
        }
        o.slot = {int(game.Slot1), int(game.Slot2), int(game.Slot3)};
        o.pos = {game.Pos1, game.Pos2, game.Pos3};
        o.count = {game.Count1, game.Count2, game.Count3};
        o.seeds = random.seeds.size();
        o.lastSeed = random.seeds.empty() ? 0 : random.seeds.back();
        o.draws = random.draws;
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
    void randomEvents_data();
    void randomEvents();
};

void TestStressWindow::randomEvents_data() {
    stress::addSeedRows({7, 31337});
}

void TestStressWindow::randomEvents() {
    QFETCH(quint64, seed);
    WindowTarget target;
    QVERIFY(target.show());
    stress::Coverage coverage;
    const std::string failure = stress::run(target, seed, stress::eventsToRun(100'000), coverage);
    QVERIFY2(failure.empty(), failure.c_str());
    qInfo("%lld events: %lld spins, %lld game overs, %lld resets, %lld boxes", coverage.events,
          coverage.spins, coverage.gameOvers, coverage.resets, coverage.boxes);
    QVERIFY(coverage.gameOvers > 0);
    QVERIFY(coverage.resets > 0);
    QVERIFY(coverage.boxes > 0);
}

QTEST_MAIN(TestStressWindow)
#include "tst_stresswindow.moc"
