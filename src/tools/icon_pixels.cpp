// Build tool: writes an image's pixels as a C++ array, so that the program can show its icon
// without reading an image file (and so without libpng and Qt's image plug-ins) at start.
// Usage: icon_pixels IMAGE HEADER
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "icon_pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QByteArray text = "#pragma once\n// Made by icon_pixels from " +
                      QByteArray(argv[1]).mid(QByteArray(argv[1]).lastIndexOf('/') + 1) +
                      "; ARGB, one value a pixel, row by row.\n#include <cstdint>\n"
                      "namespace lunetra::icon {\n";
    text += "inline constexpr int Width = " + QByteArray::number(image.width()) +
            ", Height = " + QByteArray::number(image.height()) + ";\n";
    text += "inline constexpr std::uint32_t Pixels[] = {";
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            text += (x % 8 ? " " : "\n    ") + QByteArray("0x") +
                    QByteArray::number(image.pixel(x, y), 16).rightJustified(8, '0') + ',';
    text += "\n};\n} // namespace lunetra::icon\n";
    QFile header(QString::fromLocal8Bit(argv[2]));
    return header.open(QIODevice::WriteOnly) && header.write(text) == text.size() ? 0 : 1;
}
