#pragma once

#include <QRect>
#include <QString>
#include <QTest>

// The element table of the window in logical pixels: one row per element,
// every picture box of the three reels included.
inline void addElementRectangleRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    const int reelLeft[] = {56, 168, 280};
    for (int reel = 1; reel <= 3; ++reel) {
        for (int index = 0; index < 8; ++index) {
            const QString name = QStringLiteral("picSlots%1(%2)").arg(reel).arg(index);
            QTest::newRow(qPrintable(name)) << name << QRect(reelLeft[reel - 1], 104, 89, 113);
        }
    }
    QTest::newRow("lblMoneyWon") << "lblMoneyWon" << QRect(48, 360, 377, 41);
    QTest::newRow("lblHandle") << "lblHandle" << QRect(424, 85, 22, 22);
    QTest::newRow("lblDollarSign") << "lblDollarSign" << QRect(144, 320, 17, 22);
    QTest::newRow("lblMoney") << "lblMoney" << QRect(160, 320, 169, 22);
    QTest::newRow("lblCurrentMoney") << "lblCurrentMoney" << QRect(148, 288, 177, 33);
    QTest::newRow("lblInfo") << "lblInfo" << QRect(408, 8, 57, 66);
}
