// What a screen reader sees of the window and what it is told while playing.

#include "datacolumns.h"
#include "picturebox.h"
#include "windowrig.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace reelmoor;

namespace {

struct Told {
    QAccessible::Event type;
    QString objectName;
    QString name;
    bool timerActive;                // for a reel picture: was its reel still turning?
    QAccessible::State changed = {}; // for a change of state: which
};

// The window with reels ten times faster (the number and order of ticks stay),
// played as assistive technology would.
struct Rig : WindowRig<> {
    Rig() { setTickInterval(10); }
    QAccessibleInterface* accessible(const QString& name) const {
        return QAccessible::queryAccessibleInterface(element(name));
    }
    QAccessibleInterface* accessibleHandle() const {
        return QAccessible::queryAccessibleInterface(handle());
    }
    // Spins through the accessible press action.
    bool spin(int slot1, int slot2, int slot3) {
        random.script(slot1, slot2, slot3);
        accessibleHandle()->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        return QTest::qWaitFor([this] { return !anyTimerActive(); }, 10000);
    }
};

std::vector<Told> g_told;
const Rig* g_rig = nullptr;

void recordEvent(QAccessibleEvent* event) {
    QObject* object = event->object();
    if (!object || !g_rig) {
        return;
    }
    Told told{event->type(), object->objectName(), QString(), false};
    if (QAccessibleInterface* iface = event->accessibleInterface()) {
        told.name = iface->text(QAccessible::Name);
    }
    if (event->type() == QAccessible::StateChanged) {
        told.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    }
    if (auto* box = qobject_cast<PictureBox*>(object)) {
        const int reel = box->objectName().mid(8, 1).toInt();
        told.timerActive = g_rig->timer(reel)->isActive();
    }
    g_told.push_back(told);
}

// Names announced for one element, in order.
QStringList namesTold(const QString& element, QAccessible::Event type = QAccessible::NameChanged) {
    QStringList names;
    for (const Told& told : g_told) {
        if (told.type == type && told.objectName == element) {
            names << told.name;
        }
    }
    return names;
}
// Sentences a screen reader speaks at once: notifications that appear.
QStringList announced() {
    return namesTold(QStringLiteral("announcer"), QAccessible::ObjectShow);
}

// Depth-first search of the accessible tree, as a screen reader walks it.
QAccessibleInterface* findInTree(QAccessibleInterface* iface, QAccessible::Role role,
                                 const QString& name, int depth = 0) {
    if (iface->role() == role && iface->text(QAccessible::Name) == name) {
        return iface;
    }
    if (depth > 8) {
        return nullptr;
    }
    for (int i = 0; i < iface->childCount(); ++i) {
        if (QAccessibleInterface* child = iface->child(i)) {
            if (auto* found = findInTree(child, role, name, depth + 1)) {
                return found;
            }
        }
    }
    return nullptr;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QAccessible::installUpdateHandler(recordEvent);
        // Qt drops accessibility events unless a bridge is active; the offscreen
        // platform has none that switches itself on.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    void init() {
        m_rig = new Rig;
        g_rig = m_rig;
        QVERIFY(m_rig->show());
        g_told.clear();
    }

    void cleanup() {
        g_rig = nullptr;
        delete m_rig;
        m_rig = nullptr;
    }

    void elementsInTheTree_data() {
        addColumns<QString, int, QString, QString>("element", "role", "name", "description");
        const int text = QAccessible::StaticText;
        const auto row = [](const char* tag, const QString& element, int role, const QString& name,
                            const char* description = "") {
            QTest::newRow(tag) << element << role << name << description;
        };
        row("handle", "lblHandle", QAccessible::Button, "Spin", "costs 25 dollars");
        row("balance", "lblMoney", text, "1000 dollars", "money");
        row("status", "lblMoneyWon", text, "$25 per spin...", "Status");
        row("instruction", "lblInfo", text, "Click on the red handle to spin!");
        row("caption", "lblCurrentMoney", text, "Current Money");
        // At rest each reel shows the cherries; the hidden pictures name their symbols.
        const char* symbols[kPictures] = {"blank",  "cherries", "grapes",       "lemon",
                                          "orange", "apple",    "yellow fruit", "pineapple"};
        for (int reel = 1; reel <= kReels; ++reel) {
            for (int index = 0; index < kPictures; ++index) {
                const QString element = QStringLiteral("picSlots%1(%2)").arg(reel).arg(index);
                row(qPrintable(element), element, QAccessible::Graphic,
                    QStringLiteral("Reel %1: %2").arg(reel).arg(QLatin1String(symbols[index])));
            }
        }
    }

    void elementsInTheTree() {
        QFETCH(QString, element);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* iface = m_rig->accessible(element);
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        // Where no description is expected there must be none.
        const QString told = iface->text(QAccessible::Description);
        QVERIFY2(description.isEmpty() ? told.isEmpty() : told.contains(description),
                 qPrintable(told));
        // Reachable from the window; only what is on show has a place on the screen.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&m_rig->window);
        QCOMPARE(findInTree(window, iface->role(), name), iface);
        const bool shown = !element.startsWith(QLatin1String("picSlots")) ||
                           element.endsWith(QLatin1String("(1)"));
        QCOMPARE(bool(iface->state().invisible), !shown);
        QWidget* widget = m_rig->element(element);
        QCOMPARE(iface->rect(),
                 shown ? QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()) : QRect());
    }

    void handleIsAPressableButton() {
        QAccessibleInterface* handle = m_rig->accessibleHandle();
        QAccessibleActionInterface* actions = handle->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        QVERIFY(!handle->state().disabled);

        m_rig->random.script(2, 3, 4);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(m_rig->anyTimerActive());
        QCOMPARE(m_rig->random.draws, 3);
        // While the reels turn the handle is disabled and cannot be pressed.
        QVERIFY(handle->state().disabled);
        QVERIFY(actions->actionNames().isEmpty());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_rig->random.draws, 3);
        QCOMPARE(m_rig->money(), QStringLiteral(" 975"));
        // Told once, or from Qt 6.11 on once more by Qt itself; never another state.
        int disabledTold = 0;
        for (const Told& told : g_told) {
            if (told.type == QAccessible::StateChanged && told.objectName == "lblHandle") {
                QVERIFY(told.changed.disabled);
                ++disabledTold;
            }
        }
        QVERIFY2(disabledTold == 1 || disabledTold == 2, qPrintable(QString::number(disabledTold)));

        QTRY_VERIFY_WITH_TIMEOUT(!m_rig->anyTimerActive(), 10000);
        QVERIFY(!handle->state().disabled);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    }

    void machineInReadingOrder() {
        QAccessibleInterface* machine = m_rig->accessible(QStringLiteral("machine"));
        QStringList names;
        for (int i = 0; i < machine->childCount(); ++i) {
            QAccessibleInterface* child = machine->child(i);
            QCOMPARE(machine->indexOfChild(child), i);
            if (!child->state().invisible) {
                names << child->text(QAccessible::Name);
            }
        }
        // Top to bottom, left to right; no "$" of its own, the caption is a label.
        QCOMPARE(names, (QStringList{"Click on the red handle to spin!", "Spin", "Reel 1: cherries",
                                     "Reel 2: cherries", "Reel 3: cherries", "Current Money",
                                     "1000 dollars", "$25 per spin..."}));
        const auto labels =
            m_rig->accessible(QStringLiteral("lblMoney"))->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Current Money"));
    }

    void spinsTellResults_data() {
        // results: three per spin
        addColumns<QList<int>, QStringList>("results", "sentences");
        QTest::newRow("loss") << QList<int>{3, 5, 7}
                              << QStringList{"Lemon, apple, pineapple. No prize. 975 dollars."};
        QTest::newRow("three cherries")
            << QList<int>{1, 1, 1}
            << QStringList{"Cherries, cherries, cherries. You won $10,000!!! 10975 dollars."};
        QTest::newRow("win then loss")
            << QList<int>{1, 2, 4, 6, 6, 2}
            << QStringList{"Cherries, grapes, orange. You won $100!!! 1075 dollars.",
                           "Yellow fruit, yellow fruit, grapes. No prize. 1050 dollars."};
    }

    void spinsTellResults() {
        QFETCH(QList<int>, results);
        QFETCH(QStringList, sentences);
        for (qsizetype i = 0; i < results.size(); i += 3) {
            QVERIFY(m_rig->spin(results[i], results[i + 1], results[i + 2]));
        }
        // One sentence per spin when it has paid out, none for the ticks.
        QCOMPARE(announced(), sentences);
        // The labels' names match the screen.
        for (const char* label : {"lblMoneyWon", "lblMoney"}) {
            const QString text = m_rig->element<QLabel>(QLatin1String(label))->text().trimmed();
            QVERIFY(
                m_rig->accessible(QLatin1String(label))->text(QAccessible::Name).startsWith(text));
        }
    }

    void gameOverAndResetAreTold() {
        m_rig->window.setLblMoneyText(" 25");
        g_told.clear();
        QVERIFY(m_rig->spin(2, 3, 4));
        QCOMPARE(announced(),
                 QStringList{"Grapes, lemon, orange. No prize. 0 dollars. Out of Money!  "
                             "Game Over. Choose Reset in the File menu."});
        QCOMPARE(namesTold(QStringLiteral("lblMoneyWon")),
                 QStringList{"Out of Money!  Game Over."});
        QVERIFY(m_rig->accessibleHandle()->state().disabled);

        g_told.clear();
        m_rig->element<QAction>(QStringLiteral("mnuReset"))->trigger();
        QCOMPARE(namesTold(QStringLiteral("lblMoneyWon")), QStringList{"$25 per spin..."});
        QCOMPARE(namesTold(QStringLiteral("lblMoney")), QStringList{"1000 dollars"});
        QCOMPARE(announced(), QStringList{"New game. 1000 dollars."});
        QVERIFY(!m_rig->accessibleHandle()->state().disabled);
        QVERIFY(m_rig->accessibleHandle()->state().focused);
    }

    void menusAsQtProvidesThem_data() {
        addColumns<QString, QString, QString, bool>("menu", "item", "shortcut", "enabled");
        // clang-format off
        QTest::newRow("Reset") << "File" << "Reset" << "Ctrl+R" << false;
        QTest::newRow("Exit") << "File" << "Exit" << "Ctrl+X" << true;
        QTest::newRow("Scoring") << "Help" << "Scoring" << "Ctrl+S" << true;
        QTest::newRow("About") << "Help" << "About" << "Ctrl+A" << true;
        // clang-format on
    }

    void menusAsQtProvidesThem() {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&m_rig->window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Reelmoor"));
        QAccessibleInterface* title = findInTree(window, QAccessible::MenuItem, menu);
        QVERIFY(title);
        QCOMPARE(title->parent()->role(), QAccessible::MenuBar);
        QAccessibleInterface* entry = findInTree(title, QAccessible::MenuItem, item);
        QVERIFY(entry);
        QCOMPARE(entry->text(QAccessible::Accelerator), shortcut);
        QCOMPARE(!entry->state().disabled, enabled);
    }

private:
    Rig* m_rig = nullptr;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
