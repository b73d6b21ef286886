#include "fakecontrols.h"
#include "slotgame.h"
#include "stressmodel.h"

#include <QTest>

#include <algorithm>

using namespace reelmoor;

namespace {

// The game logic behind the recording fake, delivering events as the window would.
struct LogicTarget {
    RecordingControls controls;
    stress::SteeredRandom random;
    SlotGame game{controls, random};
    bool loaded = false;

    LogicTarget() {
        game.Form_Load();
        controls.log.clear();
    }

    void setClock(double clock) { random.clock = clock; }
    void click() {
        if (controls.handleEnabled) {
            game.lblHandle_Click();
        }
    }
    void tick(int reel) {
        if (controls.timerEnabled.at(reel - 1)) {
            tickTimer(game, reel);
        }
    }
    void reset() {
        if (controls.resetEnabled) {
            game.Form_Load();
            loaded = true;
        }
    }
    // The boxes are the window's; the logic has none.
    bool box(int) { return false; }

    stress::Observed observe() {
        stress::Observed o = stress::observeGame(game, random);
        o.money = controls.money;
        o.status = controls.moneyWon;
        o.handle = controls.handleEnabled;
        o.reset = controls.resetEnabled;
        o.timer = controls.timerEnabled;
        o.visible = controls.visible;
        // Every payout ends by enabling either the handle or Reset; a new game
        // enables the handle once too.
        const auto count = [this](const char* entry) {
            return int(std::count(controls.log.begin(), controls.log.end(), std::string(entry)));
        };
        o.moneyChecks = count("lblHandle=on") + count("mnuReset=on") - (loaded ? 1 : 0);
        o.moneyWrites = int(std::ranges::count_if(
            controls.log, [](const std::string& entry) { return entry.starts_with("lblMoney="); }));
        controls.log.clear();
        loaded = false;
        return o;
    }
};

} // namespace

class TestStress : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomEvents_data() { stress::addSeedRows({1, 20240229, 9876543210}); }

    void randomEvents() {
        QFETCH(quint64, seed);
        LogicTarget target;
        stress::Coverage coverage;
        const std::string failure =
            stress::run(target, seed, stress::eventsToRun(100'000), coverage);
        QVERIFY2(failure.empty(), failure.c_str());
        qInfo("%lld events: %lld spins, %lld ticks, %lld game overs, %lld resets, %lld clicks and "
              "%lld resets refused, prizes 0/100/1000/4000/10000: %lld/%lld/%lld/%lld/%lld, "
              "saved by a prize at 0: %lld",
              coverage.events, coverage.spins, coverage.ticks, coverage.gameOvers, coverage.resets,
              coverage.refusedClicks, coverage.refusedResets, coverage.prizes[0],
              coverage.prizes[1], coverage.prizes[2], coverage.prizes[3], coverage.prizes[4],
              coverage.savedByPrize);
        // A run that never ends a game has not tried Reset or the last stake.
        QVERIFY(coverage.gameOvers > 0);
        QVERIFY(coverage.resets > 0);
    }
};

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
