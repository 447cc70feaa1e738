#pragma once

#include <QLabel>

namespace lunetra {

// The text a caption shows: "&&" shows one "&", a single "&" marks an access key and
// does not show.
QString VisibleCaption(const QString& caption);

// A label that acts as a link: pointing-hand pointer and a click signal. A click is a press
// and a release of the left button on the label.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent);

    // The caption as designed, access-key marks included.
    const QString& caption() const { return m_caption; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    bool m_pressed = false;
};

} // namespace lunetra
