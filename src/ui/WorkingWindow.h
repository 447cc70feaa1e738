#pragma once

#include <QMainWindow>

class QPushButton;

namespace lunetra {

class Services;

// What the main and the result window share: a fixed client area under the menu bar, Enter
// and Escape for Exit, and an unload handling that brings up the exit window.
class WorkingWindow : public QMainWindow {
    Q_OBJECT
protected:
    WorkingWindow(Services& services, const QString& name);

    // The client area in the background colour, its size given in twips.
    QWidget* createClient(int widthTwips, int heightTwips);
    // Fixes the window's size around the client area and the menu bar, and centres it.
    void finishLayout(QPushButton* exitButton);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    Services& m_services;

private:
    QPushButton* m_exitButton = nullptr;
};

} // namespace lunetra
