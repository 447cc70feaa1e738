#include "app/ProductionServices.h"

#include "platform/Browser.h"
#include "platform/Process.h"
#include "ui/MessageBox.h"

#include <QDate>

namespace lunetra {

namespace {
constexpr std::string_view Section = "Settings";
}

ProductionServices::ProductionServices(const std::string& applicationName)
    : m_guard(applicationName)
    , m_settings(applicationName) {}

MessageAnswer ProductionServices::showMessage(const QString& text, MessageIcon icon,
                                              MessageButtons buttons) {
    return ShowMessageBox(text, icon, buttons);
}

void ProductionServices::openWebPage(const std::string& address) {
    platform::OpenInBrowser(address);
}

std::string ProductionServices::readSetting(std::string_view key) {
    return m_settings.read(Section, key);
}

void ProductionServices::writeSetting(std::string_view key, const std::string& value) {
    m_settings.write(Section, key, value);
}

std::chrono::year_month_day ProductionServices::today() {
    const QDate date = QDate::currentDate(); // the user's local calendar day
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{unsigned(date.month())},
                                       std::chrono::day{unsigned(date.day())}};
}

void ProductionServices::seedRandom() {
    m_random.seed(std::chrono::steady_clock::now().time_since_epoch().count() ^
                  std::chrono::system_clock::now().time_since_epoch().count());
}

double ProductionServices::nextRandom() {
    // 53 random bits scaled into [0, 1): never 1.
    return double(m_random() >> 11) * 0x1.0p-53;
}

void ProductionServices::endProcess() {
    m_guard.release();
    platform::EndProcess(0);
}

} // namespace lunetra
