#pragma once

#include <QDialog>

class QPushButton;

namespace lunetra {

class ClickableLabel;
class Services;

// The About window: the product, its version, what it does, and two of the maker's pages.
// Its texts are fixed; nothing is remembered from one showing to the next.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Services& services, QWidget* parent = nullptr);

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

// Shows a fresh About window over the caller's window, modal to the whole program, and
// returns once it has been closed.
void ShowAbout(Services& services, QWidget* caller);

} // namespace lunetra
