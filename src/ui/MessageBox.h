#pragma once

#include "ui/Services.h"

class QMessageBox;

namespace lunetra {

// Builds Lunetra's message box: title "Lunetra", one icon, OK alone or Yes and No with Yes
// the default. A carriage return alone breaks the line as it does on Windows.
QMessageBox* MakeMessageBox(const QString& text, MessageIcon icon, MessageButtons buttons);

// Shows the box modally and tells which button closed it.
MessageAnswer ShowMessageBox(const QString& text, MessageIcon icon, MessageButtons buttons);

} // namespace lunetra
