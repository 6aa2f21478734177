#include "platform/ZamekSouboru.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

ZamekSouboru::ZamekSouboru(const QString& cesta) {
    const QByteArray c = QFile::encodeName(cesta);
    // Not inherited by the programs this one starts (a mail program may outlive it and would keep
    // the lock); no link followed to a file elsewhere; no wait on a pipe put in its place.
    constexpr int kPriznaky = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(c.constData(), O_RDWR | O_CREAT | O_EXCL | kPriznaky, 0644);
    // The file holds nothing; one readable by others lets another user's start see the lock
    // rather than a file it cannot open. A file system without modes still locks.
    if (fd >= 0) (void)::fchmod(fd, 0644);
    else if (errno == EEXIST) fd = ::open(c.constData(), O_RDWR | kPriznaky);
    // flock needs no write access: another user's lock file, or a folder this user cannot write.
    if (fd < 0) fd = ::open(c.constData(), O_RDONLY | kPriznaky);
    if (fd < 0) {
        m_chyba = errno;
        m_stav = m_chyba == ENOENT ? Stav::Nelze : Stav::Neotevren;
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
