#pragma once
// The offer form's rules without the form and without the record: the required fields, the
// learnt project names (NazevAkce.txt), the dealer list (Obchodnici.txt), the breakdown rebuilt
// from the parts grid and the prices that follow it.
#include "offers/clsNabidka.h"
#include "platform/FlexGrid.h"
#include "platform/Vysledek.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The form's entry fields: the offer's project part as the user completes it, the date as its
// text (the record's date is read from it on saving), the building type -1 when none is chosen.
struct UdajeNabidky : ProjektNabidky {
    QString DatumNabidky;
};

// The required fields in the order they are checked.
enum class PovinnePole {
    DatumNabidky,
    NazevAkce,
    MistoStavby,
    DruhStavby,
    RealizacniFirma,
    KontaktniOsoba,
    Telefon,
    Email,
    Obchodnik,
    ObchodnikMesto,
};

// The offer date under the regional settings, strictly between 1.1.2007 and 1.1.2099; a null
// date when the text is no such date.
QDate DatumNabidky(const QString& text);

// ZkontrolujUdaje: the first field that fails, with its message; nothing when all pass. Empty
// means the empty text (blanks pass).
[[nodiscard]] std::optional<Odmitnuti<PovinnePole>> ZkontrolujUdaje(const UdajeNabidky& u);

// The list order of the project names, dealers and filter values: Czech alphabetical ("Č" after
// "C", "ch" after "h"), letter case aside.
void seradSeznam(QStringList& seznam);

// The project names the form has learnt: Data/Nabidky/NazevAkce.txt, one a line, CR LF after
// each, empty lines ignored. A file that cannot be read lists nothing and is never written: the
// names are learnt and forgotten in the list alone, and the user is told why once, by the first
// who asks (the form, when it opens).
class NazvyAkci {
public:
    explicit NazvyAkci(QString soubor);
    const QStringList& seznam() const { return m_seznam; }
    // Why the file could not be read; "" when it was, or is missing.
    const QString& chyba() const { return m_chyba; }
    // The same, "" once it has been told.
    QString neohlasenaChyba();
    // A name typed and left: learnt when it is not empty and not listed yet (exactly), and
    // appended to the file. False when the file could not be written (the name stays listed).
    Vysledek<> nauc(const QString& nazev);
    // Delete on a listed name: forgotten, the file rewritten in list order, or removed when no
    // name remains.
    Vysledek<> zapomen(const QString& nazev);

private:
    Vysledek<> neprecteny();

    QString m_soubor;
    QStringList m_seznam;
    QString m_chyba;
    bool m_ohlaseno = false;
};

// The breakdown rebuilt from the parts grid (every cell followed by a TAB, every line by CR LF)
// and the sum of its "Cena celkem" cells (one that is no number counts 0).
struct RozpisMrizky {
    QString rozpis;
    double soucet = 0;
};
RozpisMrizky RozpisZMrizky(const FlexGrid& tabulka);

// The offer's prices that a parts change moves.
struct CenyNabidky {
    double CenaBezDPH = 0;
    double CenaPoSleveBezDPH = 0;
    double CenaPoSleveSDPH = 0;
    double ProjektovaSleva = 0;
};
// A T-REMOL offer's parts since the form opened: the change of their list prices and of their
// prices after the discount, in cents.
struct ZmenaTRemol {
    qint64 cenik = 0;
    qint64 poSleve = 0;
};
// The prices after a parts change, the grid's "Cena celkem" sum now `po`. The grid's prices are
// at the offer's coefficient (100 − projektovaSleva %), so the discount is in them already.
// Without a discount: the sum, and from it the prices with two decimals. With one: the prices
// the costing sheet would show, the price before the discount derived back from the sum; the
// discount stays. T-REMOL costings carry no line prices, so their prices follow the parts
// (`tRemol`; `puvodni` are then the prices at the opening, and po does not count):
// the list price by the change of the list prices, the price after discount by that of the
// parts' prices after discount, the price with VAT is the VAT-inclusive amount of the latter
// (in cents, 0,0049 added); a change undone gives the prices back. The discount is then that of
// the new prices.
CenyNabidky CenyPoZmene(const CenyNabidky& puvodni, double po, double dph, std::optional<ZmenaTRemol> tRemol);

// A unit price at the offer's coefficient as the costing sheet prices its lines: rounded up to
// tenths; unchanged without a discount.
double CenaNaKoeficient(double cena, double projektovaSleva);
// A part from the price list (name, codes, count, unit price, total; TAB-ended cells) priced at
// the offer's coefficient.
QString RadekNaKoeficient(const QString& radek, double projektovaSleva);

// The price-list row of an offer part's code: with `sPriponou` (the T-REMOL systems, whose
// costing lines carry their "-s" articles without it) first the code with "-s", then the code
// itself. -1 when neither is there, 0 for "-".
int RadekDilu(const TabulkaArtiklu& cenik, const QString& kod, bool sPriponou);

// What one part row (its cells) adds to a T-REMOL offer's prices, in cents: its list price, the
// price list's unit price of its code (held for "-s" articles too) × its count, 0 for a code the
// price list does not hold; and its price after the discount, the row's total, or for a row that
// carries none (the costing's own, at 0,00) its list unit price at the coefficient × the count.
ZmenaTRemol CenyDilu(const TabulkaArtiklu* cenik, const QStringList& bunky, double projektovaSleva);
