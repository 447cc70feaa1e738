#include "ui/Controls.h"

#include "ui/ClickableLabel.h"
#include "ui/Look.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace lunetra::controls {

namespace {
QRect Place(const QRect& twips) {
    return look::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

QFrame* AddPanel(QWidget* parent, const QString& name, const QRect& twips, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(Place(twips));
    look::SetColours(panel, colour);
    return panel;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    look::SetTextColour(label, colour);
    return label;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips,
                 const QFont& font, const QColor& colour) {
    QLabel* label = AddLabel(parent, name, text, font, colour);
    if (twips.height() > 0) {
        label->setWordWrap(true);
        label->setGeometry(Place(twips));
    } else {
        label->move(look::Twips(twips.x()), look::Twips(twips.y()));
        label->adjustSize();
    }
    return label;
}

ClickableLabel* AddLink(QWidget* parent, const QString& name, const QString& caption,
                        const QFont& font, const QColor& colour) {
    auto* link = new ClickableLabel(name, caption, parent);
    link->setFont(font);
    look::SetTextColour(link, colour);
    link->adjustSize();
    return link;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& twips, const QFont& font, const QColor& face) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(Place(twips));
    if (face.isValid()) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, face);
        palette.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(palette);
    }
    button->setAutoDefault(true);
    return button;
}

QLineEdit* AddTextBox(QWidget* parent, const QString& name, const QString& text, const QRect& twips,
                      const QString& accessibleName) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(Place(twips));
    box->setAccessibleName(accessibleName);
    box->setMaxLength(std::numeric_limits<int>::max()); // what is typed or pasted is kept whole
    return box;
}

namespace {
// A line edit says it takes an input method whatever its widget attribute says; this answers
// for it, and leaves every other question to the box.
class NoInputMethod : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::InputMethodQuery)
            return false;
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        if (!query->queries().testFlag(Qt::ImEnabled))
            return false;
        const auto* box = static_cast<QWidget*>(watched);
        for (unsigned bit = 1; bit != 0; bit <<= 1)
            if (const auto asked = Qt::InputMethodQuery(query->queries().toInt() & bit))
                query->setValue(asked, asked == Qt::ImEnabled ? QVariant(false)
                                                              : box->inputMethodQuery(asked));
        return true;
    }
};
} // namespace

void TypedKeysOnly(QLineEdit* box) {
    box->installEventFilter(new NoInputMethod(box));
}

QComboBox* AddList(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        QAccessibleTextCursorEvent moved(list, index % 2);
        QAccessible::updateAccessibility(&moved);
    });
    return list;
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace lunetra::controls
