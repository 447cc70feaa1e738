#include "platform/InstanceGuard.h"

#include "platform/SettingsStore.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#endif

namespace lunetra::platform {

namespace {

// The name goes into a file name; separators would point elsewhere.
std::string LockFileName(const std::string& applicationName) {
    std::string name = applicationName.empty() ? "lunetra" : applicationName;
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = '_';
    return name + ".lock";
}

#ifndef _WIN32

// The folder of the user's settings, which every start of the same user finds whatever its
// runtime or temporary folder says; never one that other users may write in, where they
// could keep this user's instance from starting.
std::string UserLockFolder() {
    const std::string folder = UserConfigFolder();
    struct stat status {};
    ::mkdir(folder.c_str(), 0700);
    return !folder.empty() && ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
                   status.st_uid == ::getuid() && (status.st_mode & 022) == 0
               ? folder
               : std::string();
}

// Keeps concurrent starts from clearing away each other's fresh lock: whoever clears the
// lock's place holds the folder while doing it. Waits a little at most, never for good.
class FolderHold {
public:
    explicit FolderHold(const std::string& folder)
        : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        for (int tries = 0; m_fd >= 0 && tries < 50; ++tries) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~FolderHold() {
        if (m_fd >= 0)
            ::close(m_fd); // also gives the hold back
    }
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

private:
    int m_fd;
};

#endif

} // namespace

#ifdef _WIN32

InstanceGuard::InstanceGuard(const std::string& applicationName, const std::string& lockDirectory)
    : m_name("Local\\Lunetra-" + LockFileName(lockDirectory + '/' + applicationName)) {}

bool InstanceGuard::isFirstInstance() {
    if (m_handle != -1)
        return true;
    const std::wstring name(m_name.begin(), m_name.end());
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr)
        return true; // nothing to tell instances apart with; never keep the user out
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(mutex);
    return true;
}

void InstanceGuard::release() {
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
}

#else

InstanceGuard::InstanceGuard(const std::string& applicationName, const std::string& lockDirectory) {
    const std::string folder = lockDirectory.empty() ? UserLockFolder() : lockDirectory;
    if (!folder.empty())
        m_name = folder + '/' + LockFileName(applicationName);
}

bool InstanceGuard::isFirstInstance() {
    if (m_handle != -1 || m_name.empty())
        return true;
    const std::string folder = m_name.substr(0, m_name.rfind('/'));
    const FolderHold hold(folder.empty() ? "/" : folder);
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Only a regular file can be a lock; nothing else is opened, since opening a FIFO
        // may block and opening a device may do anything.
        struct stat status {};
        if (::lstat(m_name.c_str(), &status) != 0 || S_ISREG(status.st_mode)) {
            const int fd =
                ::open(m_name.c_str(),
                       O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
            if (fd < 0 && errno != EACCES && errno != ELOOP && errno != EISDIR)
                return true; // out of descriptors or the like: nobody can be told apart
            if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
                // What the file holds is of no account: only a live holder of the lock is
                // another instance.
                const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
                const bool held = !locked && errno == EWOULDBLOCK;
                if (locked)
                    m_handle = fd;
                else
                    ::close(fd);
                return !held;
            }
            if (fd >= 0)
                ::close(fd);
        }
        // A folder, a link, a FIFO, a device or a file of someone else's in this user's own
        // folder: no instance of ours. It is cleared away (a folder that is not empty is
        // moved aside) and the lock made afresh.
        if (::unlink(m_name.c_str()) != 0 && ::rmdir(m_name.c_str()) != 0)
            ::rename(m_name.c_str(), (m_name + ".left-" + std::to_string(::getpid())).c_str());
    }
    return true; // no lock can be made here: that must not keep the user out
}

void InstanceGuard::release() {
    if (m_handle != -1)
        ::close(int(m_handle)); // closing gives the lock back
    m_handle = -1;
}

#endif

InstanceGuard::~InstanceGuard() {
    release();
}

} // namespace lunetra::platform
