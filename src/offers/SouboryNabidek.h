#pragma once
// The four offer files under Data/Nabidky: Windows-1250 text, CR LF line ends, "|" between the
// fields, a header line first. The unsent offers and the local states travel to the server
// byte for byte; the saved offers and the dealers are the server's replies as they came.
#include "offers/clsNabidka.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

inline const QString kNeodeslaneNabidky = QStringLiteral("NeodeslaneNabidky.txt");
inline const QString kUlozeneNabidky = QStringLiteral("UlozeneNabidky.txt");
inline const QString kStavyNabidek = QStringLiteral("StavyNabidek.txt");
inline const QString kObchodnici = QStringLiteral("Obchodnici.txt");
inline const QString kHlavickaStavu = QStringLiteral("ID|ExtID|Stav");

// A file of the folder Data/Nabidky.
QString souborNabidek(const QString& jmeno);
// Where the unsent-offers file's cut-off fragments are kept.
inline const QString kZbytkyNeodeslanych = QStringLiteral("NeodeslaneNabidky-zbytky.txt");

// The whole lines of an offer file. The unsent-offers file's lines end with CR LF or LF, or with
// a lone CR in a file without any LF (files from other tools); what follows the last line end is a line too when it has at least
// the header's number of fields and its costing is empty or complete (a record written without
// its CR LF), else it is the fragment of a write cut short. Without any line end, that file is
// its header when it is the header or its beginning, else a fragment. The server's file
// (`zeServeru`) is replaced whole: its lines end with CR LF alone, as it sends them, and its last
// line counts whatever it holds.
struct RadkySouboru {
    QList<QByteArrayView> radky;  // the header first
    qsizetype celych = 0;         // the bytes the whole lines take, line ends included
    QByteArrayView zbytek;        // the fragment after them, empty when there is none
};
RadkySouboru RozdelRadky(QByteArrayView obsah, bool zeServeru = false);
// The whole lines each ended with CR LF, as the server and the appends expect them.
QByteArray RadkySCrLf(const QList<QByteArrayView>& radky);

// Appends one record line to a file, writing the header line first when the file is missing or
// holds no whole line. Whole records are always kept; a file whose last line lacks its CR LF, or
// whose lines end otherwise, is rewritten with CR LF ends. A fragment is moved to
// kZbytkyNeodeslanych beside the file (once, however often the save is tried); the value is then
// the message that says so, else "". A file that exists but cannot be read is left alone and the
// save fails. `predZapisem` runs once the file has been read, before the first write.
Vysledek<QString> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam,
                               const std::function<void()>& predZapisem = {});

// The offers of an offer file's bytes (the whole lines of RozdelRadky), each started as
// clsNabidka(n) and filled by the header. Empty lines are skipped.
QList<clsNabidka> CtiNabidky(QByteArrayView obsah, const Nastaveni& n, bool zeServeru = false);
// The two files of the offer list; a missing file holds no offers.
QList<clsNabidka> NactiNeodeslaneNabidky(const Nastaveni& n);
QList<clsNabidka> NactiUlozeneNabidky(const Nastaveni& n);

// Rewrites StavyNabidek.txt with the ID, ExtID and state of every offer of representative `idoz`.
Vysledek<> UlozStavy(const QList<clsNabidka>& nabidky, int idoz);
// Sets the states of representative `idoz`'s offers from StavyNabidek.txt, matched by ID and
// ExtID; a later line wins.
void AktualizujStavy(QList<clsNabidka>& nabidky, int idoz);

// The entry texts of Obchodnici.txt in file order: of each line after the header, what follows
// its first "|".
QStringList NactiObchodniky();
