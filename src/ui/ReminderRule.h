#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lunetra::modHelp {

// The update reminder's date rule: ask when the stored day lies 15 or more days before or
// after today, counted in whole calendar days.
bool IsReminderDue(std::chrono::sys_days stored, std::chrono::sys_days today);

// A day as stored in the settings, "yyyy-MM-dd", and back; no value for text that is not
// such a day.
std::string FormatDay(std::chrono::year_month_day day);
std::optional<std::chrono::year_month_day> ParseDay(std::string_view text);

} // namespace lunetra::modHelp
