#pragma once

#include <QWidget>

namespace reelmoor {

// The red square on the lever's knob: the one spot that starts a spin.
// It paints the same whether enabled or not; while disabled Qt delivers no
// mouse events to it, so clicks are neither handled nor kept for later.
class HandleLabel : public QWidget {
    Q_OBJECT
public:
    explicit HandleLabel(QWidget* parent = nullptr);

    // Clicks the square as the mouse would: nothing happens while it is disabled.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace reelmoor
