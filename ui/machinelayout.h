#pragma once

#include <QLineF>
#include <QRect>
#include <QRectF>
#include <QSize>

// Where everything on the machine lies, in logical pixels (twips / 15): the
// shapes the client area paints and the elements above them, which must agree,
// as the handle's square lies on the knob.
namespace reelmoor::layout {

inline constexpr QSize kClient{473, 418};

// Painted, lowest first.
inline constexpr QLineF kStick{384, 224, 432, 112};
inline constexpr qreal kStickWidth = 13;
inline constexpr QRectF kKnob{418, 80, 33, 33};
inline constexpr QRectF kCabinet{24, 48, 377, 217};
inline constexpr qreal kCabinetRadius = 12;

// The elements.
inline constexpr QRect kHandle{424, 85, 22, 22};
inline constexpr int kReelLeft[] = {56, 168, 280};
inline constexpr int kReelTop = 104;
inline constexpr QSize kReelSize{89, 113};
inline constexpr QRect kInfo{408, 8, 57, 66};
inline constexpr QRect kCurrentMoney{148, 288, 177, 33};
inline constexpr QRect kMoney{160, 320, 169, 22};
inline constexpr QRect kDollarSign{144, 320, 17, 22};
inline constexpr QRect kMoneyWon{48, 360, 377, 41};

} // namespace reelmoor::layout
