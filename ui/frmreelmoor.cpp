#include "frmreelmoor.h"

#include "accessibility.h"
#include "application.h"
#include "handlelabel.h"
#include "machineview.h"
#include "picturebox.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace reelmoor {

namespace {
constexpr int kReelLeft[kReelCount] = {56, 168, 280};
constexpr int kReelTop = 104;
constexpr QSize kReelSize(89, 113);

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The balance text is a blank and the amount; a screen reader gets words.
// The caption "Current Money" labels it.
QString balanceName(const QString& text) {
    return QStringLiteral("%1 dollars").arg(text.trimmed());
}
} // namespace

frmReelmoor::frmReelmoor(RandomSource& random, MessageBoxFunction showMessage, QWidget* parent)
    : QMainWindow(parent), m_game(*this, random), m_showMessage(std::move(showMessage)) {
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

frmReelmoor::~frmReelmoor() = default;

void frmReelmoor::createMenus() {
    // The menu bar belongs to the window, not to a desktop-wide global menu.
    menuBar()->setNativeMenuBar(false);
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuReset = mnuFile->addAction(QStringLiteral("&Reset"));
    mnuReset->setObjectName(QStringLiteral("mnuReset"));
    mnuReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuScoring = mnuHelp->addAction(QStringLiteral("&Scoring"));
    mnuScoring->setObjectName(QStringLiteral("mnuScoring"));
    mnuScoring->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    mnuAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    // The menus stay in the menu bar, not in the desktop's application menu.
    for (QAction* action : {mnuReset, mnuExit, mnuScoring, mnuAbout}) {
        action->setMenuRole(QAction::NoRole);
    }

    connect(mnuReset, &QAction::triggered, this, &frmReelmoor::mnuReset_Click);
    connect(mnuExit, &QAction::triggered, this, &frmReelmoor::mnuExit_Click);
    connect(mnuScoring, &QAction::triggered, this, &frmReelmoor::mnuScoring_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmReelmoor::mnuAbout_Click);
}

QLabel* frmReelmoor::createLabel(const char* name, const QString& text, const QRect& geometry,
                                 qreal pointSize, Qt::Alignment alignment, bool opaque,
                                 bool border) {
    auto* label = new QLabel(text, m_view);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setIndent(0);
    label->setMargin(0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette colours = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::WindowText, Qt::black);
        colours.setColor(group, QPalette::Window, Qt::white);
    }
    label->setPalette(colours);
    label->setAutoFillBackground(opaque);
    if (border) {
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    return label;
}

void frmReelmoor::createElements() {
    m_view = new MachineView(this);
    m_view->setObjectName(QStringLiteral("machine"));
    setCentralWidget(m_view);
    connect(m_view, &MachineView::firstPainted, this, &frmReelmoor::preparePictures,
            Qt::QueuedConnection);

    // Created from the bottom of the stack to its top: later siblings lie above.
    lblInfo = createLabel("lblInfo", QStringLiteral("Click on the red handle to spin!"),
                          QRect(408, 8, 57, 66), 9.75, Qt::AlignHCenter, false, false);
    lblCurrentMoney = createLabel("lblCurrentMoney", QStringLiteral("Current Money"),
                                  QRect(148, 288, 177, 33), 18, Qt::AlignHCenter, false, false);
    lblMoney = createLabel("lblMoney", QStringLiteral("5000"), QRect(160, 320, 169, 22), 12,
                           Qt::AlignLeft, true, true);
    lblMoney->setAccessibleName(balanceName(lblMoney->text()));
    lblMoney->setAccessibleDescription(QStringLiteral("The play money you have left."));
    lblDollarSign = createLabel("lblDollarSign", QStringLiteral("$"), QRect(144, 320, 17, 22), 12,
                                Qt::AlignHCenter, true, true);
    // The balance's name says dollars, and its caption is its label.
    leaveOutOfAccessibleTree(lblDollarSign);
    lblCurrentMoney->setBuddy(lblMoney);

    lblHandle = new HandleLabel(m_view);
    lblHandle->setObjectName(QStringLiteral("lblHandle"));
    lblHandle->setGeometry(424, 85, 22, 22);
    lblHandle->setAccessibleName(QStringLiteral("Spin"));
    lblHandle->setAccessibleDescription(
        QStringLiteral("Pulls the lever to spin the reels. Each spin costs 25 dollars."));
    connect(lblHandle, &HandleLabel::clicked, this, &frmReelmoor::lblHandle_Click);
    connect(lblHandle, &HandleLabel::focusMarkChanged, m_view, &MachineView::setKnobMarked);

    lblMoneyWon = createLabel("lblMoneyWon", QString::fromLatin1(SlotGame::kPerSpin),
                              QRect(48, 360, 377, 41), 20.25, Qt::AlignHCenter, true, true);
    lblMoneyWon->setAccessibleName(lblMoneyWon->text());
    lblMoneyWon->setAccessibleDescription(
        QStringLiteral("Status: the cost of a spin, the prize won, or the end of the game."));

    for (int reel = kReelCount - 1; reel >= 0; --reel) {
        for (int index = 0; index < kPicturesPerReel; ++index) {
            auto* box = new PictureBox(m_art, index, m_view);
            box->setObjectName(QStringLiteral("picSlots%1(%2)").arg(reel + 1).arg(index));
            box->setGeometry(QRect(QPoint(kReelLeft[reel], kReelTop), kReelSize));
            box->setAccessibleName(
                QStringLiteral("Reel %1: %2").arg(reel + 1).arg(symbolName(index)));
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

// Controls

std::string frmReelmoor::lblMoneyText() const {
    return lblMoney->text().toStdString();
}

void frmReelmoor::setLblMoneyText(const std::string& text) {
    lblMoney->setText(fromStd(text));
    setAccessibleNameAndNotify(lblMoney, balanceName(lblMoney->text()));
}

void frmReelmoor::setLblMoneyWonText(const std::string& text) {
    lblMoneyWon->setText(fromStd(text));
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
    if (enabled) {
        if (!t->isActive()) {
            t->start();
        }
    } else {
        t->stop();
    }
}

bool frmReelmoor::picSlotsVisible(int reel, int index) const {
    return !picSlots[reel - 1][index]->isHidden();
}

void frmReelmoor::setPicSlotsVisible(int reel, int index, bool visible) {
    picSlots[reel - 1][index]->setVisible(visible);
}

// Handlers

void frmReelmoor::Form_Load() {
    m_game.Form_Load();
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

void frmReelmoor::tmrTimer1_Timer() {
    m_game.tmrTimer1_Timer();
}

void frmReelmoor::tmrTimer2_Timer() {
    m_game.tmrTimer2_Timer();
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
    QStringList symbols;
    for (float slot : {m_game.Slot1, m_game.Slot2, m_game.Slot3}) {
        symbols << symbolName(int(slot));
    }
    QString sentence = symbols.join(QStringLiteral(", "));
    sentence[0] = sentence[0].toUpper();
    const QString status = lblMoneyWon->text();
    const bool gameOver = status == QLatin1String(SlotGame::kGameOver);
    const bool prize = !gameOver && status != QLatin1String(SlotGame::kPerSpin);
    sentence += QStringLiteral(". %1 %2 dollars.")
                    .arg(prize ? status : QStringLiteral("No prize."), lblMoney->text().trimmed());
    if (gameOver) {
        sentence += QStringLiteral(" %1 Choose Reset in the File menu.").arg(status);
    }
    return sentence;
}

void frmReelmoor::mnuReset_Click() {
    Form_Load();
    // Focus lands on the handle, which says nothing of the new balance.
    m_announcer->announce(QStringLiteral("New game. %1 dollars.").arg(lblMoney->text().trimmed()));
}

void frmReelmoor::mnuExit_Click() {
    close();
}

void frmReelmoor::mnuScoring_Click() {
    m_showMessage(this, QStringLiteral("Scoring for Reelmoor"), scoringText());
}

void frmReelmoor::mnuAbout_Click() {
    m_showMessage(this, QStringLiteral("About Reelmoor"), aboutText());
}

void frmReelmoor::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmReelmoor::Form_Unload() {
    // A spin in progress is abandoned: no tick, and so no payout, runs after this.
    for (QTimer* timer : tmrTimer) {
        timer->stop();
    }
}

QString frmReelmoor::scoringText() {
    return QStringLiteral("     $100\t= Cherries in Slot #1 Only\r\n"
                          "   $1000\t= Cherries in Slot #1 and Slot #2 Only\r\n"
                          "   $1000\t= Cherries in Slot #1 and Slot #3 Only\r\n"
                          "   $4000\t= Three-of-a-Kind (not cherries)\r\n"
                          "$10,000\t= Cherries in All Three Slots");
}

QString frmReelmoor::aboutText() {
    return QStringLiteral("Reelmoor " REELMOOR_DISPLAY_VERSION "\r\n"
                          "A fruit slot machine written in 1997.  It was meant to be one part "
                          "of a\r\n"
                          "four-game casino program which was never finished.");
}

} // namespace reelmoor
