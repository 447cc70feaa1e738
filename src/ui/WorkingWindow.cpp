#include "ui/WorkingWindow.h"

#include "config/Product.h"
#include "ui/Look.h"
#include "ui/Services.h"
#include "ui/Text.h"
#include "ui/WindowSetUp.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

namespace lunetra {

WorkingWindow::WorkingWindow(Services& services, const QString& name)
    : m_services(services) {
    setObjectName(name);
    setWindowTitle(FromView(product::WindowTitle));
    look::UseFixedColours(this);
    setFont(look::Font(8.25));
}

QWidget* WorkingWindow::createClient(int widthTwips, int heightTwips) {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(look::TwipsSize(widthTwips, heightTwips));
    look::SetColours(client, look::Background);
    setCentralWidget(client);
    return client;
}

void WorkingWindow::finishLayout(QPushButton* exitButton) {
    m_exitButton = exitButton;
    exitButton->setDefault(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    SetUpFrame(this, WindowKind::Window);
}

void WorkingWindow::keyPressEvent(QKeyEvent* event) {
    // Keys that no control took: Escape, and Enter away from a button, mean Exit.
    const int key = event->key();
    if (m_exitButton && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter))
        m_exitButton->click();
    else
        QMainWindow::keyPressEvent(event);
}

void WorkingWindow::hideEvent(QHideEvent* event) {
    m_place = geometry().topLeft();
    QMainWindow::hideEvent(event);
}

void WorkingWindow::showEvent(QShowEvent* event) {
    // A window manager may hand a withdrawn window back to the screen where its frame stood,
    // and the window would come back higher by its title bar each time it is shown again.
    if (m_place && geometry().topLeft() != *m_place)
        setGeometry(QRect(*m_place, size()));
    QMainWindow::showEvent(event);
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    emit leaving();
    event->accept();
}

} // namespace lunetra
