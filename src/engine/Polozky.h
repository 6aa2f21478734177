#pragma once
// The item matrix of the current costing and the kit records that the quantity writer deducts.
#include "engine/Pole.h"
#include "platform/Numbers.h"

#include <QString>
#include <vector>

// One cell of the item matrix: one article of one item row for one cross-section.
struct Polozka {
    QString ObjZnak;         // "-" the item does not exist here, "?????" not in the price list
    QString ObjZnakPuvodni;
    QString Nazev;
    Currency Cena;           // unit list price
    float Vaha = 0;          // unit weight, kg
    float Ks = 0;            // quantity on the sheet
    float KsVypocet = 0;     // quantity as the last calculation wrote it (red when Ks differs)
    float KsZaklad = 0;      // quantity before kit deduction; a recalculation starts from it

    friend bool operator==(const Polozka&, const Polozka&) = default;
};

// Polozky(sloupec, radek): column = cross-section 1..sloupcu(), row = item row 1..radku()
// (the item table's rows followed by the free rows).
class MaticePolozek {
public:
    void vytvor(int sloupcu, int radku);  // every cell empty

    bool prazdna() const { return m_bunky.empty(); }
    int sloupcu() const { return m_sloupcu; }
    int radku() const { return m_radku; }  // the last row, free rows included

    Polozka& operator()(int sloupec, int radek) { return m_bunky[index(sloupec, radek)]; }
    const Polozka& operator()(int sloupec, int radek) const { return m_bunky[index(sloupec, radek)]; }

    friend bool operator==(const MaticePolozek&, const MaticePolozek&) = default;

private:
    size_t index(int sloupec, int radek) const;
    int m_sloupcu = 0;
    int m_radku = 0;
    std::vector<Polozka> m_bunky;  // one column after the other: the engine walks one column
};

// One kit kind of the bill. Pocet 0 means the entry is not used. Ks and Radek have the same
// bounds; a component with 0 pieces deducts nothing and only carries Popis onto the outputs.
struct Souprava {
    Integer Pocet;
    Pole<QString> Kod;
    Pole<Integer> Ks;
    Pole<Integer> Radek;
    QString Popis;

    void pridejDil(const QString& kod, int ks, int radek) {
        Kod.pridej(kod);
        Ks.pridej(Integer(ks));
        Radek.pridej(Integer(radek));
    }
};

using SeznamSouprav = Pole<Souprava>;

// The loaded item table.
struct DataSystemu {
    MaticePolozek Polozky;
    Pole<QString> Prurezy;       // column labels as written in the file ("12", "14/16")
    Pole<bool> SachtaPovolena;   // the column's cross-section may have a ventilation shaft
};
