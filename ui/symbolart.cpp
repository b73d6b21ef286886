#include "symbolart.h"

#include <QPainter>
#include <QSvgRenderer>

namespace reelmoor {

QString SymbolArt::symbolResource(int symbol) {
    return QStringLiteral(":/symbols/%1-%2.svg")
        .arg(QString::number(symbol), QLatin1String(kSymbols[symbol - 1].drawing));
}

QPixmap SymbolArt::picture(int index, QSize area, qreal devicePixelRatio) {
    if (index < 1 || index > kSymbolCount || area.isEmpty()) {
        return {};
    }
    const auto key = std::tuple(index, area.width(), area.height(), devicePixelRatio);
    if (const auto found = m_cache.find(key); found != m_cache.end()) {
        return found->second;
    }

    QSvgRenderer renderer(symbolResource(index));
    const QSize deviceArea = (QSizeF(area) * devicePixelRatio).toSize();
    const QSize deviceSize = renderer.defaultSize().scaled(deviceArea, Qt::KeepAspectRatio);
    QPixmap pixmap(deviceSize);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    ++m_renderCount;
    m_cache.emplace(key, pixmap);
    return pixmap;
}

} // namespace reelmoor
