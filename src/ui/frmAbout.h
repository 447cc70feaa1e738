#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace lunetra {

class ClickableLabel;
class Services;

// The About window: the product, its version, what it does, and two of the maker's pages.
// Its texts are fixed; nothing is remembered from one showing to the next.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Services& services);

    // Shows the window modally to the whole program, from its design state; returns once it
    // has been closed.
    void showModal();

public slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void Label5_Click();

private:
    void createControls();

    Services& m_services;
    ClickableLabel* m_lblHomePage = nullptr;
    ClickableLabel* m_label5 = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

// The program's one About window, made on first use and kept for the next showing.
class AboutWindow {
public:
    explicit AboutWindow(Services& services);
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    void show();
    // The window once it exists.
    frmAbout* window() const { return m_window.get(); }

private:
    Services& m_services;
    std::unique_ptr<frmAbout> m_window;
};

} // namespace lunetra
