#include "machineview.h"

#include "machinelayout.h"

#include <QPainter>

namespace reelmoor {

using namespace layout;

namespace {
const QColor kGround(224, 224, 224);
const QColor kCabinetColour(128, 64, 0);
const QColor kKnobColour(255, 0, 0);

// The focus ring: black with a white inner edge, clear on grey, red and black.
constexpr qreal kRingGap = 3;
constexpr qreal kRingWidth = 2;
const QRectF kRing = kKnob.adjusted(-kRingGap - kRingWidth / 2, -kRingGap - kRingWidth / 2,
                                    kRingGap + kRingWidth / 2, kRingGap + kRingWidth / 2);
} // namespace

MachineView::MachineView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kClient);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MachineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGround);
    painter.setRenderHint(QPainter::Antialiasing);

    // Lowest first: the cabinet hides the stick's lower end, the knob its upper end.
    // The stick runs on past its end point towards the knob's centre, so that the
    // corners of its square end do not peep out below the knob's rim.
    QLineF stick = kStick;
    stick.setLength(QLineF(stick.p1(), kKnob.center()).length());
    painter.setPen(QPen(Qt::black, kStickWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(stick);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kKnobColour);
    painter.drawEllipse(kKnob);

    // A one-pixel outline lies inside the shape's edge.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kCabinetColour);
    painter.drawRoundedRect(kCabinet.adjusted(0.5, 0.5, -0.5, -0.5), kCabinetRadius,
                            kCabinetRadius);

    if (m_knobMarked) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, kRingWidth));
        painter.drawEllipse(kRing);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawEllipse(kRing.adjusted(1.5, 1.5, -1.5, -1.5));
    }

    if (!m_painted) {
        m_painted = true;
        Q_EMIT firstPainted();
    }
}

void MachineView::setKnobMarked(bool marked) {
    if (marked != m_knobMarked) {
        m_knobMarked = marked;
        update(kRing.adjusted(-2, -2, 2, 2).toAlignedRect());
    }
}

} // namespace reelmoor
