#include "core/EntryRules.h"

namespace lunetra::entry {

std::optional<int> FilterNameKey(int code) {
    if (code >= 'a' && code <= 'z')
        return code - ('a' - 'A');
    if (code >= 'A' && code <= 'Z')
        return code;
    if (code == Backspace || code == CarriageReturn || code == Space)
        return code;
    return std::nullopt;
}

EntryCheck CheckEntry(bool nameEmpty, int dayIndex, int monthIndex, int year) {
    constexpr int February = 1;
    constexpr int Day29 = 28, Day30 = 29, Day31 = 30;
    if (nameEmpty)
        return EntryCheck::NoName;
    const bool leapYear = year % 4 == 0;
    if (monthIndex == February) {
        const int firstMissingDay = leapYear ? Day30 : Day29;
        if (dayIndex >= firstMissingDay && dayIndex <= Day31)
            return EntryCheck::NoSuchFebruaryDay;
    }
    const bool thirtyDayMonth =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDayMonth && dayIndex == Day31)
        return EntryCheck::NoDay31;
    return EntryCheck::Accepted;
}

std::string_view MessageFor(EntryCheck check) {
    switch (check) {
    case EntryCheck::NoName:
        return NoNameMessage;
    case EntryCheck::NoSuchFebruaryDay:
        return FebruaryMessage;
    case EntryCheck::NoDay31:
        return Day31Message;
    case EntryCheck::Accepted:
        break;
    }
    return {};
}

} // namespace lunetra::entry
