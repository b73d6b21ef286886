#pragma once

#include <QAbstractButton>

namespace reelmoor {

// The red square on the lever's knob: the one spot that starts a spin, a
// button that paints nothing but its square, the same whether enabled, pressed
// or not; while disabled it takes no clicks, neither now nor later. Besides a
// button's Space, Return and Enter click it too.
class HandleLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit HandleLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    // Whether the ring shows, told on each change of focus: while the square has
    // focus, once the player has moved focus by keyboard.
    void focusMarkShown(bool shown);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateFocusMark();

    // Whether the player has moved focus by keyboard in this window. Qt from
    // 6.10.1 forgets that on the game's own focus changes; the ring must not.
    bool m_keyboardUser = false;
};

} // namespace reelmoor
