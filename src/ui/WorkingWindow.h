#pragma once

#include <QMainWindow>

#include <optional>

class QPushButton;

namespace lunetra {

class Services;

// What the main and the result window share: a fixed client area under the menu bar, Exit as
// the default and cancel button, and an unload handling that asks for the exit window.
class WorkingWindow : public QMainWindow {
    Q_OBJECT
signals:
    // The window was closed: the exit window comes up (Back hides it again at once).
    void leaving();
    // A working window takes over the screen again: no exit window is wanted.
    void resuming();

protected:
    WorkingWindow(Services& services, const QString& name);

    // The client area in the background colour, its size given in twips.
    QWidget* createClient(int widthTwips, int heightTwips);
    // Makes Exit the default button, fixes the window's size around the client area and the
    // menu bar, and centres the window on its screen.
    void finishLayout(QPushButton* exitButton);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

    Services& m_services;

private:
    QPushButton* m_exitButton = nullptr;
    // Where the window stood when it was last hidden.
    std::optional<QPoint> m_place;
};

} // namespace lunetra
