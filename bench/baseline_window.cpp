// The baseline of the start-up benchmark: the least a Qt program with one window of text does.
// One label of the main window's size with one line in the same font; its size is worked out
// from its text before it is shown, so its font is loaded before it maps, as in any laid-out
// window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Lunetra finds your Ixion sign."));
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    label.setFont(font);
    label.setWindowTitle(QStringLiteral("Baseline"));
    // The main window's client area and menu bar: 7485 by 5910 twips and one line of menu.
    label.resize(label.sizeHint().expandedTo(QSize(499, 394 + label.sizeHint().height() + 8)));
    label.show();
    return QApplication::exec();
}
