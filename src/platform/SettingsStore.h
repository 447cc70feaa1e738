#pragma once

#include <string>
#include <string_view>

namespace lunetra::platform {

// The per-user settings store, addressed by section and key: a small INI file. It is read and
// written only when it is a regular file (or a link to one); a folder, a FIFO or a device in
// its place reads as empty and cannot be written, so that nothing ever waits on it or
// replaces it. A write replaces the file at once by renaming a complete new copy over it.
class SettingsStore {
public:
    // The user's own store of the named application, in the user's configuration folder.
    explicit SettingsStore(const std::string& applicationName);
    // A store kept in the given file instead (tests, portable use).
    static SettingsStore atFile(const std::string& path);

    // The stored text, or empty text when there is none.
    std::string read(std::string_view section, std::string_view key) const;
    // Stores the text at once; throws std::runtime_error when the store cannot be written.
    void write(std::string_view section, std::string_view key, const std::string& value);

    const std::string& path() const { return m_path; }

private:
    SettingsStore(std::string path, bool createFolder);
    std::string m_path;
    bool m_createFolder; // the user's configuration folder may not exist yet
};

// The text of an INI file with one value set, everything else kept as it was (exposed for tests).
std::string IniWithValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);
// The value stored in INI text, or empty text.
std::string IniValue(std::string_view text, std::string_view section, std::string_view key);

} // namespace lunetra::platform
