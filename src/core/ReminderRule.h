#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lunetra::reminder {

// The update reminder's date rule: ask when the stored day lies 15 or more days before or
// after today, counted in whole calendar days.
bool IsReminderDue(std::chrono::sys_days stored, std::chrono::sys_days today);

// A day as stored in the settings, "yyyy-MM-dd", and back; no value for text that is not
// such a day.
std::string FormatDay(std::chrono::year_month_day day);
std::optional<std::chrono::year_month_day> ParseDay(std::string_view text);

// What the reminder does at a start, given the stored text (empty when absent): store today
// without asking on the first start, ask when due, or nothing. A value that is not a day
// stops it without asking or storing, at every start until the value is replaced.
enum class ReminderStep { StoreToday, Ask, Nothing, Unreadable };
ReminderStep NextReminderStep(std::string_view stored, std::chrono::sys_days today);

} // namespace lunetra::reminder
