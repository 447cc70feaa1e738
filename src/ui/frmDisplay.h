#pragma once

#include "ui/WorkingWindow.h"

class QLabel;
class QPushButton;

namespace lunetra {

class AboutWindow;
class ClickableLabel;
class Services;

// The result window: the Ixion sign of the last lookup and its reading. The main window makes
// it afresh for every lookup and lets it go when it closes.
class frmDisplay : public WorkingWindow {
    Q_OBJECT
public:
    frmDisplay(Services& services, QWidget& mainWindow, AboutWindow& about);

    // The reading goes first: the sign then tells a screen reader both.
    void setReading(const QString& reading);
    void setSign(const QString& sign);

public slots:
    void cmdBack_Click();
    void cmdExit_Click();

private:
    void createBands();
    void createMenus();

    QWidget& m_mainWindow;
    AboutWindow& m_about;
    QLabel* m_lblIxionSign = nullptr;
    QLabel* m_lblSignDesc = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QPushButton* m_cmdBack = nullptr;
    ClickableLabel* m_label61 = nullptr;
    ClickableLabel* m_lblFullBrand = nullptr;
    ClickableLabel* m_lblCobrand = nullptr;
};

} // namespace lunetra
