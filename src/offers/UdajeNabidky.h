#pragma once
// The offer form's rules without the form and without the record: the required fields, the
// learnt project names (NazevAkce.txt), the dealer list (Obchodnici.txt), the breakdown rebuilt
// from the parts grid and the prices that follow it.
#include "platform/FlexGrid.h"
#include "platform/Vysledek.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The texts of the form's entry fields.
struct UdajeNabidky {
    QString DatumNabidky;
    QString NazevAkce;
    QString MistoStavby;
    QString Ulice;
    QString UliceCP;
    int DruhStavby = -1;  // list position, -1 none chosen
    QString RealizacniFirma;
    QString KontaktniOsoba;
    QString Telefon;
    QString Email;
    QString Obchodnik;
    QString ObchodnikMesto;
    QString Poznamka;
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
std::optional<Odmitnuti<PovinnePole>> ZkontrolujUdaje(const UdajeNabidky& u);

// The list order of the project names and dealers: alphabetical, letter case aside.
void seradSeznam(QStringList& seznam);

// The project names the form has learnt: Data/Nabidky/NazevAkce.txt, one a line, CR LF after
// each, empty lines ignored.
class NazvyAkci {
public:
    explicit NazvyAkci(QString soubor);
    const QStringList& seznam() const { return m_seznam; }
    // A name typed and left: learnt when it is not empty and not listed yet (exactly), and
    // appended to the file. False when the file could not be written (the name stays listed).
    Vysledek<> nauc(const QString& nazev);
    // Delete on a listed name: forgotten, the file rewritten in list order, or removed when no
    // name remains.
    Vysledek<> zapomen(const QString& nazev);

private:
    QString m_soubor;
    QStringList m_seznam;
};

// The breakdown rebuilt from the parts grid (every cell followed by a TAB, every line by CR LF)
// and the sum of its "Cena celkem" cells (one that is no number counts 0).
struct RozpisMrizky {
    QString rozpis;
    double soucet = 0;
};
RozpisMrizky RozpisZMrizky(const FlexGrid& tabulka);

// The prices after a parts change, for the sum, the project discount and the VAT in percent.
struct CenyNabidky {
    double CenaBezDPH = 0;
    double CenaPoSleveBezDPH = 0;
    double CenaPoSleveSDPH = 0;
};
CenyNabidky CenyPoZmene(double soucet, double projektovaSleva, double dph);
