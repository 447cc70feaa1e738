#pragma once

#include <memory>
#include <string>
#include <string_view>

class QSettings;

namespace lunetra::platform {

// The per-user settings store, addressed by section and key.
class SettingsStore {
public:
    // The user's own store of the named application.
    explicit SettingsStore(const std::string& applicationName);
    // A store kept in the given file instead (tests, portable use).
    static SettingsStore atFile(const std::string& path);
    ~SettingsStore();
    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;

    // The stored text, or empty text when there is none.
    std::string read(std::string_view section, std::string_view key) const;
    // Stores the text at once; throws std::runtime_error when the store cannot be written.
    void write(std::string_view section, std::string_view key, const std::string& value);

private:
    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> m_settings;
};

} // namespace lunetra::platform
