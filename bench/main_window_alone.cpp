// A second yardstick for the start-up benchmark: Lunetra's main window alone, built and shown
// as the program does, but without any of start-up's own work (the instance lock, the
// settings, the update reminder, the offer draw). Lunetra against it is what start-up costs;
// it against the window of text is what the toolkit costs to show the window as designed.
#include "support/FakeServices.h"
#include "ui/Look.h"
#include "ui/ScreenReader.h"
#include "ui/Style.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(new lunetra::Style);
    lunetra::DescribeWidgetsToScreenReaders();
    QApplication::setWindowIcon(lunetra::look::AppIcon());
    lunetra::test::FakeServices services;
    lunetra::frmMain window(services);
    window.show();
    return QApplication::exec();
}
