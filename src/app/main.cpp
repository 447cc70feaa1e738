#include "app/AfterFirstPaint.h"
#include "app/Lifecycle.h"
#include "app/ProductionServices.h"
#include "config/Product.h"
#include "platform/Process.h"
#include "ui/Look.h"
#include "ui/ScreenReader.h"
#include "ui/Style.h"
#include "ui/Text.h"
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
    // Lunetra reads no command line: Qt is shown the program's name alone, so that none of
    // its own options (-style, -reverse, -qwindowtitle, ...) changes the windows; only the
    // platform that Lunetra itself prefers is passed on.
    std::string platform = lunetra::platform::PreferredPlatformPlugIn();
    char fallbackName[] = "lunetra";
    char platformOption[] = "-platform";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, platformOption,
                      platform.data(), nullptr};
    int qtArgc = platform.empty() ? 1 : 3;
    qtArgv[qtArgc] = nullptr;
    QApplication application(qtArgc, qtArgv);
    displayCheck.reset();
    // The colours of the windows hold in this style on every platform.
    QApplication::setStyle(new lunetra::Style);
    lunetra::DescribeWidgetsToScreenReaders();
    // On X11 every size of the icon goes to the display with each window, and the largest two,
    // nine tenths of its bytes, would hold up the main window's first paint: they follow it.
    QApplication::setWindowIcon(lunetra::look::AppIcon(64));
    // Lets the desktop match Lunetra's windows to its menu entry and icon.
    QGuiApplication::setDesktopFileName(lunetra::FromView(lunetra::product::AppId));
    // Closing a working window brings up the exit window; only that one ends Lunetra.
    QApplication::setQuitOnLastWindowClosed(false);

    lunetra::ProductionServices services(lunetra::platform::ExecutableBaseName());
    lunetra::ExitWindowHost exitWindow(services);
    const auto mainWindow =
        lunetra::StartUp(services, exitWindow, services.instanceGuard().isFirstInstance());
    if (!mainWindow) { // only a first instance gets here: a second one has ended
        std::fprintf(stderr, "Lunetra could not open its main window.\n");
        return 1;
    }
    lunetra::AfterFirstPaint(*mainWindow,
                             [] { QApplication::setWindowIcon(lunetra::look::AppIcon()); });
    return QApplication::exec();
}
