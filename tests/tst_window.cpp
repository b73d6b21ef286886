#include "datacolumns.h"
#include "picturebox.h"
#include "screenpixels.h"
#include "startup.h"
#include "windowrig.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <numbers>
#include <optional>

using namespace reelmoor;

namespace {

// Where a box's interior, grabbed at device resolution, shows the picture: its margins in
// device pixels, or nothing unless the drawing appears there pixel for pixel.
std::optional<QMargins> placement(const QImage& shown, const QPixmap& picture) {
    QImage alone(picture.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    QImage drawing = picture.toImage();
    drawing.setDevicePixelRatio(1);
    QPainter(&alone).drawImage(0, 0, drawing);
    const QImage seen = shown.convertToFormat(QImage::Format_RGB32);
    const QRect inAlone = inkBounds(alone, qRgb(255, 255, 255));
    const QRect inSeen = inkBounds(seen, qRgb(255, 255, 255));
    if (inAlone.isEmpty() || inSeen.size() != inAlone.size() ||
        seen.copy(inSeen) != alone.copy(inAlone)) {
        return std::nullopt;
    }
    const QPoint at = inSeen.topLeft() - inAlone.topLeft();
    return QMargins(at.x(), at.y(), seen.width() - at.x() - alone.width(),
                    seen.height() - at.y() - alone.height());
}

// The runs of colour along a line of an image, as "grey 12 black 14 grey 3".
// Blends at antialiased edges belong to no run, so a run's length may differ
// by a pixel at each end from one Qt version to another.
QList<std::pair<QString, int>> runsAlong(const QImage& image, QPoint from, QPoint to) {
    static const std::pair<QRgb, const char*> named[] = {{qRgb(224, 224, 224), "grey"},
                                                         {qRgb(128, 64, 0), "brown"},
                                                         {qRgb(0, 0, 0), "black"},
                                                         {qRgb(255, 0, 0), "red"},
                                                         {qRgb(255, 255, 255), "white"}};
    QList<std::pair<QString, int>> runs;
    const QPoint step = to - from;
    const int steps = std::max(std::abs(step.x()), std::abs(step.y()));
    for (int i = 0; i <= steps; ++i) {
        const QPoint at = from + (steps ? step * i / steps : QPoint());
        const QRgb pixel = image.pixel(at) | 0xff000000;
        for (const auto& [rgb, name] : named) {
            if (pixel == rgb) {
                if (runs.isEmpty() || runs.last().first != QLatin1String(name)) {
                    runs.append({QLatin1String(name), 0});
                }
                ++runs.last().second;
            }
        }
    }
    return runs;
}

// How much lighter the bottom and right edges of a grabbed element are than
// its top and left ones, on the line `inset` pixels in from the outside: above
// 0 for a sunken look, below for a raised one.
int edgeLift(const QImage& image, int inset) {
    const QRect line = image.rect().adjusted(inset, inset, -inset, -inset);
    long topLeft = 0;
    long bottomRight = 0;
    for (int x = line.left() + 1; x < line.right(); ++x) {
        topLeft += qGray(image.pixel(x, line.top()));
        bottomRight += qGray(image.pixel(x, line.bottom()));
    }
    for (int y = line.top() + 1; y < line.bottom(); ++y) {
        topLeft += qGray(image.pixel(line.left(), y));
        bottomRight += qGray(image.pixel(line.right(), y));
    }
    return int((bottomRight - topLeft) / (line.width() + line.height() - 4));
}

// The area around the lever's knob, where its focus ring goes.
const QRect kKnobArea(408, 74, 57, 50);

// The pixels that look different in two pictures of the same place: an
// antialiased edge repainted in part may come out a level off the edge painted whole.
QList<QPoint> differingPixels(const QImage& a, const QImage& b) {
    QList<QPoint> differing;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const auto channels = channelDifferences(a.pixel(x, y), b.pixel(x, y));
            if (channels[0] + channels[1] + channels[2] > 12) {
                differing << QPoint(x, y);
            }
        }
    }
    return differing;
}

bool looksAlike(const QImage& a, const QImage& b) {
    return a.size() == b.size() && differingPixels(a, b).isEmpty();
}

// Whether what differs between two pictures of the knob's area is a closed
// ring around the knob and nothing else: every one of 32 sectors has some of it.
bool ringAroundKnob(const QImage& marked, const QImage& plain) {
    const QPointF centre = QPointF(434.5, 96.5) - kKnobArea.topLeft();
    quint32 sectors = 0;
    for (const QPoint pixel : differingPixels(marked, plain)) {
        const QPointF offset = QPointF(pixel) + QPointF(0.5, 0.5) - centre;
        const qreal distance = std::hypot(offset.x(), offset.y());
        if (distance < 16.5 || distance > 23.5) {
            return false;
        }
        const qreal turn = std::atan2(offset.y(), offset.x()) / (2 * std::numbers::pi) + 0.5;
        sectors |= 1u << std::min(31, int(turn * 32));
    }
    return sectors == 0xffffffffu;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // Sizes below are logical pixels at 96 dots per inch.
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);
    }

    void elementRectangles_data() { addElementRectangleRows(); }

    void elementRectangles() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        WindowRig rig;
        QWidget* element = rig.element(name);
        QCOMPARE(element->parentWidget(), rig.view());
        QCOMPARE(element->geometry(), rect);
    }

    void windowSizeAndPlace() {
        WindowRig rig;
        centreOnScreen(rig.window);
        QVERIFY(rig.show());
        // Centred on the part of the screen that panels leave free, as the program opens it.
        const QPoint offCentre =
            rig.window.geometry().center() - rig.window.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QDebug::toString(offCentre)));
        QCOMPARE(rig.view()->size(), QSize(473, 418));
        QCOMPARE(rig.view()->y(), rig.window.menuBar()->height());
        QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
        QCOMPARE(rig.window.size(), QSize(473, 418 + rig.window.menuBar()->height()));
        const auto flags = rig.window.windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Reelmoor"));
        QVERIFY(!rig.window.windowIcon().isNull());
    }

    void elementLooks_data() {
        // boxed: on an opaque ground, in a sunken edge
        addColumns<QString, qreal, int, bool>("name", "points", "alignment", "boxed");
        const int centre = Qt::AlignHCenter | Qt::AlignTop;
        QTest::newRow("lblMoneyWon") << "lblMoneyWon" << 20.25 << centre << true;
        QTest::newRow("lblDollarSign") << "lblDollarSign" << 12.0 << centre << true;
        QTest::newRow("lblMoney") << "lblMoney" << 12.0 << int(Qt::AlignLeft | Qt::AlignTop)
                                  << true;
        QTest::newRow("lblCurrentMoney") << "lblCurrentMoney" << 18.0 << centre << false;
        QTest::newRow("lblInfo") << "lblInfo" << 9.75 << centre << false;
        // A picture box has no text: only its ground and its edge count.
        QTest::newRow("picSlots2(1)") << "picSlots2(1)" << 0.0 << 0 << true;
    }

    void elementLooks() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(int, alignment);
        QFETCH(bool, boxed);
        WindowRig rig;
        auto* frame = rig.element<QFrame>(name);
        if (auto* label = qobject_cast<QLabel*>(frame)) {
            QCOMPARE(label->font().pointSizeF(), points);
            QVERIFY(label->font().bold());
            // Arial is not on Linux; its metric twin stands in.
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(int(label->alignment()), alignment);
            QVERIFY(label->wordWrap());
        }
        QCOMPARE(frame->autoFillBackground(), boxed);
        QCOMPARE(frame->frameShadow() == QFrame::Sunken && frame->frameWidth() > 0, boxed);
        if (boxed) {
            // Sunken as the player sees it: shadow at the top and left, light below and right.
            QVERIFY(rig.show());
            // Both lines of the edge, so that an etched line does not pass for it.
            const QImage image = shownPixels(frame);
            const int outer = edgeLift(image, 0);
            const int inner = edgeLift(image, 1);
            QVERIFY2(outer > 40 && inner > 40,
                     qPrintable(QStringLiteral("%1 %2").arg(outer).arg(inner)));
        }
    }

    void stateAfterConstruction() {
        WindowRig rig;
        QCOMPARE(rig.money(), QStringLiteral(" 1000"));
        QCOMPARE(rig.status(), QStringLiteral("$25 per spin..."));
        QCOMPARE(rig.element<QLabel>(QStringLiteral("lblInfo"))->text(),
                 QStringLiteral("Click on the red handle to spin!"));
        QCOMPARE(rig.element<QLabel>(QStringLiteral("lblDollarSign"))->text(), QStringLiteral("$"));
        QVERIFY(rig.handle()->isEnabled());
        QVERIFY(!rig.action("mnuReset")->isEnabled());
        for (int n = 1; n <= kReels; ++n) {
            QVERIFY(!rig.timer(n)->isActive());
            QCOMPARE(rig.timer(n)->interval(), 100);
        }
        QCOMPARE(rig.pictures(), QStringLiteral("1 1 1"));
        QCOMPARE(rig.random.seeds.size(), std::size_t(1));
    }

    void statusMessagesFitOneLine_data() {
        QTest::addColumn<QString>("message");
        for (const char* message :
             {"$25 per spin...", "You won $100!!!", "You won $1000!!!", "You won $4000!!!",
              "You won $10,000!!!", "Out of Money!  Game Over."}) {
            QTest::newRow(message) << QString::fromLatin1(message);
        }
    }

    void statusMessagesFitOneLine() {
        QFETCH(QString, message);
        WindowRig rig;
        auto* status = rig.element<QLabel>(QStringLiteral("lblMoneyWon"));
        status->setText(message);
        QVERIFY(status->fontMetrics().horizontalAdvance(message) <= status->contentsRect().width());
        QVERIFY(status->heightForWidth(status->width()) <= status->height());
        // The instruction, by contrast, wraps into a short paragraph.
        auto* info = rig.element<QLabel>(QStringLiteral("lblInfo"));
        const int lines =
            info->heightForWidth(info->width()) / QFontMetrics(info->font()).lineSpacing();
        QVERIFY2(lines >= 3 && lines <= 5, qPrintable(QString::number(lines)));
    }

    void picturesAlikeOnEveryReel_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < kPictures; ++index) {
            QTest::addRow("picture %d", index) << index;
        }
    }

    void picturesAlikeOnEveryReel() {
        QFETCH(int, index);
        WindowRig rig;
        QVERIFY(rig.show());
        QImage images[kReels];
        QSize inner;
        for (int reel = 1; reel <= kReels; ++reel) {
            auto* box =
                rig.element<PictureBox>(QStringLiteral("picSlots%1(%2)").arg(reel).arg(index));
            for (int other = 0; other < kPictures; ++other) {
                rig.window.setPicSlotsVisible(reel, other, other == index);
            }
            images[reel - 1] = shownPixels(box, box->contentsRect());
            inner = box->contentsRect().size();
        }
        QCOMPARE(images[1], images[0]);
        QCOMPARE(images[2], images[0]);
        int white = 0;
        const QImage& image = images[0];
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                white += image.pixelColor(x, y) == QColor(Qt::white);
            }
        }
        const int area = image.width() * image.height();
        if (index == 0) {
            QCOMPARE(white, area);
        } else {
            // A symbol covers a fair part of its box.
            QVERIFY2(white < area * 3 / 4, qPrintable(QString::number(white)));
            // It is centred, copied whole rather than resampled.
            const auto margins = placement(image, rig.window.art().picture(index, inner, 1));
            QVERIFY(margins);
            QVERIFY2(std::abs(margins->left() - margins->right()) <= 1 &&
                         std::abs(margins->top() - margins->bottom()) <= 1,
                     qPrintable(QDebug::toString(*margins)));
        }
    }

    void picturesFollowTheScreen() {
        // The test platform's second screen has twice the density of the first.
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        QCOMPARE(screens.at(1)->devicePixelRatio(), 2.0);
        WindowRig rig;
        QVERIFY(rig.show());
        auto* box = rig.element<PictureBox>(QStringLiteral("picSlots2(1)"));
        // There and back: the cherries are drawn anew for each density, not scaled.
        for (QScreen* screen : {screens.at(1), screens.at(0)}) {
            const qreal ratio = screen->devicePixelRatio();
            rig.window.move(screen->geometry().topLeft() + QPoint(40, 40));
            QTRY_COMPARE(box->devicePixelRatioF(), ratio);
            const QImage shown = shownPixels(box, box->contentsRect());
            const QPixmap drawn = rig.window.art().picture(1, box->contentsRect().size(), ratio);
            QVERIFY2(placement(shown, drawn),
                     qPrintable(QStringLiteral("not drawn for %1").arg(ratio)));
        }
    }

    void ticksRenderNothing() {
        WindowRig rig;
        QVERIFY(rig.show());
        // The pictures the first frame does not need are drawn right after it.
        QTRY_COMPARE(rig.window.art().renderCount(), kSymbolsPerReel);
        rig.random.script(4, 5, 6);
        rig.clickHandle();
        // Only the ticks below turn the reels.
        for (int n = 1; n <= kReels; ++n) {
            rig.timer(n)->stop();
        }
        const int rendered = rig.window.art().renderCount();
        // Every tick changes what the reel shows, up to its result.
        auto* result = rig.element<PictureBox>(QStringLiteral("picSlots3(6)"));
        QImage shown = shownPixels(result);
        for (int tick = 0; tick < 36; ++tick) {
            rig.window.tmrTimer3_Timer();
            const QImage next = shownPixels(result);
            QVERIFY2(next != shown, qPrintable(QStringLiteral("tick %1").arg(tick + 1)));
            shown = next;
        }
        QCOMPARE(rig.window.art().renderCount(), rendered);
        QVERIFY(rig.window.picSlotsVisible(3, 6));
    }

    // The colours met along a line from one point to another, with the length of
    // each run; a single point gives its one colour exactly.
    void paintedMachine_data() {
        addColumns<QPoint, QPoint, QString>("from", "to", "runs");
        const auto point = [](const char* name, QPoint at, const char* colour) {
            QTest::newRow(name) << at << at << QStringLiteral("%1 1").arg(QLatin1String(colour));
        };
        const auto line = [](const char* name, QPoint from, QPoint to, const char* runs) {
            QTest::newRow(name) << from << to << QString::fromLatin1(runs);
        };
        point("ground", QPoint(5, 5), "grey");
        point("cabinet", QPoint(35, 150), "brown");
        point("cabinet outline", QPoint(200, 48), "black");
        point("cabinet under stick end", QPoint(395, 220), "brown");
        point("stick", QPoint(415, 150), "black");
        point("knob rim", QPoint(421, 96), "red");
        point("knob hides stick end", QPoint(434, 111), "red");
        point("handle square", kHandleCentre, "red");
        point("status box", QPoint(55, 395), "white");
        point("reel ground", QPoint(60, 108), "white");
        // Shapes: the cabinet's corners are rounded, the stick slants from the
        // cabinet's side up to the knob, and the knob is round.
        line("cabinet top edge", QPoint(20, 48), QPoint(405, 48), "grey 12 black 351 grey 13");
        line("cabinet left edge", QPoint(24, 44), QPoint(24, 269), "grey 12 black 191 grey 13");
        line("cabinet bottom edge", QPoint(20, 264), QPoint(405, 264), "grey 12 black 351 grey 13");
        line("stick, high", QPoint(405, 125), QPoint(455, 125), "grey 13 black 13 grey 22");
        line("stick, low", QPoint(403, 150), QPoint(455, 150), "grey 5 black 13 grey 33");
        // The stick comes out of the cabinet's side, and goes into the knob from below.
        line("stick out of the cabinet", QPoint(380, 180), QPoint(420, 180),
             "brown 20 black 9 grey 11");
        line("knob down", QPoint(434, 76), QPoint(434, 118), "grey 4 red 31 black 6");
        line("knob across", QPoint(410, 96), QPoint(460, 96), "grey 8 red 31 grey 10");
        line("knob near its top", QPoint(410, 81), QPoint(460, 81), "grey 16 red 11 grey 18");
    }

    void paintedMachine() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QString, runs);
        WindowRig rig;
        QVERIFY(rig.show());
        const auto seen = runsAlong(shownPixels(rig.view()), from, to);
        const QStringList expected = runs.split(QLatin1Char(' '));
        bool alike = expected.size() == 2 * seen.size();
        QStringList described;
        for (int i = 0; i < seen.size(); ++i) {
            described << seen[i].first << QString::number(seen[i].second);
            alike = alike && seen[i].first == expected[2 * i] &&
                    std::abs(seen[i].second - expected[2 * i + 1].toInt()) <= 2;
        }
        QVERIFY2(alike, qPrintable(described.join(QLatin1Char(' '))));
    }

    void onlyTheSquareStartsASpin_data() {
        // release: where the button comes up
        addColumns<QPoint, bool, Qt::MouseButton, QPoint>("point", "spins", "button", "release");
        const auto row = [](const char* name, QPoint point, bool spins,
                            Qt::MouseButton button = Qt::LeftButton,
                            std::optional<QPoint> release = {}) {
            QTest::newRow(name) << point << spins << button << release.value_or(point);
        };
        row("square centre", kHandleCentre, true);
        row("square top left", QPoint(424, 85), true);
        row("square bottom right", QPoint(445, 106), true);
        row("knob rim left", QPoint(420, 96), false);
        row("knob rim below", QPoint(435, 110), false);
        row("stick", QPoint(415, 150), false);
        row("cabinet", QPoint(35, 150), false);
        row("reel 1", QPoint(100, 160), false);
        row("reel 3", QPoint(320, 160), false);
        row("balance", QPoint(200, 330), false);
        row("status", QPoint(200, 380), false);
        row("instruction", QPoint(430, 30), false);
        // Only a whole left click on the square counts, as with a button.
        row("square, released on the rim", kHandleCentre, false, Qt::LeftButton, QPoint(420, 96));
        row("square, released far off", kHandleCentre, false, Qt::LeftButton, QPoint(100, 160));
        row("square, right button", kHandleCentre, false, Qt::RightButton);
        row("square, middle button", kHandleCentre, false, Qt::MiddleButton);
    }

    void onlyTheSquareStartsASpin() {
        QFETCH(QPoint, point);
        QFETCH(bool, spins);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        WindowRig rig;
        QVERIFY(rig.show());
        rig.clickAt(point, button, release);
        QCOMPARE(rig.money(), spins ? QStringLiteral(" 975") : QStringLiteral(" 1000"));
        QCOMPARE(rig.anyTimerActive(), spins);
        QCOMPARE(rig.handle()->isEnabled(), !spins);
        if (spins) {
            // Right after the click no picture is on show and the cabinet shows through.
            QCOMPARE(rig.pictures(), QStringLiteral("- - -"));
            QCOMPARE(shownPixels(rig.view()).pixelColor(100, 160), QColor(128, 64, 0));
        }
    }

    void clicksDuringSpinAreIgnored() {
        WindowRig rig;
        QVERIFY(rig.show());
        rig.random.script(2, 3, 4);
        auto* handle = rig.handle();
        const QImage before = shownPixels(handle);
        rig.clickHandle();
        QVERIFY(!handle->isEnabled());
        // The disabled square looks the same.
        QCOMPARE(shownPixels(handle), before);
        QCOMPARE(before.pixelColor(10, 10), QColor(255, 0, 0));
        rig.clickHandle();
        rig.clickHandle();
        QCOMPARE(rig.money(), QStringLiteral(" 975"));
        QCOMPARE(rig.random.draws, 3);
        // Let the spin end: the ignored clicks were not kept for later.
        QTRY_VERIFY_WITH_TIMEOUT(handle->isEnabled(), 10000);
        QCOMPARE(rig.money(), QStringLiteral(" 975"));
        QTest::qWait(300);
        QVERIFY(!rig.anyTimerActive());
        QCOMPARE(rig.random.draws, 3);
    }

    void keysOnTheHandle_data() {
        // between: a key pressed before the first is let go
        addColumns<int, int, bool, bool, int>("key", "modifiers", "autoRepeat", "spins", "between");
        // clang-format off
        QTest::newRow("Space") << int(Qt::Key_Space) << 0 << false << true << 0;
        QTest::newRow("Space repeat") << int(Qt::Key_Space) << 0 << true << false << 0;
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << false << true << 0;
        QTest::newRow("Return repeat") << int(Qt::Key_Return) << 0 << true << false << 0;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << true << 0;
        QTest::newRow("Ctrl+Space") << int(Qt::Key_Space) << int(Qt::ControlModifier) << false << false << 0;
        QTest::newRow("Select") << int(Qt::Key_Select) << 0 << false << false << 0;
        // Escape does not take back a Space held down.
        QTest::newRow("Space, Escape") << int(Qt::Key_Space) << 0 << false << true << int(Qt::Key_Escape);
        // clang-format on
    }

    void keysOnTheHandle() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, autoRepeat);
        QFETCH(bool, spins);
        QFETCH(int, between);
        WindowRig rig;
        QVERIFY(rig.showActive());
        QWidget* handle = QApplication::focusWidget();
        QCOMPARE(handle, rig.handle());
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(), autoRepeat);
        QApplication::sendEvent(handle, &press);
        if (between) {
            QTest::keyClick(rig.window.windowHandle(), Qt::Key(between));
            QCOMPARE(QApplication::focusWidget(), handle);
        }
        // Space, like a push button's, acts when it is let go.
        QCOMPARE(rig.random.draws, spins && key != Qt::Key_Space ? 3 : 0);
        QKeyEvent release(QEvent::KeyRelease, key, mods, QString(), autoRepeat);
        QApplication::sendEvent(handle, &release);
        QCOMPARE(rig.random.draws, spins ? 3 : 0);
    }

    void keyboardPlayKeepsFocusOnTheHandle_data() {
        addColumns<bool, int, bool>("tab", "key", "resetByShortcut");
        QTest::newRow("Tab, Space, menu") << true << int(Qt::Key_Space) << false;
        QTest::newRow("Tab, Return, Ctrl+R") << true << int(Qt::Key_Return) << true;
        QTest::newRow("no Tab, Space, menu") << false << int(Qt::Key_Space) << false;
        QTest::newRow("no Tab, Return, Ctrl+R") << false << int(Qt::Key_Return) << true;
    }

    // A whole round by keyboard: focus starts on the handle, leaves it while the
    // reels turn and comes back for the next spin and after Reset.
    void keyboardPlayKeepsFocusOnTheHandle() {
        QFETCH(bool, tab);
        QFETCH(int, key);
        QFETCH(bool, resetByShortcut);
        WindowRig rig;
        rig.setTickInterval(10);
        rig.window.setLblMoneyText(" 50");
        QVERIFY(rig.showActive());
        auto* handle = rig.handle();
        QVERIFY(handle->hasFocus());
        // The ring around the knob shows once the keyboard has moved focus, from
        // then on whenever the handle has it. Keys go through the window system.
        QWindow* window = rig.window.windowHandle();
        const auto knob = [&rig] { return shownPixels(rig.view(), kKnobArea); };
        const QImage plain = knob();
        if (tab) {
            QTest::keyClick(window, Qt::Key_Tab);
            QVERIFY(handle->hasFocus());
        }
        const QImage marked = knob();
        QCOMPARE(ringAroundKnob(marked, plain), tab);
        // The focused handle lets shortcuts through.
        QTest::keyClick(handle, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(rig.boxes.size(), std::size_t(1));

        for (int spin = 0; spin < 2; ++spin) {
            rig.random.script(2, 3, 4);
            QTest::keyClick(window, Qt::Key(key));
            QCOMPARE(rig.random.draws, 3 * (spin + 1));
            // Keys while the reels turn start nothing, now or later; shortcuts still work.
            QVERIFY(!handle->hasFocus());
            QVERIFY(looksAlike(knob(), plain));
            QTest::keyClick(&rig.window, Qt::Key_Space);
            QTest::keyClick(&rig.window, Qt::Key_Return);
            QTest::keyClick(&rig.window, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(rig.boxes.size(), std::size_t(spin + 2));
            QTRY_VERIFY_WITH_TIMEOUT(!rig.anyTimerActive(), 10000);
            QCOMPARE(rig.random.draws, 3 * (spin + 1));
            QVERIFY(looksAlike(knob(), spin == 0 ? marked : plain));
        }
        // Game over: the handle stays off; Reset by its shortcut, or from the menu
        // by its access keys, gives the focus back.
        QVERIFY(!handle->hasFocus());
        QCOMPARE(rig.status(), QStringLiteral("Out of Money!  Game Over."));
        if (resetByShortcut) {
            QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
        } else {
            QTest::keyClick(&rig.window, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
        }
        QCOMPARE(rig.money(), QStringLiteral(" 1000"));
        // As a window system does, the window is active again once the menu has closed.
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        QVERIFY(handle->hasFocus());
        QVERIFY(looksAlike(knob(), marked));
    }

    void realTimerSpinPaysOut() {
        WindowRig rig;
        QVERIFY(rig.show());
        rig.random.script(1, 1, 5);
        QSignalSpy stop1(rig.timer(1), &QTimer::timeout);
        QSignalSpy stop3(rig.timer(3), &QTimer::timeout);
        rig.clickHandle();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.timer(1)->isActive(), 5000);
        QCOMPARE(stop1.count(), 20);
        QVERIFY(rig.timer(3)->isActive());
        QCOMPARE(rig.status(), QStringLiteral("$25 per spin..."));
        QVERIFY(rig.window.picSlotsVisible(1, 1));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.anyTimerActive(), 5000);
        QCOMPARE(stop3.count(), 36);
        QCOMPARE(rig.money(), QStringLiteral(" 1975"));
        QCOMPARE(rig.status(), QStringLiteral("You won $1000!!!"));
        QVERIFY(rig.handle()->isEnabled());
        QCOMPARE(rig.pictures(), QStringLiteral("1 1 5"));
    }

    void menuCaptionsAndShortcuts_data() {
        addColumns<QString, QString, QKeySequence, QString>("name", "caption", "shortcut", "menu");
        // clang-format off
        QTest::newRow("Reset") << "mnuReset" << "&Reset" << QKeySequence("Ctrl+R") << "&File";
        QTest::newRow("Exit") << "mnuExit" << "E&xit" << QKeySequence("Ctrl+X") << "&File";
        QTest::newRow("Scoring") << "mnuScoring" << "&Scoring" << QKeySequence("Ctrl+S") << "&Help";
        QTest::newRow("About") << "mnuAbout" << "&About" << QKeySequence("Ctrl+A") << "&Help";
        // clang-format on
    }

    void menuCaptionsAndShortcuts() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, menu);
        WindowRig rig;
        auto* action = rig.element<QAction>(name);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        const auto menus = rig.window.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(menus.at(1)->text(), QStringLiteral("&Help"));
        const int menuIndex = menu == QStringLiteral("&File") ? 0 : 1;
        QVERIFY(menus.at(menuIndex)->menu()->actions().contains(action));
    }

    void resetShortcutOnlyAtGameOver() {
        WindowRig rig;
        QVERIFY(rig.showActive());
        rig.window.setLblMoneyText(" 50");
        QSignalSpy resets(rig.action("mnuReset"), &QAction::triggered);

        QTest::keyClick(&rig.window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(rig.money(), QStringLiteral(" 50"));

        // Two losing spins to the game over, with Ctrl+R tried during each.
        for (int spin = 0; spin < 2; ++spin) {
            rig.random.script(2, 3, 4);
            rig.clickHandle();
            QTest::keyClick(&rig.window, Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(resets.count(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(!rig.anyTimerActive(), 10000);
        }
        QCOMPARE(rig.money(), QStringLiteral(" 0"));
        QCOMPARE(rig.status(), QStringLiteral("Out of Money!  Game Over."));
        QVERIFY(!rig.handle()->isEnabled());
        QVERIFY(rig.action("mnuReset")->isEnabled());
        rig.clickHandle();
        QCOMPARE(rig.money(), QStringLiteral(" 0"));

        QTest::keyClick(&rig.window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(rig.money(), QStringLiteral(" 1000"));
        QCOMPARE(rig.status(), QStringLiteral("$25 per spin..."));
        QVERIFY(rig.handle()->isEnabled());
        QVERIFY(!rig.action("mnuReset")->isEnabled());
        QCOMPARE(rig.random.seeds.size(), std::size_t(2));
        QCOMPARE(rig.pictures(), QStringLiteral("1 1 1"));
    }

    void helpBoxesDuringSpin() {
        WindowRig rig;
        QVERIFY(rig.showActive());
        rig.random.script(7, 7, 7);
        rig.clickHandle();
        QTest::keyClick(&rig.window, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&rig.window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(rig.boxes.size(), std::size_t(2));
        QCOMPARE(rig.boxes.at(0).title, QStringLiteral("Scoring for Reelmoor"));
        QCOMPARE(rig.boxes.at(1).title, QStringLiteral("About Reelmoor"));
        // The boxes leave the game alone; the spin goes on and pays.
        QCOMPARE(rig.money(), QStringLiteral(" 975"));
        QVERIFY(rig.anyTimerActive());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.anyTimerActive(), 10000);
        QCOMPARE(rig.money(), QStringLiteral(" 4975"));
        QCOMPARE(rig.status(), QStringLiteral("You won $4000!!!"));
        QTest::keyClick(&rig.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(rig.boxes.size(), std::size_t(3));
        QCOMPARE(rig.money(), QStringLiteral(" 4975"));
        QCOMPARE(rig.status(), QStringLiteral("You won $4000!!!"));
        QVERIFY(rig.handle()->isEnabled());
        QVERIFY(!rig.action("mnuReset")->isEnabled());
    }

    void boxTexts() {
        const QString scoring = frmReelmoor::scoringText();
        const QStringList lines = scoring.split(QStringLiteral("\r\n"));
        QCOMPARE(lines, (QStringList{"     $100\t= Cherries in Slot #1 Only",
                                     "   $1000\t= Cherries in Slot #1 and Slot #2 Only",
                                     "   $1000\t= Cherries in Slot #1 and Slot #3 Only",
                                     "   $4000\t= Three-of-a-Kind (not cherries)",
                                     "$10,000\t= Cherries in All Three Slots"}));
        QCOMPARE(scoring.count(QLatin1Char('\t')), 5);
        QCOMPARE(scoring.count(QLatin1Char('\n')), 4);
        QCOMPARE(scoring.count(QLatin1Char('\r')), 4);

        const QString about = frmReelmoor::aboutText();
        QCOMPARE(
            about.split(QStringLiteral("\r\n")),
            (QStringList{"Reelmoor 1.00",
                         "A fruit slot machine written in 1997.  It was meant to be one part of a",
                         "four-game casino program which was never finished."}));

        WindowRig rig;
        rig.window.mnuScoring_Click();
        rig.window.mnuAbout_Click();
        QCOMPARE(rig.boxes.size(), std::size_t(2));
        QCOMPARE(rig.boxes.at(0).text, scoring);
        QCOMPARE(rig.boxes.at(1).text, about);
    }

    void realBoxIsModalInformation_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("Qt's font") << 0;
        // GNOME's interface font is larger; its lines must not wrap.
        QTest::newRow("a desktop's larger font") << 13;
    }

    void realBoxIsModalInformation() {
        QFETCH(int, pointSize);
        const QFont font = QApplication::font();
        if (pointSize) {
            QApplication::setFont(QFont(font.family(), pointSize));
        }
        const auto restore = qScopeGuard([&font] { QApplication::setFont(font); });
        QWidget parent;
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool modal = false;
        double shownLines = 0;
        onModalBox(&parent, [&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            modal = box->isModal();
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QRect ink =
                inkBounds(shownPixels(label), [](QRgb pixel) { return qGray(pixel) < 128; });
            shownLines = double(ink.height()) / label->fontMetrics().lineSpacing();
            box->button(QMessageBox::Ok)->click();
        });
        showInformationBox(&parent, QStringLiteral("About Reelmoor"), frmReelmoor::aboutText());
        QCOMPARE(title, QStringLiteral("About Reelmoor"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(modal);
        // Shown as three lines, without stray carriage returns.
        QCOMPARE(text,
                 frmReelmoor::aboutText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY2(shownLines > 2.2 && shownLines < 3.2, qPrintable(QString::number(shownLines)));
    }

    void spinGoesOnBehindRealBox() {
        WindowRig rig({}, Boxes::Shown);
        QVERIFY(rig.show());
        rig.random.script(1, 2, 3);
        rig.window.lblHandle_Click();
        // Closed only once the reels have stopped behind it.
        onModalBox(
            &rig.window, [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); },
            [&rig] { return rig.money() == " 1075"; });
        rig.window.mnuScoring_Click();
        QCOMPARE(rig.money(), QStringLiteral(" 1075"));
        QCOMPARE(rig.status(), QStringLiteral("You won $100!!!"));
    }

    // Last: it runs and ends the application's event loop.
    void exitDuringSpinAbandonsIt() {
        WindowRig rig;
        QVERIFY(rig.showActive());
        rig.random.script(1, 1, 1);
        rig.clickHandle();
        // Ctrl+X mid-spin must end the event loop by itself, with status 0.
        QTimer::singleShot(250, &rig.window, [&rig] {
            QTest::keyClick(&rig.window, Qt::Key_X, Qt::ControlModifier);
        });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!rig.window.isVisible());
        QVERIFY(!rig.anyTimerActive());
        QTest::qWait(4000);
        // Three cherries would have paid 10000; the abandoned spin pays nothing.
        QCOMPARE(rig.money(), QStringLiteral(" 975"));
        QCOMPARE(rig.status(), QStringLiteral("$25 per spin..."));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
