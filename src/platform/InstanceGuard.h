#pragma once

#include <memory>
#include <string>

class QLockFile;

namespace lunetra::platform {

// Tells whether another instance of the same executable already runs for this user.
// The lock lives in the user's runtime (or temporary) folder; a lock left behind by an
// instance that crashed or was killed never blocks the next start.
class InstanceGuard {
public:
    // lockDirectory: where the lock file goes; empty for the user's runtime folder.
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

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace lunetra::platform
