#pragma once
// One running program per data folder, whoever starts it, from whichever session and by whichever
// spelling of the folder: the lock is a file in the data folder itself, found as its data files
// are. It is taken once per process and held until the process ends, so a restart in place passes.
#include "platform/Vysledek.h"
#include "platform/ZamekSouboru.h"

#include <QLockFile>
#include <QString>
#include <memory>

inline const QString kSouborZamku = QStringLiteral(".Sorvenika.lock");
inline const QString kJizSpusten = QStringLiteral("Program je již spuštěn.");

class JedinaInstance {
public:
    // The lock of a data folder in which no lock file can be made (read-only, so nothing in it can
    // be lost): in the session's runtime folder.
    static QString zamekRelace(const QString& slozka);

    // Passes when this process holds the lock of the data folder `slozka` (taken now or earlier).
    // Fails with kJizSpusten only when another program holds it; a lock file that cannot be opened
    // is named with its reason.
    Vysledek<> zamkni(const QString& slozka);

private:
    std::unique_ptr<ZamekSouboru> m_zamek;
    std::unique_ptr<QLockFile> m_zamekRelace;
};
