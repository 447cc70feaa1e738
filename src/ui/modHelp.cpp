#include "ui/modHelp.h"

#include "ui/ReminderRule.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QString>

#include <stdexcept>

namespace lunetra::modHelp {

void OpenWebPage(Services& services, const std::string& address) {
    services.openWebPage(address);
}

void PromptForUpdate(Services& services) {
    const std::chrono::year_month_day today = services.today();
    const std::string stored = services.readSetting(ReminderKey);
    if (stored.empty()) {
        services.writeSetting(ReminderKey, FormatDay(today));
        return;
    }
    const auto storedDay = ParseDay(stored);
    if (!storedDay)
        throw std::runtime_error("the stored reminder date is not a date: " + stored);
    if (!IsReminderDue(std::chrono::sys_days(*storedDay), std::chrono::sys_days(today)))
        return;
    const MessageAnswer answer = services.showMessage(
        FromView(UpdateQuestion), MessageIcon::Information, MessageButtons::YesNo);
    services.writeSetting(ReminderKey, FormatDay(today));
    if (answer == MessageAnswer::Yes)
        OpenWebPage(services, ProductDownloadPage());
}

} // namespace lunetra::modHelp
