#pragma once
// The order of the order sheet: its sub-orders, in the order they were added, and the order
// settings of Data/Objednavky.ini (customer ID, e-mail, next order number, folder for copies).
#include "net/NastaveniObjednavek.h"
#include "platform/Numbers.h"

#include <QString>
#include <vector>

// One sub-order: a title, its article codes and counts (each entry followed by "|"; text after
// the last "|" is no entry) and a note.
struct clsPodobjednavka {
    Currency Cena;       // without VAT, as the sheet last computed it
    QString Poznamka;    // lines separated by CR LF
    QString ObjZnak;
    QString Ks;
    QString Nazev;
};

class clsObjednavka {
public:
    // Reads the order settings of the data folder.
    clsObjednavka();
    // Writes them back, when they were read.
    ~clsObjednavka();
    clsObjednavka(const clsObjednavka&) = delete;
    clsObjednavka& operator=(const clsObjednavka&) = delete;

    QString Vystup() const { return m_nastaveni.Vystup; }
    void setVystup(const QString& v) { m_nastaveni.Vystup = v; }
    QString ID() const { return m_nastaveni.ID; }
    void setID(const QString& v) { m_nastaveni.ID = v; }
    QString Email() const { return m_nastaveni.Email; }
    void setEmail(const QString& v) { m_nastaveni.Email = v; }
    qint32 CisloObjednavky() const { return m_nastaveni.CisloObjednavky; }
    void setCisloObjednavky(qint32 v) { m_nastaveni.CisloObjednavky = v; }
    // What the connection settings dialog edits.
    NastaveniObjednavek& nastaveni() { return m_nastaveni; }
    // Why the settings could not be read; "" when they were (or the file is missing).
    const QString& chybaCteni() const { return m_nastaveni.chybaCteni; }

    // A non-empty key, which no other sub-order may have (run-time error 457), finds it by Item.
    clsPodobjednavka& Add(const QString& Nazev, const QString& ObjZnak, const QString& Ks, const QString& Poznamka,
                          Currency Cena, const QString& Key = {});
    void Clear() {
        m_polozky.clear();
        m_klice.clear();
    }
    // Positions count from 1; outside the collection: run-time error 9.
    clsPodobjednavka& Item(int index);
    const clsPodobjednavka& Item(int index) const;
    // By key, whatever its case; a key no sub-order has: run-time error 5.
    clsPodobjednavka& Item(const QString& Key);
    int Count() const { return static_cast<int>(m_polozky.size()); }
    void Remove(int index);

    // email, id, "cislo objednavky" and vystup; refused when they could not be read.
    Vysledek<> Uloz_ini();

private:
    void kontrola(int index) const;
    int poziceKlice(const QString& Key) const;  // -1 for none

    QString m_soubor;
    NastaveniObjednavek m_nastaveni;
    std::vector<clsPodobjednavka> m_polozky;
    std::vector<QString> m_klice;  // beside each sub-order, "" for none
};

// The entries of a "|"-terminated list.
QStringList polozkySeznamu(const QString& seznam);
