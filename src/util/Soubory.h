#pragma once
// Reading and writing text files, mailing files and single values of profile files, under the
// names the rest of the program uses. Paths may be written for Windows ("\" and any letter case);
// they are resolved against the data folders first. Nothing here asks the user: failures come
// back as their message for the window to show.
#include "platform/Vysledek.h"

#include <QString>
#include <QStringList>
#include <functional>

// The file's bytes from `offset` as Windows-1250 text; a length of 0 reads to the end, a range
// beyond the end reads as "". A missing or unreadable file fails with its name.
Vysledek<QString> NactiSoubor(const QString& cesta, qint64 offset = 0, qint64 delka = 0);

// Writes the text at `offset` (clamped to the file's size) without shortening the file; a missing
// file is created. A failure names the file and the reason.
Vysledek<> ZapisSoubor(const QString& cesta, const QString& text, qint64 offset);

// Replaces a whole file: written to a temporary file beside it and renamed, so the old file stays
// until the new one is complete; missing folders are created.
Vysledek<> NahradSoubor(const QString& cesta, const QByteArray& bajty);

// One value of a profile file, at most 127 characters; "" when missing.
QString CtiIni(const QString& soubor, const QString& sekce, const QString& klic);
// Writes one value of a profile file.
Vysledek<> ZapisIni(const QString& soubor, const QString& sekce, const QString& klic, const QString& hodnota);

// Opens a new message of the user's mail program with the files attached, each under the name
// given for it in `nazvy`. A refusal of the mail program fails with its number and where the
// files are, for the user to attach them by hand.
// With `pozde` this returns as soon as the mail program is asked, and a refusal that comes only
// after that is handed to `pozde`, for the window to show. Without it the events flow until the
// mail program answers, and one silent for kCekaniNaPostuMs of the program's clock counts as a
// refusal: for callers that must know whether it took the message.
using PozdniOdmitnuti = std::function<void(const QString& zprava)>;
inline constexpr qint64 kCekaniNaPostuMs = 30000;
Vysledek<> PosliPostou(const QStringList& cesty, const QStringList& nazvy, const PozdniOdmitnuti& pozde = {});
Vysledek<> PosliPostou(const QString& cesta, const QString& nazev, const PozdniOdmitnuti& pozde = {});
