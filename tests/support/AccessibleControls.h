#pragma once

#include "ui/ClickableLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <vector>

namespace lunetra::test {

// What a screen reader should say for one control of a window. An empty name stands for the
// text the control shows; label is the label a list is announced with.
struct Spoken {
    const char* objectName;
    QAccessible::Role role;
    QString name = {}, label = {};
};

// The controls a person reaches by keyboard or mouse, without the parts inside a control.
inline void CollectControls(const QWidget& parent, QList<QWidget*>& controls) {
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if ((child->focusPolicy() & Qt::TabFocus) || qobject_cast<ClickableLabel*>(child))
            controls << child;
        else
            CollectControls(*child, controls);
    }
}

// Each control says its name and role; no control of the window is left out of the table. A
// screen reader takes a window only by a window's or a dialog's role, and takes a container
// with a window's role (a frame) for the window itself.
inline void CheckSpoken(const QWidget& window, const std::vector<Spoken>& table) {
    const auto role = [](const QWidget* widget) {
        return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))->role();
    };
    QVERIFY(role(&window) == QAccessible::Window || role(&window) == QAccessible::Dialog);
    for (const QWidget* inside : window.findChildren<QWidget*>())
        QVERIFY2(inside->isWindow() || inside->children().isEmpty() ||
                     role(inside) != QAccessible::Border,
                 qPrintable(inside->objectName()));
    QSet<QWidget*> listed;
    for (const Spoken& row : table) {
        auto* control = window.findChild<QWidget*>(row.objectName);
        QVERIFY2(control, row.objectName);
        listed << control;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(spoken && spoken->role() == row.role, row.objectName);
        const QString name = row.name.isEmpty() ? control->property("text").toString() : row.name;
        QVERIFY2(!name.isEmpty(), row.objectName);
        if (row.role != QAccessible::ComboBox) {
            QCOMPARE(spoken->text(QAccessible::Name), name);
            continue;
        }
        // Qt names a list by its value on Linux and by its accessible name elsewhere; a Linux
        // screen reader finds the label through the labelled-by relation, and reads the value
        // as the list's text.
        QCOMPARE(control->accessibleName(), name);
        QAccessibleTextInterface* value = spoken->textInterface();
        QVERIFY(value && !spoken->text(QAccessible::Value).isEmpty());
        QCOMPARE(value->text(0, value->characterCount()), spoken->text(QAccessible::Value));
        QStringList labels;
        for (const auto& [label, relation] : spoken->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        QVERIFY2(labels.contains(row.label), qPrintable(labels.join(u',')));
    }
    QList<QWidget*> controls;
    CollectControls(window, controls);
    for (QWidget* control : controls)
        QVERIFY2(listed.contains(control), qPrintable(control->objectName() + " has no row"));
}

} // namespace lunetra::test
