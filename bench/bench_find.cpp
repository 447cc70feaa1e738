// The find action as a person meets it: from cmdNext_Click to the result window painted, then
// Back, many times in one process on a real display. Prints the median and the 95th percentile.
#include "support/FakeServices.h"
#include "ui/ScreenReader.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when a result window has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            qobject_cast<lunetra::frmDisplay*>(static_cast<QWidget*>(watched)->window()))
            painted = true;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    lunetra::DescribeWidgetsToScreenReaders();
    lunetra::test::FakeServices services;
    lunetra::frmMain window(services);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANN"));
    PaintWatch watch;
    application.installEventFilter(&watch);

    constexpr int Lookups = 200;
    std::vector<double> milliseconds, handler;
    for (int lookup = -5; lookup < Lookups; ++lookup) { // the first few warm up
        QCoreApplication::processEvents();
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        window.cmdNext_Click();
        const double returned = double(timer.nsecsElapsed()) / 1e6;
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (lookup >= 0) {
            milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
            handler.push_back(returned);
        }
        window.resultWindow()->cmdBack_Click();
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(handler.begin(), handler.end());
    std::printf("Find action, %d lookups, cmdNext_Click to result window painted: median %.2f "
                "ms, 95th percentile %.2f ms; of which the handler itself: median %.2f ms\n",
                Lookups, milliseconds[Lookups / 2], milliseconds[Lookups * 95 / 100],
                handler[Lookups / 2]);
    return 0;
}
