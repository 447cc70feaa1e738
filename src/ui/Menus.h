#pragma once

#include <QString>

#include <functional>

class QMainWindow;

namespace lunetra {

class AboutWindow;
class ClickableLabel;
class Services;

// What differs between the menu bars of the main and the result window.
struct MenuDesign {
    QString firstFileName; // the File menu's first entry
    QString firstFileCaption;
    QString updateCaption; // the Help menu's update entry
    QString firstSeparatorName;
    QString secondSeparatorName;
};

// The menu bar both working windows carry: File (the window's own first entry, Exit), Help
// (online help, the maker's site, the download page, About) and two commands on the bar.
// Every entry runs with its errors ignored.
void CreateMenus(QMainWindow& window, Services& services, AboutWindow& about,
                 const MenuDesign& design, const std::function<void()>& firstFileAction,
                 const std::function<void()>& exitAction);

// The banner and the two offer labels open their pages when clicked.
void ConnectLinkLabels(Services& services, ClickableLabel* banner, ClickableLabel* cobrand,
                       ClickableLabel* fullBrand);

} // namespace lunetra
