#include "ui/Controls.h"

#include "ui/ClickableLabel.h"
#include "ui/Look.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace lunetra::controls {

namespace {
QRect Place(const QRect& twips) {
    return look::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
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

// Every window makes a panel or a label before its first frame, and nothing asks for a frame's
// interface before the window is shown. Installed after Qt's own factory, so it comes first.
void DescribeFramesAsPanels() {
    static const bool installed = (QAccessible::installFactory(AccessibleFrame), true);
    Q_UNUSED(installed);
}
} // namespace

QFrame* AddPanel(QWidget* parent, const QString& name, const QRect& twips, const QColor& colour) {
    DescribeFramesAsPanels();
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(Place(twips));
    look::Paint(panel, colour);
    return panel;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 const QColor& colour) {
    DescribeFramesAsPanels();
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

void SetTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace lunetra::controls
