#pragma once
// The customer import without its widgets: a dBase table or a ";"-separated text file shown in
// a grid whose columns are "Sloupec č. N", the five customer fields each taken from a chosen
// column, and the customer database replaced by the result.
#include "orders/Zakaznici.h"
#include "platform/FlexGrid.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <array>

inline const QString kZadnySloupec = QStringLiteral(
    "Není vybrán žádný sloupec. Vyberte, který sloupec v tabulce odpovídá které položce. Databáze zákazníků zůstává beze změny.");
inline const QString kJenPrazdneZaznamy = QStringLiteral(
    "Vybrané sloupce neobsahují žádná data, import by databázi zákazníků vymazal. Databáze zákazníků zůstává beze změny.");

// The cells of a ";"-separated text (ZakazniciCsv): Windows-1250, or UTF-8 after a byte-order
// mark; lines end in CR LF (a lone LF, as Linux programs write, ends one too); no quoting. The
// first line gives the number of columns: longer lines lose their extra cells, shorter ones get
// empty cells. Lines whose cells are all empty are left out, so the CR LF at the end of the file
// adds no blank customer.
struct TabulkaCsv {
    int sloupcu = 0;
    QList<QStringList> radky;  // each exactly `sloupcu` cells
};
TabulkaCsv ctiZakazniciCsv(const QByteArray& obsah);

class ModelImportu {
public:
    // The lists cmb(0..4) in the order of their labels lblPole(0..4).
    enum Seznam { Jmeno = 0, Prijmeni = 1, Ulice = 2, Psc = 3, Mesto = 4 };
    static const std::array<QString, kPoliZakaznika> kPopisky;
    static constexpr int kSirkaSloupce = 2000;  // twips

    explicit ModelImportu(QString soubor);

    // mnu_Import_Click after the open dialog: the file's rows into the grid. A ".csv" file adds
    // its rows below those already shown, a ".dbf" file replaces them; another ending loads
    // nothing. A file that cannot be read or holds no data gives its message and changes nothing.
    Vysledek<> nacti(const QString& cesta);
    // Check1_Click: the first row holds the field names (shown bold, not imported).
    void setPrvniRadekNazvy(bool ano);
    bool prvniRadekNazvy() const { return m_prvniRadekNazvy; }
    // The column chosen in cmb(seznam), -1 for none.
    void setSloupec(int seznam, int sloupec);
    int sloupec(int seznam) const { return m_sloupce.at(static_cast<size_t>(seznam)); }
    // The items of every cmb list: one per grid column.
    QStringList polozkySeznamu() const;

    // Check1 is usable once a file was chosen, cmdUlozit once one was loaded.
    bool souborVybran() const { return m_vybran; }
    bool nacteno() const { return m_nacteno; }

    // The customers as the import writes them (as the file keeps them, zjednodus), in surname
    // order; an unmapped field is " ". `zjednoduseno` counts the values that changed.
    Zakaznici zakaznici(int* zjednoduseno = nullptr) const;
    // cmdUlozit_Click before the overwrite question: no column chosen, or only empty customers
    // from the chosen ones, would erase the book and is refused.
    Vysledek<> kontrola() const;
    // cmdUlozit_Click after it: replaces the customer file; how many values were simplified.
    Vysledek<int> uloz() const;

    FlexGrid T{1, 0};  // no columns before the first load

private:
    void nastavSloupce(int pocet);
    void pridejRadek(const QStringList& bunky);
    void zvyrazniNazvy();

    QString m_soubor;
    std::array<int, kPoliZakaznika> m_sloupce{-1, -1, -1, -1, -1};
    bool m_prvniRadekNazvy = false;
    bool m_vybran = false;
    bool m_nacteno = false;
};
