#include "ui/TypedCharacter.h"

#include <QKeyEvent>

namespace lunetra {

std::optional<int> TypedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // AltGr arrives as Control with Alt on some systems and types ordinary characters.
    const bool control =
        modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);

    switch (key) {
    case Qt::Key_Backspace:
        return control ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (key >= Qt::Key_Escape) // every other special key: navigation, editing, function keys
        return std::nullopt;
    if (IsAccessKeyChord(event))
        return std::nullopt;
    if (control) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        const QString text = event.text();
        if (!text.isEmpty() && text.front().unicode() < 32)
            return text.front().unicode();
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return static_cast<int>(text.toUcs4().front());
}

bool IsAccessKeyChord(const QKeyEvent& event) {
    return event.key() < Qt::Key_Escape && event.modifiers().testFlag(Qt::AltModifier) &&
           !event.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace lunetra
