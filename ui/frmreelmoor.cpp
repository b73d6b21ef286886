#include "frmreelmoor.h"

#include "accessibility.h"
#include "applicationicon.h"
#include "handlelabel.h"
#include "machinelayout.h"
#include "machineview.h"
#include "numbertext.h"
#include "picturebox.h"
#include "reelmoorversion.h"
#include "translation.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace reelmoor {

namespace {
constexpr char kContext[] = "reelmoor::frmReelmoor";
constexpr char kStatusContext[] = "Status";

// Qt takes the window's direction from this message of its own catalogue, which
// Debian ships apart (qt6-translations-l10n); the game's catalogues carry it too.
[[maybe_unused]] const char* const kLayoutDirection =
    //: "RTL" in a language written right to left, "LTR" in any other.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QString statusText(const char* message) {
    return QCoreApplication::translate(kStatusContext, message);
}

// The balance text is a blank and the amount, whose number the word "dollars"
// agrees with. No game comes near the end of int's range; the count stops there.
int dollars(const QString& text) {
    const double amount = numberFromText(text.toStdString());
    return int(std::min(amount, double(std::numeric_limits<int>::max())));
}

// A screen reader gets words. The caption "Current Money" labels it.
QString balanceName(const QString& text) {
    //: The balance, spoken. Always a multiple of 25.
    return frmReelmoor::tr("%n dollars", nullptr, dollars(text));
}
} // namespace

frmReelmoor::frmReelmoor(RandomSource& random, MessageBoxFunction showMessage, Language language,
                         QWidget* parent)
    : QMainWindow(parent), m_game(*this, random), m_showMessage(std::move(showMessage)),
      m_language(std::move(language)) {
    installAccessibleFactory();
    setObjectName(QStringLiteral("frmReelmoor"));
    setWindowTitle(QStringLiteral("Reelmoor"));
    setWindowIcon(applicationIcon());
    // Fixed size: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    createMenus();
    createElements();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < kReelCount; ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("tmrTimer%1").arg(i + 1));
        timer->setInterval(kTimerInterval);
        timer->setTimerType(Qt::PreciseTimer);
        tmrTimer[i] = timer;
    }
    connect(tmrTimer[0], &QTimer::timeout, this, &frmReelmoor::tmrTimer1_Timer);
    connect(tmrTimer[1], &QTimer::timeout, this, &frmReelmoor::tmrTimer2_Timer);
    connect(tmrTimer[2], &QTimer::timeout, this, &frmReelmoor::tmrTimer3_Timer);

    Form_Load();
}

void frmReelmoor::createMenus() {
    struct Item {
        QAction* frmReelmoor::*action;
        const char* name;
        const char* caption;
        Qt::Key key; // with Ctrl
        void (frmReelmoor::*handler)();
    };
    struct Menu {
        QMenu* frmReelmoor::*menu;
        const char* name;
        const char* caption;
        Item items[2];
    };
    // clang-format off
    static constexpr Menu kMenus[] = {
        {&frmReelmoor::mnuFile, "mnuFile", QT_TR_NOOP("&File"), {
            {&frmReelmoor::mnuReset, "mnuReset", QT_TR_NOOP("&Reset"), Qt::Key_R,
             &frmReelmoor::mnuReset_Click},
            {&frmReelmoor::mnuExit, "mnuExit", QT_TR_NOOP("E&xit"), Qt::Key_X,
             &frmReelmoor::mnuExit_Click}}},
        {&frmReelmoor::mnuHelp, "mnuHelp", QT_TR_NOOP("&Help"), {
            {&frmReelmoor::mnuScoring, "mnuScoring", QT_TR_NOOP("&Scoring"), Qt::Key_S,
             &frmReelmoor::mnuScoring_Click},
            {&frmReelmoor::mnuAbout, "mnuAbout", QT_TR_NOOP("&About"), Qt::Key_A,
             &frmReelmoor::mnuAbout_Click}}},
    };
    // clang-format on
    // The menu bar belongs to the window, not to a desktop-wide global menu.
    menuBar()->setNativeMenuBar(false);
    for (const Menu& menu : kMenus) {
        QMenu* created = menuBar()->addMenu(tr(menu.caption));
        created->setObjectName(QLatin1String(menu.name));
        this->*menu.menu = created;
        for (const Item& item : menu.items) {
            QAction* action = created->addAction(tr(item.caption));
            action->setObjectName(QLatin1String(item.name));
            action->setShortcut(QKeySequence(Qt::CTRL | item.key));
            // It stays in the menu bar, not in the desktop's application menu.
            action->setMenuRole(QAction::NoRole);
            connect(action, &QAction::triggered, this, item.handler);
            this->*item.action = action;
        }
    }
}

void frmReelmoor::createElements() {
    m_view = new MachineView(this);
    m_view->setObjectName(QStringLiteral("machine"));
    setCentralWidget(m_view);
    connect(m_view, &MachineView::firstPainted, this, &frmReelmoor::preparePictures,
            Qt::QueuedConnection);

    struct Label {
        QLabel* frmReelmoor::*label;
        const char* name;
        const char* text;              // English
        const char* context = nullptr; // of its translation, if it has one
        QRect geometry;
        qreal pointSize;
        Qt::Alignment alignment = Qt::AlignHCenter;
        bool boxed = false; // on white, in a sunken edge
    };
    // From the bottom of the stack to its top: later siblings lie above.
    // clang-format off
    static constexpr Label kLabels[] = {
        {.label = &frmReelmoor::lblInfo, .name = "lblInfo",
         //: Four short centred lines of at most 57 pixels each, above the lever.
         .text = QT_TR_NOOP("Click on the red handle to spin!"), .context = kContext,
         .geometry = layout::kInfo, .pointSize = 9.75},
        {.label = &frmReelmoor::lblCurrentMoney, .name = "lblCurrentMoney",
         //: Caption over the balance; one line of 177 pixels in large bold letters.
         .text = QT_TR_NOOP("Current Money"), .context = kContext,
         .geometry = layout::kCurrentMoney, .pointSize = 18},
        {.label = &frmReelmoor::lblMoney, .name = "lblMoney", .text = "5000",
         .geometry = layout::kMoney, .pointSize = 12, .alignment = Qt::AlignLeft, .boxed = true},
        {.label = &frmReelmoor::lblDollarSign, .name = "lblDollarSign", .text = "$",
         .geometry = layout::kDollarSign, .pointSize = 12, .boxed = true},
        {.label = &frmReelmoor::lblMoneyWon, .name = "lblMoneyWon",
         .text = SlotGame::kPerSpin, .context = kStatusContext,
         .geometry = layout::kMoneyWon, .pointSize = 20.25, .boxed = true},
    };
    // clang-format on
    for (const Label& row : kLabels) {
        auto* label = new QLabel(m_view);
        label->setObjectName(QLatin1String(row.name));
        label->setText(row.context ? QCoreApplication::translate(row.context, row.text)
                                   : QString::fromLatin1(row.text));
        label->setGeometry(row.geometry);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(row.alignment | Qt::AlignTop);
        label->setIndent(0);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(row.pointSize);
        font.setBold(true);
        label->setFont(m_language.labelFont(font));
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, Qt::black);
        colours.setColor(QPalette::Window, Qt::white);
        label->setPalette(colours);
        label->setAutoFillBackground(row.boxed);
        if (row.boxed) {
            label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        }
        this->*row.label = label;
    }
    lblMoney->setAccessibleName(balanceName(lblMoney->text()));
    lblMoney->setAccessibleDescription(tr("The play money you have left."));
    // The balance's name says dollars, and its caption is its label.
    m_view->leftOutOfAccessibleTree << lblDollarSign;
    lblCurrentMoney->setBuddy(lblMoney);
    setAccessibleNameAndNotify(lblMoneyWon, lblMoneyWon->text());
    lblMoneyWon->setAccessibleDescription(
        tr("Status: the cost of a spin, the prize won, or the end of the game."));

    lblHandle = new HandleLabel(m_view);
    lblHandle->setObjectName(QStringLiteral("lblHandle"));
    lblHandle->setGeometry(layout::kHandle);
    //: The red knob's name for a screen reader: a button that starts a spin.
    lblHandle->setAccessibleName(tr("Spin"));
    lblHandle->setAccessibleDescription(
        //: n is the cost of a spin, always 25.
        tr("Pulls the lever to spin the reels. Each spin costs %n dollars.", nullptr,
           int(SlotGame::kStake)));
    connect(lblHandle, &HandleLabel::clicked, this, &frmReelmoor::lblHandle_Click);
    connect(lblHandle, &HandleLabel::focusMarkShown, m_view, &MachineView::setKnobMarked);

    for (int reel = kReelCount - 1; reel >= 0; --reel) {
        for (int index = 0; index < kPicturesPerReel; ++index) {
            auto* box = new PictureBox(m_art, index, m_view);
            box->setObjectName(QStringLiteral("picSlots%1(%2)").arg(reel + 1).arg(index));
            box->setGeometry(
                QRect(QPoint(layout::kReelLeft[reel], layout::kReelTop), layout::kReelSize));
            //: A reel's picture for a screen reader: the reel's number, the symbol.
            box->setAccessibleName(tr("Reel %1: %2").arg(reel + 1).arg(symbolName(index)));
            box->setVisible(index == 1);
            // What the first frame shows is drawn now; the rest right after it.
            if (index == 1) {
                box->prepare();
            }
            picSlots[reel][index] = box;
        }
    }

    m_announcer = new Announcer(this);
}

std::string frmReelmoor::lblMoneyText() const {
    return lblMoney->text().toStdString();
}

void frmReelmoor::setLblMoneyText(const std::string& text) {
    lblMoney->setText(QString::fromStdString(text));
    setAccessibleNameAndNotify(lblMoney, balanceName(lblMoney->text()));
}

void frmReelmoor::setLblMoneyWonText(const std::string& text) {
    lblMoneyWon->setText(statusText(text.c_str()));
    setAccessibleNameAndNotify(lblMoneyWon, lblMoneyWon->text());
}

void frmReelmoor::setLblHandleEnabled(bool enabled) {
    lblHandle->setEnabled(enabled);
    // Disabling took focus away; the keyboard player never has to look for it.
    if (enabled) {
        lblHandle->setFocus(Qt::OtherFocusReason);
    }
}

void frmReelmoor::setMnuResetEnabled(bool enabled) {
    mnuReset->setEnabled(enabled);
}

void frmReelmoor::setTmrTimerEnabled(int timer, bool enabled) {
    QTimer* t = tmrTimer[timer - 1];
    if (!enabled) {
        t->stop();
    } else if (!t->isActive()) {
        t->start();
    }
}

bool frmReelmoor::picSlotsVisible(int reel, int index) const {
    return !picSlots[reel - 1][index]->isHidden();
}

void frmReelmoor::setPicSlotsVisible(int reel, int index, bool visible) {
    picSlots[reel - 1][index]->setVisible(visible);
}

void frmReelmoor::preparePictures() {
    for (const auto& reel : picSlots) {
        for (PictureBox* box : reel) {
            box->prepare();
        }
    }
}

void frmReelmoor::lblHandle_Click() {
    // Normally done already; this makes sure no reel tick ever has to render.
    preparePictures();
    m_game.lblHandle_Click();
}

void frmReelmoor::tmrTimer3_Timer() {
    m_game.tmrTimer3_Timer();
    // The tick that stops reel 3 has paid out too; the other ticks stay silent.
    if (!tmrTimer[2]->isActive()) {
        m_announcer->announce(outcomeSentence());
    }
}

QString frmReelmoor::outcomeSentence() const {
    // At rest each reel shows its result.
    //: The three reels' symbols, spoken after a spin.
    QString symbols = tr("%1, %2, %3")
                          .arg(symbolName(int(m_game.Slot1)), symbolName(int(m_game.Slot2)),
                               symbolName(int(m_game.Slot3)));
    // By the language's own rules: Turkish makes "i" into "İ".
    symbols.replace(0, 1, m_language.locale().toUpper(symbols.left(1)));
    const SlotGame::Prize* prize = m_game.lastPrize();
    //: Spoken after a spin: the symbols, the prize (or "No prize."), the balance.
    QString sentence = tr("%1. %2 %n dollars.", nullptr, dollars(lblMoney->text()))
                           .arg(symbols, prize ? statusText(prize->message) : tr("No prize."));
    // Reset is enabled exactly while the game is over.
    if (mnuReset->isEnabled()) {
        //: Spoken at the end of a game, after the game-over message.
        sentence += QLatin1Char(' ') +
                    tr("%1 Choose Reset in the File menu.").arg(statusText(SlotGame::kGameOver));
    }
    return sentence;
}

void frmReelmoor::mnuReset_Click() {
    Form_Load();
    // Focus lands on the handle, which says nothing of the new balance.
    m_announcer->announce(tr("New game. %n dollars.", nullptr, dollars(lblMoney->text())));
}

void frmReelmoor::mnuScoring_Click() {
    m_showMessage(this, tr("Scoring for Reelmoor"), scoringText());
}

void frmReelmoor::mnuAbout_Click() {
    m_showMessage(this, tr("About Reelmoor"), aboutText());
}

void frmReelmoor::closeEvent(QCloseEvent*) {
    // The event comes accepted: the window closes.
    Form_Unload();
}

void frmReelmoor::Form_Unload() {
    // A spin in progress is abandoned: no tick, and so no payout, runs after this.
    for (QTimer* timer : tmrTimer) {
        timer->stop();
    }
}

QString frmReelmoor::scoringText() {
    // The amounts stay as they are; their descriptions follow the player's language.
    QStringList lines;
    //: A line of the scoring box, after "$100" and a tab.
    lines << QStringLiteral("     $100\t") + tr("= Cherries in Slot #1 Only");
    //: A line of the scoring box, after "$1000" and a tab.
    lines << QStringLiteral("   $1000\t") + tr("= Cherries in Slot #1 and Slot #2 Only");
    //: A line of the scoring box, after "$1000" and a tab.
    lines << QStringLiteral("   $1000\t") + tr("= Cherries in Slot #1 and Slot #3 Only");
    //: A line of the scoring box, after "$4000" and a tab.
    lines << QStringLiteral("   $4000\t") + tr("= Three-of-a-Kind (not cherries)");
    //: A line of the scoring box, after "$10,000" and a tab.
    lines << QStringLiteral("$10,000\t") + tr("= Cherries in All Three Slots");
    return lines.join(QLatin1String("\r\n"));
}

QString frmReelmoor::aboutText() {
    //: The About box, below the name and version: two lines.
    QString text = tr("A fruit slot machine written in 1997.  It was meant to be one part of a\n"
                      "four-game casino program which was never finished.");
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return QStringLiteral("Reelmoor " REELMOOR_DISPLAY_VERSION "\r\n") + text;
}

} // namespace reelmoor
