#pragma once
// Profile (INI) files as the original platform kept them, shared key by key by several writers:
// Windows-1250, CR LF, names matched case-insensitively, the first matching section and key win.
#include <QString>

namespace ini {

// The value of a key, trimmed, one pair of enclosing quotes removed, cut to `delka` characters
// (127 for the program's own reads, 63 for the system sections). Missing file, section or key: "".
QString cti(const QString& soubor, const QString& sekce, const QString& klic, int delka = 127);

// Writes one value: the key's line is replaced in place, a new key goes after the last non-blank
// line of its section, a new section at the end of the file; every other byte stays. The file is
// written to a temporary file and renamed. Returns false when the file could not be written.
bool zapis(const QString& soubor, const QString& sekce, const QString& klic, const QString& hodnota);

}  // namespace ini
