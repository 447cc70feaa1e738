#include "ui/frmMain.h"

#include "core/EntryRules.h"
#include "sign/SignReadings.h"
#include "sign/modPlanetSign.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Menus.h"
#include "ui/RunIgnoringErrors.h"
#include "ui/Services.h"
#include "ui/SharedParts.h"
#include "ui/Text.h"
#include "ui/TypedCharacter.h"
#include "ui/frmAbout.h"
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
    : WorkingWindow(services, QStringLiteral("frmMain"))
    , m_about(std::make_unique<AboutWindow>(services)) {
    createBands();
    createMenus();
    setTabOrder();
    Form_Load();
    m_txtName->setFocus();
    finishLayout(m_cmdExit);
}

frmMain::~frmMain() = default;

void frmMain::createBands() {
    QWidget* client = createClient(ClientWidth, ClientHeight);

    QFrame* top =
        controls::AddPanel(client, QStringLiteral("Frame2"), {0, 0, ClientWidth, 855}, look::Band);
    m_label61 = shared::AddBanner(top);

    QFrame* middle = controls::AddPanel(client, QStringLiteral("Frame1"),
                                        {0, 840, ClientWidth, 4215}, look::Background);
    auto* intro = controls::AddLabel(middle, QStringLiteral("Label3"), shared::Introduction,
                                     {60, 120, 7335, 1095}, look::Font(8.25, true), look::Purple);
    intro->setAlignment(Qt::AlignCenter);
    QFrame* entry = controls::AddPanel(middle, QStringLiteral("Picture1"), {735, 1320, 6015, 1575},
                                       look::Background);
    createEntryPanel(entry);
    m_cmdNext = controls::AddButton(middle, QStringLiteral("cmdNext"),
                                    QStringLiteral("Find My &Ixion Astrology Sign"),
                                    {735, 3180, 6015, 615}, look::Font(9, true), look::ButtonGrey);
    connect(m_cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);

    QFrame* bottom = controls::AddPanel(client, QStringLiteral("Frame5"),
                                        {0, 5040, ClientWidth, 855}, look::Band);
    m_cmdExit =
        controls::AddButton(bottom, QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
                            {6105, 195, 1260, 465}, look::Font(8.25, true), look::ButtonGrey);
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
        *this, m_services, *m_about, design, [this] { cmdNext_Click(); },
        [this] { cmdExit_Click(); });
    ConnectLinkLabels(m_services, m_label61, m_lblCobrand, m_lblFullBrand);
}

void frmMain::createEntryPanel(QWidget* panel) {
    const QFont boldUnderlined = look::Font(8.25, true, true);
    const QFont underlined = look::Font(8.25, false, true);
    auto* nameLabel = controls::AddLabel(panel, QStringLiteral("Label1"), QStringLiteral("Name"),
                                         {240, 330, 0, 0}, boldUnderlined, Qt::black);
    auto* dateLabel = controls::AddLabel(panel, QStringLiteral("Label5"), QStringLiteral("Date"),
                                         {1920, 720, 0, 0}, underlined, Qt::black);
    auto* monthLabel = controls::AddLabel(panel, QStringLiteral("Label7"), QStringLiteral("Month"),
                                          {3240, 720, 0, 0}, underlined, Qt::black);
    auto* yearLabel = controls::AddLabel(panel, QStringLiteral("Label6"), QStringLiteral("Year"),
                                         {4680, 720, 0, 0}, underlined, Qt::black);
    auto* birthLabel =
        controls::AddLabel(panel, QStringLiteral("Label2"), QStringLiteral("Date Of Birth"),
                           {240, 1020, 0, 0}, boldUnderlined, Qt::black);

    const QFont entryFont = look::Font(8.25, true);
    m_txtName = controls::AddTextBox(panel, QStringLiteral("txtName"), QString(),
                                     {1680, 240, 3735, 0}, tr("Name"));
    m_txtName->setFont(entryFont);
    m_txtName->resize(m_txtName->width(), m_txtName->sizeHint().height());
    look::SetColours(m_txtName, look::Background, look::Purple);
    controls::TypedKeysOnly(m_txtName);
    m_txtName->installEventFilter(this);
    nameLabel->setBuddy(m_txtName);

    auto addList = [&](const QString& name, int left, int width, const QString& accessibleName) {
        QComboBox* list = controls::AddList(panel, name, accessibleName);
        list->setFont(entryFont);
        list->setGeometry(look::Twips(left), look::Twips(960), look::Twips(width),
                          list->sizeHint().height());
        look::SetColours(list, look::Background, look::Purple);
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
    // The reader gives only the first of the day list's two labels; the other, the row's, comes
    // after its value.
    m_cboDate->setAccessibleDescription(birthLabel->text());
}

void frmMain::setTabOrder() {
    controls::SetTabOrder({m_txtName, m_cboDate, m_cboMonth, m_cboYear, m_cmdNext, m_cmdExit});
}

void frmMain::Form_Load() {
    for (int day = 1; day <= 31; ++day)
        m_cboDate->addItem(QString::number(day));
    for (std::string_view month : modPlanetSign::MonthNames)
        m_cboMonth->addItem(FromView(month));
    for (int year = modPlanetSign::FirstYear; year <= modPlanetSign::LastYear; ++year)
        m_cboYear->addItem(QString::number(year));
    m_cboDate->setCurrentIndex(0);
    m_cboMonth->setCurrentIndex(0);
    m_cboYear->setCurrentIndex(0);
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
    RunIgnoringErrors([&] { valid = Validate(); });
    if (!valid)
        return;
    RunIgnoringErrors([&] {
        modPlanetSign::FindIxionSign(m_cboYear->currentText().toStdString(),
                                     m_cboMonth->currentText().toStdString(),
                                     m_cboDate->currentText().toStdString());
    });
    if (!m_display) {
        m_display = std::make_unique<frmDisplay>(m_services, *this, *m_about);
        connect(m_display.get(), &WorkingWindow::leaving, this, &frmMain::frmDisplay_Unload);
        connect(m_display.get(), &WorkingWindow::resuming, this, &WorkingWindow::resuming);
    }
    const std::string& sign = modPlanetSign::ComputedSign();
    if (const auto reading = FindReading(sign))
        m_display->setReading(FromView(*reading));
    m_display->setSign(QString::fromStdString(sign));
    hide();
    emit resuming();
    m_display->show();
}

void frmMain::frmDisplay_Unload() {
    // The result window is closing from inside its own handler: it goes once that is done,
    // and a lookup made before then gets a window of its own. Hidden, it is sent no close again.
    m_display.release()->deleteLater();
    emit leaving();
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
        RunIgnoringErrors([&] {
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
