#include "ui/frmAbout.h"

#include "config/Product.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/RunIgnoringErrors.h"
#include "ui/SharedParts.h"
#include "ui/Text.h"
#include "ui/WindowSetUp.h"
#include "ui/modHelp.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace lunetra {

namespace {
constexpr int IconSize = 32;

// Layout in twips, as the other windows are laid out.
constexpr int WindowWidth = 6300;
constexpr int Margin = 240;
constexpr int ContentWidth = WindowWidth - 2 * Margin;
constexpr int IconGap = 180;    // between the icon and the title
constexpr int SectionGap = 240; // between the groups of text
constexpr int LinkGap = 90;     // between a text and the link that belongs to it
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

// A deeper shade of the links' orange, readable on the light background.
const QColor LinkColour{192, 80, 0};

// Places a label at (left, top) with the height its text needs when wrapped to the width;
// returns the pixel row below it.
int PlaceWrapped(QLabel* label, int left, int top, int width) {
    label->setWordWrap(true);
    label->setGeometry(left, top, width, label->heightForWidth(width));
    return top + label->height();
}

// A link is only as wide as its text, so that the blank beside it opens nothing; a caption
// longer than the room it has wraps instead.
int PlaceLink(QLabel* link, int left, int top, int room) {
    if (link->width() <= room) {
        link->move(left, top);
        return top + link->height();
    }
    return PlaceWrapped(link, left, top, room);
}
} // namespace

frmAbout::frmAbout(Services& services)
    : QDialog(nullptr)
    , m_services(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(FromView(product::WindowTitle));
    setWindowIcon(look::AppIcon());
    setFont(look::Font(8.25));
    look::SetColours(this, look::Background);
    setWindowModality(Qt::ApplicationModal);
    createControls();
}

void frmAbout::createControls() {
    const int left = look::Twips(Margin);
    const int width = look::Twips(ContentWidth);
    int y = look::Twips(Margin);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(look::AppIcon().pixmap(IconSize));
    picIcon->setGeometry(left, y, IconSize, IconSize);

    QLabel* title =
        controls::AddLabel(this, QStringLiteral("Label2"), FromView(product::WindowTitle),
                           look::Font(9.75, true), look::Purple);
    title->adjustSize();
    title->move(left + IconSize + look::Twips(IconGap), y + (IconSize - title->height()) / 2);
    y += IconSize + look::Twips(SectionGap);

    y = PlaceWrapped(controls::AddLabel(this, QStringLiteral("Label1"), shared::Introduction,
                                        look::Font(8.25), look::Purple),
                     left, y, width);
    y += look::Twips(LinkGap);

    const QFont linkFont = look::Font(8.25, true, true);
    m_lblHomePage = controls::AddLink(this, QStringLiteral("lblHomePage"),
                                      QStringLiteral("Click here to visit ") +
                                          FromView(web::Address(web::Page::MakerHome)),
                                      linkFont, LinkColour);
    y = PlaceLink(m_lblHomePage, left, y, width);
    y += look::Twips(SectionGap);

    y = PlaceWrapped(controls::AddLabel(this, QStringLiteral("Label6"),
                                        QStringLiteral("Home Business Opportunity. Start your own "
                                                       "Internet business and make money online. "
                                                       "Get this software fully branded for your "
                                                       "website."),
                                        look::Font(8.25, true), look::Purple),
                     left, y, width);
    y += look::Twips(LinkGap);

    // Under the offer, flush with the right margin, so it reads as the offer's own link.
    m_label5 =
        controls::AddLink(this, QStringLiteral("Label5"),
                          QStringLiteral("Click here for more details"), linkFont, LinkColour);
    const int half = width / 2;
    y = PlaceLink(m_label5, left + half, y, width - half);
    if (m_label5->width() < width - half)
        m_label5->move(left + width - m_label5->width(), m_label5->y());
    y += look::Twips(SectionGap);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, y, look::Twips(WindowWidth), line->sizeHint().height());
    y += line->height() + look::Twips(Margin) / 2;

    const QRect button(WindowWidth - Margin - ButtonWidth, 0, ButtonWidth, ButtonHeight);
    m_cmdOK = controls::AddButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), button,
                                  look::Font(8.25, true), look::ButtonGrey);
    m_cmdOK->move(m_cmdOK->x(), y);
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_lblHomePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(m_label5, &ClickableLabel::clicked, this, &frmAbout::Label5_Click);

    y += m_cmdOK->height() + look::Twips(Margin) / 2;
    setFixedSize(look::Twips(WindowWidth), y);
    SetUpFrame(this, WindowKind::Dialog);
}

void frmAbout::showModal() {
    // Every showing starts as designed: the focus on OK.
    m_cmdOK->setFocus();
    exec();
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    RunIgnoringErrors([&] { modHelp::OpenWebPage(m_services, web::Page::MakerHome); });
}

void frmAbout::Label5_Click() {
    modHelp::OpenWebPage(m_services, web::Page::FullBranding);
}

AboutWindow::AboutWindow(Services& services)
    : m_services(services) {}

AboutWindow::~AboutWindow() = default;

void AboutWindow::show() {
    if (!m_window)
        m_window = std::make_unique<frmAbout>(m_services);
    m_window->showModal();
}

} // namespace lunetra
