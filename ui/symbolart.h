#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

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
    struct Key {
        int index;
        int width;
        int height;
        qreal ratio;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) {
        return qHashMulti(seed, key.index, key.width, key.height, key.ratio);
    }

    QHash<Key, QPixmap> m_cache;
    int m_renderCount = 0;
};

} // namespace reelmoor
