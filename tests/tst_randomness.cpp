#include "fakecontrols.h"
#include "slotgame.h"
#include "systemrandom.h"

#include <QTest>

#include <array>
#include <cmath>
#include <numeric>
#include <vector>

using namespace reelmoor;

namespace {

// Fixed, so that the outcome is the same on every run: each test fails by
// chance for one seed in a thousand, and these seeds have been run.
constexpr double kSignificance = 0.001;

// The real generator behind a clock that reads a chosen time of day.
class ClockedRandom final : public RandomSource {
public:
    double clock = 0;
    double secondsSinceMidnight() override { return clock; }
    void seed(double value) override { m_real.seed(value); }
    double next() override { return m_real.next(); }

private:
    SystemRandom m_real;
};

// P(X >= x) for a chi-square variable with an even number of degrees of freedom:
// e^(-x/2) * sum over k < dof/2 of (x/2)^k / k!.
double chiSquareTail(double x, int dof) {
    double term = std::exp(-x / 2);
    double sum = term;
    for (int k = 1; k < dof / 2; ++k) {
        term *= (x / 2) / k;
        sum += term;
    }
    return std::min(sum, 1.0);
}

double chiSquare(const std::vector<long long>& counts) {
    const long long total = std::accumulate(counts.begin(), counts.end(), 0LL);
    const double expected = double(total) / double(counts.size());
    double statistic = 0;
    for (const long long c : counts) {
        statistic += (double(c) - expected) * (double(c) - expected) / expected;
    }
    return statistic;
}

// Results as the game draws them: seeded by a new game, three per click.
std::vector<int> drawAsTheGame(double clock, int spins) {
    RecordingControls controls;
    controls.logging = false;
    ClockedRandom random;
    random.clock = clock;
    SlotGame game(controls, random);
    game.Form_Load();
    std::vector<int> results;
    results.reserve(std::size_t(spins) * 3);
    for (int spin = 0; spin < spins; ++spin) {
        game.lblHandle_Click();
        results.insert(results.end(), {int(game.Slot1), int(game.Slot2), int(game.Slot3)});
    }
    return results;
}

} // namespace

class TestRandomness : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chiSquareTailMatchesTables_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("dof");
        // Critical values at 0.001 from published tables.
        QTest::newRow("6") << 22.458 << 6;
        QTest::newRow("48") << 84.037 << 48;
        QTest::newRow("342") << 428.549 << 342;
    }

    void chiSquareTailMatchesTables() {
        QFETCH(double, x);
        QFETCH(int, dof);
        QVERIFY(std::abs(chiSquareTail(x, dof) - 0.001) < 0.00001);
    }

    void spinResults_data() {
        QTest::addColumn<double>("clock");
        QTest::newRow("midnight") << 0.0;
        QTest::newRow("00:00:00.5") << 0.5;
        QTest::newRow("noon and a quarter second") << 43200.25;
        QTest::newRow("23:59:59.75") << 86399.75;
    }

    void spinResults() {
        QFETCH(double, clock);
        // A million results, a third of a million spins.
        const std::vector<int> results = drawAsTheGame(clock, 333'334);

        std::vector<long long> symbols(7), pairs(49), spins(343);
        for (std::size_t i = 0; i < results.size(); ++i) {
            QVERIFY2(results[i] >= 1 && results[i] <= 7, qPrintable(QString::number(results[i])));
            ++symbols[std::size_t(results[i] - 1)];
        }
        // Consecutive results in pairs that do not overlap, so that the pairs are independent.
        for (std::size_t i = 0; i + 1 < results.size(); i += 2) {
            ++pairs[std::size_t((results[i] - 1) * 7 + results[i + 1] - 1)];
        }
        // The three results of one spin, which decide its prize.
        for (std::size_t i = 0; i + 2 < results.size(); i += 3) {
            ++spins[std::size_t((results[i] - 1) * 49 + (results[i + 1] - 1) * 7 + results[i + 2] -
                                1)];
        }
        const double pSymbols = chiSquareTail(chiSquare(symbols), 6);
        const double pPairs = chiSquareTail(chiSquare(pairs), 48);
        const double pSpins = chiSquareTail(chiSquare(spins), 342);
        qInfo("p-values: symbols %.4f, pairs %.4f, spins %.4f", pSymbols, pPairs, pSpins);
        QVERIFY2(pSymbols > kSignificance, qPrintable(QString::number(pSymbols)));
        QVERIFY2(pPairs > kSignificance, qPrintable(QString::number(pPairs)));
        QVERIFY2(pSpins > kSignificance, qPrintable(QString::number(pSpins)));
    }

    void firstSpinOfNearbyGames() {
        // A player who resets again and again seeds with times a few milliseconds apart;
        // the first spins of those games must still be uniform.
        std::vector<long long> symbols(7);
        for (int game = 0; game < 50'000; ++game) {
            for (const int result : drawAsTheGame(50000.0 + game * 0.001, 1)) {
                QVERIFY2(result >= 1 && result <= 7, qPrintable(QString::number(result)));
                ++symbols[std::size_t(result - 1)];
            }
        }
        const double p = chiSquareTail(chiSquare(symbols), 6);
        qInfo("p-value: %.4f", p);
        QVERIFY2(p > kSignificance, qPrintable(QString::number(p)));
    }

    void resultsStayInRange() {
        // Ten million results drawn by the game.
        long long outside = 0;
        for (const double clock : {0.0, 12345.678, 86399.999}) {
            for (const int result : drawAsTheGame(clock, 1'111'112)) {
                outside += result < 1 || result > 7;
            }
        }
        QCOMPARE(outside, 0LL);
    }
};

QTEST_GUILESS_MAIN(TestRandomness)
#include "tst_randomness.moc"
