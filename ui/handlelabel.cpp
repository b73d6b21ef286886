#include "handlelabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace reelmoor {

HandleLabel::HandleLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void HandleLabel::click() {
    if (isEnabled()) {
        Q_EMIT clicked();
    }
}

void HandleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0));
}

void HandleLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void HandleLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the square, as with a button.
    const bool isClick = m_pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (isClick) {
        Q_EMIT clicked();
    }
}

} // namespace reelmoor
