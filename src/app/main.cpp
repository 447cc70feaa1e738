#include "app/Lifecycle.h"
#include "app/ProductionServices.h"
#include "platform/Process.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <optional>
#include <string>

int main(int argc, char* argv[]) {
    const std::string noDisplay =
        std::string("Lunetra needs a graphical display and found none; to run it without one, "
                    "use: xvfb-run -a ") +
        (argc > 0 && argv[0] != nullptr ? argv[0] : "lunetra");
    if (!lunetra::platform::HasDisplay()) {
        std::fprintf(stderr, "%s\n", noDisplay.c_str());
        return 1;
    }
    // A display that is named but cannot be reached is told in the same one line.
    std::optional<lunetra::platform::DisplayFailureExit> displayCheck(std::in_place, noDisplay);
    QApplication application(argc, argv);
    displayCheck.reset();
    // The colours of the windows hold in this style on every platform.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lunetra/lunetra-32.png")));
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
