#pragma once

#include <QFrame>

namespace reelmoor {

class SymbolArt;

// One picture of a reel: a white box with a sunken edge showing one symbol.
// The reel's eight boxes lie on one spot and the game shows one at a time.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(SymbolArt& art, int index, QWidget* parent = nullptr);

    // Renders the picture for the current device pixel ratio if not cached yet.
    void prepare();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SymbolArt& m_art;
    int m_index;
    QPixmap m_pixmap;
};

} // namespace reelmoor
