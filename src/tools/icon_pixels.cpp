// Build tool: writes images' pixels as C++ arrays, so that the program can show its icon
// without reading an image file (and so without libpng and Qt's image plug-ins) at start.
// Usage: icon_pixels HEADER IMAGE...   (square images, one per size)
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    QByteArray text = "#pragma once\n// Made by icon_pixels: ARGB, one value a pixel, row by "
                      "row.\n#include <cstdint>\nnamespace lunetra::icon {\n";
    QByteArray sizes = "struct Image {\n    int size;\n    const std::uint32_t* pixels;\n};\n"
                       "inline constexpr Image Images[] = {";
    for (int arg = 2; arg < argc; ++arg) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[arg])).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "icon_pixels: cannot read %s as a square image\n", argv[arg]);
            return 1;
        }
        const QByteArray size = QByteArray::number(image.width());
        text += "inline constexpr std::uint32_t Pixels" + size + "[] = {";
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                text += (x % 8 ? " " : "\n    ") + QByteArray("0x") +
                        QByteArray::number(image.pixel(x, y), 16).rightJustified(8, '0') + ',';
        text += "\n};\n";
        sizes += "{" + size + ", Pixels" + size + "}, ";
    }
    text += sizes + "};\n} // namespace lunetra::icon\n";
    QFile header(QString::fromLocal8Bit(argv[1]));
    return header.open(QIODevice::WriteOnly) && header.write(text) == text.size() ? 0 : 1;
}
