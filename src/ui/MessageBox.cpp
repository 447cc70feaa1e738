#include "ui/MessageBox.h"

#include "config/Product.h"
#include "ui/Text.h"
#include "ui/WindowSetUp.h"

#include <QApplication>
#include <QMessageBox>

namespace lunetra {

QMessageBox* MakeMessageBox(const QString& text, MessageIcon icon, MessageButtons buttons) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QWidget* owner = QApplication::activeWindow();
    auto* box = new QMessageBox(owner);
    box->setWindowTitle(FromView(product::Name));
    box->setText(shown);
    box->setTextFormat(Qt::PlainText);
    box->setIcon(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information);
    box->setWindowModality(Qt::ApplicationModal); // sets the window flags anew
    // A box of no window of ours (the notice of a second start, the question asked before
    // the first window) must not open under a window kept on top, where no one would see it.
    SetUpFrame(box, WindowKind::Dialog, owner == nullptr ? Stacking::Above : Stacking::Normal);
    if (buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes); // Escape and the close box answer No
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    return box;
}

MessageAnswer ShowMessageBox(const QString& text, MessageIcon icon, MessageButtons buttons) {
    // Qt alone owns the box: it goes when it is closed, or with its window if that goes first.
    QMessageBox* box = MakeMessageBox(text, icon, buttons);
    box->setAttribute(Qt::WA_DeleteOnClose);
    const int result = box->exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace lunetra
