#pragma once
// Files as whole byte strings: read, replaced through a temporary file (the old content or the
// new, never half of either) or appended to. Missing folders are created on the first write.
// Nothing here asks the user; a failed write comes back as its message for the caller to show.
#include "platform/Vysledek.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace filestore {

// Opens `f` (named) for reading; a file that is not there is chybaCteni's "neexistuje !", any
// other failure names the system's reason in Czech. `nazev`: the file as the message names it
// (by default f's name).
Vysledek<> openRead(QFile& f, QIODevice::OpenMode dalsi = {}, const QString& nazev = {});
// The whole file; nullopt when it is missing. A file that is there but cannot be read whole is a
// failure naming it and the reason, never an empty or a missing file.
Vysledek<std::optional<QByteArray>> readAll(const QString& cesta);
// The same with a missing file read as empty.
Vysledek<QByteArray> readAllOrEmpty(const QString& cesta);
// The whole of a file that must be there: a missing one fails as chybaCteni() words it.
Vysledek<QByteArray> readExisting(const QString& cesta);
// The last `n` bytes (fewer in a shorter file); nullopt when the file is missing, a failure as
// readAll's when it is there but cannot be read.
Vysledek<std::optional<QByteArray>> readTail(const QString& cesta, qint64 n);
// A file read a piece at a time from where it stands, for one too large to hold whole (the price
// list). One read may give fewer bytes than asked before the end, as a file on a network share
// does: read() goes on until it has them all or the file ends. Failures name the file and the
// system's reason.
class FileReader {
public:
    explicit FileReader(QString nazev) : m_nazev(std::move(nazev)) {}
    virtual ~FileReader() = default;
    const QString& name() const { return m_nazev; }
    virtual qint64 size() const = 0;
    virtual Vysledek<> seek(qint64 pozice) = 0;
    // n bytes from the current position, fewer only where the file ends.
    Vysledek<qint64> read(char* kam, qint64 n);

protected:
    // One read of at most n bytes: how many came (0 at the end), or -1 with errno set.
    virtual qint64 readSome(char* kam, qint64 n) = 0;

private:
    QString m_nazev;
};
// The file opened for reading, with openRead's failures.
Vysledek<std::unique_ptr<FileReader>> openReader(const QString& cesta);
// Every whole-file rewrite of the program goes through here. A write cut short (a full disk, a
// size limit) fails with chybaZapisu() and leaves the old file. `prava` are set on the temporary
// file before the first byte, so the new file is never more open than that; by default an
// existing file's permissions carry over. The new file is flushed to disk before it replaces the
// old one; a failed flush fails the write.
Vysledek<> replace(const QString& cesta, const QByteArray& bajty,
                   std::optional<QFileDevice::Permissions> prava = std::nullopt);
// What shows that a file changed: its place, its size and its two times to the nanosecond.
struct StavSouboru {
    quint64 zarizeni = 0, uzel = 0;
    qint64 velikost = 0, zmenaNs = 0, stavNs = 0;  // st_mtim, st_ctim
    bool operator==(const StavSouboru&) const = default;
};
// The file's state now; nullopt when it cannot be looked up.
std::optional<StavSouboru> stav(const QString& cesta);
// Appends in place. A write that fails part-way is cut back, so the file keeps its old length;
// a file it created is removed.
// Both writes first remove this file's temporaries left by a rewrite that was killed.
// `po`, when given, gets the state the append left the file in, taken from the descriptor it
// wrote through, such that any later change to the file shows in stav(); nullopt when the file
// system cannot promise that.
Vysledek<> append(const QString& cesta, const QByteArray& bajty, std::optional<StavSouboru>* po = nullptr);
// Succeeds also when there was nothing to remove; a failure names the file and its reason.
Vysledek<> remove(const QString& cesta);

// A file made new for one writer, in the folder of its future name `nazev` (the name messages give
// it): without a name where the file system allows, else under a temporary name no other user can
// foresee, made only where nothing stood (never through a link) and locked; either way no other
// writer's clean-up can take it, and it is its user's alone from its first byte when private. It
// gets its name only when whole; the temporary goes when the object ends.
class TempFile {
public:
    TempFile(TempFile&& jiny) noexcept;
    TempFile& operator=(TempFile&&) = delete;
    ~TempFile();
    // Where a writer that needs a path writes it (opened there, the same file).
    const QString& cesta() const { return m_cesta; }
    Vysledek<> write(const QByteArray& bajty);
    // Flushed to disk, then given the first free name of jmeno(1), jmeno(2), ... in one step, so
    // that no name ever holds a part of it. A name anything holds (a folder, a link, one that
    // leads nowhere too) is passed over, never written through. Gives the name.
    Vysledek<QString> linkAs(const std::function<QString(int)>& jmeno);

private:
    friend Vysledek<TempFile> createTemp(const QString& nazev, bool soukromy);
    TempFile(QString cesta, QString docasna, QString nazev, int fd)
        : m_cesta(std::move(cesta)), m_docasna(std::move(docasna)), m_nazev(std::move(nazev)), m_fd(fd) {}
    // m_docasna: the temporary name, empty for an unnamed temporary or once renamed.
    QString m_cesta, m_docasna, m_nazev;
    int m_fd = -1;
};
// Mode 0600 when `soukromy`, else as the user's new files are. The named temporaries in that
// folder whose writer is gone (a kill, a crash) are removed first, none written within a minute;
// a lock the system refuses fails the write with its reason.
Vysledek<TempFile> createTemp(const QString& nazev, bool soukromy);

// The reason of a system call that failed with errno `chyba`, in Czech as Qt words its own: a
// refused access, a full disk, a quota, a size limit, a read-only file system, an I/O error;
// any other in the system's words.
QString duvodSystemu(int chyba);
// The one wording of a failed write, for every file the program writes.
Chyba chybaZapisu(const QString& cesta, const QString& duvod);
// The one wording of a failed read: a file that is not there "neexistuje !", any other
// "nelze přečíst", with the reason when there is one.
Chyba chybaCteni(const QString& cesta, const QString& duvod = {});

}  // namespace filestore
