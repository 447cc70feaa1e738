#pragma once

#include "core/WebAddresses.h"

#include <string>
#include <string_view>

namespace lunetra {
class Services;
}

// The maker's web pages, the launcher that opens them, and the update reminder.
namespace lunetra::modHelp {

// Opens an address in the default browser, unchanged; reports nothing.
void OpenWebPage(Services& services, const std::string& address);
// Opens one of the maker's or the product's fixed pages.
void OpenWebPage(Services& services, web::Page page);

// The settings key under which the reminder keeps the day the user was last asked.
inline constexpr std::string_view ReminderKey = "LastUpdateReminder";
inline constexpr std::string_view UpdateQuestion =
    "There maybe an update to this software available\rDo you want to check for an update?";

// Asks at most every fifteen days whether to look for an update, at start-up. A stored value
// that is not a day ends it quietly; a store that cannot be written throws, and the caller
// goes on.
void PromptForUpdate(Services& services);

} // namespace lunetra::modHelp
