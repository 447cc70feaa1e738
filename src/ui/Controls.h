#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <initializer_list>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lunetra {

class ClickableLabel;

// The controls every window is built from, named and placed as designed: places are in twips.
namespace controls {

// A borderless panel in the given colour.
QFrame* AddPanel(QWidget* parent, const QString& name, const QRect& twips, const QColor& colour);

// A plain-text label. Without a place it is left for the caller to lay out; with a zero
// height it sizes itself to its text, otherwise it wraps within its rectangle.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 const QColor& colour);
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips,
                 const QFont& font, const QColor& colour);

// A label that opens a page when clicked, sized to its text.
ClickableLabel* AddLink(QWidget* parent, const QString& name, const QString& caption,
                        const QFont& font, const QColor& colour);

// A command button, in the given face colour where one is given; Enter on a focused button
// presses it.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& twips, const QFont& font, const QColor& face = QColor());

// A single-line text box without a length limit.
QLineEdit* AddTextBox(QWidget* parent, const QString& name, const QString& text, const QRect& twips,
                      const QString& accessibleName);

// Every character typed into the box reaches its key filter: an input method, which would hand
// composed text past it, is told the box takes none.
void TypedKeysOnly(QLineEdit* box);

// A drop-down list from which only its entries can be chosen; a screen reader says its value.
QComboBox* AddList(QWidget* parent, const QString& name, const QString& accessibleName);

// The keyboard order of a window's controls, first to last.
void SetTabOrder(std::initializer_list<QWidget*> order);

} // namespace controls
} // namespace lunetra
