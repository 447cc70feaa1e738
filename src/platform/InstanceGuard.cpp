#include "platform/InstanceGuard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QString>

namespace lunetra::platform {

namespace {

QString LockDirectory(const std::string& requested) {
    if (!requested.empty())
        return QString::fromStdString(requested);
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return directory;
}

// The name goes into a file name; separators would point elsewhere.
QString LockFileName(const std::string& applicationName) {
    QString name = QString::fromStdString(applicationName);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (name.isEmpty())
        name = QStringLiteral("lunetra");
    return name + QStringLiteral(".lock");
}

} // namespace

InstanceGuard::InstanceGuard(const std::string& applicationName, const std::string& lockDirectory) {
    const QString directory = LockDirectory(lockDirectory);
    QDir().mkpath(directory);
    m_lock = std::make_unique<QLockFile>(QDir(directory).filePath(LockFileName(applicationName)));
    // A running instance holds the lock however long it runs; a lock whose process is gone
    // is still recognised as stale by QLockFile and taken over.
    m_lock->setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::isFirstInstance() {
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    // Only a lock held by a live process means another instance. When the lock cannot be
    // made at all (no writable folder) nobody can be told apart, and refusing to start
    // would lock the user out for good.
    return m_lock->error() != QLockFile::LockFailedError;
}

void InstanceGuard::release() {
    if (m_lock->isLocked())
        m_lock->unlock();
}

} // namespace lunetra::platform
