#pragma once
// One running program per installation. The lock is taken once per process and held until the
// process ends, so a restart in place passes.
#include <QLockFile>
#include <QString>
#include <memory>

class JedinaInstance {
public:
    // The lock of the installation whose program folder is `slozka`.
    static QString souborZamku(const QString& slozka);

    // True when this process holds the lock (taken now or earlier).
    bool zamkni(const QString& slozka);

private:
    std::unique_ptr<QLockFile> m_zamek;
};
