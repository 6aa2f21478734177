#pragma once
// The order sheet as a file: the order XML written and read by other installations and mailed
// to a dealer, and the HTML page from Data/objednavka.htm for printing and for the copies of
// sent orders.
#include "orders/ModelObjednavky.h"
#include "platform/Vysledek.h"

#include <QDate>
#include <QList>

inline const QString kNeniCoExportovat = QStringLiteral("Není co exportovat do souboru.");
inline const QString kTitulekExportu = QStringLiteral("Export objednávky");
inline const QString kTitulekImportu = QStringLiteral("Import objednávky");
inline const QString kNazevPosilaneObjednavky = QStringLiteral("Objednavka.xml");
// %1 the file.
inline const QString kBezObjednavky = QStringLiteral("Soubor %1 neobsahuje žádnou objednávku.");
// %1 the file, %2 the sub-order's title, %3 the count as the file holds it.
inline const QString kChybnyPocetKusu =
    QStringLiteral("Soubor %1 nelze importovat: objednávka „%2“ obsahuje počet kusů „%3“, "
                   "počet musí být celé číslo od 0 do 9999. Nic nebylo importováno.");
// %1 the file, %2 the sub-order's title, %3 the code.
inline const QString kChybiPocetKusu =
    QStringLiteral("Soubor %1 nelze importovat: objednávka „%2“ neuvádí počet kusů položky „%3“. Nic nebylo importováno.");
inline const QString kPostaNeodeslana =
    QStringLiteral("Objednávka nebyla předána poštovnímu programu. Objednávkový list zůstává beze změny.");


// The order XML of the sheet, every sub-order in list order. Values go as they are held, except
// "<" and ">", written as "‹" and "›": no installation unescapes, and a note must never change
// the file's structure.
QString XmlObjednavky(const ModelObjednavky& m);

// The sub-orders of an order XML: <objednavka1>, <objednavka2>, ... up to the first that is
// missing or empty; one without a title, codes or counts is skipped. Tags match in any case.
QList<PolozkaObjednavky> ctiObjednavky(const QString& xml);

// ExportObjednavky: to `cesta`, or with `posta` to Tmp/dd-mm-yy.xml beside the data folder (0600, its
// files deleted first, `cesta` set to it) and mailed as "Objednavka.xml". Fails when the file
// could not be written or the mail program did not take it.
Vysledek<> ExportObjednavky(const ModelObjednavky& m, bool posta, QString& cesta);

// "Import objednávky ...": the sub-orders of the text of `soubor` appended, the last entry
// selected. A file without a sub-order, with a code without its count, or with a count that is
// not a whole number from 0 to 9999, is refused whole with a message naming the file (and the
// sub-order and the code or count); nothing is added.
Vysledek<> importujObjednavky(ModelObjednavky& m, const QString& xml, const QString& soubor);

// DateSerial: a month or day beyond its range carries into the next month or year, day 0 is the
// last day of the month before, month 13 January of the next year.
QDate dateSerial(int rok, int mesic, int den);
// The dispatch date of the three boxes, each box its leading number (an empty box 0).
QDate datumExpedice(const ModelObjednavky& m);

// The page: the template's twelve placeholders replaced, every occurrence of each, in order;
// every value the user or an imported file gave is escaped. The note is the last sub-order's.
QString sestavHtmlObjednavky(ModelObjednavky& m, QString sablona, const QString& zavod, const QString& cislo,
                             const QDate& dnes);
// The page's bytes, Windows-1250. A missing template fails with its name.
Vysledek<QByteArray> htmlObjednavky(ModelObjednavky& m, const QString& zavod, const QString& cislo);
// Objednavka2Html: the page written to `cesta` through a temporary file; nothing is written when
// it fails.
Vysledek<> Objednavka2Html(ModelObjednavky& m, const QString& zavod, const QString& cislo, const QString& cesta);

// "Tisk ...": the page with no plant or number into Data/Tmp2Print/objednavka.htm, opened with
// the desktop's browser.
Vysledek<> mnuTisk_Click(ModelObjednavky& m);
// "Nápověda": Data/Help/Obj/index.htm in the desktop's browser.
void mnuNapoveda_Click();
