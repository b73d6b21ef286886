#include "handlelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <initializer_list>

namespace reelmoor {

namespace {
bool isPlainKey(const QKeyEvent* event, std::initializer_list<int> keys) {
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           std::find(keys.begin(), keys.end(), event->key()) != keys.end();
}
} // namespace

HandleLabel::HandleLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void HandleLabel::click() {
    if (isEnabled()) {
        Q_EMIT clicked();
    }
}

bool HandleLabel::event(QEvent* event) {
    const bool tab = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab);
    const bool handled = QWidget::event(event);
    // Being the window's only stop, Tab leaves focus here: Qt marks the window
    // as driven by keyboard but sends no focus event, so look again.
    if (tab && hasFocus()) {
        updateFocusMark();
    }
    return handled;
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

// As a push button: Space clicks on release, Return and Enter on press, and
// a held key's repeats never click. Other keys, shortcuts too, pass on.
void HandleLabel::keyPressEvent(QKeyEvent* event) {
    if (isPlainKey(event, {Qt::Key_Space})) {
        if (!event->isAutoRepeat()) {
            m_spacePressed = true;
        }
    } else if (isPlainKey(event, {Qt::Key_Return, Qt::Key_Enter})) {
        if (!event->isAutoRepeat()) {
            click();
        }
    } else {
        QWidget::keyPressEvent(event);
    }
}

void HandleLabel::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spacePressed) {
        m_spacePressed = false;
        click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void HandleLabel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateFocusMark();
}

void HandleLabel::focusOutEvent(QFocusEvent* event) {
    // A Space pressed before focus left does not click when it is let go later.
    m_spacePressed = false;
    QWidget::focusOutEvent(event);
    updateFocusMark();
}

void HandleLabel::updateFocusMark() {
    m_keyboardUser = m_keyboardUser || window()->testAttribute(Qt::WA_KeyboardFocusChange);
    const bool shown = hasFocus() && m_keyboardUser;
    if (shown != m_focusMark) {
        m_focusMark = shown;
        Q_EMIT focusMarkChanged(shown);
    }
}

} // namespace reelmoor
