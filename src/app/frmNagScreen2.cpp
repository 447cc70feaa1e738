#include "app/frmNagScreen2.h"

#include "config/Product.h"
#include "config/Sites.h"
#include "core/RandomChoices.h"
#include "outreach/modTellAFriend.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/Services.h"
#include "ui/Text.h"
#include "ui/TypedCharacter.h"
#include "ui/WindowSetUp.h"
#include "ui/modHelp.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <variant>

namespace lunetra {

namespace {

constexpr int ClientWidth = 11115;
constexpr int ClientHeight = 4725;

const QColor Navy{0, 0, 128};
const QColor CheckBlue{0, 0, 192};
const QColor Yellow{255, 255, 0};

const QString PictureResources[] = {QStringLiteral(":/lunetra/nag-picture.svg"),
                                    QStringLiteral(":/lunetra/nag-picture.png")};
constexpr int PictureTwips = 720;

constexpr int SpaceCode = 32;

// The support appeals; the load handling shows one of them, drawn at random.
constexpr std::array<std::string_view, 4> Appeals = {
    "Qorvane Softwares, such as this can be created and maintained only with your support. The "
    "best way to support Qorvane is to visit Qorvane regularly and take part in the discussions "
    "and other activities on the board.",
    "Visit Qorvane regularly. Support Qorvane by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Qorvane",
    "Qorvane is a FREE online discussion forum for all things mystic. To help Qorvane develop and "
    "maintain this software visit Qorvane regularly.",
    "Qorvane needs your help. All you need to do is visit Qorvane regularly and take part in the "
    "various discussions and activites to help us maintain and develop more Qorvane Softwares.",
};

const QString SoftwareInvitation = QStringLiteral(
    "Liked Lunetra? Qorvane makes many more free programs like it: readings of the planets and "
    "the minor planets, love and compatibility tests, numerology, tarot and more.\n\n"
    "Each one is small, quick to install and free to use. Download them from Qorvane Softwares "
    "and find out what else the sky has to say about you and the people you care for.");

// A navy frame with its caption in white. Only the window colour is set, so the text boxes
// inside keep their own white base and black text.
QFrame* AddFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(look::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Navy);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    frame->setAccessibleName(caption);
    controls::AddLabel(frame, name + QStringLiteral("Caption"), caption, {120, 30, 0, 0},
                       look::Font(8.25, true), Qt::white);
    return frame;
}

// A check box that answers a click anywhere in its rectangle, as its pointer promises, not
// only on its box and caption.
class WholeAreaCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

bool IsWithinWindowFocusMove(const QFocusEvent& event) {
    // A context menu takes the focus only for a moment, and another window (a message box)
    // takes the activation: neither is the user moving between the form's fields.
    const Qt::FocusReason reason = event.reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

frmNagScreen2::frmNagScreen2(Services& services, std::function<void()> endApplication)
    : m_services(services)
    , m_endApplication(std::move(endApplication)) {
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(FromView(product::WindowTitle));
    setWindowModality(Qt::NonModal);
    setFixedSize(look::TwipsSize(ClientWidth, ClientHeight));
    setFont(look::Font(8.25));
    look::UseFixedColours(this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    createHeading();
    createReferFrame();
    createSoftwareFrame();
    setTabOrder();
    // The placeholders stay in view until the user goes into the form.
    m_cmdClose->setFocus();
    Form_Load();
}

frmNagScreen2::~frmNagScreen2() {
    // The fields lose the focus while they are torn down; nothing is left to restore then.
    for (const FormField& field : m_fields)
        field.widget->removeEventFilter(this);
}

void frmNagScreen2::createHeading() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(look::TwipsRect(240, 90, PictureTwips, PictureTwips));
    picture->setAlignment(Qt::AlignCenter);
    // The drawing where SVG can be read, else a picture rendered from it, else nothing.
    for (const QString& resource : PictureResources) {
        QImageReader reader(resource);
        if (!reader.canRead())
            continue;
        const qreal ratio = devicePixelRatioF();
        reader.setScaledSize(picture->size() * ratio);
        QPixmap pixmap = QPixmap::fromImage(reader.read());
        pixmap.setDevicePixelRatio(ratio);
        picture->setPixmap(pixmap);
        break;
    }

    controls::AddLabel(this, QStringLiteral("Label1"), FromView(product::WindowTitle),
                       {1080, 240, 3705, 435}, look::Font(16, true), Navy);
    m_label2 = controls::AddLabel(this, QStringLiteral("Label2"), QString(), {120, 840, 6975, 1095},
                                  look::Font(9, true), Qt::black);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_check1 = new WholeAreaCheckBox(
        QStringLiteral("Click Here To Visit %1 Now").arg(FromView(sites::MakerHost)), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setGeometry(look::TwipsRect(30, 2040, 7185, 555));
    m_check1->setFont(look::Font(10, true));
    m_check1->setCursor(Qt::PointingHandCursor);
    look::SetTextColour(m_check1, CheckBlue);
    connect(m_check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);

    m_cmdClose = controls::AddButton(this, QStringLiteral("cmdClose"), QStringLiteral("E&xit"),
                                     {6000, 2760, 1245, 375}, look::Font(8.25, true));
    connect(m_cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
}

void frmNagScreen2::createSoftwareFrame() {
    QFrame* frame = AddFrame(this, QStringLiteral("Frame6"),
                             QStringLiteral("Download Qorvane Softwares"), {7320, 120, 3735, 4575});
    auto* label3 = controls::AddLabel(frame, QStringLiteral("Label3"), SoftwareInvitation,
                                      {120, 360, 3495, 3855}, look::Font(9), Qt::white);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_lblGoToHome = controls::AddLink(frame, QStringLiteral("lblGoToHome"),
                                      QStringLiteral("Click Here To Visit Qorvane Softwares"),
                                      look::Font(8.25, false, true), Yellow);
    m_lblGoToHome->setGeometry(look::TwipsRect(75, 4250, 3585, 210));
    m_lblGoToHome->setAlignment(Qt::AlignCenter);
    connect(m_lblGoToHome, &ClickableLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::createReferFrame() {
    using namespace modTellAFriend;
    QFrame* frame = AddFrame(this, QStringLiteral("Frame2"), QStringLiteral("Refer A Friend"),
                             {120, 3240, 7065, 1455});
    m_txtName = controls::AddTextBox(frame, QStringLiteral("txtName"), FromView(NamePlaceholder),
                                     {120, 300, 3345, 315}, tr("Your name"));
    m_txtEmail = controls::AddTextBox(frame, QStringLiteral("txtEmail"), FromView(EmailPlaceholder),
                                      {3600, 300, 3345, 315}, tr("Your e-mail address"));
    m_txtFriendName = controls::AddTextBox(frame, QStringLiteral("txtFriendName"),
                                           FromView(FriendNamePlaceholder), {120, 660, 3345, 315},
                                           tr("Your friend's name"));
    m_txtFriendEmail = controls::AddTextBox(
        frame, QStringLiteral("txtFriendEmail"), FromView(FriendEmailPlaceholder),
        {3600, 660, 3345, 315}, tr("Your friend's e-mail address"));
    // Every character typed into an address must reach the space check, composed ones too.
    controls::TypedKeysOnly(m_txtEmail);
    controls::TypedKeysOnly(m_txtFriendEmail);

    // Lies beyond the frame's edge, out of view, yet stays in the keyboard order.
    m_txtMessage = new QPlainTextEdit(frame);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setGeometry(look::TwipsRect(4800, 3600, 1935, 855));
    m_txtMessage->setPlainText(FromView(InitialMessage));
    m_txtMessage->setTabChangesFocus(true);
    m_txtMessage->setAccessibleName(tr("Message to your friend"));

    m_cmdSubmit = controls::AddButton(frame, QStringLiteral("cmdSubmit"),
                                      QStringLiteral("Refer A Friend &Now"),
                                      {2280, 1020, 2505, 375}, look::Font(8.25, true));
    connect(m_cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);

    m_fields = {{{m_txtName, NamePlaceholder},
                 {m_txtEmail, EmailPlaceholder},
                 {m_txtFriendName, FriendNamePlaceholder},
                 {m_txtFriendEmail, FriendEmailPlaceholder},
                 {m_txtMessage, MessagePlaceholder}}};
    for (const FormField& field : m_fields)
        field.widget->installEventFilter(this);
}

void frmNagScreen2::setTabOrder() {
    controls::SetTabOrder(
        {m_txtName, m_txtEmail, m_txtFriendName, m_txtFriendEmail, m_txtMessage, m_cmdSubmit});
}

void frmNagScreen2::Form_Load() {
    m_services.seedRandom();
    const int appeal = choices::AppealIndex(m_services.nextRandom());
    m_label2->setText(FromView(Appeals.at(std::size_t(appeal))));
    // Read out with the window when it opens, as a sighted user reads it first.
    setAccessibleDescription(m_label2->text());
    // Kept above all other windows for its whole life, with the rest of its frame and place.
    SetUpFrame(this, WindowKind::Window, Stacking::AboveWithoutActivating);
}

void frmNagScreen2::Check1_Click() {
    // Clearing the box is not a click of its own, so each tick opens the page once.
    if (!m_check1->isChecked())
        return;
    m_check1->setChecked(false);
    modHelp::OpenWebPage(m_services, web::Page::MakerHome);
}

void frmNagScreen2::lblGoToHome_Click() {
    modHelp::OpenWebPage(m_services, web::Page::MakerSoftware);
}

void frmNagScreen2::cmdClose_Click() {
    if (m_endApplication)
        m_endApplication();
}

void frmNagScreen2::cmdSubmit_Click() {
    const modTellAFriend::Request typed{
        fieldText(m_txtName).toStdString(), fieldText(m_txtEmail).toStdString(),
        fieldText(m_txtMessage).toStdString(), fieldText(m_txtFriendName).toStdString(),
        fieldText(m_txtFriendEmail).toStdString()};
    const modTellAFriend::SendOutcome outcome = modTellAFriend::Send(typed);
    if (const auto* refused = std::get_if<modTellAFriend::Refused>(&outcome)) {
        m_services.showMessage(QString::fromStdString(refused->message), MessageIcon::Critical);
        return;
    }
    modHelp::OpenWebPage(m_services, std::get<modTellAFriend::Accepted>(outcome).address);
}

const frmNagScreen2::FormField* frmNagScreen2::fieldFor(const QObject* object) const {
    const auto found = std::find_if(m_fields.begin(), m_fields.end(),
                                    [&](const FormField& field) { return field.widget == object; });
    return found == m_fields.end() ? nullptr : &*found;
}

QString frmNagScreen2::fieldText(const QWidget* field) const {
    if (field == m_txtMessage) {
        // A multi-line box keeps its line breaks as carriage return and line feed.
        return m_txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    }
    return static_cast<const QLineEdit*>(field)->text();
}

void frmNagScreen2::setFieldText(QWidget* field, const QString& text) {
    if (field == m_txtMessage)
        m_txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit*>(field)->setText(text);
}

void frmNagScreen2::field_GotFocus(const FormField& field) {
    if (!modTellAFriend::ClearsOnFocus(fieldText(field.widget).toStdString(), field.placeholder))
        return;
    // Qt tells a screen reader of the focus only after this. Told of the emptied text first, the
    // reader takes that for the focus and never says the field; it reads the text with the focus.
    const QAccessible::UpdateHandler tell =
        QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
    setFieldText(field.widget, QString());
    QAccessible::installUpdateHandler(tell);
}

void frmNagScreen2::field_LostFocus(const FormField& field) {
    if (modTellAFriend::ShowsPlaceholderAgain(fieldText(field.widget).toStdString()))
        setFieldText(field.widget, FromView(field.placeholder));
}

bool frmNagScreen2::email_KeyPress(QLineEdit* field, const QKeyEvent& event) {
    if (TypedCharacter(event) != SpaceCode)
        return false;
    m_services.showMessage(QStringLiteral("Email Address Cannot Contain Space"),
                           MessageIcon::Critical);
    // The message box took the focus; the user goes on typing where they were.
    field->setFocus();
    return true;
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event) {
    const FormField* field = fieldFor(watched);
    if (field == nullptr)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (!IsWithinWindowFocusMove(*static_cast<QFocusEvent*>(event)))
            break;
        if (event->type() == QEvent::FocusIn)
            field_GotFocus(*field);
        else
            field_LostFocus(*field);
        break;
    case QEvent::KeyPress:
        if (field->widget == m_txtEmail || field->widget == m_txtFriendEmail)
            return email_KeyPress(static_cast<QLineEdit*>(field->widget),
                                  *static_cast<QKeyEvent*>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::closeEvent(QCloseEvent* event) {
    if (m_endApplication)
        m_endApplication();
    event->accept();
}

} // namespace lunetra
