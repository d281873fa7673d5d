#include "settings/datafolderlock.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulet::settings {

namespace {

const QString kLockName = QStringLiteral("tbu_lock");

// Opens the lock file without following a link and without blocking on a pipe put in its place.
int openLockFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | kFlags, 0600);
    if (fd < 0 && (errno == EROFS || errno == EACCES))
        fd = ::open(name.constData(), O_RDONLY | kFlags);
    struct stat status = {};
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

DataFolderLock::DataFolderLock(const QString &dataFolder) : m_fd(openLockFile(QDir(dataFolder).filePath(kLockName)))
{
    if (m_fd < 0)
        return;
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0)
        m_state = State::Owned;
    else if (errno == EWOULDBLOCK)
        m_state = State::HeldElsewhere;
}

DataFolderLock::~DataFolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace tabulet::settings
