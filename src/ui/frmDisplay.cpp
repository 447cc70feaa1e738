#include "ui/frmDisplay.h"

#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Menus.h"
#include "ui/Services.h"
#include "ui/SharedParts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace lunetra {

namespace {
constexpr int ClientWidth = 7455;
constexpr int ClientHeight = 5520;
const QString InitialReading = QStringLiteral(
    "This is an idealistic combination and you shall be able to approach issues with a neutral "
    "attitude. You will have a sense of vision accompanied by imagination and innovativeness. "
    "You have a humane nature. But be careful not to make excuses when you are needed.");

// What a screen reader says when the window opens: what it shows, not only its buttons.
void Describe(QWidget& window, const QLabel& sign, const QLabel& reading) {
    window.setAccessibleDescription(sign.accessibleName() + QStringLiteral(". ") + reading.text());
}
} // namespace

frmDisplay::frmDisplay(Services& services, QWidget& mainWindow, AboutWindow& about)
    : WorkingWindow(services, QStringLiteral("frmDisplay"))
    , m_mainWindow(mainWindow)
    , m_about(about) {
    createBands();
    createMenus();
    controls::SetTabOrder({m_cmdExit, m_cmdBack});
    m_cmdExit->setFocus();
    finishLayout(m_cmdExit);
}

void frmDisplay::createBands() {
    QWidget* client = createClient(ClientWidth, ClientHeight);

    QFrame* top =
        controls::AddPanel(client, QStringLiteral("Frame2"), {0, 0, ClientWidth, 855}, look::Band);
    m_label61 = shared::AddBanner(top);

    QFrame* panel = controls::AddPanel(client, QStringLiteral("fraPowerSign"),
                                       {0, 840, ClientWidth, 3255}, look::Background);
    auto* intro = controls::AddLabel(panel, QStringLiteral("Label3"), shared::Introduction,
                                     {60, 360, 7335, 855}, look::Font(8.25, true), look::Purple);
    intro->setAlignment(Qt::AlignCenter);
    m_lblIxionSign = controls::AddLabel(panel, QStringLiteral("lblIxionSign"), QString(),
                                        {3060, 1320, 0, 0}, look::Font(9, true), Qt::black);
    m_lblSignDesc =
        controls::AddLabel(panel, QStringLiteral("lblSignDesc"), InitialReading,
                           {240, 1800, 7095, 1335}, look::Font(8.25, true), look::Purple);
    m_lblSignDesc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QFont buttonFont = look::Font(8.25, true);
    m_cmdExit = controls::AddButton(client, QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
                                    {0, 4160, 1215, 465}, buttonFont, look::ButtonGrey);
    m_cmdBack = controls::AddButton(client, QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                                    {1320, 4160, 6135, 465}, buttonFont, look::ButtonGrey);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);

    QFrame* bottom = controls::AddPanel(client, QStringLiteral("Frame5"),
                                        {0, 4680, ClientWidth, 855}, look::Band);
    const auto offers = shared::AddOfferLabels(bottom, {255, 160, 6945, 615});
    m_lblFullBrand = offers.fullBrand;
    m_lblCobrand = offers.cobrand;
}

void frmDisplay::createMenus() {
    const MenuDesign design{QStringLiteral("mnuFileBack"), QStringLiteral("&Back"),
                            QStringLiteral("&Check for Software Update"),
                            QStringLiteral("mnuFileSep1"), QStringLiteral("mnuFileSep2")};
    CreateMenus(
        *this, m_services, m_about, design, [this] { cmdBack_Click(); },
        [this] { cmdExit_Click(); });
    ConnectLinkLabels(m_services, m_label61, m_lblCobrand, m_lblFullBrand);
}

void frmDisplay::setSign(const QString& sign) {
    m_lblIxionSign->setText(sign);
    m_lblIxionSign->adjustSize();
    m_lblIxionSign->setAccessibleName(tr("Your Ixion sign: %1").arg(sign));
    Describe(*this, *m_lblIxionSign, *m_lblSignDesc);
}

void frmDisplay::setReading(const QString& reading) {
    m_lblSignDesc->setText(reading);
}

void frmDisplay::cmdBack_Click() {
    close();
    m_mainWindow.show();
    emit resuming();
}

void frmDisplay::cmdExit_Click() {
    close();
}

} // namespace lunetra
