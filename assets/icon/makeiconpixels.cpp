// Build step: turns the icon's PNG images into a C++ source file holding their
// pixels uncompressed, so that the program does not decode PNG data at start-up.
//   reelmoor-iconpixels OUTPUT.cpp IMAGE.png...
// The pixels are those that the window system received when the program used
// the PNG files: Qt premultiplies an image with transparency when it makes a
// pixmap of it, and the window system's icon property wants them straight
// again, so each pixel goes through both conversions here, once.

#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp IMAGE.png...\n", argv[0]);
        return 2;
    }
    QByteArray text = "// Made by reelmoor-iconpixels from the icon's PNG images; do not edit.\n"
                      "#include \"iconpixels.h\"\n\n"
                      "namespace reelmoor {\n\nnamespace {\n";
    QByteArray table;
    for (int i = 2; i < argc; ++i) {
        const QImage png(QString::fromLocal8Bit(argv[i]));
        if (png.isNull() || png.width() != png.height()) {
            std::fprintf(stderr, "%s: not a square image\n", argv[i]);
            return 1;
        }
        const QImage image = png.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                 .convertToFormat(QImage::Format_ARGB32);
        const QByteArray name = "kPixels" + QByteArray::number(image.width());
        text += "const quint32 " + name + "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            text += '\n';
            for (int x = 0; x < image.width(); ++x) {
                text += "0x" + QByteArray::number(line[x], 16) + ',';
            }
        }
        text += "\n};\n";
        table += "    {" + QByteArray::number(image.width()) + ", " + name + "},\n";
    }
    text += "} // namespace\n\nconst IconPixels kIconPixels[] = {\n" + table +
            "};\nconst int kIconPixelsCount = " + QByteArray::number(argc - 2) +
            ";\n\n} // namespace reelmoor\n";

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    return 0;
}
