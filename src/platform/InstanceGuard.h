#pragma once

#include <cstdint>
#include <string>

namespace lunetra::platform {

// Tells whether another instance of the same executable already runs for this user.
// The lock is a file beside the user's settings, in a folder no other user may write in, held
// with a lock that the system gives back when the process ends in any way, so an instance
// that crashed or was killed never blocks the next start; whatever else lies in the lock's
// place is taken over.
class InstanceGuard {
public:
    // lockDirectory: where the lock file goes; empty for the folder of the user's settings.
    explicit InstanceGuard(const std::string& applicationName,
                           const std::string& lockDirectory = {});
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True when no other instance holds the lock; this instance then holds it. Also true when
    // no lock can be made at all (no usable folder): that must not keep the user out.
    bool isFirstInstance();
    // Gives the lock back (also done by the destructor).
    void release();
    // The lock's name: the path of its file, or on Windows the name of its mutex; empty when
    // there is no folder for the file.
    const std::string& lockName() const { return m_name; }

private:
    std::string m_name;
    std::intptr_t m_handle = -1; // the held lock, -1 while none is held
};

} // namespace lunetra::platform
