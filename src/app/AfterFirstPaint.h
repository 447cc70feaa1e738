#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lunetra {

// Runs the step once the window has painted itself the first time, so that work that can
// wait does not hold up what the user sees first.
inline void AfterFirstPaint(QWidget& window, std::function<void()> step) {
    class Watcher : public QObject {
    public:
        Watcher(QObject* parent, std::function<void()> then)
            : QObject(parent)
            , m_then(std::move(then)) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                // Once the paint is done, not inside it.
                QTimer::singleShot(0, parent(), m_then);
                deleteLater();
                parent()->removeEventFilter(this);
            }
            return false;
        }

    private:
        std::function<void()> m_then;
    };
    window.installEventFilter(new Watcher(&window, std::move(step)));
}

} // namespace lunetra
