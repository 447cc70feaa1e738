// What it costs to bring up Lunetra's main window, in time and memory, as a ratio to an
// empty Qt window measured in the same process and run.
#include "app/Lifecycle.h"
#include "support/FakeServices.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Cost {
    double milliseconds;
    long kilobytes;
};

template <typename Make> Cost Measure(Make make) {
    const long before = ResidentKilobytes();
    const auto start = std::chrono::steady_clock::now();
    auto window = make();
    QApplication::processEvents();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return {spent.count(), ResidentKilobytes() - before};
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    lunetra::test::FakeServices services;
    // The first window of a process pays for loading fonts and styles: pay it outside.
    Measure([] {
        auto warm = std::make_unique<QWidget>();
        warm->show();
        return warm;
    });
    const Cost empty = Measure([] {
        auto window = std::make_unique<QWidget>();
        window->resize(499, 394);
        window->show();
        return window;
    });
    lunetra::ExitWindowHost exitWindow(services);
    const Cost lunetra = Measure([&] { return lunetra::StartUp(services, exitWindow, true); });
    std::printf("start-up: main window in %.2f ms, empty window %.2f ms; ratio %.1f\n",
                lunetra.milliseconds, empty.milliseconds,
                lunetra.milliseconds / empty.milliseconds);
    std::printf("memory: main window %ld KiB, empty window %ld KiB; ratio %.1f\n",
                lunetra.kilobytes, empty.kilobytes,
                empty.kilobytes > 0 ? double(lunetra.kilobytes) / empty.kilobytes : 0.0);
    return 0;
}
