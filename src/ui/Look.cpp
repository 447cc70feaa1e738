#include "ui/Look.h"

#include "platform/WindowFrame.h"
#include "resources/IconPixels.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace lunetra::look {

QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

QSize TwipsSize(int width, int height) {
    return {Twips(width), Twips(height)};
}

QFont Font(qreal points, bool bold, bool underline) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void UseFixedColours(QWidget* window) {
    // Light grey controls, white fields and black text, every other colour derived from
    // them; a style's own palette may be the desktop theme's.
    window->setPalette(QPalette(QColor(239, 239, 239)));
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    if (text.isValid())
        SetTextColour(widget, text);
}

void SetTextColour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
}

QIcon AppIcon(int largest) {
    QIcon icon;
    for (const icon::Image& image : icon::Images)
        if (image.size <= largest)
            icon.addPixmap(
                QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.pixels), image.size,
                                          image.size, QImage::Format_ARGB32)));
    return icon;
}

namespace {

void CentreByFrame(QWidget* window, const QMargins& frame) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect outer = window->geometry().marginsAdded(frame);
    outer.moveCenter(screen->availableGeometry().center());
    window->setGeometry(outer.marginsRemoved(frame));
}

// Some window managers (KWin) cannot tell a window's frame before it is mapped. By its first
// exposure they frame it; the window is placed again by that frame before it is first
// painted, so that a compositing window manager shows it first where it then stands.
class CentreOnFirstExposure : public QObject {
public:
    CentreOnFirstExposure(QWidget* window, const QMargins& assumed)
        : QObject(window)
        , m_window(window)
        , m_assumed(assumed) {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Expose || !m_window->windowHandle()->isExposed())
            return false;
        if (const auto frame = platform::DrawnFrameMargins(m_window); frame && *frame != m_assumed)
            CentreByFrame(m_window, *frame);
        m_window->windowHandle()->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QWidget* m_window;
    QMargins m_assumed;
};

} // namespace

void CentreOnScreen(QWidget* window) {
    // The whole window, frame included, is what stands in the middle of the work area.
    window->winId();
    const QMargins frame = platform::FrameMargins(window);
    CentreByFrame(window, frame);
    if (!window->isVisible())
        new CentreOnFirstExposure(window, frame);
}

} // namespace lunetra::look
