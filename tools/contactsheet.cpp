// Writes one PNG for reviewing the artwork: the eight reel pictures as the reel boxes
// show them, at device pixel ratio 1 and 2, and the program icon.
//
//   reelmoor-contactsheet [output.png]            (default contactsheet.png)
//   reelmoor-contactsheet --icon-png icon.png [--icon-size N]
//                                                renders the icon SVG to an N x N PNG (64)

#include "iconfiles.h"
#include "symbolart.h"

#include <QColor>
#include <QCommandLineParser>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <array>

namespace {

// A reel box: 89 x 113 with a two-pixel sunken edge around the white inner area.
constexpr QSize kBoxSize(89, 113);
constexpr int kEdge = 2;
constexpr QSize kInnerSize(kBoxSize.width() - 2 * kEdge, kBoxSize.height() - 2 * kEdge);

constexpr int kPad = 12;
constexpr int kLabelHeight = 18;
constexpr int kRowLabelWidth = 64;

const std::array<const char*, 8> kNames = {
    "0 blank",  "1 cherries", "2 grapes",     "3 lemon",
    "4 orange", "5 apple",    "6 knob fruit", "7 pineapple",
};

// The sunken edge in the usual two shades on each side, scaled by the ratio.
void drawBox(QPainter& painter, QPoint topLeft, int ratio) {
    const QRect outer(topLeft, kBoxSize * ratio);
    const int e = ratio;
    painter.fillRect(outer, QColor(255, 255, 255));
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), e), QColor(160, 160, 160));
    painter.fillRect(QRect(outer.left(), outer.top(), e, outer.height()), QColor(160, 160, 160));
    painter.fillRect(QRect(outer.left() + e, outer.top() + e, outer.width() - 2 * e, e),
                     QColor(105, 105, 105));
    painter.fillRect(QRect(outer.left() + e, outer.top() + e, e, outer.height() - 2 * e),
                     QColor(105, 105, 105));
    painter.fillRect(QRect(outer.left() + e, outer.bottom() - 2 * e + 1, outer.width() - 2 * e, e),
                     QColor(227, 227, 227));
    painter.fillRect(QRect(outer.right() - 2 * e + 1, outer.top() + e, e, outer.height() - 2 * e),
                     QColor(227, 227, 227));
}

// Draws a picture pixmap pixel for pixel, centred in the box's inner area.
void drawPicture(QPainter& painter, QPoint boxTopLeft, int ratio, const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return;
    }
    QImage image = pixmap.toImage();
    image.setDevicePixelRatio(1);
    const QRect inner(boxTopLeft + QPoint(kEdge, kEdge) * ratio, kInnerSize * ratio);
    const QPoint at = inner.topLeft() + QPoint((inner.width() - image.width()) / 2,
                                               (inner.height() - image.height()) / 2);
    painter.drawImage(at, image);
}

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(reelmoor::IconFiles::svg());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

QImage contactSheet() {
    reelmoor::SymbolArt art;
    const int column = kBoxSize.width() * 2 + kPad;
    const int width = kRowLabelWidth + 9 * column + kPad;
    const int row1 = kPad + kLabelHeight;
    const int row2 = row1 + kBoxSize.height() + kPad;
    const int height = row2 + kBoxSize.height() * 2 + kPad;

    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(224, 224, 224));
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);

    painter.drawText(QRect(0, row1, kRowLabelWidth, kBoxSize.height()), Qt::AlignCenter,
                     QStringLiteral("ratio 1"));
    painter.drawText(QRect(0, row2, kRowLabelWidth, kBoxSize.height() * 2), Qt::AlignCenter,
                     QStringLiteral("ratio 2"));

    for (int index = 0; index <= reelmoor::kSymbolCount; ++index) {
        const int x = kRowLabelWidth + index * column;
        painter.drawText(QRect(x, kPad, column, kLabelHeight), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromLatin1(kNames[index]));
        for (const int ratio : {1, 2}) {
            const QPoint box(x, ratio == 1 ? row1 : row2);
            drawBox(painter, box, ratio);
            drawPicture(painter, box, ratio, art.picture(index, kInnerSize, ratio));
        }
    }

    const int x = kRowLabelWidth + 8 * column;
    painter.drawText(QRect(x, kPad, column, kLabelHeight), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("icon 64 / 128"));
    painter.drawImage(QPoint(x, row1), QImage(reelmoor::IconFiles::png()));
    painter.drawImage(QPoint(x, row2), renderIcon(128));
    return sheet;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the Reelmoor artwork for review."));
    parser.addHelpOption();
    const QCommandLineOption iconOption(QStringLiteral("icon-png"),
                                        QStringLiteral("Render the icon SVG to a PNG <file>."),
                                        QStringLiteral("file"));
    parser.addOption(iconOption);
    const QCommandLineOption iconSizeOption(QStringLiteral("icon-size"),
                                            QStringLiteral("Size of the icon PNG (64)."),
                                            QStringLiteral("pixels"), QStringLiteral("64"));
    parser.addOption(iconSizeOption);
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("Contact sheet PNG (default contactsheet.png)."));
    parser.process(app);

    QTextStream err(stderr);
    if (parser.isSet(iconOption)) {
        const QString path = parser.value(iconOption);
        const int size = parser.value(iconSizeOption).toInt();
        if (size <= 0 || !renderIcon(size).save(path, "PNG")) {
            err << "cannot write " << path << Qt::endl;
            return 1;
        }
        return 0;
    }

    const QStringList args = parser.positionalArguments();
    const QString path = args.isEmpty() ? QStringLiteral("contactsheet.png") : args.first();
    if (!contactSheet().save(path, "PNG")) {
        err << "cannot write " << path << Qt::endl;
        return 1;
    }
    return 0;
}
