#pragma once
// One running program per data folder, whoever starts it and from whichever session: the lock is
// a file in the data folder itself. It is taken once per process and held until the process ends,
// so a restart in place passes.
#include "platform/ZamekSouboru.h"

#include <QLockFile>
#include <QString>
#include <memory>

inline const QString kSouborZamku = QStringLiteral(".Sorvenika.lock");

class JedinaInstance {
public:
    // The lock of a data folder in which no lock file can be made (read-only, so nothing in it can
    // be lost): in the session's runtime folder.
    static QString zamekRelace(const QString& slozka);

    // True when this process holds the lock of the data folder `slozka` (taken now or earlier).
    bool zamkni(const QString& slozka);

private:
    std::unique_ptr<ZamekSouboru> m_zamek;
    std::unique_ptr<QLockFile> m_zamekRelace;
};
