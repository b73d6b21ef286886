#pragma once

#include "slotgame.h"
#include "symbols.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <iterator>
#include <map>
#include <string_view>
#include <tuple>

namespace reelmoor {

// The game's rules count the symbols and name the cherries' place by number.
static_assert(std::size(kSymbols) == std::size_t(kSymbolCount));
static_assert(kSymbols[kCherries - 1].drawing == std::string_view("cherries"));

// Renders the symbol drawings once per picture, size and device pixel ratio;
// later requests are served from the cache, so a reel tick never renders.
class SymbolArt {
public:
    // Resource path of the symbol in a place from 1 on.
    static QString symbolResource(int symbol);

    // Picture 1 on, its place's symbol, fitted into a logical area of the given size,
    // centred and keeping its proportions, at device resolution. Picture 0 is
    // blank: a null pixmap.
    QPixmap picture(int index, QSize area, qreal devicePixelRatio);

    int renderCount() const { return m_renderCount; }

private:
    // By picture, width, height and device pixel ratio.
    std::map<std::tuple<int, int, int, qreal>, QPixmap> m_cache;
    int m_renderCount = 0;
};

} // namespace reelmoor
