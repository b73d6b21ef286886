#include "picturebox.h"

#include "symbolart.h"

#include <QPainter>

#include <cmath>

namespace reelmoor {

PictureBox::PictureBox(SymbolArt& art, int index, QWidget* parent)
    : QFrame(parent), m_art(art), m_index(index) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, Qt::white);
    setPalette(ground);
}

void PictureBox::prepare() {
    // The blank picture renders nothing, and each turn of a reel paints it.
    if (m_index > 0 && (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != devicePixelRatioF())) {
        m_pixmap = m_art.picture(m_index, contentsRect().size(), devicePixelRatioF());
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // Only a change of screen makes this render; otherwise the pixmap is ready.
    prepare();
    if (m_pixmap.isNull()) {
        return;
    }
    // Centre on whole device pixels so that the drawing is copied, not resampled.
    const qreal ratio = m_pixmap.devicePixelRatio();
    const QRect inner = contentsRect();
    const qreal dx = std::floor((inner.width() * ratio - m_pixmap.width()) / 2) / ratio;
    const qreal dy = std::floor((inner.height() * ratio - m_pixmap.height()) / 2) / ratio;
    QPainter painter(this);
    painter.drawPixmap(QPointF(inner.x() + dx, inner.y() + dy), m_pixmap);
}

} // namespace reelmoor
