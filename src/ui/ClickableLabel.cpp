#include "ui/ClickableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

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

} // namespace

QString VisibleCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

ClickableLabel::ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent)
    : QLabel(VisibleCaption(caption), parent)
    , m_caption(caption) {
    // Before anything here asks for the label's accessible interface, which is then kept.
    static const bool linksAnnounced = (QAccessible::installFactory(AccessibleLinkFactory), true);
    Q_UNUSED(linksAnnounced);
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text());
    setAccessibleDescription(tr("Link: opens a web page"));
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace lunetra
