#include "platform/ZamekSouboru.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ZamekSouboru::ZamekSouboru(const QString& cesta) {
    const QByteArray c = QFile::encodeName(cesta);
    // Not inherited by the programs this one starts (a mail program may outlive it and would keep
    // the lock); no link followed to a file elsewhere; no wait on a pipe put in its place.
    constexpr int kPriznaky = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    // The file holds nothing; one readable by others lets another user's start see the lock.
    int fd = ::open(c.constData(), O_RDWR | O_CREAT | kPriznaky, 0644);
    // flock needs no write access: another user's lock file, or a folder this user cannot write.
    if (fd < 0) fd = ::open(c.constData(), O_RDONLY | kPriznaky);
    if (fd < 0) {
        m_stav = errno == ENOENT ? Stav::Nelze : Stav::Obsazen;
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        m_stav = Stav::Drzen;
        return;
    }
    m_stav = errno == EWOULDBLOCK ? Stav::Obsazen : Stav::Nelze;
    ::close(fd);
}

ZamekSouboru::~ZamekSouboru() {
    if (m_fd >= 0) ::close(m_fd);
}
