#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>

class QWidget;
class QLabel;

// The shared look of Lunetra's windows. Sizes are given in twips and become logical pixels
// at 15 twips a pixel; Qt scales them on high-density screens.
namespace lunetra::look {

constexpr int Twips(int twips) {
    return (twips + 7) / 15;
}
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);

inline const QColor Background{255, 224, 192};
inline const QColor Band{64, 64, 64};
inline const QColor Purple{128, 0, 128};
inline const QColor ButtonGrey{128, 128, 128};
inline const QColor Orange{255, 128, 0};

// Verdana where it is installed, a close sans-serif elsewhere.
QFont Font(qreal points, bool bold = false, bool underline = false);

// Gives a window light colours of its own, so that a desktop theme, a dark one too, changes
// none of the colours its controls do not set themselves.
void UseFixedColours(QWidget* window);

// Gives the widget a background colour, which it fills itself with, and, where given, a text
// colour. Nothing is painted here: the widget paints itself in them.
void SetColours(QWidget* widget, const QColor& background, const QColor& text = QColor());
void SetTextColour(QWidget* widget, const QColor& text);

// Lunetra's icon at every size a desktop asks for, up to the largest given, from pixels
// compiled in: no image file is read for it.
QIcon AppIcon(int largest = 256);

// Puts the window, frame included, in the middle of the work area; where the frame is known
// only once the window is on the screen, again then, before it is first drawn.
void CentreOnScreen(QWidget* window);

} // namespace lunetra::look
