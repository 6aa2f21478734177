#pragma once
#include <QString>

// The program's folder and its Data folder. SORVENIKA_DATA names the data folder (tests,
// packaging); the program's folder is then its parent.
QString dataDir();
QString appPath();
// A path from settings or data files, written for Windows: "\" becomes "/", and each part that
// does not exist as written is matched case-insensitively. Relative paths are taken from appPath().
QString resolvePath(const QString& cesta);
// A file under the data folder ("Art.dbf", "Nabidky\\UlozeneNabidky.txt"), resolved as above.
QString dataFile(const QString& relativni);

// The settings file under the data folder.
inline const QString kSouborNastaveni = QStringLiteral("Sorvenika.ini");
