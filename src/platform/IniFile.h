#pragma once
// Profile (INI) files as existing installations keep them, shared key by key by several writers:
// Windows-1250, CR LF, names matched case-insensitively, the first matching section and key win.
#include "platform/Vysledek.h"

#include <QList>
#include <QString>
#include <utility>

namespace ini {

// A profile file read once, for a load of many values.
class Profil {
public:
    // A missing file reads as empty, and so does one that cannot be read, whose failure chyba() then
    // names.
    explicit Profil(const QString& soubor);
    const QString& chyba() const { return m_chyba; }
    // The value of a key, trimmed, one pair of enclosing quotes removed, cut to `delka` characters
    // when given (127 for the settings, 63 for the system sections); by default whole, so that a
    // value the program wrote reads back as written. Missing section or key: "".
    QString cti(const QString& sekce, const QString& klic, int delka = -1) const;

private:
    QString m_text;
    QString m_chyba;
};

// One value of a file, as Profil reads it.
QString cti(const QString& soubor, const QString& sekce, const QString& klic, int delka = -1);

// Writes values of one section: a key's line is replaced in place, a new key goes after the last
// non-blank line of its section, a new section at the end of the file; every other byte stays.
// The file is read once and written once, to a temporary file that is renamed. A file that
// holds a password ("Pwd", "ProxyPwd") is the owner's alone (mode 0600). Fails when the file
// could not be written or a name would not read back as itself.
Vysledek<> zapis(const QString& soubor, const QString& sekce, const QList<std::pair<QString, QString>>& hodnoty);
Vysledek<> zapis(const QString& soubor, const QString& sekce, const QString& klic, const QString& hodnota);

// The values of one section, for a write of several.
struct Sekce {
    QString nazev;
    QList<std::pair<QString, QString>> hodnoty;
};
// The same for several sections in one replacement of the file: values that belong together are
// then either all stored or none.
Vysledek<> zapis(const QString& soubor, const QList<Sekce>& sekce);

}  // namespace ini
