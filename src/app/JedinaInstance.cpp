#include "app/JedinaInstance.h"

#include "platform/DataPaths.h"
#include "platform/FileStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

QString JedinaInstance::zamekRelace(const QString& slozka) {
    // Without a session's runtime folder Qt would warn and fall back on its own; the temp folder does.
    QString adresar = qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                          ? QString()
                          : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (adresar.isEmpty()) adresar = QDir::tempPath();
    const QByteArray otisk =
        QCryptographicHash::hash(QDir::cleanPath(QDir(slozka).absolutePath()).toUtf8(), QCryptographicHash::Sha1);
    return adresar + QStringLiteral("/sorvenika-") + QString::fromLatin1(otisk.toHex().left(16)) +
           QStringLiteral(".lock");
}

namespace {

Chyba neotevren(const QString& soubor, int chyba) {
    // A link is never followed to a lock elsewhere; the system's own words for that mislead.
    const QString duvod = chyba == ELOOP ? QStringLiteral("Je to symbolický odkaz") : filestore::duvodSystemu(chyba);
    return Chyba{QStringLiteral("Soubor %1 nelze otevřít: %2. Program nelze spustit.").arg(QDir::toNativeSeparators(soubor), duvod)};
}

}  // namespace

Vysledek<> JedinaInstance::zamkni(const QString& slozka) {
    if (m_zamek || m_zamekRelace) return {};
    const QString soubor = resolvePath(slozka + QLatin1Char('/') + kSouborZamku);
    auto zamek = std::make_unique<ZamekSouboru>(soubor);
    switch (zamek->stav()) {
    case ZamekSouboru::Stav::Drzen: m_zamek = std::move(zamek); return {};
    case ZamekSouboru::Stav::Obsazen: return Chyba{kJizSpusten};
    case ZamekSouboru::Stav::Neotevren: return neotevren(soubor, zamek->chyba());
    case ZamekSouboru::Stav::Nelze: break;
    }
    auto relace = std::make_unique<QLockFile>(zamekRelace(QFileInfo(soubor).absolutePath()));
    // The default stale time would let a second start take the lock of a program that has been
    // running for more than half a minute; only a dead owner makes the lock stale.
    relace->setStaleLockTime(0);
    if (!relace->tryLock(0)) {
        // Left by the lock file's open, which is the last call of a lock that could not be made.
        const int chyba = errno;
        if (relace->error() == QLockFile::LockFailedError) return Chyba{kJizSpusten};
        return neotevren(relace->fileName(), chyba ? chyba : EACCES);
    }
    m_zamekRelace = std::move(relace);
    return {};
}
