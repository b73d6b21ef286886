#pragma once

// The game's window as the tests and benchmarks drive it, in a language of
// their choice, its element table, and a hand for the real message box.

#include "fakecontrols.h"
#include "frmreelmoor.h"
#include "translation.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <optional>
#include <ranges>
#include <vector>

// The middle of the handle's square on the lever's knob, in the client area.
inline constexpr QPoint kHandleCentre(435, 96);

struct ShownBox {
    QString title;
    QString text;
};

// A language installed as the game starts in it (catalogues, and its face in the
// font of menus and boxes) until this goes. An empty name is English, and
// changes nothing; so does a language that cannot be installed.
class GameLanguage {
public:
    explicit GameLanguage(const QString& name)
        : installed(name.isEmpty() ? std::nullopt : reelmoor::installLanguage(*qApp, name)) {
        if (installed) {
            QApplication::setFont(installed->applicationFont(QApplication::font()));
        }
    }
    ~GameLanguage() {
        if (installed) {
            qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
            QCoreApplication::sendPostedEvents(qApp, QEvent::LanguageChange);
            QApplication::setFont(m_font);
        }
    }
    // None if the game cannot speak it here; then the window speaks English.
    std::optional<reelmoor::Language> installed;

private:
    const QFont m_font = QApplication::font(); // before the constructor sets the language's
};

// Whether the window's message boxes are recorded, or shown as the program shows them.
enum class Boxes { Recorded, Shown };

// A window on a random source of the test's choosing, in a language (English
// by default), whose boxes are recorded, not shown, unless asked.
template <typename Random = ScriptedRandom> struct WindowRig {
    explicit WindowRig(const QString& languageName = {}, Boxes shown = Boxes::Recorded)
        : language(languageName),
          window(
              random,
              shown == Boxes::Shown
                  ? reelmoor::MessageBoxFunction(reelmoor::showInformationBox)
                  : [this](QWidget*, const QString& title,
                           const QString& text) { boxes.push_back({title, text}); },
              language.installed.value_or(reelmoor::Language())) {}

    GameLanguage language;
    Random random;
    std::vector<ShownBox> boxes;
    reelmoor::frmReelmoor window;

    QWidget* view() const { return window.centralWidget(); }
    template <typename T = QWidget> T* element(const QString& name) const {
        auto* found = window.findChild<T*>(name);
        if (!found) {
            qFatal("no element %s", qPrintable(name));
        }
        return found;
    }
    QWidget* handle() const { return element(QStringLiteral("lblHandle")); }
    QString money() const { return element<QLabel>(QStringLiteral("lblMoney"))->text(); }
    QString status() const { return element<QLabel>(QStringLiteral("lblMoneyWon"))->text(); }
    QAction* action(const char* name) const { return element<QAction>(QLatin1String(name)); }
    QTimer* timer(int n) const { return element<QTimer>(QStringLiteral("tmrTimer%1").arg(n)); }
    bool anyTimerActive() const {
        return std::ranges::any_of(std::views::iota(1, kReels + 1),
                                   [this](int n) { return timer(n)->isActive(); });
    }
    // The reels turn faster; the number and order of their ticks stay.
    void setTickInterval(int milliseconds) const {
        for (int n = 1; n <= kReels; ++n) {
            timer(n)->setInterval(milliseconds);
        }
    }
    // The pictures on show, reel by reel, as "1 1 5"; "-" for a reel showing none.
    QString pictures() const {
        QStringList reels;
        for (int reel = 1; reel <= kReels; ++reel) {
            QStringList shown;
            for (int index = 0; index < kPictures; ++index) {
                if (window.picSlotsVisible(reel, index)) {
                    shown << QString::number(index);
                }
            }
            reels << (shown.isEmpty() ? QStringLiteral("-") : shown.join(QLatin1Char(',')));
        }
        return reels.join(QLatin1Char(' '));
    }

    // Clicks the client area where a player would, on whatever lies topmost there.
    // The button may come up elsewhere; Qt still hands the release to the pressed widget.
    void clickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton,
                 std::optional<QPoint> release = {}) const {
        QWidget* target = view()->childAt(point);
        if (!target) {
            target = view();
        }
        QTest::mousePress(target, button, {}, target->mapFrom(view(), point));
        QTest::mouseRelease(target, button, {}, target->mapFrom(view(), release.value_or(point)));
    }
    void clickHandle() const { clickAt(kHandleCentre); }

    bool show() {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    bool showActive() { return show() && QTest::qWaitForWindowActive(&window); }
};

// Hands the modal message box that the caller is about to open to `act`, from
// within the box's own event loop, as soon as `ready` holds. A box still open
// after 10 s is closed, so that a failing test does not hang.
inline void onModalBox(
    QObject* context, std::function<void(QMessageBox*)> act,
    std::function<bool()> ready = [] { return true; }) {
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, act, ready] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && ready()) {
            poll->deleteLater();
            poll->stop();
            act(box);
        }
        poll->setInterval(50);
    });
    poll->start(0);
    QTimer::singleShot(10000, context, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                box->done(0);
            }
        }
    });
}

// The element table of the window in logical pixels: one row per element,
// every picture box of the three reels included.
inline void addElementRectangleRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    const int reelLeft[] = {56, 168, 280};
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int index = 0; index < kPictures; ++index) {
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
