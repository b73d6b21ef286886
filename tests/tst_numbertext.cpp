#include "datacolumns.h"
#include "numbertext.h"
#include "systemrandom.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace reelmoor;

class TestNumberText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberFromText_data() {
        addColumns<QString, double>("text", "expected");
        QTest::newRow("new game") << " 1000" << 1000.0;
        QTest::newRow("zero") << " 0" << 0.0;
        QTest::newRow("no blank") << "975" << 975.0;
        QTest::newRow("several blanks") << "   25" << 25.0;
        QTest::newRow("large") << " 9007199254740992" << 9007199254740992.0;
        QTest::newRow("trailing text") << " 12abc" << 12.0;
        QTest::newRow("negative") << " -25" << -25.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("no number") << "five" << 0.0;
        QTest::newRow("dollar first") << "$100" << 0.0;
    }

    void numberFromText() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(reelmoor::numberFromText(text.toStdString()), expected);
    }

    void textFromNumber_data() {
        addColumns<double, QString>("value", "expected");
        QTest::newRow("0") << 0.0 << "0";
        QTest::newRow("975") << 975.0 << "975";
        QTest::newRow("10975") << 10975.0 << "10975";
        // Around a million, where a general format switches to an exponent.
        for (double v = 999975; v <= 1000075; v += 25) {
            const auto digits = QByteArray::number(static_cast<qint64>(v));
            QTest::newRow(digits.constData()) << v << QString::fromLatin1(digits);
        }
        QTest::newRow("2^53") << 9007199254740992.0 << "9007199254740992";
        QTest::newRow("2^53 - 25") << 9007199254740967.0 << "9007199254740967";
    }

    void textFromNumber() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(reelmoor::textFromNumber(value)), expected);
    }

    void balanceRoundTrip() {
        // Writing and reading the balance must not lose a dollar, however large it grows.
        for (double v : {0.0, 25.0, 1e6, 123456789.0, 4503599627370496.0, 9007199254740992.0}) {
            const std::string text = " " + reelmoor::textFromNumber(v);
            QCOMPARE(reelmoor::numberFromText(text), v);
        }
    }

    void unitIntervalNeverReachesOne() {
        QCOMPARE(SystemRandom::toUnit(0), 0.0);
        const double top = SystemRandom::toUnit(std::numeric_limits<std::uint64_t>::max());
        QVERIFY(top < 1.0);
        QCOMPARE(top, std::nextafter(1.0, 0.0));
        QCOMPARE(static_cast<int>(std::floor(top * 7)) + 1, 7);

        SystemRandom random;
        for (int i = 0; i < 100000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void secondsSinceMidnightIsTimeOfDay() {
        SystemRandom random;
        const double first = random.secondsSinceMidnight();
        QVERIFY(first >= 0.0 && first < 86400.0);
        // The fraction is there: two readings a few milliseconds apart differ.
        QTest::qWait(5);
        const double second = random.secondsSinceMidnight();
        QVERIFY(second != first);
    }

    void seedsApartGiveOtherSequences() {
        // Two new games a microsecond apart must not replay one sequence.
        SystemRandom a;
        SystemRandom b;
        a.seed(43200.000001);
        b.seed(43200.000002);
        int same = 0;
        for (int i = 0; i < 20; ++i) {
            same += static_cast<int>(std::floor(a.next() * 7)) ==
                    static_cast<int>(std::floor(b.next() * 7));
        }
        QVERIFY2(same < 12, "sequences from nearby seeds are alike");
    }

    void sameSeedRepeats() {
        SystemRandom a;
        SystemRandom b;
        a.seed(1234.5);
        b.seed(1234.5);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(a.next(), b.next());
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
