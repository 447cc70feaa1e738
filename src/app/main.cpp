#include "app/Lifecycle.h"
#include "app/ProductionServices.h"
#include "platform/Process.h"
#include "ui/Look.h"
#include "ui/Style.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int, char* argv[]) {
    if (!lunetra::platform::HasDisplay()) {
        std::fprintf(stderr,
                     "Lunetra needs a graphical display and found none; to run it without one, "
                     "use: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    // Lunetra reads no command line: Qt is shown the program's name alone, so that none of
    // its own options (-style, -reverse, -qwindowtitle, ...) changes the windows.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    // The colours of the windows hold in this style on every platform.
    QApplication::setStyle(new lunetra::Style);
    QApplication::setWindowIcon(QIcon(lunetra::look::AppIcon()));
    // Closing a working window brings up the exit window; only that one ends Lunetra.
    QApplication::setQuitOnLastWindowClosed(false);

    lunetra::ProductionServices services(lunetra::platform::ExecutableBaseName());
    lunetra::ExitWindowHost exitWindow(services);
    const auto mainWindow =
        lunetra::StartUp(services, exitWindow, services.instanceGuard().isFirstInstance());
    if (!mainWindow)
        return 0;
    return QApplication::exec();
}
