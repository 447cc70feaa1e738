#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lunetra {

class ClickableLabel;
class Services;

// The exit window: stays on top, asks the user to support the maker's community site, links
// to the maker's pages and carries the refer-a-friend form. Closing it ends Lunetra.
class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    // endApplication runs when the window is closed or its Exit button is pressed.
    frmNagScreen2(Services& services, std::function<void()> endApplication);
    ~frmNagScreen2() override;

public slots:
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One field of the refer-a-friend form and the text it shows while left empty.
    struct FormField {
        QWidget* widget;
        std::string_view placeholder;
    };

    void createHeading();
    void createSoftwareFrame();
    void createReferFrame();
    void setTabOrder();
    void Form_Load();

    const FormField* fieldFor(const QObject* object) const;
    QString fieldText(const QWidget* field) const;
    void setFieldText(QWidget* field, const QString& text);
    void field_GotFocus(const FormField& field);
    void field_LostFocus(const FormField& field);
    bool email_KeyPress(QLineEdit* field, const QKeyEvent& event);

    Services& m_services;
    std::function<void()> m_endApplication;

    QLabel* m_label2 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QPushButton* m_cmdClose = nullptr;
    ClickableLabel* m_lblGoToHome = nullptr;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtEmail = nullptr;
    QLineEdit* m_txtFriendName = nullptr;
    QLineEdit* m_txtFriendEmail = nullptr;
    QPlainTextEdit* m_txtMessage = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    std::array<FormField, 5> m_fields{};
};

} // namespace lunetra
