#pragma once
// The customer database and the address book over it. The database is one dBase table in the
// data folder, named by the settings value Zakaznici, with the five character fields PRIJMENI,
// JMENO, ULICE, PSC, MESTO and one record per customer in surname order. The representatives
// type into it for years, so every write replaces the file only once the new one is complete.
#include "engine/GlobalniData.h"
#include "platform/Vysledek.h"

#include <QStringList>
#include <array>
#include <vector>

// The fields of a customer in file order.
enum PoleZakaznika { PRIJMENI, JMENO, ULICE, PSC, MESTO };
inline constexpr int kPoliZakaznika = 5;
using Zakaznik = std::array<QString, kPoliZakaznika>;
using Zakaznici = std::vector<Zakaznik>;
// The costing sheet's three customer lines.
using RadkyZakaznika = std::array<QString, 3>;

// A character field of the dBase format holds at most this many characters; the postcode box
// takes fewer.
inline constexpr int kNejdelsiText = 254;
inline constexpr int kNejdelsiPsc = 6;

// The customer file without ".dbf" (the dBase reader and writer add it).
QString souborZakazniku(const Nastaveni& n);

// The customers of the file in file order; fields are taken by position, a table of fewer than
// five fields gives empty texts for the rest. A missing file is an empty database. `varovani`,
// when given, gets the reader's warning for a file cut short (empty for a whole one).
Vysledek<Zakaznici> NactiZakazniky(const QString& soubor, QString* varovani = nullptr);
// Writes the five fields, each as zjednodus keeps it; the old file stays as it was when the
// write fails.
Vysledek<> UlozZakazniky(const QString& soubor, const Zakaznici& zakaznici);
// A customer as the file keeps it: letters its code page cannot hold in their plain form
// (dbftext::prostyTvar). The number of fields that changed.
int zjednodus(Zakaznik& zakaznik);

// By surname in Czech alphabetical order (ch after h, č after c), upper and lower case told
// apart; customers of equal surnames keep their order.
void seradZakazniky(Zakaznici& zakaznici);

// "Příjmení Jméno", the street, "PSČ  Město" (two blanks).
RadkyZakaznika radkyZakaznika(const Zakaznik& z);

// Asked when the window is closed while a customer is typed: "Ano" stores it as "Ok" would.
inline const QString kUlozitRozpracovany =
    QStringLiteral("Rozpracovaný záznam není uložen. Uložit jej před zavřením okna?");

// The window "Databáze zákazníků" without its widgets: the store sorted by surname, the name
// list that mirrors it, the five text boxes, browse and edit modes and the commands.
class ModelAdresare {
public:
    // The commands cmbPrikaz(i); there is no 3.
    enum Prikaz { Novy = 0, Zmenit = 1, Smazat = 2, Ok = 4, Storno = 5 };

    explicit ModelAdresare(QString soubor);

    // Form_Load. A file that cannot be read gives its message and the book is not to be shown
    // (its close would overwrite the file with the empty store).
    Vysledek<> nacti();
    // After the load: a file cut short is named, for the user to know before a change rewrites
    // it with only the customers read; empty for a whole file.
    const QString& varovani() const { return m_varovani; }
    // An entry of the list chosen (a click or a key in the list).
    void L_Click(int pozice);
    void setText(int pole, const QString& text);
    // A command; what to tell the user afterwards (the last customer deleted), empty for nothing.
    // No command can fail.
    QString cmbPrikaz_Click(int prikaz);
    // cmdVybrat(0): the shown customer as the costing sheet's lines.
    RadkyZakaznika cmdVybrat() const { return radkyZakaznika(m_texty); }
    // Form_Unload: writes the store when it changed since the load.
    Vysledek<> uloz();

    const Zakaznici& tabulka() const { return m_tabulka; }
    // The name list L: the surname of every store row, in store order.
    QStringList seznam() const;
    // The chosen list position, -1 for none.
    int vybrany() const { return m_vybrany; }
    const Zakaznik& texty() const { return m_texty; }
    // Edit mode: text boxes and the edit-mode Ok/Storno usable; otherwise browse mode.
    bool upravy() const { return m_upravy; }
    // Edit mode with something typed that "Ok" would store.
    bool rozpracovano() const { return m_upravy && m_texty != m_puvodni; }
    bool zmenitSmazatPovoleno() const { return m_zmenitSmazat; }
    bool cisloViditelne() const { return m_cisloViditelne; }
    // Cislo_zaznamu: "Záznam č. 2 z 3".
    const QString& cisloZaznamu() const { return m_cislo; }

    int Aktualni_zaznam = -1;
    int Akce = 0;  // 0 a new customer, 1 a change
    bool Zmena = false;

private:
    void vyber(int pozice);
    void Refresh_dat();
    // Edit mode, and back to browse mode.
    void Zobraz_tlacitka() { m_upravy = true; }
    void Schovej_tlacitka() { m_upravy = false; }

    QString m_soubor;
    Zakaznici m_tabulka;
    Zakaznik m_texty;
    Zakaznik m_puvodni;  // the text boxes as the edit began
    QString m_varovani;
    int m_vybrany = -1;
    bool m_upravy = false;
    bool m_zmenitSmazat = false;
    bool m_cisloViditelne = true;
    QString m_cislo;
};
