// The reel symbol drawings, the program icon and the pixmap cache that serves them.

#include "datacolumns.h"
#include "iconfiles.h"
#include "screenpixels.h"
#include "symbolart.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>

using reelmoor::IconFiles;
using reelmoor::SymbolArt;

namespace {

// Inner area of a reel box: 89 x 113 less a two-pixel sunken edge.
constexpr QSize kInner(85, 109);

struct SymbolInfo {
    const char* name;
    QSize frame; // twips
};

const std::array<SymbolInfo, reelmoor::kSymbolCount> kSymbols = {{{"cherries", {4632, 4933}},
                                                                  {"grapes", {3383, 4933}},
                                                                  {"lemon", {4929, 3603}},
                                                                  {"orange", {3163, 3700}},
                                                                  {"apple", {4234, 4933}},
                                                                  {"knobfruit", {4360, 4933}},
                                                                  {"pineapple", {1449, 3699}}}};

const QStringList kPalette = {"#ff0000", "#ff8080", "#c2ff80", "#80ff00", "#ffff00", "#ffff80",
                              "#ffd300", "#ffc400", "#804000", "#c0c0c0", "#ffffff", "#000000"};

constexpr int kApple = 5;
constexpr int kMaxPoints = 161;

struct Shape {
    QString element;
    QXmlStreamAttributes attributes;
    QList<QPointF> points;

    QString attribute(const char* name) const {
        return attributes.value(QLatin1String(name)).toString();
    }
    QString fill() const { return attribute("fill"); }
    QString stroke() const { return attribute("stroke"); }
    bool stroked() const { return !stroke().isEmpty() && stroke() != QLatin1String("none"); }

    double area() const {
        double twice = 0;
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF& a = points[i];
            const QPointF& b = points[(i + 1) % points.size()];
            twice += a.x() * b.y() - b.x() * a.y();
        }
        return std::abs(twice) / 2;
    }
};

struct Drawing {
    QString root;
    QXmlStreamAttributes rootAttributes;
    QList<Shape> shapes;
    QStringList otherElements;
    QString error;
};

Drawing parse(const QString& path) {
    Drawing drawing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        drawing.error = QStringLiteral("cannot open ") + path;
        return drawing;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString name = xml.name().toString();
        if (drawing.root.isEmpty()) {
            drawing.root = name;
            drawing.rootAttributes = xml.attributes();
        } else if (name == QLatin1String("polygon") || name == QLatin1String("polyline")) {
            Shape shape{name, xml.attributes(), {}};
            for (const QString& pair :
                 shape.attribute("points").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QStringList xy = pair.split(QLatin1Char(','));
                shape.points.append(xy.size() == 2 ? QPointF(xy[0].toDouble(), xy[1].toDouble())
                                                   : QPointF(qQNaN(), qQNaN()));
            }
            drawing.shapes.append(shape);
        } else {
            drawing.otherElements.append(name);
        }
    }
    if (xml.hasError()) {
        drawing.error = xml.errorString();
    }
    return drawing;
}

QImage render(const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// Drawn on, if only a little.
bool notTransparent(QRgb pixel) {
    return qAlpha(pixel) > 0;
}

// The picture as the box shows it: centred in the inner area on white.
QImage inBox(const QPixmap& picture) {
    QImage box(kInner * picture.devicePixelRatio(), QImage::Format_RGB32);
    box.fill(Qt::white);
    QImage image = picture.toImage();
    image.setDevicePixelRatio(1);
    QPainter painter(&box);
    painter.drawImage(
        QPoint((box.width() - image.width()) / 2, (box.height() - image.height()) / 2), image);
    return box;
}

// How much black a pixel holds over white, 0 to 1. Every fill colour but black, brown and
// grey has a full-strength channel, so on the symbols that use none of those this
// measures the outline alone.
double ink(QRgb premultiplied) {
    const double alpha = qAlpha(premultiplied) / 255.0;
    const double top =
        std::max({qRed(premultiplied), qGreen(premultiplied), qBlue(premultiplied)}) / 255.0;
    return 1.0 - (top + (1.0 - alpha));
}

// Summed ink across the outline where a row first enters the drawing from the left:
// about 1 for a one-pixel line on a steep edge.
double leftEdgeInk(const QImage& image, int row) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
    double sum = 0;
    bool entered = false;
    for (int x = 0; x < image.width(); ++x) {
        const double here = ink(line[x]);
        if (qAlpha(line[x]) == 0 && !entered) {
            continue;
        }
        entered = true;
        if (here < 0.03 && qAlpha(line[x]) == 255 && sum > 0) {
            break;
        }
        sum += here;
    }
    return sum;
}

void addSymbolRows() {
    QTest::addColumn<int>("symbol");
    for (int symbol = 1; symbol <= reelmoor::kSymbolCount; ++symbol) {
        QTest::addRow("%d-%s", symbol, kSymbols[symbol - 1].name) << symbol;
    }
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawingLoads_data() { addSymbolRows(); }
    void drawingLoads() {
        QFETCH(int, symbol);
        const QSize frame = kSymbols[symbol - 1].frame;
        QSvgRenderer renderer(SymbolArt::symbolResource(symbol));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(frame)));
        // The cache fits pictures by the default size, so it must keep the frame's shape.
        QCOMPARE(renderer.defaultSize(), frame);
    }

    void keepsMargin_data() { addSymbolRows(); }
    void keepsMargin() {
        QFETCH(int, symbol);
        const QSize size = kSymbols[symbol - 1].frame / 10;
        const QRect painted =
            inkBounds(render(SymbolArt::symbolResource(symbol), size), notTransparent);
        QVERIFY(!painted.isEmpty());
        const double left = 100.0 * painted.left() / size.width();
        const double right = 100.0 * (size.width() - painted.right() - 1) / size.width();
        const double top = 100.0 * painted.top() / size.height();
        const double bottom = 100.0 * (size.height() - painted.bottom() - 1) / size.height();
        const QString margins =
            QStringLiteral("margins %1 %2 %3 %4 %").arg(left).arg(top).arg(right).arg(bottom);
        for (const double margin : {left, right, top, bottom}) {
            QVERIFY2(margin >= 2.0 && margin <= 8.0, qPrintable(margins));
        }
    }

    void styleRules_data() { addSymbolRows(); }
    void styleRules() {
        QFETCH(int, symbol);
        const Drawing drawing = parse(SymbolArt::symbolResource(symbol));
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(drawing.root, QStringLiteral("svg"));
        // No gradients, text, images, groups with opacity or anything else.
        QCOMPARE(drawing.otherElements, QStringList());
        QVERIFY(!drawing.shapes.isEmpty());

        const QStringList known = {"points", "fill",         "fill-rule",
                                   "stroke", "stroke-width", "vector-effect"};
        for (const Shape& shape : drawing.shapes) {
            for (const QXmlStreamAttribute& attribute : shape.attributes) {
                QVERIFY2(known.contains(attribute.name().toString()),
                         qPrintable(attribute.name().toString()));
            }
            for (const QString& colour : {shape.fill(), shape.stroke()}) {
                QVERIFY2(colour == QLatin1String("none") || kPalette.contains(colour),
                         qPrintable(colour));
            }
            const bool polygon = shape.element == QLatin1String("polygon");
            QVERIFY(shape.points.size() >= (polygon ? 3 : 2));
            QVERIFY(shape.points.size() <= kMaxPoints);
            for (const QPointF& p : shape.points) {
                QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
            }
            if (polygon) {
                QCOMPARE(shape.attribute("fill-rule"), QStringLiteral("evenodd"));
            } else {
                QVERIFY2(shape.stroked() && shape.fill() == QLatin1String("none"),
                         "a detail line is a bare black line");
            }
            if (shape.stroked()) {
                QCOMPARE(shape.stroke(), QStringLiteral("#000000"));
                QCOMPARE(shape.attribute("stroke-width"), QStringLiteral("1"));
                QCOMPARE(shape.attribute("vector-effect"), QStringLiteral("non-scaling-stroke"));
            }
            if (shape.fill() == QLatin1String("#ffffff")) {
                QVERIFY2(!shape.stroked(), "gloss spots have no outline");
            }
        }

        const auto stroked = std::count_if(drawing.shapes.cbegin(), drawing.shapes.cend(),
                                           [](const Shape& s) { return s.stroked(); });
        if (symbol == kApple) {
            QCOMPARE(stroked, 0);
        } else {
            // The main shape, the largest filled one, carries the outline.
            const Shape& largest = *std::max_element(
                drawing.shapes.cbegin(), drawing.shapes.cend(), [](const Shape& a, const Shape& b) {
                    const bool aFilled = a.fill() != QLatin1String("none");
                    const bool bFilled = b.fill() != QLatin1String("none");
                    return aFilled != bFilled ? bFilled : a.area() < b.area();
                });
            QVERIFY(largest.stroked());
        }
    }

    void partCounts_data() {
        // pointCount: 0 for any
        addColumns<int, QString, QString, bool, int, int, int>(
            "symbol", "element", "fill", "stroked", "pointCount", "least", "most");
        const auto row = [](const char* name, int symbol, const char* element, const char* fill,
                            bool stroked, int points, int least, int most) {
            QTest::newRow(name) << symbol << element << fill << stroked << points << least << most;
        };
        row("cherries: two cherries", 1, "polygon", "#ff0000", true, 0, 2, 2);
        row("cherries: two gloss spots", 1, "polygon", "#ffffff", false, 0, 2, 2);
        row("cherries: stems are one shape", 1, "polygon", "#c2ff80", true, 0, 1, 1);
        row("grapes: 23 grapes", 2, "polygon", "#c2ff80", true, 0, 23, 23);
        row("grapes: 14 gloss spots", 2, "polygon", "#ffffff", false, 0, 14, 14);
        row("grapes: stalk and leaf", 2, "polygon", "#80ff00", true, 0, 2, 2);
        row("grapes: one vein", 2, "polyline", "none", true, 0, 1, 1);
        row("lemon: peel, rim and eleven segments", 3, "polygon", "#ffff00", true, 0, 13, 13);
        row("lemon: four seeds", 3, "polygon", "#ffd300", true, 0, 4, 4);
        row("orange: about a hundred pores", 4, "polygon", "none", true, 0, 90, 110);
        row("knobfruit: about a hundred pores", 6, "polygon", "none", true, 0, 90, 110);
        row("pineapple: eight leaves", 7, "polygon", "#c2ff80", true, 0, 8, 8);
        row("pineapple: about thirty chevrons", 7, "polyline", "none", true, 3, 25, 35);
    }
    void partCounts() {
        QFETCH(int, symbol);
        QFETCH(QString, element);
        QFETCH(QString, fill);
        QFETCH(bool, stroked);
        QFETCH(int, pointCount);
        QFETCH(int, least);
        QFETCH(int, most);
        const Drawing drawing = parse(SymbolArt::symbolResource(symbol));
        const auto count =
            std::count_if(drawing.shapes.cbegin(), drawing.shapes.cend(), [&](const Shape& s) {
                return s.element == element && s.fill() == fill && s.stroked() == stroked &&
                       (pointCount == 0 || s.points.size() == pointCount);
            });
        QVERIFY2(count >= least && count <= most, qPrintable(QString::number(count)));
    }

    void symbolsDiffer_data() {
        addColumns<int, int>("first", "second");
        for (int a = 1; a <= reelmoor::kSymbolCount; ++a) {
            for (int b = a + 1; b <= reelmoor::kSymbolCount; ++b) {
                QTest::addRow("%s-%s", kSymbols[a - 1].name, kSymbols[b - 1].name) << a << b;
            }
        }
    }
    void symbolsDiffer() {
        QFETCH(int, first);
        QFETCH(int, second);
        SymbolArt art;
        // Both opaque: 8 % of the full scale in colour is 15.3 over the four channels.
        const double difference = meanDifference(inBox(art.picture(first, kInner, 1)),
                                                 inBox(art.picture(second, kInner, 1)));
        QVERIFY2(difference > 15.3, qPrintable(QString::number(difference)));
    }

    void pictureFitsBox_data() {
        addColumns<int, qreal>("symbol", "ratio");
        for (int symbol = 1; symbol <= reelmoor::kSymbolCount; ++symbol) {
            for (const qreal ratio : {1.0, 2.0}) {
                QTest::addRow("%s@%g", kSymbols[symbol - 1].name, ratio) << symbol << ratio;
            }
        }
    }
    void pictureFitsBox() {
        QFETCH(int, symbol);
        QFETCH(qreal, ratio);
        SymbolArt art;
        const QPixmap picture = art.picture(symbol, kInner, ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        const QSize device = picture.size();
        const QSize area = kInner * ratio;
        QVERIFY(device.width() <= area.width() && device.height() <= area.height());
        QVERIFY(device.width() == area.width() || device.height() == area.height());
        const QSizeF frame = kSymbols[symbol - 1].frame;
        const double aspect = double(device.width()) / device.height();
        QVERIFY2(std::abs(aspect / (frame.width() / frame.height()) - 1.0) < 0.03,
                 "the picture keeps its own proportions");
    }

    void blankPicture_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2") << 2.0;
    }
    void blankPicture() {
        QFETCH(qreal, ratio);
        SymbolArt art;
        QVERIFY(art.picture(0, kInner, ratio).isNull());
        QCOMPARE(art.renderCount(), 0);
    }

    void cacheRendersOnce() {
        SymbolArt art;
        const QPixmap first = art.picture(3, kInner, 1);
        QCOMPARE(art.renderCount(), 1);
        const QPixmap again = art.picture(3, kInner, 1);
        QCOMPARE(art.renderCount(), 1);
        QCOMPARE(again.cacheKey(), first.cacheKey());

        art.picture(3, kInner, 2);
        QCOMPARE(art.renderCount(), 2);
        art.picture(4, kInner, 1);
        QCOMPARE(art.renderCount(), 3);
        art.picture(3, kInner + QSize(10, 10), 1);
        QCOMPARE(art.renderCount(), 4);
        art.picture(3, kInner, 2);
        art.picture(4, kInner, 1);
        QCOMPARE(art.renderCount(), 4);
    }

    // Rows where the drawing's left edge is a steep outlined edge of a main shape.
    void outlineIsOneDevicePixel_data() {
        addColumns<int, double, qreal>("symbol", "rowPercent", "ratio");
        const std::array<std::pair<int, double>, 4> rows = {{
            {1, 63.0}, // left cherry at its widest
            {2, 49.3}, // the grape at the left of the third row
            {3, 50.0}, // the side of the lemon's peel
            {4, 47.0}, // the orange at its widest
        }};
        for (const auto& [symbol, row] : rows) {
            for (const qreal ratio : {1.0, 2.0}) {
                QTest::addRow("%s@%g", kSymbols[symbol - 1].name, ratio) << symbol << row << ratio;
            }
        }
    }
    void outlineIsOneDevicePixel() {
        QFETCH(int, symbol);
        QFETCH(double, rowPercent);
        QFETCH(qreal, ratio);
        SymbolArt art;
        const QImage image = art.picture(symbol, kInner, ratio)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Average a few neighbouring rows so that one lucky pixel cannot decide.
        const int row = qRound(image.height() * rowPercent / 100.0);
        double total = 0;
        for (int offset = -2; offset <= 2; ++offset) {
            total += leftEdgeInk(image, row + offset);
        }
        const double width = total / 5;
        QVERIFY2(width > 0.7 && width < 1.3, qPrintable(QString::number(width)));
    }

    void iconSvg() {
        QSvgRenderer renderer(IconFiles::svg());
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 64, 64));
        const Drawing drawing = parse(IconFiles::svg());
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(drawing.otherElements, QStringList());
        // The main gold, the six darker shades and three lit tints, nothing else.
        const QStringList gold = {"#ffb848", "#ffaa25", "#dc9200", "#b97a00", "#966200",
                                  "#734a00", "#503200", "#ffd48e", "#ffc66b", "#ffe2b1"};
        QSet<QString> used;
        for (const Shape& shape : drawing.shapes) {
            QVERIFY2(gold.contains(shape.fill()), qPrintable(shape.fill()));
            QVERIFY(!shape.stroked());
            used.insert(shape.fill());
        }
        QCOMPARE(used.size(), gold.size());
    }

    void iconPng() {
        const QImage icon = QImage(IconFiles::png()).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(64, 64));
        for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)}) {
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        }
        // The sign covers columns 10-50 and rows 1-63, and nothing outside them.
        QCOMPARE(inkBounds(icon, notTransparent), QRect(QPoint(10, 1), QPoint(50, 63)));

        // The leaning stroke: its top end right of the centre, its bottom end left of it.
        auto solidColumns = [&](int fromRow, int toRow) {
            return inkBounds(
                icon, [](QRgb pixel) { return qAlpha(pixel) >= 128; },
                QRect(QPoint(0, fromRow), QPoint(63, toRow)));
        };
        const QRect top = solidColumns(1, 3);
        QVERIFY2(top.left() >= 32 && top.right() <= 38 && top.width() >= 5,
                 qPrintable(QStringLiteral("%1-%2").arg(top.left()).arg(top.right())));
        const QRect bottom = solidColumns(61, 63);
        QVERIFY2(bottom.left() >= 25 && bottom.right() <= 31 && bottom.width() >= 5,
                 qPrintable(QStringLiteral("%1-%2").arg(bottom.left()).arg(bottom.right())));

        // Gold: the main colour is the commonest; lower edges are shaded darker, upper
        // edges lit.
        QHash<QRgb, int> colours;
        double topLight = 0;
        double bottomLight = 0;
        int columns = 0;
        for (int x = 0; x < 64; ++x) {
            int first = -1;
            int last = -1;
            for (int y = 0; y < 64; ++y) {
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    ++colours[icon.pixel(x, y)];
                    last = y;
                    first = first < 0 ? y : first;
                }
            }
            if (first >= 0) {
                topLight += qGray(icon.pixel(x, first));
                bottomLight += qGray(icon.pixel(x, last));
                ++columns;
            }
        }
        const QRgb main = qRgb(255, 184, 72);
        for (auto it = colours.cbegin(); it != colours.cend(); ++it) {
            QVERIFY(it.key() == main || it.value() < colours.value(main));
        }
        QVERIFY(columns > 30);
        QVERIFY2(bottomLight / columns < 0.8 * qGray(main) && topLight > bottomLight + 30 * columns,
                 qPrintable(QStringLiteral("top %1 bottom %2")
                                .arg(topLight / columns)
                                .arg(bottomLight / columns)));
    }

    // The PNGs are made from the SVG; a stale copy would show a different sign.
    void iconPngMatchesSvg_data() {
        QTest::addColumn<int>("size");
        for (int size : IconFiles::kPngSizes) {
            QTest::addRow("%d", size) << size;
        }
    }
    void iconPngMatchesSvg() {
        QFETCH(int, size);
        const QImage png =
            QImage(IconFiles::png(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(png.size(), QSize(size, size));
        const QImage svg = render(IconFiles::svg(), QSize(size, size));
        int worst = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                worst = std::max(
                    worst, std::ranges::max(channelDifferences(png.pixel(x, y), svg.pixel(x, y))));
            }
        }
        QVERIFY2(worst <= 8, qPrintable(QString::number(worst)));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
