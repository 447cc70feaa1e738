#pragma once

#include <string>
#include <string_view>

namespace lunetra::platform {

// The per-user settings store, addressed by section and key: a small file of "[section]" lines,
// each followed by its "key=value" lines, as Lunetra writes it. Only a regular file (or a link
// to one) is read or written; anything else in its place reads as empty and is never opened or
// replaced, so nothing ever waits on it. A write replaces the file at once by renaming a
// complete new copy over it, and never replaces a file that could not be read.
class SettingsStore {
public:
    // The user's own store of the named application, in the user's configuration folder.
    explicit SettingsStore(const std::string& applicationName);
    // A store kept in the given file instead (tests, portable use).
    static SettingsStore atFile(const std::string& path);

    // The stored text, or empty text when there is none; throws std::runtime_error when the
    // file is there but cannot be read.
    std::string read(std::string_view section, std::string_view key) const;
    // Stores one line of text at once; throws std::runtime_error when the store cannot be read
    // or written.
    void write(std::string_view section, std::string_view key, const std::string& value);

    const std::string& path() const { return m_path; }

private:
    SettingsStore() = default;
    std::string m_path;
};

// The folder of the user's configuration files; empty when the user has none.
std::string UserConfigFolder();

} // namespace lunetra::platform
