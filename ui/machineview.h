#pragma once

#include <QWidget>

namespace reelmoor {

// The client area: light grey ground with the lever's stick, its knob and the
// cabinet painted in that order, beneath every label and reel.
class MachineView : public QWidget {
    Q_OBJECT
public:
    explicit MachineView(QWidget* parent = nullptr);

    // A ring around the knob, shown while the handle has keyboard focus.
    void setKnobMarked(bool marked);

    // Elements that only repeat what a neighbour says, left out of the accessible tree.
    QList<const QWidget*> leftOutOfAccessibleTree;

Q_SIGNALS:
    // Once, when the client area has been painted for the first time.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_painted = false;
    bool m_knobMarked = false;
};

} // namespace reelmoor
