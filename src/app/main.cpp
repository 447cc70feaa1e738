#include "app/ProductionServices.h"
#include "platform/Process.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!lunetra::platform::HasDisplay()) {
        std::fprintf(stderr,
                     "Lunetra needs a graphical display and found none; to run it without one, "
                     "use: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    // Closing a working window leaves the program running; only leaving ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    lunetra::ProductionServices services(lunetra::platform::ExecutableBaseName());
    bool leaving = false;
    services.setExitWindow(
        [&] {
            leaving = true;
            QTimer::singleShot(0, [&] {
                if (leaving)
                    services.endProcess();
            });
        },
        [&] { leaving = false; });

    lunetra::frmMain mainWindow(services);
    mainWindow.show();
    return QApplication::exec();
}
