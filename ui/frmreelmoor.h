#pragma once

#include "controls.h"
#include "messagebox.h"
#include "slotgame.h"
#include "symbolart.h"
#include "translation.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace reelmoor {

class Announcer;
class HandleLabel;
class MachineView;
class PictureBox;

// The game's one window. It owns every element and the game, and offers the
// game exactly the element properties that change while the program runs.
class frmReelmoor : public QMainWindow, public Controls {
    Q_OBJECT
public:
    static constexpr int kTimerInterval = 100;

    explicit frmReelmoor(RandomSource& random, MessageBoxFunction showMessage = showInformationBox,
                         Language language = {}, QWidget* parent = nullptr);

    static QString scoringText();
    static QString aboutText();

    SlotGame& game() { return m_game; }
    SymbolArt& art() { return m_art; }

    // Controls
    std::string lblMoneyText() const override;
    void setLblMoneyText(const std::string& text) override;
    void setLblMoneyWonText(const std::string& text) override;
    void setLblHandleEnabled(bool enabled) override;
    void setMnuResetEnabled(bool enabled) override;
    void setTmrTimerEnabled(int timer, bool enabled) override;
    bool picSlotsVisible(int reel, int index) const override;
    void setPicSlotsVisible(int reel, int index, bool visible) override;

    // Handlers
    void Form_Load() { m_game.Form_Load(); }
    void lblHandle_Click();
    void tmrTimer1_Timer() { m_game.tmrTimer1_Timer(); }
    void tmrTimer2_Timer() { m_game.tmrTimer2_Timer(); }
    void tmrTimer3_Timer();
    void mnuReset_Click();
    void mnuExit_Click() { close(); }
    void mnuScoring_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void createMenus();
    void createElements();
    // Renders every reel picture not yet cached, so that reel ticks never render.
    void preparePictures();
    // What a screen reader says when the reels have stopped and paid out.
    QString outcomeSentence() const;

    SymbolArt m_art;
    SlotGame m_game;
    MessageBoxFunction m_showMessage;
    const Language m_language;

    MachineView* m_view = nullptr;
    QLabel* lblMoneyWon = nullptr;
    HandleLabel* lblHandle = nullptr;
    QLabel* lblDollarSign = nullptr;
    QLabel* lblMoney = nullptr;
    QLabel* lblCurrentMoney = nullptr;
    QLabel* lblInfo = nullptr;
    std::array<std::array<PictureBox*, kPicturesPerReel>, kReelCount> picSlots{};
    std::array<QTimer*, kReelCount> tmrTimer{};
    Announcer* m_announcer = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuReset = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuScoring = nullptr;
    QAction* mnuAbout = nullptr;
};

} // namespace reelmoor
