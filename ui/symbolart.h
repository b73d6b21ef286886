#pragma once

#include "slotgame.h"
#include "symbols.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <map>
#include <tuple>

namespace reelmoor {

// The game's rules count the symbols themselves.
static_assert(std::size(kSymbols) == std::size_t(kSymbolCount));

// Renders the symbol drawings once per picture, size and device pixel ratio;
// later requests are served from the cache, so a reel tick never renders.
class SymbolArt {
public:
    // Resource path of the symbol in a place from 1 on.
    static QString symbolResource(int symbol);

    // Picture 1 on, its place's symbol, fitted centred into a logical area keeping its
    // proportions, at device resolution. Picture 0 is blank: a null pixmap.
    QPixmap picture(int index, QSize area, qreal devicePixelRatio);

    int renderCount() const { return m_renderCount; }

private:
    // By picture, width, height and device pixel ratio.
    std::map<std::tuple<int, int, int, qreal>, QPixmap> m_cache;
    int m_renderCount = 0;
};

} // namespace reelmoor
