#include "datacolumns.h"
#include "fakecontrols.h"
#include "slotgame.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

using namespace reelmoor;

namespace {

struct Rig {
    RecordingControls controls;
    ScriptedRandom random;
    SlotGame game{controls, random};

    Rig() { game.Form_Load(); }

    void tick(int timer) { tickTimer(game, timer); }
    // Delivers ticks of the running timers, round by round, until all are off.
    int runReels() {
        int ticks = 0;
        while (controls.timerEnabled[0] || controls.timerEnabled[1] || controls.timerEnabled[2]) {
            for (int timer = 1; timer <= kReels; ++timer) {
                if (controls.timerEnabled[timer - 1]) {
                    tick(timer);
                    ++ticks;
                }
            }
        }
        return ticks;
    }
    void spin(int slot1, int slot2, int slot3) {
        random.script(slot1, slot2, slot3);
        game.lblHandle_Click();
        runReels();
    }
    void setBalance(const std::string& text) { controls.money = text; }
    // The pictures on show, reel by reel.
    std::vector<std::vector<int>> shown() const {
        return {controls.shown(1), controls.shown(2), controls.shown(3)};
    }
};

// The same picture alone on every reel.
std::vector<std::vector<int>> onEveryReel(int picture) {
    return {{picture}, {picture}, {picture}};
}

std::vector<std::string> slice(const std::vector<std::string>& log, std::size_t from) {
    return {log.begin() + static_cast<std::ptrdiff_t>(from), log.end()};
}

} // namespace

class TestSlotGame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newGameSetsEverythingInOrder() {
        const Rig rig;
        QCOMPARE(rig.random.seeds, std::vector<double>{43200.25});
        std::vector<std::string> expected = {"mnuReset=off", "lblMoney= 1000", "lblHandle=on",
                                             "lblMoneyWon=$25 per spin..."};
        for (int index = 2; index <= kSymbolsPerReel; ++index) {
            for (int reel = 1; reel <= kReels; ++reel) {
                expected.push_back("picSlots" + std::to_string(reel) + "(" + std::to_string(index) +
                                   ")=hide");
            }
        }
        for (int reel = 1; reel <= kReels; ++reel) {
            expected.push_back("picSlots" + std::to_string(reel) + "(1)=show");
        }
        QCOMPARE(rig.controls.log, expected);
        QCOMPARE(rig.controls.timerEnabled, (std::array<bool, 3>{}));
        QCOMPARE(rig.shown(), onEveryReel(1));
    }

    void spinTakesStakeAndClearsReels() {
        Rig rig;
        rig.random.script(1, 1, 1);
        const auto before = rig.controls.log.size();
        rig.game.lblHandle_Click();
        const auto log = slice(rig.controls.log, before);

        // The stake is taken first, even from a spin that is going to win.
        QCOMPARE(log.at(0), std::string("lblHandle=off"));
        QCOMPARE(log.at(1), std::string("lblMoney= 975"));
        QCOMPARE(log.at(2), std::string("lblMoneyWon=$25 per spin..."));
        QCOMPARE(log.at(3), std::string("picSlots1(0)=hide"));
        QCOMPARE(log.at(3 + 23), std::string("picSlots3(7)=hide"));
        QCOMPARE(slice(log, 27),
                 (std::vector<std::string>{"tmrTimer1=on", "tmrTimer2=on", "tmrTimer3=on"}));
        QCOMPARE(rig.shown(), std::vector<std::vector<int>>(3));
        QCOMPARE(rig.random.draws, 3);
        QCOMPARE(rig.game.Slot1, 1.0f);
        QCOMPARE(rig.game.Pos1 + rig.game.Pos2 + rig.game.Pos3, 0);
        QCOMPARE(rig.game.Count1 + rig.game.Count2 + rig.game.Count3, 0);
    }

    void resultsStayInRange_data() {
        addColumns<double, int>("r", "result");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("just below 1/7") << std::nextafter(1.0 / 7.0, 0.0) << 1;
        QTest::newRow("3/7") << 3.0 / 7.0 << 4;
        QTest::newRow("0.999999") << 0.999999 << 7;
        QTest::newRow("largest below 1") << std::nextafter(1.0, 0.0) << 7;
    }

    void resultsStayInRange() {
        QFETCH(double, r);
        QFETCH(int, result);
        Rig rig;
        rig.random.values = {r};
        rig.game.lblHandle_Click();
        QCOMPARE(rig.game.Slot1, static_cast<float>(result));
        QCOMPARE(rig.game.Slot3, static_cast<float>(result));
        rig.runReels();
        QCOMPARE(rig.shown(), onEveryReel(result));
    }

    void fortyLosingSpinsEndTheGame() {
        Rig rig;
        for (int spin = 1; spin <= 40; ++spin) {
            QVERIFY2(rig.controls.handleEnabled, qPrintable(QString::number(spin)));
            rig.spin(2, 3, 4);
            QCOMPARE(QString::fromStdString(rig.controls.money),
                     QStringLiteral(" %1").arg(1000 - 25 * spin));
            QCOMPARE(rig.controls.resetEnabled, spin == 40);
        }
        QCOMPARE(rig.controls.money, std::string(" 0"));
        QCOMPARE(rig.controls.moneyWon, std::string("Out of Money!  Game Over."));
        QVERIFY(!rig.controls.handleEnabled);
        QVERIFY(rig.controls.resetEnabled);
    }

    void resetAfterGameOverStartsAfresh() {
        Rig rig;
        rig.setBalance(" 25");
        rig.spin(2, 3, 4);
        QVERIFY(rig.controls.resetEnabled);

        rig.random.clock = 50000.5;
        rig.game.Form_Load();
        QCOMPARE(rig.random.seeds, (std::vector<double>{43200.25, 50000.5}));
        QCOMPARE(rig.controls.money, std::string(" 1000"));
        QCOMPARE(rig.controls.moneyWon, std::string("$25 per spin..."));
        QVERIFY(rig.controls.handleEnabled);
        QVERIFY(!rig.controls.resetEnabled);
        QCOMPARE(rig.shown(), onEveryReel(1));
    }

    void payout_data() {
        addColumns<int, int, int>("slot1", "slot2", "slot3");
        forEachOutcome(
            [](int a, int b, int c) { QTest::addRow("%d,%d,%d", a, b, c) << a << b << c; });
    }

    void payout() {
        QFETCH(int, slot1);
        QFETCH(int, slot2);
        QFETCH(int, slot3);
        Rig rig;
        rig.random.script(slot1, slot2, slot3);
        rig.game.lblHandle_Click();
        const auto before = rig.controls.log.size();
        rig.runReels();

        const int prize = prizeOf(slot1, slot2, slot3);
        QCOMPARE(QString::fromStdString(rig.controls.money),
                 QStringLiteral(" %1").arg(975 + prize));
        QCOMPARE(rig.controls.moneyWon, prizeText(prize));
        QVERIFY(rig.controls.handleEnabled);
        QVERIFY(!rig.controls.resetEnabled);
        // Never two prizes: the balance is written at most once after the stake.
        int moneyWrites = 0;
        for (const auto& entry : slice(rig.controls.log, before)) {
            moneyWrites += entry.rfind("lblMoney=", 0) == 0;
        }
        QCOMPARE(moneyWrites, prize > 0 ? 1 : 0);
    }

    void payoutTotalsOverAllCombinations() {
        std::map<int, int> count;
        double sum = 0;
        forEachOutcome([&](int a, int b, int c) {
            Rig rig;
            rig.spin(a, b, c);
            const double prize = std::stod(rig.controls.money) - 975;
            ++count[static_cast<int>(prize)];
            sum += prize;
        });
        QCOMPARE(count,
                 (std::map<int, int>{{0, 288}, {100, 36}, {1000, 12}, {4000, 6}, {10000, 1}}));
        QCOMPARE(sum, 49600.0);
    }

    void lastStakeAndPrize_data() {
        addColumns<QString, int, int, int, QString, QString, bool>(
            "before", "slot1", "slot2", "slot3", "after", "status", "gameOver");
        const auto row = [](const char* name, const char* before, int slot1, int slot2, int slot3,
                            const char* after, const char* status, bool gameOver = false) {
            QTest::newRow(name) << before << slot1 << slot2 << slot3 << after << status << gameOver;
        };
        row("25, no prize", " 25", 2, 1, 1, " 0", "Out of Money!  Game Over.", true);
        row("25, prize 100", " 25", 1, 2, 3, " 100", "You won $100!!!");
        row("25, prize 4000", " 25", 5, 5, 5, " 4000", "You won $4000!!!");
        row("50, no prize", " 50", 3, 4, 5, " 25", "$25 per spin...");
        row("fresh, 1,4,6", " 1000", 1, 4, 6, " 1075", "You won $100!!!");
        row("fresh, 1,1,1", " 1000", 1, 1, 1, " 10975", "You won $10,000!!!");
        row("near a million", " 999950", 1, 1, 1, " 1009925", "You won $10,000!!!");
    }

    void lastStakeAndPrize() {
        QFETCH(QString, before);
        QFETCH(int, slot1);
        QFETCH(int, slot2);
        QFETCH(int, slot3);
        QFETCH(QString, after);
        QFETCH(QString, status);
        QFETCH(bool, gameOver);
        Rig rig;
        rig.setBalance(before.toStdString());
        rig.spin(slot1, slot2, slot3);
        QCOMPARE(QString::fromStdString(rig.controls.money), after);
        QCOMPARE(QString::fromStdString(rig.controls.moneyWon), status);
        QCOMPARE(rig.controls.handleEnabled, !gameOver);
        QCOMPARE(rig.controls.resetEnabled, gameOver);
    }

    void framesShownOnEveryTick_data() {
        addColumns<int, int, int>("reel", "stop", "result");
        QTest::newRow("reel 1") << 1 << 20 << 5;
        QTest::newRow("reel 2") << 2 << 28 << 7;
        QTest::newRow("reel 3") << 3 << 36 << 2;
        QTest::newRow("reel 3, cherries") << 3 << 36 << 1;
    }

    void framesShownOnEveryTick() {
        QFETCH(int, reel);
        QFETCH(int, stop);
        QFETCH(int, result);
        Rig rig;
        rig.random.script(result, result, result);
        rig.game.lblHandle_Click();
        for (int k = 1; k <= stop; ++k) {
            QVERIFY(rig.controls.timerEnabled[reel - 1]);
            rig.tick(reel);
            const std::vector<int> expected{k < stop ? (k - 1) % kPictures : result};
            QVERIFY2(rig.controls.shown(reel) == expected,
                     qPrintable(QStringLiteral("tick %1").arg(k)));
        }
        QVERIFY(!rig.controls.timerEnabled[reel - 1]);
    }

    void resultEqualToLastFrameStaysVisible() {
        // Every reel stops on frame 3: a result of 3 is hidden and shown again in one tick.
        Rig rig;
        rig.spin(3, 3, 3);
        QCOMPARE(rig.shown(), onEveryReel(3));
        QCOMPARE(rig.controls.moneyWon, std::string("You won $4000!!!"));
    }

    void moneyCheckRunsOnceAfterLastStop() {
        Rig rig;
        rig.random.script(1, 4, 6);
        rig.game.lblHandle_Click();
        const auto before = rig.controls.log.size();
        rig.runReels();
        const auto log = slice(rig.controls.log, before);

        // The payout follows reel 3's stop and its result picture, and nothing follows it.
        const std::vector<std::string> tail(log.end() - 7, log.end());
        QCOMPARE(tail, (std::vector<std::string>{"picSlots3(3)=show", "tmrTimer3=off",
                                                 "picSlots3(3)=hide", "picSlots3(6)=show",
                                                 "lblMoney= 1075", "lblMoneyWon=You won $100!!!",
                                                 "lblHandle=on"}));
        QCOMPARE(std::count(log.begin(), log.end(), std::string("lblHandle=on")), 1);
        QCOMPARE(std::count(log.begin(), log.end(), std::string("tmrTimer1=off")), 1);
        QCOMPARE(std::count(log.begin(), log.end(), std::string("tmrTimer2=off")), 1);
    }

    void leftoversAfterSpin() {
        Rig rig;
        rig.spin(4, 5, 6);
        QCOMPARE((QList<int>{rig.game.Pos1, rig.game.Pos2, rig.game.Pos3}), QList<int>({1, 1, 1}));
        QCOMPARE((QList<int>{rig.game.Count1, rig.game.Count2, rig.game.Count3}),
                 QList<int>({0, 0, 0}));
        // The next spin starts clean from these leftovers.
        rig.spin(6, 6, 6);
        QCOMPARE(rig.controls.money, std::string(" 4950"));
        QCOMPARE(rig.shown(), onEveryReel(6));
    }
};

QTEST_GUILESS_MAIN(TestSlotGame)
#include "tst_slotgame.moc"
