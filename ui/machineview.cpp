#include "machineview.h"

#include <QPainter>

namespace reelmoor {

namespace {
const QColor kGround(224, 224, 224);
const QColor kCabinet(128, 64, 0);
const QColor kKnob(255, 0, 0);

// Geometry in logical pixels (twips / 15).
const QRectF kShape1(24, 48, 377, 217);
const QRectF kShpHandle(418, 80, 33, 33);
const QLineF kLnHandle(384, 224, 432, 112);
constexpr qreal kStickWidth = 13;
constexpr qreal kCabinetRadius = 12;
// The focus ring: black with a white inner edge, clear on grey, red and black.
constexpr qreal kRingGap = 3;
constexpr qreal kRingWidth = 2;
const QRectF kRing = kShpHandle.adjusted(-kRingGap - kRingWidth / 2, -kRingGap - kRingWidth / 2,
                                         kRingGap + kRingWidth / 2, kRingGap + kRingWidth / 2);
} // namespace

MachineView::MachineView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MachineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGround);
    painter.setRenderHint(QPainter::Antialiasing);

    // Lowest first: the cabinet hides the stick's lower end, the knob its upper end.
    // The stick runs on past its end point towards the knob's centre, so that the
    // corners of its square end do not peep out below the knob's rim.
    QLineF stick = kLnHandle;
    stick.setLength(QLineF(stick.p1(), kShpHandle.center()).length());
    painter.setPen(QPen(Qt::black, kStickWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(stick);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kKnob);
    painter.drawEllipse(kShpHandle);

    // A one-pixel outline lies inside the shape's edge.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kCabinet);
    painter.drawRoundedRect(kShape1.adjusted(0.5, 0.5, -0.5, -0.5), kCabinetRadius, kCabinetRadius);

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
