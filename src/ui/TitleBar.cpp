#include "ui/TitleBar.h"

#include "platform/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

namespace lunetra {

namespace {

class TitleBar : public QWidget {
public:
    explicit TitleBar(QWidget* window)
        : QWidget(window) {
        setObjectName(QStringLiteral("titleBar"));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::Window).darker(115));
        setPalette(colours);
        auto* close = new QToolButton(this);
        close->setObjectName(QStringLiteral("closeBox"));
        close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        close->setAutoRaise(true);
        close->setFocusPolicy(Qt::NoFocus); // the keyboard order stays the window's own
        close->setAccessibleName(tr("Close"));
        connect(close, &QToolButton::clicked, window, &QWidget::close);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(4, 2, 4, 2);
        row->addStretch();
        row->addWidget(close);
        window->installEventFilter(this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(rect(), Qt::AlignCenter, window()->windowTitle());
    }
    // A left press moves the window; any other press is the window's own.
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
        else
            event->ignore();
    }
    // The bar spans the window, above everything in it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window() && event->type() == QEvent::Resize) {
            setGeometry(0, 0, window()->width(), sizeHint().height());
            raise();
        }
        return false;
    }
};

} // namespace

void UseOwnTitleBarOnWayland(QWidget* window) {
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) &&
        !platform::CompositorDrawsFrames())
        UseOwnTitleBar(window);
}

void UseOwnTitleBar(QWidget* window) {
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Qt drops the frameless hint where title bar hints are set as well.
    window->setWindowFlags(
        (window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)) |
        Qt::FramelessWindowHint);
    const int height = (new TitleBar(window))->sizeHint().height();
    // A window laid out by a layout makes room below the bar through its margins; one of
    // controls placed by hand moves them down and grows by the bar.
    if (window->layout()) {
        window->setContentsMargins(window->contentsMargins() + QMargins(0, height, 0, 0));
        return;
    }
    for (QWidget* control : controls)
        control->move(control->pos() + QPoint(0, height));
    window->setFixedSize(window->width(), window->height() + height);
}

} // namespace lunetra
