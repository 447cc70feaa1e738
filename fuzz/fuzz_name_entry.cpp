// The name box's key filter on any key events with any modifiers, and the date checks on the
// entry that results: only capitals A to Z (and the spaces the filter lets through) reach the
// box, Control with a letter never types that letter, and the checks give one of the main
// window's messages or none.
#include "FuzzSupport.h"
#include "ui/EntryRules.h"
#include "ui/TypedCharacter.h"

#include <QKeyEvent>

#include <algorithm>
#include <string>

using namespace lunetra;
using lunetra::fuzz::Take;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string box;
    while (size > 12) {
        const int key = int(Take<std::uint32_t>(data, size) & 0x01ffffff);
        const auto modifiers =
            Qt::KeyboardModifiers::fromInt(int(unsigned(Take<std::uint8_t>(data, size)) << 25));
        const auto textLength = Take<std::uint8_t>(data, size) % 3;
        const char16_t units[2] = {Take<char16_t>(data, size), Take<char16_t>(data, size)};
        const QKeyEvent event(QEvent::KeyPress, key, modifiers,
                              QString::fromUtf16(units, textLength));
        const auto typed = TypedCharacter(event);
        const auto accepted = typed ? entry::FilterNameKey(*typed) : std::nullopt;
        if (!accepted)
            continue;
        // Ctrl+V must not type a V, though Ctrl+H and Ctrl+M are backspace and Enter.
        if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
            key >= Qt::Key_A && key <= Qt::Key_Z)
            FUZZ_CHECK(*accepted == entry::Backspace || *accepted == entry::CarriageReturn);
        if (*accepted == entry::Backspace) {
            if (!box.empty())
                box.pop_back();
        } else if (*accepted != entry::CarriageReturn) {
            box.push_back(char(*accepted));
        }
    }
    FUZZ_CHECK(std::all_of(box.begin(), box.end(),
                           [](char c) { return (c >= 'A' && c <= 'Z') || c == ' '; }));

    const int day = Take<std::int32_t>(data, size), month = Take<std::int32_t>(data, size);
    const auto message = entry::MessageFor(
        entry::CheckEntry(box.empty(), day, month, Take<std::int32_t>(data, size)));
    FUZZ_CHECK(message.empty() || message == entry::FebruaryMessage ||
               message == entry::Day31Message || message == entry::NoNameMessage);
    FUZZ_CHECK((message == entry::NoNameMessage) == box.empty());
    return 0;
}
