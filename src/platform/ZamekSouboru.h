#pragma once
// An exclusive lock on a file that the system releases when the process ends, however it ends:
// a crash or a kill leaves no lock behind.
#include <QString>

class ZamekSouboru {
public:
    enum class Stav {
        Drzen,       // this object holds the lock
        Obsazen,     // another process holds it
        Nelze,       // there is no such file and none can be made, or the file system locks nothing
        Neotevren,   // the file, or its folder, is there and cannot be opened: chyba() says why
    };

    // Tries once and never waits. The file is made when missing, readable by all whatever the
    // umask, and never removed: a removal would let two processes lock two different files under
    // one name.
    explicit ZamekSouboru(const QString& cesta);
    ~ZamekSouboru();
    ZamekSouboru(const ZamekSouboru&) = delete;
    ZamekSouboru& operator=(const ZamekSouboru&) = delete;

    Stav stav() const { return m_stav; }
    // The errno of the open that failed (Neotevren).
    int chyba() const { return m_chyba; }

private:
    int m_fd = -1;
    Stav m_stav = Stav::Nelze;
    int m_chyba = 0;
};
