#pragma once
// Reading and writing text files, choosing files and folders, mailing files and single values of
// profile files, under the names the rest of the program uses. Paths may be written for Windows
// ("\" and any letter case); they are resolved against the data folders first.
#include "platform/UserDialogs.h"
#include "platform/Vysledek.h"

#include <QList>
#include <QString>
#include <QStringList>

// The file's bytes from `offset` as Windows-1250 text; a length of 0 reads to the end. A missing
// file is reported to the user and reads as "".
QString NactiSoubor(const QString& cesta, qint64 offset = 0, qint64 delka = 0);

// Writes the text at `offset` (clamped to the file's size) without shortening the file; a missing
// file is created. A failure is reported to the user (the file and the reason) and returns false.
bool ZapisSoubor(const QString& cesta, const QString& text, qint64 offset);

// Replaces a whole file: written to a temporary file beside it and renamed, so the old file stays
// until the new one is complete; missing folders are created.
Vysledek<> NahradSoubor(const QString& cesta, const QByteArray& bajty);

// One value of a profile file, at most 127 characters; "" when missing.
QString CtiIni(const QString& soubor, const QString& sekce, const QString& klic);
// Writes one value of a profile file.
Vysledek<> ZapisIni(const QString& soubor, const QString& sekce, const QString& klic, const QString& hodnota);

inline const QString kSouborExistuje = QStringLiteral("Soubor již existuje, má se přepsat ?");

// The chosen path, or "" when the user cancels.
QString VyberSouborOtevrit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka);
QString VyberSouborUlozit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                          const QString& pripona);
QString VyberAdresar(const QString& titulek);

// The save dialog until the user picks a file that is new or that he lets overwrite; "" when he
// cancels. The overwriting is the writer's, which replaces a file only once it is written whole.
QString VyberSouborKUlozeni(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& slozka,
                            const QString& pripona);
// A remembered start folder; one that does not exist here (a Windows path from an older data
// folder, an unplugged drive) or none gives the home folder.
QString pocatecniSlozka(const QString& ulozena);
// "Uložit sorveniku do formátu HTML" (the costing's page and an offer's): opened in the folder of
// the last HTML export, which the chosen file's folder then becomes; "" when the user cancels.
QString VyberHtmlKUlozeni();

// Opens a new message of the user's mail program with the files attached, each under the name
// given for it in `nazvy`. A refusal of the mail program is reported with its number; true when
// the mail program took the message.
bool PosliPostou(const QStringList& cesty, const QStringList& nazvy);
bool PosliPostou(const QString& cesta, const QString& nazev);
