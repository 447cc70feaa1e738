#include "core/ReminderRule.h"

#include <charconv>
#include <cstdio>

namespace lunetra::reminder {

bool IsReminderDue(std::chrono::sys_days stored, std::chrono::sys_days today) {
    const auto difference = (stored - today).count();
    return difference < -14 || difference > 14;
}

std::string FormatDay(std::chrono::year_month_day day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(day.year()), unsigned(day.month()),
                  unsigned(day.day()));
    return text;
}

std::optional<std::chrono::year_month_day> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + from;
        const char* last = first + length;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || *first == '-' || *first == '+')
            return std::nullopt;
        return value;
    };
    const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{unsigned(*month)},
                                           std::chrono::day{unsigned(*day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

ReminderStep NextReminderStep(std::string_view stored, std::chrono::sys_days today) {
    if (stored.empty())
        return ReminderStep::StoreToday;
    const auto storedDay = ParseDay(stored);
    if (!storedDay)
        return ReminderStep::Unreadable;
    return IsReminderDue(std::chrono::sys_days(*storedDay), today) ? ReminderStep::Ask
                                                                   : ReminderStep::Nothing;
}

} // namespace lunetra::reminder
