#pragma once

#include "ui/ClickableLabel.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <vector>

namespace lunetra::test {

// What a screen reader should say for one control of a window. An empty name stands for the
// text the control shows; label is the label a box or a list is announced with.
struct Spoken {
    const char* objectName;
    QAccessible::Role role;
    QString name = {}, label = {};
};

// The controls a person reaches by keyboard or mouse, without the parts inside a control. A
// screen reader takes a container with a window's role (a frame) for the window itself, and
// one said as a separator for a line with nothing in it.
inline void CollectControls(const QWidget& parent, QList<QWidget*>& controls) {
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if ((child->focusPolicy() & Qt::TabFocus) || qobject_cast<ClickableLabel*>(child)) {
            controls << child;
            continue;
        }
        const auto role = QAccessible::queryAccessibleInterface(child)->role();
        QVERIFY2(child->children().isEmpty() ||
                     (role != QAccessible::Border && role != QAccessible::Separator),
                 qPrintable(child->objectName()));
        CollectControls(*child, controls);
    }
}

// Each control says its name and role; no control of the window is left out of the table. A
// screen reader takes a window only by a window's or a dialog's role.
inline void CheckSpoken(const QWidget& window, const std::vector<Spoken>& table) {
    const auto role = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&window))->role();
    QVERIFY(role == QAccessible::Window || role == QAccessible::Dialog);
    QSet<QWidget*> listed;
    for (const Spoken& row : table) {
        auto* control = window.findChild<QWidget*>(row.objectName);
        QVERIFY2(control, row.objectName);
        listed << control;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(spoken && spoken->role() == row.role, row.objectName);
        const QString name = row.name.isEmpty() ? control->property("text").toString() : row.name;
        QVERIFY2(!name.isEmpty(), row.objectName);
        // Qt names a list by its value on Linux and by its accessible name elsewhere; a Linux
        // screen reader finds the label through the labelled-by relation, and reads the value
        // as the list's text.
        const bool list = row.role == QAccessible::ComboBox;
        QCOMPARE(list ? control->accessibleName() : spoken->text(QAccessible::Name), name);
        QStringList labels;
        for (const auto& [label, relation] : spoken->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        QVERIFY2(row.label.isEmpty() || labels.contains(row.label), qPrintable(labels.join(u',')));
        if (!list)
            continue;
        QAccessibleTextInterface* value = spoken->textInterface();
        QVERIFY(value && !spoken->text(QAccessible::Value).isEmpty());
        QCOMPARE(value->text(0, value->characterCount()), spoken->text(QAccessible::Value));
    }
    QList<QWidget*> controls;
    CollectControls(window, controls);
    for (QWidget* control : controls)
        QVERIFY2(listed.contains(control), qPrintable(control->objectName() + " has no row"));
}

} // namespace lunetra::test
