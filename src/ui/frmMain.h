#pragma once

#include "ui/WorkingWindow.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lunetra {

class AboutWindow;
class ClickableLabel;
class Services;
class frmDisplay;

// The main window: the user's name and birth date, and the find action.
class frmMain : public WorkingWindow {
    Q_OBJECT
public:
    explicit frmMain(Services& services);
    ~frmMain() override;

    // The two offer labels that share one place in the bottom band.
    ClickableLabel* fullBrandLabel() const { return m_lblFullBrand; }
    ClickableLabel* cobrandLabel() const { return m_lblCobrand; }
    // The result window of the last lookup while it is loaded.
    frmDisplay* resultWindow() const { return m_display.get(); }

public slots:
    void cmdNext_Click();
    void cmdExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createBands();
    void createMenus();
    void createEntryPanel(QWidget* panel);
    void setTabOrder();
    void Form_Load();
    bool txtName_KeyPress(QKeyEvent* event);
    bool Validate();
    void frmDisplay_Unload();

    QLineEdit* m_txtName = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QComboBox* m_cboYear = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdExit = nullptr;
    ClickableLabel* m_label61 = nullptr;
    ClickableLabel* m_lblFullBrand = nullptr;
    ClickableLabel* m_lblCobrand = nullptr;
    std::unique_ptr<AboutWindow> m_about;
    // The result window is this window's alone: made for each lookup, let go when it unloads.
    std::unique_ptr<frmDisplay> m_display;
};

} // namespace lunetra
