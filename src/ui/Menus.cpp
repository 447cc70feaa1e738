#include "ui/Menus.h"

#include "ui/ClickableLabel.h"
#include "ui/RunIgnoringErrors.h"
#include "ui/frmAbout.h"
#include "ui/modHelp.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace lunetra {

namespace {

QAction* AddEntry(QWidget* menu, const QString& name, const QString& caption,
                  std::function<void()> action) {
    auto* entry = new QAction(caption, menu);
    entry->setObjectName(name);
    QObject::connect(entry, &QAction::triggered, menu,
                     [action = std::move(action)] { RunIgnoringErrors(action); });
    menu->addAction(entry);
    return entry;
}

void AddSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
}

std::function<void()> Opens(Services& services, web::Page page) {
    return [&services, page] { modHelp::OpenWebPage(services, page); };
}

} // namespace

void CreateMenus(QMainWindow& window, Services& services, AboutWindow& about,
                 const MenuDesign& design, const std::function<void()>& firstFileAction,
                 const std::function<void()>& exitAction) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddEntry(file, design.firstFileName, design.firstFileCaption, firstFileAction);
    AddEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), exitAction);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddEntry(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
             Opens(services, web::Page::ProductHelp));
    AddEntry(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
             Opens(services, web::Page::MakerHome));
    AddSeparator(help, design.firstSeparatorName);
    AddEntry(help, QStringLiteral("mnuUpdate"), design.updateCaption,
             Opens(services, web::Page::ProductDownload));
    AddSeparator(help, design.secondSeparatorName);
    AddEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"),
             [&about] { about.show(); });

    AddEntry(bar, QStringLiteral("mnuDonate"), QStringLiteral("&Donate"),
             Opens(services, web::Page::Donation));
    // Switched off in the design and never switched on: shown greyed, so the offer stays
    // visible while the entry cannot be chosen.
    AddEntry(bar, QStringLiteral("mnuMakeMoneyOnline"), QStringLiteral("Make Money &Online"),
             Opens(services, web::Page::FullBranding))
        ->setEnabled(false);
}

void ConnectLinkLabels(Services& services, ClickableLabel* banner, ClickableLabel* cobrand,
                       ClickableLabel* fullBrand) {
    auto connectLink = [&services](ClickableLabel* label, web::Page page) {
        QObject::connect(label, &ClickableLabel::clicked, label,
                         [&services, page] { RunIgnoringErrors(Opens(services, page)); });
    };
    connectLink(banner, web::Page::MakerHome);
    connectLink(cobrand, web::Page::CoBranding);
    connectLink(fullBrand, web::Page::FullBranding);
}

} // namespace lunetra
