#pragma once
// The offer form's rules without the form and without the record: the required fields, the
// learnt project names (NazevAkce.txt), the dealer list (Obchodnici.txt), the breakdown rebuilt
// from the parts grid and the prices that follow it.
#include "offers/clsNabidka.h"
#include "platform/FlexGrid.h"
#include "platform/Vysledek.h"

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
// each, empty lines ignored. A file that cannot be read lists nothing and is never written.
class NazvyAkci {
public:
    explicit NazvyAkci(QString soubor);
    const QStringList& seznam() const { return m_seznam; }
    // Why the file could not be read; "" when it was, or is missing.
    const QString& chyba() const { return m_chyba; }
    // A name typed and left: learnt when it is not empty and not listed yet (exactly), and
    // appended to the file. False when the file could not be written (the name stays listed).
    Vysledek<> nauc(const QString& nazev);
    // Delete on a listed name: forgotten, the file rewritten in list order, or removed when no
    // name remains.
    Vysledek<> zapomen(const QString& nazev);

private:
    QString m_soubor;
    QStringList m_seznam;
    QString m_chyba;
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
// The prices after the parts grid's "Cena celkem" sum went from `pred` to `po`. The grid's
// prices are at the offer's coefficient (100 − projektovaSleva %), so the discount is in them
// already. Without a discount: the sum, and from it the prices with two decimals. With one: the
// prices the costing sheet would show, the price before the discount derived back from the
// sum; the discount stays. T-REMOL costings carry no line prices, so their prices move by the
// change (`tRemolCenik`: that of the list prices, count × unit price): the list price by it,
// the price after discount by the sum's, the price with VAT by the VAT-inclusive sum's change
// rounded to cents; the discount is then that of the new prices.
CenyNabidky CenyPoZmene(const CenyNabidky& puvodni, double pred, double po, double dph,
                        std::optional<double> tRemolCenik);

// A part from the price list (name, codes, count, unit price, total; TAB-ended cells) priced at
// the offer's coefficient as the costing sheet prices its lines: the unit price rounded up to
// tenths, the total from it.
QString RadekNaKoeficient(const QString& radek, double projektovaSleva);
// The list price of a part from the price list or of a grid row: count × unit price.
double CenikovaCena(const QString& radek);
