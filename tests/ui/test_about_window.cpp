#include "support/FakeServices.h"
#include "ui/ClickableLabel.h"
#include "ui/frmAbout.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <stdexcept>

using lunetra::ClickableLabel;
using lunetra::frmAbout;
using lunetra::test::FakeServices;
namespace modHelp = lunetra::modHelp;

namespace {
const QString Caption = QStringLiteral("Lunetra v1.0");
const QString IconResource = QStringLiteral(":/lunetra/lunetra-32.png");

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A browser that cannot be started.
class BrokenBrowserServices : public FakeServices {
public:
    void openWebPage(const std::string&) override {
        throw std::runtime_error("no default browser");
    }
};

// Every named label and button of the window with what it shows, in a fixed order.
QStringList Snapshot(const QWidget& window) {
    QStringList shown{window.windowTitle()};
    for (const char* name :
         {"Label2", "Label1", "lblHomePage", "Label6", "Label5", "cmdOK", "picIcon"}) {
        const QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(name));
        shown << QString::fromLatin1(name) + u'=' +
                     (control ? control->property("text").toString() : QStringLiteral("missing"));
    }
    return shown;
}

// A stand-in for a working window: one button over the whole of it, counting its clicks.
struct CallingWindow {
    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("Find"), &window);
    int clicks = 0;

    CallingWindow() {
        window.resize(300, 200);
        button->setGeometry(window.rect());
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }
    // A click as the windowing system delivers it, subject to modal blocking.
    void clickFromOutside() {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.rect().center());
    }
};
} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> services;
    std::unique_ptr<frmAbout> about;

    template <typename T> T* child(const char* name) {
        T* found = about->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    // Shows a window of its own, as a test of its controls needs.
    void open() {
        about = std::make_unique<frmAbout>(*services);
        about->show();
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about.get()));
    }
    // Opens the window as the About entry does and runs `whileOpen` on it once it is up.
    // A window still open after a while is closed, so that a fault fails instead of hanging.
    bool showAbout(QWidget* caller, const std::function<void(frmAbout&)>& whileOpen) {
        bool stuck = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [&] {
            stuck = true;
            if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                open->reject();
        });
        watchdog.start(10000);
        QTimer::singleShot(0, this, [&] {
            if (auto* open = qobject_cast<frmAbout*>(QApplication::activeModalWidget()))
                whileOpen(*open);
        });
        lunetra::ShowAbout(*services, caller);
        return !stuck;
    }

private slots:
    void init() { services = std::make_unique<FakeServices>(); }
    void cleanup() { about.reset(); }

    void showsItsDesignedTextsAndFonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::newRow("title") << "Label2" << Caption << 9.75 << true << false;
        QTest::newRow("introduction")
            << "Label1"
            << "Lunetra finds your Ixion sign. Ixion gives more insight about one's mental "
               "attitude, strength, plans, aspirations and transformations. This brings purpose "
               "into your life. This shows our capability of doing things."
            << 8.25 << false << false;
        QTest::newRow("home page link")
            << "lblHomePage"
            << "Click here to visit " + FromUtf8(modHelp::MakerHomePage()) << 8.25 << true << true;
        QTest::newRow("offer")
            << "Label6"
            << "Home Business Opportunity. Start your own Internet business and make money "
               "online. Get this software fully branded for your website."
            << 8.25 << true << false;
        QTest::newRow("offer link") << "Label5"
                                    << "Click here for more details" << 8.25 << true << true;
        QTest::newRow("OK button") << "cmdOK"
                                   << "&OK" << 8.25 << true << false;
    }
    void showsItsDesignedTextsAndFonts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        open();
        QCOMPARE(about->windowTitle(), Caption);
        const QWidget* control = child<QWidget>(name.toLatin1().constData());
        QCOMPARE(control->property("text").toString(), text);
        QCOMPARE(control->font().families().value(0), QStringLiteral("Verdana"));
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->font().underline(), underline);
    }

    void isAFixedDialogWithItsControlsInOrder() {
        open();
        QCOMPARE(about->minimumSize(), about->size());
        QCOMPARE(about->maximumSize(), about->size());
        const Qt::WindowFlags flags = about->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        const QRect window = about->rect();
        const QRect icon = child<QLabel>("picIcon")->geometry();
        const QRect title = child<QLabel>("Label2")->geometry();
        QVERIFY(icon.left() < window.width() / 10 && icon.top() < window.height() / 10);
        QVERIFY(title.left() > icon.right());
        QVERIFY(title.top() < icon.bottom() && title.bottom() > icon.top());

        // Top to bottom, none overlapping the next, all inside the window.
        const char* order[] = {"picIcon", "Label1", "lblHomePage", "Label6",
                               "Label5",  "Line2",  "cmdOK"};
        for (std::size_t i = 0; i < std::size(order); ++i) {
            const QRect place = child<QWidget>(order[i])->geometry();
            QVERIFY2(window.contains(place), order[i]);
            if (i > 0)
                QVERIFY2(place.top() > child<QWidget>(order[i - 1])->geometry().bottom(), order[i]);
        }
        for (const char* name : {"Label1", "Label6"}) {
            const auto* text = child<QLabel>(name);
            QVERIFY2(text->width() > window.width() * 8 / 10, name);
            QVERIFY2(text->height() >= text->heightForWidth(text->width()), name); // not clipped
        }
        for (const char* name : {"lblHomePage", "Label5"}) {
            const auto* link = child<QLabel>(name);
            QVERIFY2(link->height() >= link->heightForWidth(link->width()), name);
        }
        QVERIFY(child<QLabel>("Label5")->x() >= window.width() / 2);
        const QRect line = child<QFrame>("Line2")->geometry();
        QCOMPARE(child<QFrame>("Line2")->frameShape(), QFrame::HLine);
        QCOMPARE(line.left(), 0);
        QCOMPARE(line.width(), window.width());
        const QRect ok = child<QPushButton>("cmdOK")->geometry();
        QVERIFY(ok.left() > window.width() / 2);
        QVERIFY(window.right() - ok.right() < window.width() / 10);
    }

    void onlyOkTakesTheFocusAndIsTheDefault() {
        open();
        auto* ok = child<QPushButton>("cmdOK");
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
        for (QWidget* control : about->findChildren<QWidget*>())
            if (control != ok)
                QVERIFY2(control->focusPolicy() == Qt::NoFocus, qPrintable(control->objectName()));
        QTest::keyClick(ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    void pointerIsAHandOnlyOverTheLinks() {
        open();
        QVERIFY(!about->testAttribute(Qt::WA_SetCursor));
        for (QWidget* control : about->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            const bool link = name == u"lblHomePage" || name == u"Label5";
            QCOMPARE(control->testAttribute(Qt::WA_SetCursor), link);
            if (link)
                QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void showsTheProgramIconFromTheResources() {
        QVERIFY(QFile::exists(IconResource));
        QVERIFY(QFile::exists(QStringLiteral(":/lunetra/lunetra.svg")));
        open();
        QVERIFY(!about->windowIcon().isNull());
        QVERIFY(about->windowIcon().availableSizes().contains(QSize(32, 32)));
        const QPixmap picture = child<QLabel>("picIcon")->pixmap();
        QCOMPARE(picture.size(), QSize(32, 32));
        QCOMPARE(picture.toImage(),
                 QImage(IconResource).convertToFormat(picture.toImage().format()));
    }

    void linksOpenTheirPageAtEveryClickAndLeaveTheWindowOpen_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("page");
        QTest::newRow("home page") << "lblHomePage" << FromUtf8(modHelp::MakerHomePage());
        QTest::newRow("more details") << "Label5" << FromUtf8(modHelp::FullBrandingPage());
    }
    void linksOpenTheirPageAtEveryClickAndLeaveTheWindowOpen() {
        QFETCH(QString, link);
        QFETCH(QString, page);
        open();
        auto* label = child<ClickableLabel>(link.toLatin1().constData());
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(services->openedPages, std::vector<std::string>{page.toStdString()});
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(services->openedPages,
                 (std::vector<std::string>{page.toStdString(), page.toStdString()}));
        QVERIFY(about->isVisible());
        QCOMPARE(QApplication::activeWindow(), about.get());
        QVERIFY(services->messages.empty());
    }

    void aHomePageThatCannotBeOpenedChangesNothing() {
        services = std::make_unique<BrokenBrowserServices>();
        open();
        QTest::mouseClick(child<ClickableLabel>("lblHomePage"), Qt::LeftButton);
        QVERIFY(about->isVisible());
        QVERIFY(services->messages.empty());
        QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    void okEnterAndEscapeCloseTheWindow_data() {
        QTest::addColumn<int>("key"); // 0 for a click on OK
        QTest::addColumn<int>("result");
        QTest::newRow("click on OK") << 0 << int(QDialog::Accepted);
        QTest::newRow("Return") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("Space on the focused OK") << int(Qt::Key_Space) << int(QDialog::Accepted);
    }
    void okEnterAndEscapeCloseTheWindow() {
        QFETCH(int, key);
        QFETCH(int, result);
        open();
        about->setResult(-1);
        if (key == 0)
            QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!about->isVisible());
        QCOMPARE(about->result(), result);
        QVERIFY(services->openedPages.empty());
    }

    void otherKeysLeaveTheWindowOpen() {
        open();
        for (Qt::Key key : {Qt::Key_A, Qt::Key_O, Qt::Key_Tab, Qt::Key_Backspace})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(about->isVisible());
    }

    void eachShowingIsAFreshWindowWithTheSameTexts() {
        CallingWindow caller;
        caller.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller.window));
        QStringList shown[2];
        QPointer<frmAbout> windows[2];
        for (int i = 0; i < 2; ++i) {
            QVERIFY(showAbout(&caller.window, [&](frmAbout& open) {
                shown[i] = Snapshot(open);
                windows[i] = &open;
                QTest::mouseClick(open.findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
            }));
            QVERIFY(windows[i].isNull()); // closed and destroyed before ShowAbout returned
        }
        QVERIFY(!shown[0].join(u'|').contains(QStringLiteral("missing")));
        QCOMPARE(shown[0].value(0), Caption);
        QCOMPARE(shown[1], shown[0]);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void blocksEveryOtherWindowUntilClosed() {
        CallingWindow caller;
        CallingWindow other;
        caller.window.show();
        other.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller.window));
        QVERIFY(QTest::qWaitForWindowExposed(&other.window));
        bool applicationModal = false;
        bool overCaller = false;
        QVERIFY(showAbout(&caller.window, [&](frmAbout& open) {
            applicationModal = open.isModal() && open.windowModality() == Qt::ApplicationModal;
            overCaller = open.windowHandle()->transientParent() == caller.window.windowHandle();
            caller.clickFromOutside();
            other.clickFromOutside();
            open.reject();
        }));
        QVERIFY(applicationModal);
        QVERIFY(overCaller);
        QCOMPARE(caller.clicks, 0);
        QCOMPARE(other.clicks, 0);

        caller.clickFromOutside(); // the same click counts once the window has closed
        other.clickFromOutside();
        QCOMPARE(caller.clicks, 1);
        QCOMPARE(other.clicks, 1);
    }

    void opensWithoutACallerToo() {
        bool shown = false;
        QVERIFY(showAbout(nullptr, [&](frmAbout& open) {
            shown = open.isVisible() && open.isModal();
            open.accept();
        }));
        QVERIFY(shown);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
