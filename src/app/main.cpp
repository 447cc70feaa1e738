#include "app/Lifecycle.h"
#include "app/ProductionServices.h"
#include "config/AppId.h"
#include "platform/Process.h"
#include "ui/Text.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

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
    // The colours of the windows hold in this style on every platform.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lunetra/lunetra-32.png")));
    // Lets the desktop match Lunetra's windows to its menu entry and icon.
    QGuiApplication::setDesktopFileName(lunetra::FromView(lunetra::sites::AppId));
    // Closing a working window brings up the exit window; only that one ends Lunetra.
    QApplication::setQuitOnLastWindowClosed(false);

    lunetra::ProductionServices services(lunetra::platform::ExecutableBaseName());
    lunetra::ExitWindowHost exitWindow(services);
    services.setExitWindow([&] { exitWindow.show(); }, [&] { exitWindow.hide(); });

    const auto mainWindow = lunetra::StartUp(services, services.instanceGuard().isFirstInstance());
    if (!mainWindow)
        return 0;
    return QApplication::exec();
}
