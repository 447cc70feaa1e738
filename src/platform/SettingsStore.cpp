#include "platform/SettingsStore.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include <fstream>
#include <sstream>
#else
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lunetra::platform {

namespace {

// A settings file holds a line or two; anything larger is not one of ours, and reading it
// would only slow the start.
constexpr std::size_t MaxFileSize = 1 << 20;

[[noreturn]] void Fail(const std::string& path, const char* why) {
    throw std::runtime_error("The settings store " + path + " cannot be written: " + why);
}

// ---- The file system -------------------------------------------------------------------

enum class Kind { Missing, Regular, Other };

#ifdef _WIN32

Kind Inspect(const std::string& path, std::string& target) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    target = path;
    if (status.type() == std::filesystem::file_type::not_found)
        return Kind::Missing;
    return status.type() == std::filesystem::file_type::regular ? Kind::Regular : Kind::Other;
}

std::optional<std::string> ReadRegularFile(const std::string& path) {
    std::string target;
    if (Inspect(path, target) != Kind::Regular)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::string text;
    char block[4096];
    while (text.size() <= MaxFileSize && file.read(block, sizeof block).gcount() > 0)
        text.append(block, std::size_t(file.gcount()));
    if (text.size() > MaxFileSize)
        return std::nullopt;
    return text;
}

void ReplaceFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        file.flush();
        if (!file)
            Fail(path, "the new copy could not be written");
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        Fail(path, "the new copy could not take the old one's place");
    }
}

std::string UserConfigFile(const std::string& name) {
    const char* appData = std::getenv("APPDATA");
    if (appData == nullptr || !std::filesystem::path(appData).is_absolute())
        return {};
    return (std::filesystem::path(appData) / (name + ".ini")).string();
}

#else

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// Missing, Regular or Other for the path with its links followed; target is where a write
// must go so that a settings file that is a link to a regular file stays a link.
Kind Inspect(const std::string& path, std::string& target) {
    struct stat status {};
    target = path;
    if (::lstat(path.c_str(), &status) != 0)
        return errno == ENOENT ? Kind::Missing : Kind::Other;
    if (S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (::stat(path.c_str(), &status) != 0 || ::realpath(path.c_str(), resolved) == nullptr)
            return Kind::Other; // a dangling link: writing would create a file somewhere else
        target = resolved;
    }
    return S_ISREG(status.st_mode) ? Kind::Regular : Kind::Other;
}

std::optional<std::string> ReadRegularFile(const std::string& path) {
    // Looked at before it is opened, since opening a FIFO blocks and opening a device may do
    // anything; checked again on the open file, which may have been swapped in between.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // As large as the file says it is (a whole mebibyte zeroed for a line of text would cost
    // more than all the rest of reading it), growing should it grow meanwhile, and never past
    // one byte over the limit, which is enough to see a file too large.
    std::string text(std::min<std::size_t>(std::size_t(status.st_size), MaxFileSize) + 1, '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == text.size() && text.size() <= MaxFileSize)
            text.resize(std::min(2 * text.size(), MaxFileSize + 1));
        if (size == text.size())
            break;
        const ssize_t got = ::read(file.fd, text.data() + size, text.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        size += std::size_t(got);
    }
    if (size > MaxFileSize)
        return std::nullopt;
    text.resize(size);
    return text;
}

void ReplaceFile(const std::string& path, const std::string& text) {
    std::string temporary = path + ".XXXXXX";
    const Descriptor file{::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.fd < 0)
        Fail(path, "its folder cannot be written");
    // The new copy keeps the old one's permissions; a new file is the user's alone.
    struct stat old {};
    ::fchmod(file.fd, ::stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : 0600);
    bool written = true;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t put = ::write(file.fd, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        written = put > 0;
        done += written ? std::size_t(put) : 0;
    }
    // On disk before the rename, so that a crash leaves the old file or the new, never half.
    if (!written || ::fsync(file.fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        Fail(path, "the new copy could not be written");
    }
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/' ? user->pw_dir : "";
}

std::string UserConfigFile(const std::string& name) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/')
        folder = config;
    else if (const std::string home = HomeFolder(); !home.empty())
        folder = home + "/.config";
    else
        return {};
    return folder + '/' + name + ".conf";
}

#endif

// ---- The INI text ----------------------------------------------------------------------

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The file's lines without their line ends; a byte order mark before the first is skipped.
std::vector<std::string_view> Lines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

// The key of a "key=value" line, or nothing for a comment or a line without "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
    line = Trim(line);
    const auto equals = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '#' ||
        equals == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, equals));
}

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += '?';
    }
}

// Reads a value as the earlier store (Qt's INI files) wrote it: quoted parts, backslash
// escapes, ";" starting a comment outside quotes, and "@@" standing for a leading "@".
std::string DecodeValue(std::string_view raw) {
    raw = Trim(raw);
    std::string value;
    std::size_t trimmable = 0; // unquoted trailing blanks, dropped at the end
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            trimmable = 0;
        } else if (c == ';' && !quoted) {
            break;
        } else if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[++i];
            trimmable = 0;
            static constexpr std::string_view Hex = "0123456789abcdef";
            if (e == 'x') {
                unsigned long code = 0;
                for (; i + 1 < raw.size(); ++i) {
                    const auto at = Hex.find(char(std::tolower((unsigned char)raw[i + 1])));
                    if (at == std::string_view::npos)
                        break;
                    code = (code * 16 + at) & 0xFFFF; // as many digits as follow, as Qt reads
                }
                AppendUtf8(value, code);
                continue;
            }
            static constexpr std::string_view From = "abfnrtv0", To = "\a\b\f\n\r\t\v";
            const auto at = From.find(e);
            value += at == std::string_view::npos ? e : at < To.size() ? To[at] : '\0';
        } else {
            value += c;
            trimmable = (!quoted && (c == ' ' || c == '\t')) ? trimmable + 1 : 0;
        }
    }
    value.resize(value.size() - trimmable);
    if (value.rfind("@@", 0) == 0)
        value.erase(0, 1);
    return value;
}

std::string EncodeValue(std::string_view value) {
    std::string out = value.rfind('@', 0) == 0 ? "@" : "";
    bool plain = true;
    bool afterHex = false; // a hex digit right after a "\\x" escape would be read as part of it
    for (const char c : value) {
        static constexpr std::string_view Short = "\\\"\n\r\t", Letter = "\\\"nrt";
        const bool hexDigit = std::isxdigit((unsigned char)c) != 0;
        if (const auto at = Short.find(c); at != std::string_view::npos) {
            (out += '\\') += Letter[at];
        } else if ((unsigned char)c < 0x20 || (afterHex && hexDigit)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%x", unsigned((unsigned char)c));
            out += escaped;
            afterHex = true;
            continue;
        } else {
            plain = plain && c != ';' && c != ',' && c != '=' && c != '#';
            out += c;
        }
        afterHex = false;
    }
    if (!value.empty() && (value.front() == ' ' || value.back() == ' '))
        plain = false;
    return plain ? out : '"' + out + '"';
}

struct Found {
    std::optional<std::size_t> section; // index of the section's header line
    std::optional<std::size_t> key;     // index of the key's line
    std::size_t end = 0;                // index after the section's last non-blank line
};

Found Find(const std::vector<std::string_view>& lines, std::string_view section,
           std::string_view key) {
    Found found;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (found.section)
                break;
            inside = *name == section;
            if (inside)
                found.section = found.end = i + 1;
        } else if (inside) {
            if (!Trim(lines[i]).empty())
                found.end = i + 1;
            if (KeyOf(lines[i]) == key && !found.key)
                found.key = i;
        }
    }
    if (found.section)
        --*found.section;
    return found;
}

} // namespace

std::string IniValue(std::string_view text, std::string_view section, std::string_view key) {
    const auto lines = Lines(text);
    const Found found = Find(lines, section, key);
    if (!found.key)
        return {};
    const std::string_view line = lines[*found.key];
    return DecodeValue(line.substr(line.find('=') + 1));
}

std::string IniWithValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    const bool bom = text.substr(0, 3) == "\xEF\xBB\xBF";
    std::vector<std::string_view> lines = Lines(text);
    const Found found = Find(lines, section, key);
    const std::string entry = std::string(key) + '=' + EncodeValue(value);
    const std::string header = '[' + std::string(section) + ']';
    if (found.key) {
        lines[*found.key] = entry;
    } else if (found.section) {
        lines.insert(lines.begin() + std::ptrdiff_t(found.end), entry);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.insert(lines.end(), {header, entry});
    }
    std::string out = bom ? "\xEF\xBB\xBF" : "";
    for (const std::string_view line : lines)
        (out += line) += '\n';
    return out;
}

SettingsStore::SettingsStore(std::string path, bool createFolder)
    : m_path(std::move(path))
    , m_createFolder(createFolder) {}

SettingsStore::SettingsStore(const std::string& applicationName)
    : SettingsStore(
          [&] {
              std::string name = applicationName.empty() ? "lunetra" : applicationName;
              for (char& c : name)
                  if (c == '/' || c == '\\')
                      c = '_'; // the name goes into a file name
              return UserConfigFile(name);
          }(),
          true) {}

SettingsStore SettingsStore::atFile(const std::string& path) {
    return SettingsStore(path, false);
}

std::string SettingsStore::read(std::string_view section, std::string_view key) const {
    if (m_path.empty())
        return {};
    const auto text = ReadRegularFile(m_path);
    return text ? IniValue(*text, section, key) : std::string();
}

void SettingsStore::write(std::string_view section, std::string_view key,
                          const std::string& value) {
    if (m_path.empty())
        Fail("of this user", "there is no configuration folder");
    std::string target;
    const Kind kind = Inspect(m_path, target);
    if (kind == Kind::Other)
        Fail(m_path, "it is not a regular file");
    std::optional<std::string> text;
    if (kind == Kind::Regular && !(text = ReadRegularFile(target)))
        text.emplace(); // unreadable or oversized: not ours, so it is started afresh
    if (kind == Kind::Missing && m_createFolder) {
        std::error_code ignored; // a folder that cannot be made shows in the write below
        std::filesystem::create_directories(std::filesystem::path(target).parent_path(), ignored);
    }
    ReplaceFile(target, IniWithValue(text.value_or(""), section, key, value));
}

} // namespace lunetra::platform
