#include "app/Lifecycle.h"

#include "app/frmNagScreen2.h"
#include "core/RandomChoices.h"
#include "ui/ClickableLabel.h"
#include "ui/RunIgnoringErrors.h"
#include "ui/Services.h"
#include "ui/frmMain.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace lunetra {

void EndApplication(Services& services) {
    // Set while the windows are being unloaded, so that the exit window's unload, which
    // calls back in here, ends the process instead of unloading again.
    static bool unloading = false;
    if (!unloading) {
        unloading = true;
        QList<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isWindow())
                windows << widget;
        for (const QPointer<QWidget>& window : windows)
            RunIgnoringErrors([&] {
                if (window)
                    window->close();
            });
        unloading = false;
    }
    services.endProcess();
}

ExitWindowHost::ExitWindowHost(Services& services)
    : m_services(services) {}

ExitWindowHost::~ExitWindowHost() = default;

frmNagScreen2& ExitWindowHost::ensureWindow() {
    if (!m_window)
        m_window =
            std::make_unique<frmNagScreen2>(m_services, [this] { EndApplication(m_services); });
    return *m_window;
}

void ExitWindowHost::show() {
    ensureWindow();
    request(true);
}

void ExitWindowHost::hide() {
    ensureWindow();
    request(false);
}

void ExitWindowHost::request(bool shown) {
    // What the screen shows follows once the current handler is done: Back asks for the
    // window and hides it again within one handler, and a window mapped and unmapped at once
    // is left behind as an empty frame by some window managers, losing its place on top.
    m_shown = shown;
    if (!std::exchange(m_pending, true))
        QTimer::singleShot(0, m_window.get(), [this] { apply(); });
}

void ExitWindowHost::apply() {
    m_pending = false;
    if (m_shown == m_window->isVisible())
        return;
    if (!m_shown) {
        m_window->hide();
        return;
    }
    m_window->show();
    // The user is leaving and this is the window to answer, so it takes the keyboard.
    m_window->activateWindow();
}

std::unique_ptr<frmMain> StartUp(Services& services, ExitWindowHost& exitWindow,
                                 bool firstInstance) {
    if (!firstInstance) {
        RunIgnoringErrors([&] {
            services.showMessage(QStringLiteral("Application is already running"),
                                 MessageIcon::Information);
        });
        EndApplication(services);
        return nullptr;
    }
    RunIgnoringErrors([&] { services.seedRandom(); });
    RunIgnoringErrors([&] { modHelp::PromptForUpdate(services); });
    std::unique_ptr<frmMain> mainWindow;
    RunIgnoringErrors([&] {
        mainWindow = std::make_unique<frmMain>(services);
        QObject::connect(mainWindow.get(), &WorkingWindow::leaving, mainWindow.get(),
                         [&exitWindow] { exitWindow.show(); });
        QObject::connect(mainWindow.get(), &WorkingWindow::resuming, mainWindow.get(),
                         [&exitWindow] { exitWindow.hide(); });
        mainWindow->show();
    });
    RunIgnoringErrors([&] {
        if (mainWindow)
            CoBrand_Randomize(services, *mainWindow);
    });
    return mainWindow;
}

void CoBrand_Randomize(Services& services, frmMain& mainWindow) {
    switch (choices::OfferFor(choices::OfferDraw(services.nextRandom()))) {
    case choices::FrontOffer::FullBrand:
        mainWindow.fullBrandLabel()->raise();
        break;
    case choices::FrontOffer::Cobrand:
        mainWindow.cobrandLabel()->raise();
        break;
    case choices::FrontOffer::AsDesigned:
        break;
    }
}

} // namespace lunetra
