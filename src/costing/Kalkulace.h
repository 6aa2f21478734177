#pragma once
// One complete costing as a value: what the sheet shows, and what the print, the HTML page, the
// spreadsheet, the costing record of an offer and the order entry read, so that each of them
// gives the figures the user saw.
#include "costing/SouhrnParametru.h"
#include "engine/GlobalniData.h"
#include "engine/Kalkulacka.h"
#include "platform/FlexGrid.h"

#include <QStringList>
#include <array>
#include <vector>

// One row of the bill: an item row of the chosen cross-section or a free row of the user.
struct RadekKalkulace {
    QString Nazev;
    QString ObjZnak;
    QString ObjZnakPuvodni;
    float Ks = 0;
    Currency CenaKs;      // unit price as shown
    Currency CenaCelkem;  // line total as shown
    int barva = 0;        // text colour 0xBBGGRR: grey at 0 pieces, red when changed by hand
    bool skryty = false;  // an internal row that ordinary users do not see
    bool volny = false;
};

// Rows of the totals grid.
enum RadekSouctu { kKoeficient = 0, kKusy, kCenikovaCena, kCenaBezDph, kCenaSDph, kVaha };
// Label and unit of its price without VAT, which the order entry repeats.
inline const QString kPopisekCenyBezDph = QStringLiteral("Cena bez DPH ");
inline const QString kMenaKc = QStringLiteral("Kč");

inline const QString kPopisekCertifikatu = QStringLiteral("Firma KESTROMA, a.s. je držitelem evropského certifikátu CE");

struct Kalkulace {
    SorvenikaParametry parametry;  // system, its record, cross-section, kit lists, the note
    QString PopisSadyOrlex;
    Currency DPH;
    bool cenikove = true;          // list prices, as after a costing; else the coefficient's
    float Koeficient = 1.0f;
    std::vector<RadekKalkulace> radky;

    qint32 kusy = 0;
    Currency cenikovaCena;
    Currency cenaBezDph;
    Currency cenaSDph;
    float vaha = 0;
    std::array<QString, 6> soucty;  // column 1 of the totals grid as shown

    SouhrnParametru souhrn;
    std::array<QString, 3> zakaznik;

    // What the outputs print beside the bill, as the settings hold them when the output is made.
    QString Prodejce;
    QString PlatnostCen;
    bool TisknoutCeny = true;
    QString poznamkaDodani = kPopisekCertifikatu;  // the sheet's footer line

    // The six cells of a row as the items grid shows them, and the grid's headings.
    static QStringList texty(const RadekKalkulace& r);
    static QStringList nadpisy();
    // Columns 0 and 2 of a totals row: "Cena s 21% DPH", "Kč".
    static QString popisekSouctu(RadekSouctu r, Currency dph);
    static QString jednotkaSouctu(RadekSouctu r);
    // Seller, price validity and the print-prices option from the settings.
    void prevezmiNastaveni(const Nastaveni& n);
};

// The costing of the state: rows of the chosen cross-section, free rows included, with list
// prices or the coefficient's (unit prices rounded up to tenths, line totals from the price as
// shown), totals and the summary. The customer lines are the sheet's.
Kalkulace sestavKalkulaci(const GlobalniData& g, bool cenikove);

// The costing sheet's grids. Tabulka: row 0 the header, grid row i = row i of the costing,
// columns "Název dílu", "Obj.č.", "Obj.č. původní", "Ks", "Cena/Ks", "Cena celkem".
// TabSuma: the sheet's six totals rows, values in column 1.
struct MrizkySorveniky {
    FlexGrid& Tabulka;
    FlexGrid& TabSuma;
};

// The text colour of every cell of the costing's rows on the items grid, from the row's
// quantities: grey with none, red where the user changed the computed count, black otherwise.
void ObarviTabulku(const Kalkulace& k, FlexGrid& tabulka);

// Draws a costing into the grids. A new costing replaces the rows and hides the internal ones;
// a refill rewrites the cells of rows the grid already holds and keeps what the user set on
// the grid (hidden rows, cursor).
void zobrazKalkulaci(const Kalkulace& k, MrizkySorveniky m, bool nova);

// A full costing: the system's calculator, then the bill with list prices on the grids. A
// failing calculation throws and leaves the state and the grids as they were.
Kalkulace SpocitejSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, MrizkySorveniky m);

// Refills quantities, prices and totals with the coefficient prices after a change.
Kalkulace PrepocitejCeny(const GlobalniData& g, MrizkySorveniky m);
