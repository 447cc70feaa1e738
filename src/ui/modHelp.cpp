#include "ui/modHelp.h"

#include "core/ReminderRule.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QString>

namespace lunetra::modHelp {

void OpenWebPage(Services& services, const std::string& address) {
    services.openWebPage(address);
}

void OpenWebPage(Services& services, web::Page page) {
    OpenWebPage(services, web::Address(page));
}

void PromptForUpdate(Services& services) {
    const std::chrono::year_month_day today = services.today();
    using namespace reminder;
    switch (NextReminderStep(services.readSetting(ReminderKey), std::chrono::sys_days(today))) {
    case ReminderStep::StoreToday:
        services.writeSetting(ReminderKey, FormatDay(today));
        return;
    case ReminderStep::Nothing:
    case ReminderStep::Unreadable:
        return;
    case ReminderStep::Ask:
        break;
    }
    const MessageAnswer answer = services.showMessage(
        FromView(UpdateQuestion), MessageIcon::Information, MessageButtons::YesNo);
    services.writeSetting(ReminderKey, FormatDay(today));
    if (answer == MessageAnswer::Yes)
        OpenWebPage(services, web::Page::ProductDownload);
}

} // namespace lunetra::modHelp
