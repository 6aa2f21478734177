#pragma once
// The four offer files under Data/Nabidky: Windows-1250 text, CR LF line ends, "|" between the
// fields, a header line first. The unsent offers and the local states travel to the server
// byte for byte; the saved offers and the dealers are the server's replies as they came.
#include "offers/clsNabidka.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

inline const QString kNeodeslaneNabidky = QStringLiteral("NeodeslaneNabidky.txt");
inline const QString kUlozeneNabidky = QStringLiteral("UlozeneNabidky.txt");
inline const QString kStavyNabidek = QStringLiteral("StavyNabidek.txt");
inline const QString kObchodnici = QStringLiteral("Obchodnici.txt");
inline const QString kHlavickaStavu = QStringLiteral("ID|ExtID|Stav");

// A file of the folder Data/Nabidky.
QString souborNabidek(const QString& jmeno);

// Appends one record line to a file, writing the header line first when the file is missing or
// empty. A last line without its CR LF is what an interrupted append left: it is cut off first.
Vysledek<> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam);

// The offers of an offer file's bytes, each started as clsNabidka(n) and filled by the header.
// Empty lines are skipped. With `konecJenSCrLf` the text after the last CR LF is no record (in
// the unsent-offers file it is an interrupted append); without it a last record lacking its
// CR LF counts too.
QList<clsNabidka> CtiNabidky(const QByteArray& obsah, const Nastaveni& n, bool konecJenSCrLf);
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
