#pragma once

#include <memory>

namespace lunetra {

class Services;
class frmMain;
class frmNagScreen2;

// Unloads every window, letting each run its unload handling, then ends the process. When
// the exit window's own unload runs it again from inside, that inner run ends the process.
void EndApplication(Services& services);

// Creates the exit window on first use, shown or hidden, and keeps it until the end. The
// window appears or goes once the handler that asked is done, as the last request says.
class ExitWindowHost {
public:
    explicit ExitWindowHost(Services& services);
    ~ExitWindowHost();
    ExitWindowHost(const ExitWindowHost&) = delete;
    ExitWindowHost& operator=(const ExitWindowHost&) = delete;

    void show();
    void hide();
    // The window once it exists.
    frmNagScreen2* window() const { return m_window.get(); }

private:
    frmNagScreen2& ensureWindow();
    void request(bool shown);
    void apply();

    Services& m_services;
    std::unique_ptr<frmNagScreen2> m_window;
    bool m_shown = false;
    bool m_pending = false;
};

// Start-up. In a second instance it shows the notice and ends through EndApplication;
// otherwise it seeds the draws, runs the update reminder, shows the main window (whose
// leaving and resuming the exit window follows) and draws which offer label lies in front.
// Each step goes on when the one before failed.
std::unique_ptr<frmMain> StartUp(Services& services, ExitWindowHost& exitWindow,
                                 bool firstInstance);

// Brings one of the main window's two offer labels to the front, by a random draw.
void CoBrand_Randomize(Services& services, frmMain& mainWindow);

} // namespace lunetra
