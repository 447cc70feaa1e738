#pragma once

#include "platform/InstanceGuard.h"
#include "platform/SettingsStore.h"
#include "ui/Services.h"

#include <random>

namespace lunetra {

// The real services: message boxes, the browser, the user's settings, the clock, the
// random draws and the end of the process.
class ProductionServices : public Services {
public:
    explicit ProductionServices(const std::string& applicationName);

    platform::InstanceGuard& instanceGuard() { return m_guard; }

    MessageAnswer showMessage(const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    void openWebPage(const std::string& address) override;
    std::string readSetting(std::string_view key) override;
    void writeSetting(std::string_view key, const std::string& value) override;
    std::chrono::year_month_day today() override;
    void seedRandom() override;
    double nextRandom() override;
    [[noreturn]] void endProcess() override;

private:
    platform::InstanceGuard m_guard;
    platform::SettingsStore m_settings;
    std::mt19937_64 m_random;
};

} // namespace lunetra
