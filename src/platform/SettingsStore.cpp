#include "platform/SettingsStore.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace lunetra::platform {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr int OpenFlags = O_BINARY;
int fsync(int fd) {
    return ::_commit(fd);
}
#else
// A FIFO or terminal swapped in after the look at the path still never blocks the open.
constexpr int OpenFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
#endif

// Lunetra writes a line or two; a larger file is not one of its own and is left alone.
constexpr std::size_t MaxSize = 1 << 16;

[[noreturn]] void Fail(const std::string& path, const char* why) {
    throw std::runtime_error("The settings file " + path + ' ' + why);
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// The text's lines, and in them the key's line in the section (or none), and the line after
// the section's last one (or none when there is no such section).
struct Found {
    std::vector<std::string> lines;
    std::size_t key = std::string::npos, sectionEnd = std::string::npos;
};

Found Find(const std::string& text, std::string_view section, std::string_view key) {
    Found found;
    bool inside = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string& line = found.lines.emplace_back(text, at, end - at);
        at = end + 1;
        if (line.starts_with('['))
            inside = line == '[' + std::string(section) + ']';
        else if (inside && line.starts_with(key) && line.size() > key.size() &&
                 line[key.size()] == '=' && found.key == std::string::npos)
            found.key = found.lines.size() - 1;
        if (inside)
            found.sectionEnd = found.lines.size();
    }
    return found;
}

// Where a write goes: the file itself, or the one its link leads to, so that a link stays one;
// nothing when no regular file may be put there (a folder, a FIFO, a device, a dangling link,
// which would make a file somewhere else).
std::optional<std::string> WriteTarget(const std::string& path) {
    std::error_code error;
    if (fs::symlink_status(path, error).type() == fs::file_type::not_found)
        return path;
    if (!fs::is_regular_file(fs::status(path, error)))
        return std::nullopt;
    const fs::path target = fs::canonical(path, error);
    return error ? std::nullopt : std::optional(target.string());
}

void Replace(const std::string& path, const std::string& text) {
    // A new copy beside the old one, on disk before it takes the old one's place, so that a
    // crash leaves the one or the other whole.
    const std::string temporary = path + ".new-" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    Descriptor file{::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | OpenFlags, 0600)};
    bool written = file.fd >= 0;
    for (std::size_t done = 0; written && done < text.size();) {
        const auto put = ::write(file.fd, text.data() + done, unsigned(text.size() - done));
        written = put > 0;
        done += written ? std::size_t(put) : 0;
    }
    std::error_code error;
    if (written && fsync(file.fd) == 0 && ::close(std::exchange(file.fd, -1)) == 0) {
        fs::rename(temporary, path, error);
        if (!error)
            return;
    }
    ::unlink(temporary.c_str());
    Fail(path, "cannot be written");
}

// The whole file, or nothing when no regular file is there; throws when it cannot be read.
std::optional<std::string> Load(const std::string& path) {
    // Looked at before it is opened, since opening a FIFO blocks and opening a device may do
    // anything; checked again once open, in case it was swapped in between.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const Descriptor file{::open(path.c_str(), O_RDONLY | OpenFlags)};
    if (file.fd < 0)
        Fail(path, "cannot be opened");
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string text;
    char block[4096];
    while (const auto got = ::read(file.fd, block, sizeof block)) {
        if (got < 0)
            Fail(path, "cannot be read");
        if (text.append(block, std::size_t(got)).size() > MaxSize)
            Fail(path, "is too large to be Lunetra's");
    }
    return text;
}

} // namespace

std::string UserConfigFolder() {
#ifdef _WIN32
    const char* appData = std::getenv("APPDATA");
    return appData != nullptr && fs::path(appData).is_absolute() ? appData : "";
#else
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/')
        return config;
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
        return std::string(home) + "/.config";
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/'
               ? std::string(user->pw_dir) + "/.config"
               : "";
#endif
}

SettingsStore SettingsStore::atFile(const std::string& path) {
    SettingsStore store;
    store.m_path = path;
    return store;
}

SettingsStore::SettingsStore(const std::string& applicationName)
    : m_path(UserConfigFolder()) {
#ifdef _WIN32
    const char* extension = ".ini";
#else
    const char* extension = ".conf";
#endif
    if (!m_path.empty())
        m_path += '/' + applicationName + extension;
}

std::string SettingsStore::read(std::string_view section, std::string_view key) const {
    const std::optional<std::string> text = m_path.empty() ? std::nullopt : Load(m_path);
    if (!text)
        return {};
    const Found found = Find(*text, section, key);
    return found.key == std::string::npos ? "" : found.lines[found.key].substr(key.size() + 1);
}

void SettingsStore::write(std::string_view section, std::string_view key,
                          const std::string& value) {
    if (m_path.empty())
        Fail("of this user", "has no folder");
    if (value.find_first_of("\r\n") != std::string::npos)
        Fail(m_path, "holds one line for each value");
    const std::optional<std::string> target = WriteTarget(m_path);
    if (!target)
        Fail(m_path, "is not a regular file");
    // What cannot be read throws here, before anything is written.
    Found found = Find(Load(*target).value_or(""), section, key);
    std::vector<std::string>& lines = found.lines;
    const std::string entry = std::string(key) + '=' + value;
    if (found.key != std::string::npos)
        lines[found.key] = entry;
    else if (found.sectionEnd != std::string::npos)
        lines.insert(lines.begin() + std::ptrdiff_t(found.sectionEnd), entry);
    else
        lines.insert(lines.end(), {'[' + std::string(section) + ']', entry});
    std::string text;
    for (const std::string& line : lines)
        (text += line) += '\n';
    std::error_code ignored; // a folder that cannot be made shows in the write
    fs::create_directories(fs::path(*target).parent_path(), ignored);
    Replace(*target, text);
}

} // namespace lunetra::platform
