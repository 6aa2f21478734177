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

// The unsent-offers file as the program writes it: the header line, then one record a line with
// the header's number of fields, every line ended by CR LF (by LF too, or by a lone CR in a file
// without LF, as other tools leave them). Everything else holds no offer to list or send: a first
// line that is not the header and every line below it, a line with another number of fields (two
// records glued together), a last line without its line end (a write cut short). A file without
// any line end that is the header or its beginning holds nothing at all.
struct ObsahNeodeslanych {
    struct Radek {
        QByteArrayView text;
        qsizetype zacatek = 0, dalsi = 0;  // its bytes in the file, [zacatek, dalsi) with its line end
    };
    bool hlavicka = false;          // the first line is the header
    bool crLf = true;               // every line ends with CR LF
    QList<Radek> zaznamy;           // the records, in file order
    QList<QByteArrayView> mimo;     // the other non-empty lines, in file order
};
ObsahNeodeslanych CtiNeodeslane(QByteArrayView obsah, const QString& hlavicka = kHlavickaNeodeslanych);
// The header and the records, each line ended with CR LF, as the server and the appends expect them.
QByteArray ZaznamySCrLf(const ObsahNeodeslanych& o, const QString& hlavicka = kHlavickaNeodeslanych);

// Appends one record line to the unsent-offers file, writing the header line first when the file
// is missing or holds nothing. Whole records are always kept; a file that holds anything else, or
// whose lines end otherwise than with CR LF, is rewritten as its header, its records and the new
// one, and what was no offer goes to kZbytkyNeodeslanych beside it first (once, however often the
// save is tried); the value is then the message that names it, else "". A file that exists but
// cannot be read is left alone and the save fails. `predZapisem` runs once the file has been
// read, before the first write; its failure fails the save, and nothing is written.
Vysledek<QString> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam,
                               const std::function<Vysledek<>()>& predZapisem = {});

// The offers of an offer file's bytes, each started as clsNabidka(n) and filled by the header:
// the records of CtiNeodeslane, or (`zeServeru`) every non-empty line of the server's file after
// its header, split at CR LF alone as the server sends them, the last one whatever it holds.
QList<clsNabidka> CtiNabidky(QByteArrayView obsah, const Nastaveni& n, bool zeServeru = false);
// The two files of the offer list; a missing file holds no offers, one that cannot be read fails.
Vysledek<QList<clsNabidka>> NactiNeodeslaneNabidky(const Nastaveni& n);
Vysledek<QList<clsNabidka>> NactiUlozeneNabidky(const Nastaveni& n);

// Rewrites StavyNabidek.txt with the ID, ExtID and state of every offer of representative `idoz`;
// never over a file that cannot be read, whose states were not applied.
Vysledek<> UlozStavy(const QList<clsNabidka>& nabidky, int idoz);
// Sets the states of representative `idoz`'s offers from StavyNabidek.txt, matched by ID and
// ExtID; a later line wins. A file that cannot be read changes nothing and fails.
Vysledek<> AktualizujStavy(QList<clsNabidka>& nabidky, int idoz);

// The entry texts of Obchodnici.txt in file order: of each line after the header, what follows
// its first "|". A missing file gives none, one that cannot be read fails.
Vysledek<QStringList> NactiObchodniky();
