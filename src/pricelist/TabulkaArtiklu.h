#pragma once
// The article table: the price list Data/Art.dbf as ten text columns, loaded once and kept for
// the whole run. Row 0 is the header, rows 1..n the articles in order-number order; a row number
// once handed out by NajdiArtikl stays valid, because Sort and Filtr change only what the
// browser shows and in which order.
#include "platform/Numbers.h"
#include "pricelist/DBF.h"

#include <QString>
#include <vector>

// An order number containing this is priced by the manufacturer (the T-REMOL systems' parts):
// the price list shows no price for it, and a costing line carries the code without it.
inline const QString kPriponaBezCeny = QStringLiteral("-s");

class TabulkaArtiklu {
public:
    enum Sloupec {
        StaryKod = 0,
        ObjCislo = 1,
        Nazev = 2,
        Ks = 3,
        ProdejniCena = 4,  // empty for order numbers containing "-s"
        Vaha = 5,
        MJ = 6,
        Cena = 7,          // the price of every article
        ObjSklad = 8,
        System = 9,
    };
    static constexpr int kSloupcu = 10;

    TabulkaArtiklu() = default;

    // Reads cesta + ".dbf"; every failure is a RuntimeError whose text names the file.
    static TabulkaArtiklu nacti(const QString& cesta);
    // Data/Art.dbf.
    static TabulkaArtiklu nactiCenik();
    // Builds the table from a read dBase table; `soubor` names it in messages.
    static TabulkaArtiklu zDat(const DataDBF& data, const QString& soubor);
    // The same straight from the records of a reader, without the cells in between (nacti).
    static TabulkaArtiklu zCtecky(CtecDBF& ctec);

    static QString hlavicka(int sloupec);

    // A file cut short loads what it holds; this says so (CtecDBF::varovani), empty otherwise.
    const QString& varovani() const { return m_varovani; }

    int pocetArtiklu() const { return static_cast<int>(m_radky.size()); }

    // Row 0 gives the headers. Outside the table: run-time error 9.
    // A text of its own, valid after the table is gone; the prices and weights are made each time
    // they are asked for.
    QString text(int radek, int sloupec) const;
    // The same for a column the table keeps as text (0, 1, 2, 6, 8 and 9), read in place: valid
    // while the table lives unchanged. Any other column is run-time error 5.
    QStringView ulozenyText(int radek, int sloupec) const;
    // Column 7 as CCur and column 5 as CSng read them back, without the text round trip.
    // A value too large for the type is the overflow error; a text that is no number gives 0.
    Currency cena(int radek) const;
    float vaha(int radek) const;
    // Column 4 as the number its text shows: 0 for an article without a shown price or a price
    // field holding text.
    double prodejniCena(int radek) const;
    // Column 8 as a number; a text that is no number counts as 0 (not orderable).
    double objSklad(int radek) const;

    // The row of an order number (case-insensitive), -1 when there is none, 0 for "-".
    // Except for "-" the caller's code is upper-cased. Among codes that differ only in case
    // the first in file order wins.
    int NajdiArtikl(QString& kod) const;

    // Display order for the browser: 0 by order number (the load order), anything else by old
    // code. Both compare the upper-case forms code unit by code unit, as the lookup does.
    void Sort(int x);
    // True hides the articles whose column 8 is 0; False shows every row again.
    void Filtr(bool x);
    bool skryty(int radek) const;
    // Every article row in display order, and the same without the hidden rows.
    const std::vector<int>& poradi() const { return m_poradi; }
    // Changes with every Sort.
    int verzePoradi() const { return m_verzePoradi; }
    std::vector<int> zobrazeneRadky() const;

private:
    // A price or weight column: the amount in hundredths as "##,##0.00" rounds it, the text made
    // when asked for. A text that is no number, or an amount too large, is kept as text.
    struct Castka {
        qint64 setiny = 0;
        qint32 text = -1;  // >= 0: the text is m_textyCastek[text]
    };
    // A stretch of m_znaky or m_velka.
    struct Usek {
        quint32 od = 0, delka = 0;
    };
    static constexpr int kTextu = 3;  // columns 0, 1, 2
    struct Radek {
        // Columns 0 to 2 in m_znaky.
        Usek texty[kTextu];
        Castka cena, vaha;
        float vahaKg = 0;
        // Columns 6, 9 and 8, a few distinct values over the whole list: indexes into m_hodnoty.
        quint32 mj = 0, system = 0, objSklad = 0;
        bool bezCeny = false;    // order number with "-s": no shown price
        bool cenaPretece = false;
        bool vahaPretece = false;
    };
    struct Hodnota {
        QString text;
        double cislo = 0;  // column 8 as a number
    };
    // Sorting: the first eight UTF-16 units of a key packed into 128 bits, and its position.
    struct Klic {
        quint64 vyssi, nizsi;
        int pozice;
    };
    static Klic klic(const char16_t* jednotky, size_t n, int pozice);
    struct Zaznam;
    class Plneni;

    static void kontrolaPoli(int poli, const QString& soubor);
    // The rows in order-number order; `klice` and `useky` (of m_velka) by position in m_radky.
    void serad(std::vector<Klic> klice, const std::vector<Usek>& useky);
    // The positions of `klice` ordered by the keys they stand for, useky[pozice] of `jednotky`;
    // equal keys keep the order they have in `klice`.
    static std::vector<int> serazeno(std::vector<Klic> klice, const std::vector<char16_t>& jednotky,
                                     const std::vector<Usek>& useky);
    // The upper-case form of a text, appended to `kam`.
    static Usek pridejVelkymi(std::vector<char16_t>& kam, QStringView text);
    size_t pozice(int r) const;
    QStringView textPole(const Radek& r, int sloupec) const {
        return QStringView(m_znaky).sliced(r.texty[sloupec].od, r.texty[sloupec].delka);
    }
    const Radek& radek(int r) const { return m_radky[pozice(r)]; }
    QString text(const Castka& c) const;

    std::vector<Radek> m_radky;           // file order
    QString m_znaky;                      // columns 0 to 2 of every row, one text after another
    std::vector<Hodnota> m_hodnoty;
    std::vector<QString> m_textyCastek;
    std::vector<int> m_podleObj;          // row - 1 -> position in m_radky
    std::vector<char16_t> m_velka;        // the upper-case order numbers, one after another
    std::vector<Usek> m_klice;            // row - 1 -> its upper-case order number in m_velka
    std::vector<int> m_poradi;
    std::vector<int> m_poStaremKodu;      // Sort(1)'s order, once made
    QChar m_desetinna, m_skupina;         // the regional separators when the table was loaded
    bool m_filtr = false;
    int m_verzePoradi = 0;
    QString m_varovani;
};
