#include "handlelabel.h"

#include <QKeyEvent>
#include <QPainter>

namespace reelmoor {

HandleLabel::HandleLabel(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

bool HandleLabel::event(QEvent* event) {
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool tab = key && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
    const bool focus = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    const bool handled = QAbstractButton::event(event);
    // Being the window's only stop, Tab leaves focus here: Qt marks the window
    // as driven by keyboard but sends no focus event, so look again.
    if (focus || (tab && hasFocus())) {
        updateFocusMark();
    }
    return handled;
}

void HandleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0));
}

// A button's Space, on release; Return and Enter click on press, a held
// key's repeats never. Other keys, Space with a modifier too, pass on to
// shortcuts and the window, Escape and the arrows too, which a button would take.
void HandleLabel::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Space) {
        QAbstractButton::keyPressEvent(event);
    } else if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (!event->isAutoRepeat()) {
            click();
        }
    } else {
        QWidget::keyPressEvent(event);
    }
}

void HandleLabel::updateFocusMark() {
    m_keyboardUser = m_keyboardUser || window()->testAttribute(Qt::WA_KeyboardFocusChange);
    Q_EMIT focusMarkShown(hasFocus() && m_keyboardUser);
}

} // namespace reelmoor
