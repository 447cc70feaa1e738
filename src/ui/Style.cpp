#include "ui/Style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace lunetra {

namespace {

// The face in its colour inside a one-pixel outline; a second, black one marks the default
// button, and a dotted line inside shows where the keyboard is.
void DrawFlat(QPainter* painter, const QRect& rect, const QBrush& face, const QColor& focus,
              bool isDefault) {
    painter->save();
    painter->fillRect(rect, face);
    painter->setPen(isDefault ? Qt::black : face.color().darker(160));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    if (isDefault)
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
    if (focus.isValid()) {
        painter->setPen(QPen(focus, 1, Qt::DotLine));
        painter->drawRect(rect.adjusted(3, 3, -4, -4));
    }
    painter->restore();
}

} // namespace

Style::Style()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != PE_PanelButtonCommand || button == nullptr ||
        button->features.testFlag(QStyleOptionButton::Flat))
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool down = option->state & (State_Sunken | State_On);
    DrawFlat(painter, option->rect,
             down ? option->palette.button().color().darker(115) : option->palette.button(),
             option->state & State_HasFocus ? option->palette.buttonText().color() : QColor(),
             button->features.testFlag(QStyleOptionButton::DefaultButton));
}

void Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || list == nullptr || list->editable)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    DrawFlat(painter, option->rect, option->palette.button(), QColor(), false);
    if (option->state & State_HasFocus) {
        painter->save();
        painter->setPen(QPen(option->palette.buttonText().color(), 1, Qt::DotLine));
        painter->drawRect(
            subControlRect(control, option, SC_ComboBoxEditField, widget).adjusted(0, 1, -1, -2));
        painter->restore();
    }
    QStyleOption arrow(*option);
    arrow.rect = subControlRect(control, option, SC_ComboBoxArrow, widget);
    drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
}

QIcon Style::standardIcon(StandardPixmap icon, const QStyleOption* option,
                          const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace lunetra
