// The name box's key filter on any key events with any modifiers, and the date checks on the
// entry that results: only capitals A to Z (and the spaces the filter lets through) reach the
// box, and the checks give one of the main window's messages or none.
#include "FuzzSupport.h"
#include "ui/EntryRules.h"
#include "ui/TypedCharacter.h"

#include <QKeyEvent>

#include <algorithm>
#include <chrono>
#include <string>

using namespace lunetra;
using lunetra::fuzz::Take;

namespace {

// The date checks on positions and a year read from the input, against the calendar with
// the lists' leap rule (every fourth year, 1900 included).
void CheckDate(bool nameEmpty, const std::uint8_t*& data, std::size_t& size) {
    const int day = Take<std::int32_t>(data, size), month = Take<std::int32_t>(data, size);
    const int year = Take<std::int32_t>(data, size);
    const std::string_view message =
        entry::MessageFor(entry::CheckEntry(nameEmpty, day, month, year));
    FUZZ_CHECK(message.empty() || message == entry::NoNameMessage ||
               message == entry::FebruaryMessage || message == entry::Day31Message);
    FUZZ_CHECK((message == entry::NoNameMessage) == nameEmpty);
    if (nameEmpty || day < 0 || day > 30 || month < 0 || month > 11)
        return;
    using namespace std::chrono;
    const std::chrono::year sameLeapRule{year % 4 == 0 ? 2000 : 2001};
    const bool exists = year_month_day(sameLeapRule, std::chrono::month(unsigned(month) + 1),
                                       std::chrono::day(unsigned(day) + 1))
                            .ok();
    FUZZ_CHECK(exists == message.empty());
    if (!exists)
        FUZZ_CHECK((month == 1) == (message == entry::FebruaryMessage));
}

} // namespace

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
        if (!typed)
            continue;
        const auto accepted = entry::FilterNameKey(*typed);
        // Control with a letter types its control code, never the letter: Ctrl+V pastes
        // nothing, while Ctrl+H and Ctrl+M are backspace and Enter.
        if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
            key >= Qt::Key_A && key <= Qt::Key_Z)
            FUZZ_CHECK(!accepted || *accepted == entry::Backspace ||
                       *accepted == entry::CarriageReturn);
        if (!accepted)
            continue;
        if (*typed >= 'a' && *typed <= 'z')
            FUZZ_CHECK(*accepted == *typed - 32);
        if (*accepted == entry::Backspace) {
            if (!box.empty())
                box.pop_back();
        } else if (*accepted != entry::CarriageReturn) {
            box.push_back(char(*accepted));
        }
    }
    FUZZ_CHECK(std::all_of(box.begin(), box.end(),
                           [](char c) { return (c >= 'A' && c <= 'Z') || c == ' '; }));
    CheckDate(box.empty(), data, size);
    return 0;
}
