#include "ui/ScreenReader.h"

#include "ui/ClickableLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>

namespace lunetra {

namespace {

// Tells a screen reader that the label is a link, not plain text, and lets it follow the link.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<ClickableLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* AccessibleLinkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleLink(static_cast<ClickableLabel*>(object));
    return nullptr;
}

// Qt calls every plain QFrame a frame, the role of a window, and a screen reader then takes a
// band or a panel for the window itself: it stays silent on focus inside it and its review
// never leaves it. A frame that is no window is a panel, or a separator when it is a line.
QAccessibleInterface* AccessibleFrame(const QString& className, QObject* object) {
    auto* frame = qobject_cast<QFrame*>(object);
    if (className != QLatin1String("QFrame") || !frame || frame->isWindow())
        return nullptr;
    const bool line = frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
    return new QAccessibleWidget(frame, line ? QAccessible::Separator : QAccessible::Pane);
}

// Qt's own text box tells a screen reader of runs of text attributes that each end where they
// start, and Orca, which reads a line run by run, then drops its last character: "AN" for "ANN".
// This is the same text box, its text one run.
class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        const bool selected = index == 0 && box()->hasSelectedText();
        *start = selected ? box()->selectionStart() : 0;
        *end = selected ? box()->selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString shown = box()->text();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect area = box()->contentsRect().marginsRemoved(box()->textMargins());
        const QPoint left(area.left() + metrics.horizontalAdvance(shown.left(offset)), area.top());
        return {box()->mapToGlobal(left),
                QSize(metrics.horizontalAdvance(shown[offset]), area.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }
};

// Qt's own list gives its value on Linux only as its name, which Orca does not read for a list,
// and tells of a new value in a way Orca does not hear. Here the value is the list's one line of
// text: Orca reads it when the list takes the focus, and again when its caret moves on an arrow
// key (see AddList).
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(kind);
    }
    // The open list, as Qt has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    // Orca passes over a caret that stays where it was: it stands before or after the value in
    // turn, as the entry number is even or odd.
    int cursorPosition() const override { return list()->currentIndex() % 2; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface* AccessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox"))
        return new AccessibleList(static_cast<QComboBox*>(object));
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleTextBox(static_cast<QLineEdit*>(object));
    return AccessibleFrame(className, object);
}

// Qt gives a window made straight from QWidget the role of a client area, which a screen reader
// does not take for a window, so it would say nothing of the form inside (the exit window's):
// such a window is a window like the others.
QAccessibleInterface* AccessibleWindow(const QString& className, QObject* object) {
    const QMetaObject* type = object->metaObject();
    if (className != QLatin1String(type->className()) ||
        type->superClass() != &QWidget::staticMetaObject || !object->isWidgetType() ||
        !static_cast<QWidget*>(object)->isWindow())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

void DescribeWidgetsToScreenReaders() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(AccessibleLinkFactory);
    QAccessible::installFactory(AccessibleControl);
    QAccessible::installFactory(AccessibleWindow);
}

} // namespace lunetra
