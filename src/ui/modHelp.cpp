#include "ui/modHelp.h"

#include "config/Sites.h"
#include "ui/ReminderRule.h"
#include "ui/Services.h"
#include "ui/Text.h"

#include <QString>

namespace lunetra::modHelp {

namespace {
std::string Address(std::string_view host, std::string_view path) {
    std::string address = "http://";
    address += host;
    address += path;
    return address;
}
} // namespace

std::string ProductHelpPage() {
    return Address(sites::ProductHost, "/lunetra-help.html");
}
std::string ProductDownloadPage() {
    return Address(sites::ProductHost, "/download-lunetra.html");
}
std::string MakerHomePage() {
    return Address(sites::MakerHost, "");
}
std::string MakerSoftwarePage() {
    return Address(sites::MakerHost, "/qorvanesoftwares");
}
std::string DonationPage() {
    return Address(sites::HelpHost, "/donate.html");
}
std::string FullBrandingPage() {
    return Address(sites::HelpHost, "/fully-branded.html");
}
std::string CoBrandingPage() {
    return Address(sites::HelpHost, "/co-brand.html");
}

void OpenWebPage(Services& services, const std::string& address) {
    services.openWebPage(address);
}

void PromptForUpdate(Services& services) {
    const std::chrono::year_month_day today = services.today();
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
        OpenWebPage(services, ProductDownloadPage());
}

} // namespace lunetra::modHelp
