#pragma once

#include <QWidget>

namespace reelmoor {

// The red square on the lever's knob: the one spot that starts a spin.
// It paints the same whether enabled or not; while disabled Qt delivers no
// mouse or key events to it, so clicks are neither handled nor kept for later.
// It takes keyboard focus: Space (on release) and Return or Enter click it.
class HandleLabel : public QWidget {
    Q_OBJECT
public:
    explicit HandleLabel(QWidget* parent = nullptr);

    // Clicks the square as the mouse would: nothing happens while it is disabled.
    void click();

Q_SIGNALS:
    void clicked();
    // Shown while the square has focus, once the player has moved focus by keyboard.
    void focusMarkChanged(bool shown);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateFocusMark();

    bool m_pressed = false;
    bool m_spacePressed = false;
    bool m_focusMark = false;
    // Whether the player has moved focus by keyboard in this window. Qt from
    // 6.10.1 forgets that on the game's own focus changes; the ring must not.
    bool m_keyboardUser = false;
};

} // namespace reelmoor
