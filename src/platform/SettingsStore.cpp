#include "platform/SettingsStore.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <stdexcept>

namespace lunetra::platform {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

SettingsStore::SettingsStore(const std::string& applicationName)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             ToQString(applicationName))) {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {}

SettingsStore SettingsStore::atFile(const std::string& path) {
    return SettingsStore(std::make_unique<QSettings>(ToQString(path), QSettings::IniFormat));
}

SettingsStore::~SettingsStore() = default;
SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;

std::string SettingsStore::read(std::string_view section, std::string_view key) const {
    const QVariant value = m_settings->value(KeyPath(section, key));
    if (!value.isValid())
        return {};
    return value.toString().toUtf8().toStdString();
}

void SettingsStore::write(std::string_view section, std::string_view key,
                          const std::string& value) {
    m_settings->setValue(KeyPath(section, key), ToQString(value));
    // Written through at once, so that a store that cannot be written is noticed here and
    // not at some later, silent flush.
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw std::runtime_error("The settings store " + m_settings->fileName().toStdString() +
                                 " cannot be written");
}

} // namespace lunetra::platform
