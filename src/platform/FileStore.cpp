#include "platform/FileStore.h"

#include "platform/DataPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace filestore {

namespace {

Vysledek<> slozkaPro(const QString& cesta) {
    const QString slozka = QFileInfo(cesta).absolutePath();
    if (QDir().mkpath(slozka)) return {};
    return chybaZapisu(cesta, QStringLiteral("složku %1 nelze vytvořit").arg(QDir::toNativeSeparators(slozka)));
}

// A rewrite killed before its rename leaves the temporary QSaveFile made beside the file: the
// file's name, "." and six random letters. A suffix written as a word ("backup", "ZALOHA",
// "Zaloha") is someone's copy and stays; 3 in 64 of Qt's random suffixes look so and stay too.
bool jeDocasna(QStringView nazev, QStringView soubor) {
    if (nazev.size() != soubor.size() + 7 || !nazev.startsWith(soubor) || nazev[soubor.size()] != u'.') return false;
    int velkych = 0;
    for (const QChar c : nazev.last(6)) {
        if (c >= u'A' && c <= u'Z') ++velkych;
        else if (c < u'a' || c > u'z') return false;
    }
    const bool slovo = velkych == 0 || velkych == 6 || (velkych == 1 && nazev[soubor.size() + 1].isUpper());
    return !slovo;
}

void odeberDocasne(const QString& cesta) {
    const QFileInfo fi(cesta);
    const QDir slozka = fi.absoluteDir();
    const QString soubor = fi.fileName();
    for (const QString& nazev : slozka.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (jeDocasna(nazev, soubor)) QFile::remove(slozka.filePath(nazev));
}

// Writes all of `bajty`; otherwise the reason. Qt reports a write cut short (a full disk, a size
// limit) only by its count, or in words it has no Czech for; the system call that stopped it
// left its reason in errno.
std::optional<QString> zapisVse(QFileDevice& f, const QByteArray& bajty) {
    errno = 0;
    const qint64 zapsano = f.write(bajty);
    const int chyba = errno;
    if (zapsano == bajty.size()) return std::nullopt;
    return chyba ? duvodSystemu(chyba) : f.errorString();
}

// Why a rewrite could not start: QSaveFile words it in English only, so the system is asked
// again, as the same user, about the file and its folder; what that cannot see (a failing device,
// a quota) is the open's own `chyba`.
QString duvodNeotevreni(const QString& cesta, const QFileDevice& f, int chyba) {
    const QByteArray jmeno = QFile::encodeName(cesta);
    const QByteArray slozka = QFile::encodeName(QFileInfo(cesta).absolutePath());
    if (QFileInfo(cesta).isDir()) return duvodSystemu(EISDIR);
    if (QFileInfo::exists(cesta) && faccessat(AT_FDCWD, jmeno.constData(), W_OK, AT_EACCESS) != 0) return duvodSystemu(errno);
    if (faccessat(AT_FDCWD, slozka.constData(), W_OK | X_OK, AT_EACCESS) != 0) return duvodSystemu(errno);
    return chyba ? duvodSystemu(chyba) : f.errorString();
}

// The file opened for reading, or minus the system's errno.
int otevriCteni(const QString& cesta) {
    const int fd = ::open(QFile::encodeName(cesta).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -errno;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return -EISDIR;
    }
    return fd;
}

// The one wording of a file that is there but cannot be read. A read the system refused names
// its reason even where a folder on the path hides the file from exists().
Chyba nelzePrecist(const QString& cesta, const QString& duvod) {
    const QString jmeno = QDir::toNativeSeparators(cesta);
    if (duvod.isEmpty()) return Chyba{QStringLiteral("Soubor %1 nelze přečíst.").arg(jmeno)};
    return Chyba{QStringLiteral("Soubor %1 nelze přečíst: %2.").arg(jmeno, duvod)};
}

Chyba chybaOtevreni(const QString& cesta, int chyba) {
    return chyba == ENOENT || chyba == ENOTDIR ? chybaCteni(cesta) : nelzePrecist(cesta, duvodSystemu(chyba));
}

// Reads `fd` from where it stands to its end and closes it; `kapacita` is a first guess of the
// size. A read that fails part-way fails the whole, never gives part of the file.
Vysledek<std::optional<QByteArray>> doctiAZavri(int fd, const QString& cesta, qsizetype kapacita) {
    QByteArray obsah(qMax<qsizetype>(kapacita, 1), Qt::Uninitialized);
    qsizetype precteno = 0;
    for (;;) {
        if (precteno == obsah.size()) obsah.resize(obsah.size() * 2);
        const ssize_t n = ::read(fd, obsah.data() + precteno, static_cast<size_t>(obsah.size() - precteno));
        if (n > 0) {
            precteno += n;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int chyba = errno;
            ::close(fd);
            return nelzePrecist(cesta, duvodSystemu(chyba));
        }
    }
    ::close(fd);
    obsah.truncate(precteno);
    return std::optional(std::move(obsah));
}

qint64 ns(const timespec& t) { return static_cast<qint64>(t.tv_sec) * 1'000'000'000 + t.tv_nsec; }

StavSouboru stavZ(const struct stat& st) {
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino), static_cast<qint64>(st.st_size),
            ns(st.st_mtim), ns(st.st_ctim)};
}

// A write by another program in the same clock tick as ours would get the same two times where
// the kernel stamps files coarsely (every few milliseconds), and a rewrite in place keeps the
// size. So the modification time is set one nanosecond back: no later write stamps a time that
// lies before ours. A file system that does not keep it to the nanosecond promises nothing.
std::optional<StavSouboru> stavPoZapisu(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0) return std::nullopt;
    timespec casy[2] = {{0, UTIME_OMIT}, st.st_mtim};
    if (casy[1].tv_nsec > 0) {
        --casy[1].tv_nsec;
    } else {
        --casy[1].tv_sec;
        casy[1].tv_nsec = 999'999'999;
    }
    if (futimens(fd, casy) != 0 || fstat(fd, &st) != 0 || ns(st.st_mtim) != ns(casy[1])) return std::nullopt;
    return stavZ(st);
}

const QString kPredponaNove = QStringLiteral(".sorvenika-");
const QString kPriponaNove = QStringLiteral(".tmp");
constexpr int kNahodnych = 12;
// A named temporary lies open and unlocked between its create and its lock; one written within
// the last minute is never taken for a dead writer's.
constexpr qint64 kStariOpusteneNs = 60'000'000'000;

bool stejny(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether `cesta` still names the file open as `fd`.
bool vedeK(const QByteArray& cesta, int fd) {
    struct stat jmeno {}, otevreny {};
    return ::lstat(cesta.constData(), &jmeno) == 0 && fstat(fd, &otevreny) == 0 && stejny(jmeno, otevreny);
}

// A TempFile's named temporary whose writer is gone: its lock went with the writer's process.
// Anything else under such a name (a pipe, a device, a link, a folder) is never opened nor waited for.
void odeberOpustene(const QDir& slozka) {
    const qsizetype delka = kPredponaNove.size() + kNahodnych + kPriponaNove.size();
    timespec ted {};
    clock_gettime(CLOCK_REALTIME, &ted);
    for (const QString& nazev : slozka.entryList({kPredponaNove + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (nazev.size() != delka || !nazev.endsWith(kPriponaNove)) continue;
        const QByteArray cesta = QFile::encodeName(slozka.filePath(nazev));
        struct stat st {};
        if (::lstat(cesta.constData(), &st) != 0 || !S_ISREG(st.st_mode) || ns(ted) - ns(st.st_mtim) < kStariOpusteneNs) continue;
        const int fd = ::open(cesta.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // Unlinked while locked, and only if the name still leads to the file that is locked.
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && vedeK(cesta, fd)) ::unlink(cesta.constData());
        ::close(fd);
    }
}

}  // namespace

TempFile::TempFile(TempFile&& jiny) noexcept
    : m_cesta(std::move(jiny.m_cesta)), m_docasna(std::exchange(jiny.m_docasna, {})), m_nazev(std::move(jiny.m_nazev)),
      m_fd(std::exchange(jiny.m_fd, -1)) {}

TempFile::~TempFile() {
    // A name that no longer leads to this file is another's now.
    if (const QByteArray c = QFile::encodeName(m_docasna); !c.isEmpty() && vedeK(c, m_fd)) ::unlink(c.constData());
    if (m_fd >= 0) ::close(m_fd);
}

Vysledek<> TempFile::write(const QByteArray& bajty) {
    for (qsizetype zapsano = 0; zapsano < bajty.size();) {
        const ssize_t n = ::write(m_fd, bajty.constData() + zapsano, static_cast<size_t>(bajty.size() - zapsano));
        if (n > 0) zapsano += n;
        else if (n == 0 || errno != EINTR) return chybaZapisu(m_nazev, duvodSystemu(n == 0 ? ENOSPC : errno));
    }
    return {};
}

Vysledek<QString> TempFile::linkAs(const std::function<QString(int)>& jmeno) {
    if (fdatasync(m_fd) != 0) return chybaZapisu(m_nazev, duvodSystemu(errno));
    const QByteArray z = QFile::encodeName(m_docasna.isEmpty() ? m_cesta : m_docasna);
    // A named temporary that no longer leads to what was written (another program's file made
    // under its name, which a writer by name would then have filled) is given no name.
    if (!m_docasna.isEmpty() && !vedeK(z, m_fd)) return chybaZapisu(m_nazev, duvodSystemu(ENOENT));
    // An unnamed one is linked through the system's link to it. A named one is renamed, or
    // linked too where the file system cannot rename without replacing (EINVAL).
    bool prejmenovat = !m_docasna.isEmpty();
    for (int i = 1;;) {
        const QString cil = jmeno(i);
        const QByteArray na = QFile::encodeName(cil);
        const int r = prejmenovat ? renameat2(AT_FDCWD, z.constData(), AT_FDCWD, na.constData(), RENAME_NOREPLACE)
                                  : linkat(AT_FDCWD, z.constData(), AT_FDCWD, na.constData(), AT_SYMLINK_FOLLOW);
        if (r == 0) {
            if (prejmenovat) m_docasna.clear();
            return cil;
        }
        if (prejmenovat && (errno == EINVAL || errno == ENOSYS)) prejmenovat = false;
        else if (errno == EEXIST) ++i;
        else return chybaZapisu(cil, duvodSystemu(errno));
    }
}

Vysledek<TempFile> createTemp(const QString& nazev, bool soukromy) {
    if (Vysledek<> s = slozkaPro(nazev); !s) return s.selhani();
    const QDir slozka = QFileInfo(nazev).absoluteDir();
    odeberOpustene(slozka);
    const mode_t rezim = soukromy ? 0600 : 0666;
    // Unnamed where the file system has such files: then no other program can ever see it, and a
    // killed writer leaves nothing. The system's link to the open file is its path.
    if (const int fd = ::open(QFile::encodeName(slozka.absolutePath()).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, rezim); fd >= 0) {
        const QString cesta = QStringLiteral("/proc/self/fd/%1").arg(fd);
        if (::access(QFile::encodeName(cesta).constData(), F_OK) == 0) return TempFile(cesta, {}, nazev, fd);
        ::close(fd);
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return chybaZapisu(nazev, duvodSystemu(errno));
    }
    static constexpr char kZnaky[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    // A clean-up that locked the new file first is removing it: another name is taken. A program
    // that keeps taking them fails the write rather than hold it forever.
    for (int pokus = 0; pokus < 100; ++pokus) {
        QString jmeno = kPredponaNove;
        for (int i = 0; i < kNahodnych; ++i) jmeno += QLatin1Char(kZnaky[QRandomGenerator::system()->bounded(62)]);
        const QString cesta = slozka.filePath(jmeno + kPriponaNove);
        const QByteArray c = QFile::encodeName(cesta);
        const int fd = ::open(c.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, rezim);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return chybaZapisu(nazev, duvodSystemu(errno));
        }
        // Held while the writer lives, so that only a dead writer's temporary is taken for one;
        // the name is looked at once it is held, for a clean-up may have removed it before.
        const bool zamceno = flock(fd, LOCK_EX | LOCK_NB) == 0;
        const int chyba = errno;
        if (zamceno && vedeK(c, fd)) return TempFile(cesta, cesta, nazev, fd);
        if (!zamceno && vedeK(c, fd)) ::unlink(c.constData());
        ::close(fd);
        if (!zamceno && chyba != EWOULDBLOCK) return chybaZapisu(nazev, duvodSystemu(chyba));
    }
    return chybaZapisu(nazev, duvodSystemu(EBUSY));
}

QString duvodSystemu(int chyba) {
    switch (chyba) {
    // Qt's own Czech words for the first two.
    case EACCES:
    case EPERM: return QStringLiteral("Přístup odepřen");
    case ENOSPC: return QStringLiteral("Na zařízení není žádný volný úložný prostor");
    case EDQUOT: return QStringLiteral("Překročena disková kvóta");
    case EFBIG: return QStringLiteral("Soubor je příliš velký");
    case EROFS: return QStringLiteral("Systém souborů je pouze pro čtení");
    case EIO: return QStringLiteral("Chyba vstupu/výstupu");
    case ENOENT: return QStringLiteral("Soubor nebo adresář neexistuje");
    case ENOTDIR: return QStringLiteral("Není adresářem");
    case EISDIR: return QStringLiteral("Je adresářem");
    case ENAMETOOLONG: return QStringLiteral("Příliš dlouhý název souboru");
    case ELOOP: return QStringLiteral("Příliš mnoho úrovní symbolických odkazů");
    case EMFILE:
    case ENFILE: return QStringLiteral("Příliš mnoho otevřených souborů");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("Soubor je používán");
    case ENOLCK: return QStringLiteral("Nejsou k dispozici žádné zámky");
    default: return QString::fromStdString(std::generic_category().message(chyba));
    }
}

Chyba chybaZapisu(const QString& cesta, const QString& duvod) {
    return Chyba{QStringLiteral("Chyba při zápisu do souboru %1: %2").arg(QDir::toNativeSeparators(cesta), duvod)};
}

Chyba chybaCteni(const QString& cesta, const QString& duvod) {
    if (!QFileInfo::exists(resolvePath(cesta))) return Chyba{QStringLiteral("Soubor %1 neexistuje !").arg(QDir::toNativeSeparators(cesta))};
    return nelzePrecist(cesta, duvod);
}

Vysledek<> openRead(QFile& f, QIODevice::OpenMode dalsi, const QString& nazev) {
    const QString jmeno = nazev.isEmpty() ? f.fileName() : nazev;
    const int fd = otevriCteni(f.fileName());
    if (fd < 0) return chybaOtevreni(jmeno, -fd);
    if (f.open(fd, QIODevice::ReadOnly | dalsi, QFileDevice::AutoCloseHandle)) return {};
    ::close(fd);
    return chybaCteni(jmeno, f.errorString());
}

namespace {

class SouborKCteni : public FileReader {
public:
    SouborKCteni(const QString& cesta, int fd, qint64 velikost) : FileReader(cesta), m_fd(fd), m_velikost(velikost) {}
    ~SouborKCteni() override { ::close(m_fd); }
    SouborKCteni(const SouborKCteni&) = delete;
    SouborKCteni& operator=(const SouborKCteni&) = delete;
    qint64 size() const override { return m_velikost; }
    Vysledek<> seek(qint64 pozice) override {
        if (::lseek(m_fd, pozice, SEEK_SET) >= 0) return {};
        return nelzePrecist(name(), duvodSystemu(errno));
    }

protected:
    qint64 readSome(char* kam, qint64 n) override { return ::read(m_fd, kam, static_cast<size_t>(n)); }

private:
    int m_fd;
    qint64 m_velikost;
};

}  // namespace

Vysledek<qint64> FileReader::read(char* kam, qint64 n) {
    qint64 celkem = 0;
    while (celkem < n) {
        const qint64 r = readSome(kam + celkem, n - celkem);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return nelzePrecist(m_nazev, duvodSystemu(errno));
        if (r == 0) break;
        celkem += r;
    }
    return celkem;
}

Vysledek<std::unique_ptr<FileReader>> openReader(const QString& cesta) {
    const int fd = otevriCteni(cesta);
    if (fd < 0) return chybaOtevreni(cesta, -fd);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int chyba = errno;
        ::close(fd);
        return nelzePrecist(cesta, duvodSystemu(chyba));
    }
    return std::unique_ptr<FileReader>(std::make_unique<SouborKCteni>(cesta, fd, static_cast<qint64>(st.st_size)));
}

Vysledek<std::optional<QByteArray>> readAll(const QString& cesta) {
    const int fd = otevriCteni(cesta);
    // A folder on its path that is a file holds no file either.
    if (fd == -ENOENT || fd == -ENOTDIR) return std::optional<QByteArray>();
    if (fd < 0) return chybaOtevreni(cesta, -fd);
    struct stat st {};
    // One byte more than the size, so that the end shows without a second buffer.
    return doctiAZavri(fd, cesta, fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<qsizetype>(st.st_size) + 1 : 4096);
}

Vysledek<QByteArray> readAllOrEmpty(const QString& cesta) {
    Vysledek<std::optional<QByteArray>> r = readAll(cesta);
    if (!r) return r.selhani();
    return r->value_or(QByteArray());
}

Vysledek<QByteArray> readExisting(const QString& cesta) {
    Vysledek<std::optional<QByteArray>> r = readAll(cesta);
    if (!r) return r.selhani();
    if (!*r) return chybaCteni(cesta);
    return std::move(**r);
}

Vysledek<std::optional<QByteArray>> readTail(const QString& cesta, qint64 n) {
    const int fd = otevriCteni(cesta);
    if (fd == -ENOENT || fd == -ENOTDIR) return std::optional<QByteArray>();
    if (fd < 0) return chybaOtevreni(cesta, -fd);
    struct stat st {};
    const qint64 od = fstat(fd, &st) == 0 ? qMax<qint64>(0, st.st_size - n) : 0;
    if (::lseek(fd, od, SEEK_SET) < 0) {
        const int chyba = errno;
        ::close(fd);
        return nelzePrecist(cesta, duvodSystemu(chyba));
    }
    Vysledek<std::optional<QByteArray>> r = doctiAZavri(fd, cesta, static_cast<qsizetype>(n) + 1);
    // A file that grew meanwhile still gives only its last n bytes.
    if (r && (*r)->size() > n) (*r)->remove(0, (*r)->size() - n);
    return r;
}

Vysledek<> replace(const QString& cesta, const QByteArray& bajty, std::optional<QFileDevice::Permissions> prava) {
    if (Vysledek<> s = slozkaPro(cesta); !s) return s;
    odeberDocasne(cesta);
    QSaveFile f(cesta);
    // Unbuffered: a write cut short shows in write()'s count, where the buffer's flush at commit
    // would let the short file through as complete.
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return chybaZapisu(cesta, duvodNeotevreni(cesta, f, errno));
    std::optional<QString> duvod;
    // Qt words a refused permission change in English only; the call left its reason.
    errno = 0;
    if (prava && !f.setPermissions(*prava)) duvod = errno ? duvodSystemu(errno) : f.errorString();
    else duvod = zapisVse(f, bajty);
    // QSaveFile's own flush before the rename does not look at its result.
    if (!duvod && fdatasync(f.handle()) != 0) duvod = duvodSystemu(errno);
    if (duvod) {
        f.cancelWriting();
        return chybaZapisu(cesta, *duvod);
    }
    // The rename (or link) that failed left its reason, which Qt words in English only.
    errno = 0;
    if (!f.commit()) return chybaZapisu(cesta, errno ? duvodSystemu(errno) : f.errorString());
    return {};
}

std::optional<StavSouboru> stav(const QString& cesta) {
    struct stat st {};
    if (::stat(QFile::encodeName(cesta).constData(), &st) != 0) return std::nullopt;
    return stavZ(st);
}

Vysledek<> append(const QString& cesta, const QByteArray& bajty, std::optional<StavSouboru>* po) {
    if (po) po->reset();
    if (Vysledek<> s = slozkaPro(cesta); !s) return s;
    odeberDocasne(cesta);
    QFile f(cesta);
    const bool byl = f.exists();
    const int fd = ::open(QFile::encodeName(cesta).constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return chybaZapisu(cesta, duvodSystemu(errno));
    // Unbuffered as in replace(); a buffer still holding the rest would also stop the cut-back.
    if (!f.open(fd, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return chybaZapisu(cesta, f.errorString());
    }
    const qint64 puvodni = f.size();
    const std::optional<QString> duvod = zapisVse(f, bajty);
    if (!duvod) {
        if (po) *po = stavPoZapisu(fd);
        return {};
    }
    if (byl) {
        f.resize(puvodni);
    } else {
        f.close();
        QFile::remove(cesta);
    }
    return chybaZapisu(cesta, *duvod);
}

Vysledek<> remove(const QString& cesta) {
    if (::unlink(QFile::encodeName(cesta).constData()) == 0 || errno == ENOENT) return {};
    return chybaZapisu(cesta, QStringLiteral("soubor nelze smazat: ") + duvodSystemu(errno));
}

}  // namespace filestore
