#include "platform/FileStore.h"

#include "platform/DataPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <system_error>
#include <unistd.h>

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

}  // namespace

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
    default: return QString::fromStdString(std::generic_category().message(chyba));
    }
}

Chyba chybaZapisu(const QString& cesta, const QString& duvod) {
    return Chyba{QStringLiteral("Chyba při zápisu do souboru %1: %2").arg(QDir::toNativeSeparators(cesta), duvod)};
}

Chyba chybaCteni(const QString& cesta, const QString& duvod) {
    const QString jmeno = QDir::toNativeSeparators(cesta);
    if (!QFileInfo::exists(resolvePath(cesta))) return Chyba{QStringLiteral("Soubor %1 neexistuje !").arg(jmeno)};
    if (duvod.isEmpty()) return Chyba{QStringLiteral("Soubor %1 nelze přečíst.").arg(jmeno)};
    return Chyba{QStringLiteral("Soubor %1 nelze přečíst: %2.").arg(jmeno, duvod)};
}

std::optional<QByteArray> readAll(const QString& cesta) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray obsah = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return obsah;
}

std::optional<QByteArray> readTail(const QString& cesta, qint64 n) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(qMax<qint64>(0, f.size() - n))) return std::nullopt;
    return f.readAll();
}

Vysledek<> replace(const QString& cesta, const QByteArray& bajty, std::optional<QFileDevice::Permissions> prava) {
    if (Vysledek<> s = slozkaPro(cesta); !s) return s;
    odeberDocasne(cesta);
    // A file the user may not write: the system's reason, where the saver's own would name the file again.
    if (const QByteArray c = QFile::encodeName(cesta); ::access(c.constData(), F_OK) == 0 && ::access(c.constData(), W_OK) != 0)
        return chybaZapisu(cesta, duvodSystemu(errno));
    QSaveFile f(cesta);
    // Unbuffered: a write cut short shows in write()'s count, where the buffer's flush at commit
    // would let the short file through as complete.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return chybaZapisu(cesta, f.errorString());
    std::optional<QString> duvod;
    if (prava && !f.setPermissions(*prava)) duvod = f.errorString();
    else duvod = zapisVse(f, bajty);
    if (duvod) {
        f.cancelWriting();
        return chybaZapisu(cesta, *duvod);
    }
    if (!f.commit()) return chybaZapisu(cesta, f.errorString());
    return {};
}

Vysledek<> append(const QString& cesta, const QByteArray& bajty) {
    if (Vysledek<> s = slozkaPro(cesta); !s) return s;
    odeberDocasne(cesta);
    QFile f(cesta);
    const bool byl = f.exists();
    // Unbuffered as in replace(); a buffer still holding the rest would also stop the cut-back.
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) return chybaZapisu(cesta, f.errorString());
    const qint64 puvodni = f.size();
    const std::optional<QString> duvod = zapisVse(f, bajty);
    if (!duvod) return {};
    if (byl) {
        f.resize(puvodni);
    } else {
        f.close();
        f.remove();
    }
    return chybaZapisu(cesta, *duvod);
}

Vysledek<> remove(const QString& cesta) {
    QFile f(cesta);
    if (!f.exists() || f.remove()) return {};
    return chybaZapisu(cesta, QStringLiteral("soubor nelze smazat: ") + f.errorString());
}

}  // namespace filestore
