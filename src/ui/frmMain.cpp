#include "ui/frmMain.h"

#include "sign/SignReadings.h"
#include "sign/modPlanetSign.h"
#include "ui/ClickableLabel.h"
#include "ui/EntryRules.h"
#include "ui/Look.h"
#include "ui/Menus.h"
#include "ui/RunStep.h"
#include "ui/Services.h"
#include "ui/SharedParts.h"
#include "ui/Text.h"
#include "ui/TypedCharacter.h"
#include "ui/frmDisplay.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace lunetra {

namespace {
constexpr int ClientWidth = 7485;
constexpr int ClientHeight = 5910;
} // namespace

frmMain::frmMain(Services& services)
    : WorkingWindow(services, QStringLiteral("frmMain")) {
    createBands();
    createMenus();
    setTabOrder();
    Form_Load();
    m_txtName->setFocus();
    finishLayout(m_cmdExit);
}

frmMain::~frmMain() {
    delete m_display;
}

frmDisplay* frmMain::resultWindow() const {
    return m_display;
}

void frmMain::createBands() {
    QWidget* client = createClient(ClientWidth, ClientHeight);

    QFrame* top =
        shared::AddPanel(client, QStringLiteral("Frame2"), {0, 0, ClientWidth, 855}, look::Band);
    m_label61 = shared::AddBanner(top);

    QFrame* middle = shared::AddPanel(client, QStringLiteral("Frame1"), {0, 840, ClientWidth, 4215},
                                      look::Background);
    auto* intro = shared::AddLabel(middle, QStringLiteral("Label3"), shared::Introduction,
                                   {60, 120, 7335, 1095}, look::Font(8.25, true), look::Purple);
    intro->setAlignment(Qt::AlignCenter);
    QFrame* entry = shared::AddPanel(middle, QStringLiteral("Picture1"), {735, 1320, 6015, 1575},
                                     look::Background);
    createEntryPanel(entry);
    m_cmdNext = shared::AddButton(middle, QStringLiteral("cmdNext"),
                                  QStringLiteral("Find My &Ixion Astrology Sign"),
                                  {735, 3180, 6015, 615}, look::Font(9, true));
    connect(m_cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);

    QFrame* bottom =
        shared::AddPanel(client, QStringLiteral("Frame5"), {0, 5040, ClientWidth, 855}, look::Band);
    m_cmdExit = shared::AddButton(bottom, QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
                                  {6105, 195, 1260, 465}, look::Font(8.25, true));
    connect(m_cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    const auto offers = shared::AddOfferLabels(bottom, {120, 120, 5865, 615});
    m_lblFullBrand = offers.fullBrand;
    m_lblCobrand = offers.cobrand;
}

void frmMain::createMenus() {
    const MenuDesign design{QStringLiteral("mnuFindPowerSign"),
                            QStringLiteral("Find My &Ixion Astrology Sign"),
                            QStringLiteral("Check for Software &Update"),
                            QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2")};
    CreateMenus(
        *this, m_services, design, [this] { cmdNext_Click(); }, [this] { cmdExit_Click(); });
    ConnectLinkLabels(m_services, m_label61, m_lblCobrand, m_lblFullBrand);
}

void frmMain::createEntryPanel(QWidget* panel) {
    const QFont boldUnderlined = look::Font(8.25, true, true);
    const QFont underlined = look::Font(8.25, false, true);
    auto* nameLabel = shared::AddLabel(panel, QStringLiteral("Label1"), QStringLiteral("Name"),
                                       {240, 330, 0, 0}, boldUnderlined, Qt::black);
    auto* dateLabel = shared::AddLabel(panel, QStringLiteral("Label5"), QStringLiteral("Date"),
                                       {1920, 720, 0, 0}, underlined, Qt::black);
    auto* monthLabel = shared::AddLabel(panel, QStringLiteral("Label7"), QStringLiteral("Month"),
                                        {3240, 720, 0, 0}, underlined, Qt::black);
    auto* yearLabel = shared::AddLabel(panel, QStringLiteral("Label6"), QStringLiteral("Year"),
                                       {4680, 720, 0, 0}, underlined, Qt::black);
    auto* birthLabel =
        shared::AddLabel(panel, QStringLiteral("Label2"), QStringLiteral("Date Of Birth"),
                         {240, 1020, 0, 0}, boldUnderlined, Qt::black);

    const QFont entryFont = look::Font(8.25, true);
    m_txtName = new QLineEdit(panel);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setFont(entryFont);
    m_txtName->setGeometry(look::Twips(1680), look::Twips(240), look::Twips(3735),
                           m_txtName->sizeHint().height());
    look::Paint(m_txtName, look::Background, look::Purple);
    m_txtName->setAccessibleName(tr("Name"));
    // Every typed character must reach the key filter, composed ones included.
    m_txtName->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_txtName->installEventFilter(this);
    nameLabel->setBuddy(m_txtName);

    auto addList = [&](const QString& name, int left, int width, const QString& accessibleName) {
        auto* list = new QComboBox(panel);
        list->setObjectName(name);
        list->setEditable(false);
        list->setFont(entryFont);
        list->setGeometry(look::Twips(left), look::Twips(960), look::Twips(width),
                          list->sizeHint().height());
        look::Paint(list, look::Background, look::Purple);
        list->setAccessibleName(accessibleName);
        return list;
    };
    m_cboDate = addList(QStringLiteral("cboDate"), 1680, 900, tr("Day of birth"));
    m_cboMonth = addList(QStringLiteral("cboMonth"), 2760, 1500, tr("Month of birth"));
    m_cboYear = addList(QStringLiteral("cboYear"), 4440, 1020, tr("Year of birth"));
    // On Linux a screen reader names a list by its value and says the labels whose buddy it is.
    birthLabel->setBuddy(m_cboDate);
    dateLabel->setBuddy(m_cboDate);
    monthLabel->setBuddy(m_cboMonth);
    yearLabel->setBuddy(m_cboYear);
}

void frmMain::setTabOrder() {
    QWidget* order[] = {m_txtName, m_cboDate, m_cboMonth, m_cboYear, m_cmdNext, m_cmdExit};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::Form_Load() {
    RunStep([&] {
        for (int day = 1; day <= 31; ++day)
            m_cboDate->addItem(QString::number(day));
    });
    RunStep([&] {
        for (std::string_view month : modPlanetSign::MonthNames)
            m_cboMonth->addItem(FromView(month));
    });
    RunStep([&] {
        for (int year = modPlanetSign::FirstYear; year <= modPlanetSign::LastYear; ++year)
            m_cboYear->addItem(QString::number(year));
    });
    RunStep([&] {
        m_cboDate->setCurrentIndex(0);
        m_cboMonth->setCurrentIndex(0);
        m_cboYear->setCurrentIndex(0);
    });
}

bool frmMain::Validate() {
    const bool nameEmpty = m_txtName->text().isEmpty();
    bool yearIsNumber = false;
    const int year = m_cboYear->currentText().toInt(&yearIsNumber);
    if (!nameEmpty && !yearIsNumber)
        throw std::runtime_error("the year is not a number");
    const auto check =
        entry::CheckEntry(nameEmpty, m_cboDate->currentIndex(), m_cboMonth->currentIndex(), year);
    if (check == entry::EntryCheck::Accepted)
        return true;
    m_services.showMessage(FromView(entry::MessageFor(check)), MessageIcon::Information);
    if (check == entry::EntryCheck::NoName)
        m_txtName->setFocus();
    return false;
}

void frmMain::cmdNext_Click() {
    bool valid = true;
    RunStep([&] { valid = Validate(); });
    if (!valid)
        return;
    RunStep([&] {
        modPlanetSign::FindIxionSign(m_cboYear->currentText().toStdString(),
                                     m_cboMonth->currentText().toStdString(),
                                     m_cboDate->currentText().toStdString());
    });
    const QString sign = QString::fromStdString(modPlanetSign::ComputedSign());
    RunStep([&] {
        if (!m_display)
            m_display = new frmDisplay(m_services, *this);
        if (const auto reading = FindReading(modPlanetSign::ComputedSign()))
            m_display->setReading(FromView(*reading));
    });
    RunStep([&] { m_display->setSign(sign); });
    RunStep([&] { hide(); });
    RunStep([&] { m_services.hideExitWindow(); });
    RunStep([&] { m_display->show(); });
}

void frmMain::cmdExit_Click() {
    close();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtName && event->type() == QEvent::KeyPress)
        return txtName_KeyPress(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::txtName_KeyPress(QKeyEvent* event) {
    const auto typed = TypedCharacter(*event);
    if (!typed)
        return IsAccessKeyChord(*event);
    const auto accepted = entry::FilterNameKey(*typed);
    if (!accepted) {
        RunStep([&] {
            m_services.showMessage(FromView(entry::OnlyLettersMessage), MessageIcon::Information);
        });
        return true;
    }
    if (*accepted == *typed && !(*typed >= 'A' && *typed <= 'Z'))
        return false; // backspace, Enter and space do their usual work
    m_txtName->insert(QString(QChar(*accepted)));
    return true;
}

} // namespace lunetra
