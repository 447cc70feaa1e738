#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace lunetra::test {

// A colour a window must show in one of its controls: at a point of it (counted from its
// right or bottom edge when negative), or anywhere in it, as text is.
struct Colour {
    const char* objectName;
    QColor colour;
    QPoint at = {5, 5};
    bool anywhere = false;
};

// Compares what the window draws, as it would be on the screen, with the colours given.
inline void CheckColours(QWidget& window, std::initializer_list<Colour> colours) {
    const QImage image = window.grab().toImage();
    for (const Colour& expected : colours) {
        const QWidget* control = window.objectName() == QLatin1String(expected.objectName)
                                     ? &window
                                     : window.findChild<QWidget*>(expected.objectName);
        QVERIFY2(control, expected.objectName);
        const QRect area(control->mapTo(&window, QPoint()), control->size());
        const QPoint at =
            area.topLeft() + expected.at +
            QPoint(expected.at.x() < 0 ? area.width() : 0, expected.at.y() < 0 ? area.height() : 0);
        bool found = image.pixelColor(at) == expected.colour;
        for (int y = area.top(); expected.anywhere && y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found |= image.pixelColor(x, y) == expected.colour;
        QVERIFY2(found,
                 qPrintable(expected.objectName + (" shows " + image.pixelColor(at).name())));
    }
}

// What a dark desktop theme gives the application.
inline QPalette DarkPalette() {
    return QPalette(QColor(40, 40, 40));
}

} // namespace lunetra::test
