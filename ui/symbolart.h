#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <map>
#include <tuple>

namespace reelmoor {

// Renders the symbol drawings once per picture, size and device pixel ratio;
// later requests are served from the cache, so a reel tick never renders.
class SymbolArt {
public:
    static constexpr int kSymbolCount = 7;

    // Resource path of symbol 1 to 7.
    static QString symbolResource(int symbol);

    // Picture 1 to 7 fitted into a logical area of the given size, centred and keeping
    // its proportions, at device resolution. Picture 0 is blank: a null pixmap.
    QPixmap picture(int index, QSize area, qreal devicePixelRatio);

    int renderCount() const { return m_renderCount; }

private:
    // By picture, width, height and device pixel ratio.
    std::map<std::tuple<int, int, int, qreal>, QPixmap> m_cache;
    int m_renderCount = 0;
};

} // namespace reelmoor
